#pragma once
// The MAC-based access control settings window (Security > MAC-based Access Control (MAC) >
// Global Settings): the state, the authentication method, the local password and the clear-all
// action, and the guest VLAN's name and member ports. The switch takes a guest VLAN name only
// while it has none, so Set reads the name it holds first and refuses a different one until the
// guest VLAN is deleted. Every request is synchronous.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_MBAControlForm.h"

#include <QPointer>

#include <memory>

class TMBAControlForm : public ui::Form, public Ui::MBAControlForm, public WindowLifecycle {
public:
    // Items of MacAccessGuestVlanRequest; the entry of cbxDel that deletes.
    enum GuestVlanItem { NameItem, MemberPortsItem };
    static constexpr int StartIndex = 1;
    // The requests' time-out, in hundredths of a second.
    static constexpr int RequestTimeout = 300;

    explicit TMBAControlForm(QWidget* owner = nullptr);
    ~TMBAControlForm() override;

    // State, method, password and clear-all action; guest VLAN name and member ports; the guest
    // VLAN's delete state; the name alone, into the hidden Edit1.
    std::unique_ptr<MvSNMPRequest2Edits> MacAccessSettingsRequest;
    std::unique_ptr<MvSNMPRequest2Edits> MacAccessGuestVlanRequest;
    std::unique_ptr<MvSNMPRequest2Edits> MacAccessDeleteRequest;
    std::unique_ptr<MvSNMPRequest2Edits> MacAccessNameRequest;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void DelBtnClick(QObject* sender);
    void BT_CloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // All four requests were made (a failed FormCreate leaves the window without them).
    bool Ready() const;
    // The guest VLAN part of Set; false when the name was refused (the window is not read again).
    bool WriteGuestVlan();
};

// The window while its menu handler shows it.
extern TMBAControlForm* MBAControlForm;
