#pragma once
// The ERPS sub-ring window (Layer 2 > ERPS > Sub-Ring Setting): each row pairs a ring's R-APS
// VLAN with the R-APS VLAN of one of its sub-rings and holds the sub-ring's TC propagation state.
// Add and Edit open the dialog TERPSubRingEditForm, which writes the row; Delete destroys the
// selected row without a question. The window follows the list window frame (ListWindowFrame.h)
// without DataComplete: Refresh does nothing while its request is busy, and nothing else waits
// for a read. Neither window is scaled for the screen.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_ERPSSubRingForm.h"

class TERPSSubRingForm : public ui::Form, public Ui::ERPSSubRingForm, public ListWindowFrame {
public:
    // Items of the sub-ring table.
    enum Item { VlanItem, SubRingVlanItem, TCItem, RowStatusItem };
    // The dialog's modes.
    enum DialogMode { AddMode = 0, EditMode = 1 };
    // Indices of the Row Status combo box: "createAndGo" and "destroy".
    enum StatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TERPSSubRingForm(QWidget* owner = nullptr);
    ~TERPSSubRingForm() override;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void ListView1DblClick(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // Edit and the double click: the selected row in the dialog, its keys fixed.
    void OpenEditDialog();

private:
    // Edit and Delete on, Add off, exactly while a row is selected.
    void RowButtons(bool rowSelected);
};

// The window while its menu handler shows it.
extern TERPSSubRingForm* ERPSSubRingForm;
