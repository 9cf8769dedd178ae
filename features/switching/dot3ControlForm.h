#pragma once
// The EtherLike MAC control table (System > EtherLike-MIB > Dot3 Control Table): the MAC control
// functions each interface supports, in a list and as the "pause" box of the chosen interface;
// its frames with an unknown opcode beside it, read again at the chosen refresh interval. The
// window writes nothing.

#include "features/common/DetailRefresh.h"
#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_dot3ControlForm.h"

#include <memory>
#include <vector>

namespace ui {
class CheckBox;
class Timer;
} // namespace ui

class Tdot3ControlForm : public ui::Form, public Ui::dot3ControlForm, public WindowLifecycle {
public:
    // Items of the control table.
    enum Item { IndexItem, FunctionsItem };

    explicit Tdot3ControlForm(QWidget* owner = nullptr);
    ~Tdot3ControlForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> TableRequest;
    // The unknown-opcode counter of the chosen interface (its DetailRequest), the interval and
    // its timer.
    DetailRefresh Detail{*this};
    ui::Timer* Timer1;

    void FormCreate(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void btnGetClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void cbxIntervalChange(QObject* sender);
    void Timer1Timer(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);

    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;
    void ResetInputs();
    void ShowDetailValues();

private:
    // CheckBox1 to CheckBox8: bits 0 to 7 of the supported functions.
    std::vector<ui::CheckBox*> FunctionBoxes() const;
};

// The window while its menu handler shows it.
extern Tdot3ControlForm* dot3ControlForm;
