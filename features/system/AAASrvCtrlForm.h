#pragma once
// The AAA server group membership window (Security > Access Authentication Control > Server
// Settings): puts a server (address and protocol) into a server group or takes it out, with one
// SET of the membership's Row State. The groups and their members are shown by the server group
// window (TServerGroupForm). The request is asynchronous and reports through its own defaults:
// the log lines (the read at opening, a write the switch took) in panel 0 of the status bar, a
// refused write in a message box. The window does not read again after a write.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_AAASrvCtrlForm.h"

#include <memory>

class TAAASrvCtrlForm : public ui::Form, public Ui::AAASrvCtrlForm, public WindowLifecycle {
public:
    // Items of the membership table: group name, server address and protocol are the keys.
    enum Item { GroupItem, AddressItem, ProtocolItem, RowStateItem };

    explicit TAAASrvCtrlForm(QWidget* owner = nullptr);
    ~TAAASrvCtrlForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TAAASrvCtrlForm* AAASrvCtrlForm;
