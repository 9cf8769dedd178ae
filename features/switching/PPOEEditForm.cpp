#include "features/switching/PPOEEditForm.h"

#include "features/switching/PPOEForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"

TPPOEEditForm* PPOEEditForm = nullptr;

namespace {

constexpr const char* NoPortChosen = "Please choose a port in the list.";

// Indices of the circuit ID combo that leave no user-defined string: "switch-ip", "switch-mac".
bool WithoutString(int circuitIndex) { return circuitIndex == 0 || circuitIndex == 1; }

} // namespace

TPPOEEditForm::TPPOEEditForm(TPPOEForm* listWindow)
    : ui::Form(listWindow), ListDialogFrame(*this, *listWindow), window_(listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poOwnerFormCenter);
    SetChecked->setEnabled(false);
    OnActivate = ui::Handler(this, &TPPOEEditForm::FormActivate);
    OnCloseQuery = ui::Handler(this, &TPPOEEditForm::FormCloseQuery);
    // Before the window binds the combo: its own change handler still runs then.
    cbxCircuitID->OnChange = ui::Handler(this, &TPPOEEditForm::cbxCircuitIDChange);
    for (ui::CheckBox* box : {CheckBox1, CheckBox2, CheckBox3})
        box->OnClick = ui::Handler(this, &TPPOEEditForm::ChangeSetState);
    SetChecked->OnClick = ui::Handler(this, &TPPOEEditForm::SetCheckedClick);
    CheckAllBtn->OnClick = ui::Handler(this, &TPPOEEditForm::CheckAllBtnClick);
    ClearBtn->OnClick = ui::Handler(this, &TPPOEEditForm::ClearBtnClick);
    CloseBtn->OnClick = ui::Handler(this, &TPPOEEditForm::CloseBtnClick);
    DoCreate();
}

TPPOEEditForm::~TPPOEEditForm()
{
    if (::PPOEEditForm == this)
        ::PPOEEditForm = nullptr;
}

void TPPOEEditForm::FormActivate(QObject*)
{
    // The port is shown, never written; selecting a row enables every bound control.
    EditIndex->setEnabled(false);
    cbxCircuitIDChange(cbxCircuitID);
}

void TPPOEEditForm::cbxCircuitIDChange(QObject*)
{
    if (WithoutString(cbxCircuitID->ItemIndex())) {
        EditUDF->setEnabled(false);
        ui::SetColor(EditUDF, ui::clMenu);
        CheckBox3->setEnabled(false);
        CheckBox3->SetChecked(false);
    } else {
        EditUDF->setEnabled(true);
        ui::SetColor(EditUDF, ui::clWindow);
        CheckBox3->setEnabled(true);
    }
}

void TPPOEEditForm::ChangeSetState(QObject*)
{
    SetChecked->setEnabled(CheckBox1->Checked() || CheckBox2->Checked() || CheckBox3->Checked());
}

void TPPOEEditForm::CheckAllBtnClick(QObject*)
{
    CheckBox3->SetChecked(true);
    // Unchecks the string's box again where the circuit ID has no string.
    cbxCircuitIDChange(cbxCircuitID);
    CheckBox2->SetChecked(true);
    CheckBox1->SetChecked(true);
}

void TPPOEEditForm::ClearBtnClick(QObject*)
{
    for (ui::CheckBox* box : {CheckBox3, CheckBox2, CheckBox1})
        box->SetChecked(false);
}

void TPPOEEditForm::SetCheckedClick(QObject*)
{
    // The ticked columns alone; every flag comes back after the write, however it ends.
    TPPOEForm* window = window_;
    // Only the port the user chose in the list is written, never the one an empty index names.
    if (window->ListView1->Selected() == nullptr) {
        ui::ShowMessage(this, NoPortChosen);
        return;
    }
    SetRow({.Skip =
                [this](SkippedColumns& skipped) {
                    if (WithoutString(cbxCircuitID->ItemIndex()) || !CheckBox3->Checked())
                        skipped.Skip(TPPOEForm::UDFStringItem);
                    if (!CheckBox1->Checked())
                        skipped.Skip(TPPOEForm::StateItem);
                    if (!CheckBox2->Checked())
                        skipped.Skip(TPPOEForm::CircuitIDItem);
                },
            .Then = [window] { window->btnEdit->setEnabled(false); }});
}

void TPPOEEditForm::CloseBtnClick(QObject*) { Close(); }

void TPPOEEditForm::FormCloseQuery(QObject*, bool& canClose)
{
    ClearBtnClick(nullptr);
    canClose = true;
}
