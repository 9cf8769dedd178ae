#pragma once
// The GARP timer window (QoS > 802.1p > GARP Timer): each bridge port's GARP join, leave and
// leave-all times in milliseconds. The selected port's three times are written with one SET,
// after which the framework reads the table again. The window is busy from each read or write
// until its answer has been handled; a click on the list ends a read that takes too long.
// Every write's answer is shown: a refused one in a message box.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_GARPForm.h"

#include <memory>

class TGARPForm : public ui::Form, public Ui::GARPForm, public WindowLifecycle {
public:
    // Items of the request.
    enum Item { PortItem, JoinTimeItem, LeaveTimeItem, LeaveAllTimeItem };

    explicit TGARPForm(QWidget* owner = nullptr);
    ~TGARPForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void btn1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_dot1dPortGarpEntryChange(QObject* sender, ui::ListItem* item);
    void LV_dot1dPortGarpEntryClick(QObject* sender);

private:
    void EnableTimes();
};

// The window while its menu handler shows it.
extern TGARPForm* GARPForm;
