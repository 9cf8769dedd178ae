#pragma once
// What the hand-made windows share beside their base form: the front ports of a model, the part
// list that binds a unit's 64 port boxes to a port-list value, the port picker on a page,
// deleting the selected table row through its status column, and clearing, disabling and
// enabling every input of a form at once.

#include <string>

class MvSNMPRequest2Edits;
class TStackingPortUitForm;
class QWidget;

namespace ui {
class CustomForm;
class PageControl;
} // namespace ui

// The front ports of the model named ("Sorvane-Ka" 10 ... letter case ignored); 0 for any other.
int PortCountOfModel(const std::string& modelName);

// "0,1,...,63": bound with BindControlList it ties port box k to bit k of a port-list value.
std::string PortBitIndexText();

// Puts the picker into the page, filling it, with one unit per stacking unit (UnitCount, one
// at least), 12 boxes a line, and shows unit 1 with the model's ports and its name in the title.
void FillUnitPortPanel(TStackingPortUitForm* picker, QWidget* page);

// A new visible page captioned caption at the end of pages, filled with FillUnitPortPanel.
void AddUnitPortsTab(const std::string& caption, TStackingPortUitForm* picker, ui::PageControl* pages);

// Deletes the row selected in the request's list view (or, without a list view, the row whose
// values are in its items) by writing value to the status column, after the user confirmed
// "Are you sure to delete it?". The write waits until a read still under way has ended (one
// asked for while the window handles an answer of that read goes out once that handling has
// returned), goes out synchronously with only the keys and the status, and is followed by a new
// read in the request's own mode. Nothing is written without a selected row.
void DeleteSelectedRow(MvSNMPRequest2Edits& request, int statusColumn, const std::string& value);

// Over the components of the form (not those of a form embedded in it): edits are emptied when
// edits is set; combo boxes get the empty text and their first entry when combos is set; check
// boxes are cleared when checks is set and set otherwise.
void ResetFormInputs(ui::CustomForm* owner, bool edits, bool combos, bool checks);

// The chosen kinds of input of the form disabled (edits and combo boxes painted button face) or
// enabled (painted window colour).
void DisableFormInputs(ui::CustomForm* owner, bool edits, bool combos, bool checks);
void EnableFormInputs(ui::CustomForm* owner, bool edits, bool combos, bool checks);
