#pragma once
// The EEE state window (System > Port Configuration > EEE State Settings): one box per port, on
// where the port saves energy on idle links. Set writes the boxes and reads back what the switch
// keeps; the window reads and writes synchronously and waits up to 6 s an attempt from its first
// Set on, the switch taking its time over the change.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_EEEStateFormUnit.h"

#include <QPointer>

#include <memory>

class TEEEStateFormUnit : public ui::Form, public Ui::EEEStateFormUnit, public WindowLifecycle {
public:
    explicit TEEEStateFormUnit(QWidget* owner = nullptr);
    ~TEEEStateFormUnit() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> Ports;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void BT_CloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TEEEStateFormUnit* EEEStateFormUnit;
