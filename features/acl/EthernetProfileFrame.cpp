#include "features/acl/EthernetProfileFrame.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace {

void Switch(QWidget* control, bool on)
{
    if (on)
        TBasicForm::EnableControl(control);
    else
        TBasicForm::DisableControl(control);
}

} // namespace

void TEthernetProfileFrame::UseOptions(EthernetProfileOptions options)
{
    o_ = options;
    o_.MaskState->OnChange = ui::Handler(this, &TEthernetProfileFrame::cbbMacMaskStateChange);
    o_.Vlan->OnChange = ui::Handler(this, &TEthernetProfileFrame::cbbOptionVLANChange);
}

void TEthernetProfileFrame::DefaultIndices()
{
    o_.Vlan->SetItemIndex(0);
    o_.Dot1p->SetItemIndex(1);
    o_.MaskState->SetItemIndex(OtherState);
    o_.EthernetType->SetItemIndex(1);
    Components().RowStatusComboBox->SetItemIndex(CreateAndGoIndex);
}

void TEthernetProfileFrame::ClearInputs()
{
    // The lists keep their choices.
    for (ui::Edit* edit : {Components().ProfileIDEdit, o_.DstMacMask, o_.SrcMacMask, o_.RuleEntries, o_.VLANMask,
                           Components().ProfileNameEdit})
        edit->SetText("");
    ShowRowCount();
}

void TEthernetProfileFrame::ResetInputs()
{
    AddMode();
    MakeControlsReadOnly();
    SelectionRules();
    ClearInputs();
}

void TEthernetProfileFrame::SelectionRules()
{
    cbbMacMaskStateChange(o_.MaskState);
    cbbOptionVLANChange(o_.Vlan);
}

void TEthernetProfileFrame::cbbMacMaskStateChange(QObject*)
{
    const int state = o_.MaskState->ItemIndex();
    Switch(o_.SrcMacMask, state == SrcState || state == DstSrcState);
    Switch(o_.DstMacMask, state == DstState || state == DstSrcState);
}

void TEthernetProfileFrame::cbbOptionVLANChange(QObject*) { Switch(o_.VLANMask, o_.Vlan->ItemIndex() == 0); }

// --- the write

void TEthernetProfileFrame::BT_AddClick(QObject*)
{
    if (!Request || IsDuplicateProfile())
        return;
    Components().RowStatusComboBox->SetItemIndex(CreateAndGoIndex);
    if (ValidateInputs())
        SendProfile();
}

void TEthernetProfileFrame::SendProfile()
{
    if (Components().RowStatusComboBox->ItemIndex() == DestroyIndex) {
        BT_DeleteClick(Components().DeleteButton);
        return;
    }
    TAclProfileFrame::SendProfile();
}

void TEthernetProfileFrame::MarkSkippedColumns(SkippedColumns& skipped)
{
    if (o_.Vlan->Text() == "disabled")
        skipped.Skip(o_.VLANMaskColumn);
    skipped.SkipIfEmpty(o_.VLANMaskColumn, o_.VLANMask);
    const std::string state = o_.MaskState->Text();
    if (state == "other" || state == "dst-mac-addr")
        skipped.Skip(o_.SrcMacMaskColumn);
    if (state == "other" || state == "src-mac-addr")
        skipped.Skip(o_.DstMacMaskColumn);
    skipped.SkipIfEmpty(o_.DstMacMaskColumn, o_.DstMacMask);
    skipped.SkipIfEmpty(o_.SrcMacMaskColumn, o_.SrcMacMask);
    TAclProfileFrame::MarkSkippedColumns(skipped);
}

// --- the checks

bool TEthernetProfileFrame::RefuseWhileBusy()
{
    if (Request->Busy == 0)
        return false;
    Say("Get data not complet");
    return true;
}

bool TEthernetProfileFrame::RequireMask(ui::Edit* edit)
{
    if (!edit->Text().empty())
        return true;
    FocusIfEnabled(edit);
    Say("Please enter a valid MAC address");
    return false;
}

bool TEthernetProfileFrame::CheckMacMasks()
{
    const std::string state = o_.MaskState->Text();
    if (state == "dst-mac-addr")
        return RequireMask(o_.DstMacMask);
    if (state == "src-mac-addr")
        return RequireMask(o_.SrcMacMask);
    if (state == "dst-src-mac-addr")
        return RequireMask(o_.DstMacMask) && RequireMask(o_.SrcMacMask);
    return true;
}
