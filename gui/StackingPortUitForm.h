#pragma once
// The port picker: a borderless form that windows embed in a panel or a page to let the user
// tick ports. One page per stacking unit, its tab hidden (the window chooses the unit), with 64
// numbered check boxes of which only the model's front ports are shown. The boxes of all units
// stand in PortBoxes, unit after unit: box k of unit u is entry (u - 1) * 64 + k - 1, and bound
// with the part list of the numbers 0 to 63 it stands for bit k - 1 of the unit's port list.
//
// Use: construct, put into the host (ui::SetParent, aligned to its client area) and show; AddUnit
// for units 1, 2, ... in order; ShowUnit for the unit to show; bind PortBoxes to the port-list
// item with BindControlList.

#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/PageControl.h"
#include "ui/ScrollBox.h"

#include "ui_StackingPortUitForm.h"

#include <QPointer>

#include <string>
#include <vector>

class TStackingPortUitForm : public ui::Form, public Ui::StackingPortUitForm {
public:
    // Port boxes of one unit; a unit's page holds as many, the model shows some of them.
    static constexpr int PortsPerUnit = 64;

    explicit TStackingPortUitForm(QWidget* owner = nullptr);
    ~TStackingPortUitForm() override;

    // The scroll box of the unit added last.
    QPointer<ui::ScrollBox> CurrentScrollBox;
    // Every port box of every unit, in unit order and port order.
    std::vector<ui::CheckBox*> PortBoxes;
    // One page per unit, in unit order.
    std::vector<QPointer<ui::TabSheet>> UnitTabs;

    // Adds a unit page titled caption with count hidden port boxes captioned 1 to count, perLine
    // to a line. The first port number and the last flag are kept for the callers' sake and not
    // used: every unit counts its boxes from 1.
    void AddUnit(const std::string& caption, int firstPort, int count, int perLine, bool unused = false);
    // Makes unit N's page (N the unit text in decimal) the one shown, its title followed by a
    // blank and title, and the first visibleCount boxes of the unit visible. A unit text that is
    // no number or names no unit changes nothing.
    void ShowUnit(const std::string& unitText, const std::string& title, int unused, int visibleCount);

    void UncheckAll();
    // Sets the boxes that ShowUnit made visible: the ports the model has.
    void CheckAll();
    void EnableAll();
    void DisableAll();
    // The checked boxes of unit 1.
    int CountChecked() const;
    // The 64 boxes of unit N (from 1), in port order; none when the picker has no such unit.
    std::vector<ui::CheckBox*> UnitBoxes(int unit) const;

private:
    void FormCreate(QObject* sender);
    void FormDestroy(QObject* sender);
};

// The picker the module keeps for windows that share one; windows keep theirs in own fields.
extern TStackingPortUitForm* StackingPortUitForm;
