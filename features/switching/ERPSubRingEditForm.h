#pragma once
// The add and edit dialog of the ERPS sub-ring window (ERPSSubRingForm.h): the two R-APS VLAN IDs
// (the row's keys) and the TC propagation state. Its controls are bound to the list window's
// request; Set writes the row through that request (ListDialogFrame.h): an added row with Row
// Status createAndGo and, when its box is checked, the TC propagation state; an edited row with
// its TC propagation state and the Row Status it had. The dialog closes once the switch took the
// row, and stays open with what the user chose after a refusal or an error. Its Mode is the
// list window's DialogMode, given before every showing.

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_ERPSubRingEditForm.h"

class TERPSSubRingForm;

class TERPSubRingEditForm : public ui::Form, public Ui::ERPSubRingEditForm, public ListDialogFrame {
public:
    explicit TERPSubRingEditForm(TERPSSubRingForm* listWindow);

    void btnEditClick(QObject* sender);
    void btnCloseClick(QObject* sender);

private:
    // Add: both VLAN IDs typed, else a message and the focus into the empty one.
    bool KeysGiven();
};

// The dialog while its list window lives.
extern TERPSubRingEditForm* ERPSubRingEditForm;
