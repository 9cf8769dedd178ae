#include "features/acl/PktContentRuleForm.h"

#include "features/acl/TextChecks.h"

#include "ui/Control.h"

TPktContentRuleForm* PktContentRuleForm = nullptr;

namespace {

const RuleFrameSettings PacketContentRuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.3.7.1.1",
    .RowStatusColumn = TPktContentRuleForm::RowStatusItem,
    .PortListColumn = TPktContentRuleForm::PortColumn,
    .VLANBasedColumn = TPktContentRuleForm::VLANBasedItem,
    .PortsPerLine = 12,
    .ReportSets = true,
    .DuplicateMessage = "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
};

constexpr const char* EmptyField = "Some checked field is empty.";
// The chunk checks say it without a full stop.
constexpr const char* EmptyChunk = "Some checked field is empty";
constexpr const char* InvalidChunk = "Invalid Offset";

// Item index of "acl" in the owner list.
constexpr int AclOwnerIndex = 1;

} // namespace

TPktContentRuleForm::TPktContentRuleForm(QWidget* owner) : TAclRuleFrame(owner, PacketContentRuleSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    lblPlofileID->SetCaption("Profile ID (1-512)");
    UseComponents({
        .List = ListView1,
        .RowCount = StaticText1,
        .Status = StatusBar1,
        .PortPanel = StackingPortPanel,
        .GetButton = GetButton,
        .EditButton = EditButton,
        .AddButton = AddButton,
        .DeleteButton = DeleteButton,
        .StopButton = StopButton,
        .CheckButton = CheckButton,
        .UncheckButton = UncheckButton,
        .CloseButton = CloseButton,
        .ProfileIDEdit = edtProfile,
        .AccessIDEdit = edtAccess,
        .RowComboBox = RowComboBox,
        .RowBox = cbxRow,
        .PermitBox = cbxPermit,
        .PermitComboBox = PermitComboBox,
        .VLANBaseChkBox = VLANBaseChkBox,
        .VLANBasedVIDEdit = VLANBasedVIDEdit,
        .EnablePriorityComboBox = EnablePriorityComboBox,
        .ReplacePriorityComboBox = ReplacePriorityComboBox,
        .PriorityControls = {cbxPriority, PriorityEdit, cbxReplacePriority, ReplacePriorityComboBox},
        .EnableReplaceDSCPComboBox = EnableReplaceDSCPComboBox,
        .ReplaceDSCPControls = {EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        .DSCPValueControls = {DSCPEdit, cbxEnableDSCPValue},
        .RepTosStateComboBox = RepTosStateComboBox,
        .RepTosStateControls = {cbxRepTosState, RepTosStateComboBox},
        .TosValueControls = {TosValueEdit, cbxRepTosValue},
    });
    DoCreate();
}

void TPktContentRuleForm::BindColumns()
{
    // The chunk numbers are the profile's, shown read only. Chunk 3's content takes any
    // character while typed; the checks before a write want hexadecimal digits of it too.
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x512l3}", edtProfile, chkMaskID},
        {1, "%i{n0x256l3}", edtAccess, chkAccessID},
        {2, "%i", edtChunk1Value, nullptr},
        {3, "%h{l8f}", edtChunk1Offset, cbxChunk1Offset},
        {4, "%i", edtChunk2Value, nullptr},
        {5, "%h{l8f}", edtChunk2Offset, cbxChunk2Offset},
        {6, "%i", edtChunk3Value, nullptr},
        {7, "%s{l8f}", edtChunk3Offset, cbxChunk3Offset},
        {8, "%i", edtChunk4Value, nullptr},
        {9, "%h{l8f}", edtChunk4Offset, cbxChunk4Offset},
        {10, nullptr, EnablePriorityComboBox, cbxEnablePriority},
        {11, "%i{n0x7l1}", PriorityEdit, cbxPriority},
        {12, nullptr, ReplacePriorityComboBox, cbxReplacePriority},
        {13, nullptr, EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        {14, "%i{n0x63l2}", DSCPEdit, cbxEnableDSCPValue},
        {15, nullptr, PermitComboBox, cbxPermit},
        {16, nullptr, nullptr, nullptr}, // the port boxes of unit 1
        {17, nullptr, RowComboBox, cbxRow},
        {18, nullptr, OwnerComboBox, nullptr},
        {19, nullptr, RepTosStateComboBox, cbxRepTosState},
        {20, "%i{n0x7l1}", TosValueEdit, cbxRepTosValue},
        {21, "%i{n1x4094l4}", VLANBasedVIDEdit, VLANBaseChkBox},
        {22, "%h{l8f}", EdtMask1, CheckBox1},
        {23, "%h{l8f}", EdtMask2, CheckBox2},
        {24, "%h{l8f}", EdtMask3, CheckBox3},
        {25, "%h{l8f}", EdtMask4, CheckBox4},
    });
}

void TPktContentRuleForm::HideUnusedControls()
{
    for (QWidget* control : std::initializer_list<QWidget*>{cbxRxRate, RxRateEdit, cbxMirrorGroup, MirrorGroupEdit})
        control->hide();
    // The ToS value takes the place of the receive rate, which this table lacks.
    ui::SetLeft(cbxRepTosValue, cbxRxRate->x());
    ui::SetLeft(TosValueEdit, RxRateEdit->x());
}

void TPktContentRuleForm::ResetInputs()
{
    // "VLAN-based VID" keeps its state and its text.
    for (ui::Edit* edit : {edtProfile, edtAccess, edtChunk1Value, edtChunk2Value, edtChunk3Value, edtChunk4Value,
                           edtChunk1Offset, edtChunk2Offset, edtChunk3Offset, edtChunk4Offset, EdtMask1, EdtMask2,
                           EdtMask3, EdtMask4, PriorityEdit, RxRateEdit, DSCPEdit, TosValueEdit})
        edit->SetText("");
    edtProfile->setEnabled(true);
    edtAccess->setEnabled(true);
    ResetControls();
    OwnerComboBox->SetItemIndex(AclOwnerIndex);
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    ShowRowCount();
    UncheckButtonClick(UncheckButton);
    if (PortSelector)
        PortSelector->UncheckAll();
}

void TPktContentRuleForm::ListView1Click(QObject* sender)
{
    if (ListView1->Selected() != nullptr) {
        TAclRuleFrame::ListView1Click(sender);
        return;
    }
    AddMode();
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    ResetInputs();
}

void TPktContentRuleForm::RowRules()
{
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    PermitComboBoxChange(PermitComboBox);
}

void TPktContentRuleForm::RepTosStateComboBoxChange(QObject* sender)
{
    TAclRuleFrame::RepTosStateComboBoxChange(sender);
    if (RepTosStateComboBox->Text() == "enabled")
        DisableControls({DSCPEdit, cbxEnableDSCPValue});
}

void TPktContentRuleForm::CheckButtonClick(QObject*)
{
    for (ui::CheckBox* box : {cbxChunk1Offset, cbxChunk2Offset, cbxChunk3Offset, cbxChunk4Offset, cbxEnablePriority,
                              CheckBox1, CheckBox2, CheckBox3, CheckBox4})
        box->SetChecked(true);
    for (ui::CheckBox* box : {cbxPriority, cbxReplacePriority})
        if (box->isEnabled())
            box->SetChecked(true);
    cbxPermit->SetChecked(true);
    cbxRow->SetChecked(true);
    // A checked box that stays disabled is still left out of the write.
    if (EnableReplaceDSCPComboBox->Text() == "enabled")
        for (ui::CheckBox* box : {cbxEnableDSCPValue, cbxEnableReplaceDSCP}) {
            box->setEnabled(true);
            box->SetChecked(true);
        }
    if (RepTosStateComboBox->Text() == "enabled")
        for (ui::CheckBox* box : {cbxRepTosState, cbxRepTosValue}) {
            box->setEnabled(true);
            box->SetChecked(true);
        }
}

void TPktContentRuleForm::UncheckButtonClick(QObject*)
{
    for (ui::CheckBox* box : {cbxChunk1Offset, cbxChunk2Offset, cbxChunk3Offset, cbxChunk4Offset, cbxEnablePriority,
                              CheckBox1, CheckBox2, CheckBox3, CheckBox4, cbxPriority, cbxReplacePriority, cbxPermit,
                              cbxRow, cbxRxRate, cbxEnableDSCPValue, cbxEnableReplaceDSCP, cbxRepTosState,
                              cbxRepTosValue})
        box->SetChecked(false);
}

std::vector<TPktContentRuleForm::Chunk> TPktContentRuleForm::Contents() const
{
    return {{cbxChunk1Offset, edtChunk1Offset},
            {cbxChunk2Offset, edtChunk2Offset},
            {cbxChunk3Offset, edtChunk3Offset},
            {cbxChunk4Offset, edtChunk4Offset}};
}

std::vector<TPktContentRuleForm::Chunk> TPktContentRuleForm::Masks() const
{
    return {{CheckBox1, EdtMask1}, {CheckBox2, EdtMask2}, {CheckBox3, EdtMask3}, {CheckBox4, EdtMask4}};
}

bool TPktContentRuleForm::CheckChunks(const std::vector<Chunk>& chunks)
{
    for (const Chunk& chunk : chunks) {
        if (!chunk.Box->Checked())
            continue;
        if (!RequireText(chunk.Edit, EmptyChunk))
            return false;
        if (!CheckHex8Text(chunk.Edit->Text(), InvalidChunk, this)) {
            FocusIfEnabled(chunk.Edit);
            return false;
        }
    }
    return true;
}

bool TPktContentRuleForm::ValidateInputs()
{
    if (!RequireText(edtProfile, "IP Rule ID must be set.") || !RequireText(edtAccess, "IP Rule Access ID must be set."))
        return false;
    if (!CheckChunks(Contents()))
        return false;
    const std::pair<ui::CheckBox*, QWidget*> actions[] = {
        {cbxEnablePriority, EnablePriorityComboBox},
        {cbxPriority, PriorityEdit},
        {cbxReplacePriority, ReplacePriorityComboBox},
        {cbxPermit, PermitComboBox},
    };
    for (const auto& [box, control] : actions)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    if (!CheckChunks(Masks()))
        return false;
    const std::pair<ui::CheckBox*, QWidget*> more[] = {
        {cbxRow, RowComboBox},
        {cbxEnableReplaceDSCP, EnableReplaceDSCPComboBox},
        {cbxEnableDSCPValue, DSCPEdit},
    };
    for (const auto& [box, control] : more)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    if (cbxEnableReplaceDSCP->Checked() && cbxRepTosState->Checked()) {
        Say("Only Can Set Replace DSCP or Replace Tos Each Time.");
        return false;
    }
    if (VLANBaseChkBox->Checked())
        return RequireText(VLANBasedVIDEdit, "Some check field is empty.");
    return RequireOnePort();
}
