#pragma once
// A small rule window on the base form, as the hand-made windows are built: one row of a
// RowStatus table with a port-list column (tests/support/data/formkit.dat), each column with its
// value control and, where it may be left unchanged, a check box or a radio button.

#include "gui/BasicForm.h"

#include "snmp/OptionList.h"
#include "snmp/Request2Edits.h"

#include "ui_RuleTestForm.h"

#include <memory>

class TRuleTestForm : public TBasicForm, public Ui::RuleTestForm {
public:
    // Columns of the window's list.
    enum Column { RowColumn, NameColumn, NumberColumn, NoteColumn, PortsColumn, StatusColumn, Columns };

    explicit TRuleTestForm(QWidget* owner = nullptr);
    ~TRuleTestForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Driver;

    // Edit: at least one port, the unchecked columns left out, one synchronous write.
    bool EditClick();
    // Delete: the selected row destroyed through its status column.
    void DeleteClick();

private:
    void FormCreate(QObject* sender);
};
