#include "features/switching/ERPSubRingEditForm.h"

#include "features/switching/ERPSSubRingForm.h"

#include "features/common/FieldChecks.h"
#include "gui/VlanList.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/MessageBox.h"

#include <utility>

TERPSubRingEditForm* ERPSubRingEditForm = nullptr;

TERPSubRingEditForm::TERPSubRingEditForm(TERPSSubRingForm* listWindow)
    : ui::Form(listWindow), ListDialogFrame(*this, *listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    btnEdit->OnClick = ui::Handler(this, &TERPSubRingEditForm::btnEditClick);
    btnClose->OnClick = ui::Handler(this, &TERPSubRingEditForm::btnCloseClick);
    DoCreate();
}

bool TERPSubRingEditForm::KeysGiven()
{
    // An empty VLAN ID would go out as 0 and create a row keyed 0; a foreign one as another.
    for (const auto& [edit, message] : {std::pair{EditVID, "Please input RAPS VLAN ID."},
                                        std::pair{SubRingEdit, "Please input Sub-Ring RAPS VLAN ID."}}) {
        if (!edit->Text().empty())
            continue;
        ui::ShowMessage(this, message);
        edit->SetFocus();
        return false;
    }
    return CheckNumberField(EditVID, "RAPS VLAN ID", 1, MaxVlanId, this) &&
           CheckNumberField(SubRingEdit, "Sub-Ring RAPS VLAN ID", 1, MaxVlanId, this);
}

void TERPSubRingEditForm::btnEditClick(QObject*)
{
    if (Mode == TERPSSubRingForm::AddMode) {
        if (!KeysGiven())
            return;
        cbxRowStatus->SetItemIndex(TERPSSubRingForm::CreateAndGoIndex);
        // The flags come back after the write, also when it fails or raises: the TC column is
        // read and written again afterwards.
        SetRow({.Skip = [this](SkippedColumns& skipped) {
            if (!CheckBox4->Checked())
                skipped.Skip(TERPSSubRingForm::TCItem);
        }});
    } else {
        // The row's own Row Status, loaded with it.
        SetRow({});
    }
}

void TERPSubRingEditForm::btnCloseClick(QObject*) { Close(); }
