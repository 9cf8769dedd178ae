#pragma once
// The multicast proxy group window (Layer 2 > IGMP Proxy > Group Table and Layer 2 > MLD Proxy >
// Group Table): one row per group and source with the downstream VLAN, its member ports and the
// entry's state. One class serves both: ProxyGroupKind, set by the menu item just before the
// window is made, chooses the IGMP (IPv4) or the MLD (IPv6) table once, when the window is
// created. The window only reads; the editors show the chosen row, and nothing typed into them is
// ever sent. Close stops a read still under way.

#include "features/common/WindowLifecycle.h"

#include "gui/BasicForm.h"

#include "snmp/Request2Edits.h"

#include "ui_McastProxyGroupForm.h"

#include <memory>

// The table the next proxy group window shows: 1 IGMP, any other value MLD. The menu items set
// it; it stays set after the window has closed.
extern int ProxyGroupKind;

class TMcastProxyGroupForm : public TBasicForm, public Ui::McastProxyGroupForm, public WindowLifecycle {
public:
    enum Item { DestinationItem, SourceItem, VlanItem, MemberPortsItem, StateItem };

    explicit TMcastProxyGroupForm(QWidget* owner = nullptr);
    ~TMcastProxyGroupForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    // The kind the window was made for.
    int Kind = 1;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    // Stop: the read ends at its next answer, and the window is idle at once.
    void StopButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The editors emptied (the state to "active"), the port boxes unchecked, the row count.
    void ResetInputs();
};

// The window while its menu handler shows it.
extern TMcastProxyGroupForm* McastProxyGroupForm;
