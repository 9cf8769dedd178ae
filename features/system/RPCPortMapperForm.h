#pragma once
// The RPC port mapper filter window (Security > RPC PortMapper Filter Settings): one box per port,
// ticked where the switch filters RPC port mapper traffic. Set writes the boxes and reads back
// what the switch keeps; the request is synchronous for the window's whole life.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_RPCPortMapperForm.h"

#include <QPointer>

#include <memory>

class TRPCPortMapperForm : public ui::Form, public Ui::RPCPortMapperForm, public WindowLifecycle {
public:
    explicit TRPCPortMapperForm(QWidget* owner = nullptr);
    ~TRPCPortMapperForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void BT_CloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TRPCPortMapperForm* RPCPortMapperForm;
