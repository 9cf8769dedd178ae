#pragma once
// The queue bandwidth window (QoS > Bandwidth Control > Queue Bandwidth Control Settings): the
// minimum and maximum transmit rate of every egress queue of every port, in Kbit/s. A rate of 0
// means no limit: the list shows it as "No Limit" and a "No Limit" box beside each rate writes
// it. Edit writes the selected queue's two rates; queues are neither added nor deleted.

#include "features/common/WindowLifecycle.h"
#include "features/switching/CoSBrandWidthNewRequest2Edits.h"

#include "ui/Form.h"

#include "ui_CoSBrandwidthctrlForm.h"

#include <memory>

class TCoSBrandwidthctrlForm : public ui::Form, public Ui::CoSBrandwidthctrlForm, public WindowLifecycle {
public:
    // The rates a limited queue may have.
    static constexpr int LowestRate = 8;
    static constexpr int HighestRate = 10240000;

    explicit TCoSBrandwidthctrlForm(QWidget* owner = nullptr);
    ~TCoSBrandwidthctrlForm() override;

    std::unique_ptr<CoSBrandWidthNewRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void GetButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void CheckBox1Click(QObject* sender);
    void CheckBox2Click(QObject* sender);

    // The editors of no selection; unchecking a ticked box runs its click handler.
    void ResetInputs();
    // False after the message of the first rate outside its range; a text that is no whole
    // number raises the conversion error.
    bool ValidateInputs();

private:
    // A rate cell of the selected row into its box and edit.
    void ShowRate(const std::string& cell, ui::CheckBox* box, ui::Edit* edit);
    void ShowRowCount();
};

// The window while its menu handler shows it.
extern TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm;
