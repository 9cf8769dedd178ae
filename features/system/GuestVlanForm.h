#pragma once
// The 802.1X guest VLAN window (Security > 802.1X > Guest VLAN): the name of the guest VLAN and
// its member ports, and the deletion of the guest VLAN. The switch takes a name only for a guest
// VLAN that has none yet, so Set sends the name only when it differs from the one last read (or
// none was read). Every request is synchronous.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_GuestVlanForm.h"

#include <QPointer>

#include <memory>

class TGuestVlanForm : public ui::Form, public Ui::GuestVlanForm, public WindowLifecycle {
public:
    // Items of GuestVlanRequest; the entry of cbxDel that deletes.
    enum GuestVlanItem { NameItem, PortsItem };
    static constexpr int StartIndex = 1;
    // The requests' time-out, in hundredths of a second.
    static constexpr int RequestTimeout = 300;

    explicit TGuestVlanForm(QWidget* owner = nullptr);
    ~TGuestVlanForm() override;

    // Name and ports; the name alone, into the hidden Edit1; the delete state.
    std::unique_ptr<MvSNMPRequest2Edits> GuestVlanRequest;
    std::unique_ptr<MvSNMPRequest2Edits> GuestVlanNameRequest;
    std::unique_ptr<MvSNMPRequest2Edits> GuestVlanDeleteRequest;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void DelBtnClick(QObject* sender);
    void BT_CloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // All three requests were made (a failed FormCreate leaves the window without them).
    bool Ready() const;
};

// The window while its menu handler shows it.
extern TGuestVlanForm* GuestVlanForm;
