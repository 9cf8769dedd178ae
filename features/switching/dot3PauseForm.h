#pragma once
// The EtherLike pause table (System > EtherLike-MIB > Dot3 Pause Table): every interface's
// flow-control admin and oper mode in a list; the chosen interface's pause frames received and
// sent beside it, read again at the chosen refresh interval; Set writes the admin mode.

#include "features/common/DetailRefresh.h"
#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_dot3PauseForm.h"

#include <memory>

namespace ui {
class Timer;
}

class Tdot3PauseForm : public ui::Form, public Ui::dot3PauseForm, public WindowLifecycle {
public:
    // Items of the pause table.
    enum Item { IndexItem, AdminModeItem, OperModeItem };
    // Rows of ListView2.
    enum DetailRow { InPauseRow, OutPauseRow };

    explicit Tdot3PauseForm(QWidget* owner = nullptr);
    ~Tdot3PauseForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> TableRequest;
    // The pause counters of the chosen interface (its DetailRequest), the interval and its timer.
    DetailRefresh Detail{*this};
    ui::Timer* Timer1;

    void FormCreate(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnStopClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void cbxIntervalChange(QObject* sender);
    void Timer1Timer(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);

    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;
    void ResetInputs();
    void ShowDetailValues();
};

// The window while its menu handler shows it.
extern Tdot3PauseForm* dot3PauseForm;
