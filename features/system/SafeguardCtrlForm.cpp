#include "features/system/SafeguardCtrlForm.h"

#include "catalogue/CatalogueIndex.h"
#include "features/common/FieldChecks.h"
#include "snmp/Convert.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <utility>
#include <vector>

TSafeguardCtrlForm* SafeguardCtrlForm = nullptr;

namespace {

const char* const SafeguardScalars = "1.3.6.1.4.1.171.12.19.2.1";
constexpr long long LowestThreshold = 20;
constexpr long long HighestThreshold = 100;

} // namespace

TSafeguardCtrlForm::TSafeguardCtrlForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    FallingFirst = 0;
    OnCreate = ui::Handler(this, &TSafeguardCtrlForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TSafeguardCtrlForm::FormCloseQuery);
    btnGet->OnClick = ui::Handler(this, &TSafeguardCtrlForm::btnGetClick);
    btnSet->OnClick = ui::Handler(this, &TSafeguardCtrlForm::btnSetClick);
    btnCheckAll->OnClick = ui::Handler(this, &TSafeguardCtrlForm::btnCheckAllClick);
    btnClearCheck->OnClick = ui::Handler(this, &TSafeguardCtrlForm::btnClearCheckClick);
    btnClose->OnClick = ui::Handler(this, &TSafeguardCtrlForm::btnCloseClick);
    for (ui::CheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode})
        box->OnClick = ui::Handler(this, &TSafeguardCtrlForm::ChangeSetState);
    DoCreate();
}

TSafeguardCtrlForm::~TSafeguardCtrlForm() { Request.reset(); }

void TSafeguardCtrlForm::FormCreate(QObject*)
{
    btnSet->setEnabled(false);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_safeguard", SafeguardScalars);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_safeguard ") + SafeguardScalars);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindEdits(RisingItem, "%i{n20x100l3}", edtRising);
        Request->BindEdits(FallingItem, "%i{n20x100l3}", edtFalling);
        Request->BindComboBox(ModeItem, cbxMode);
        Request->BindComboBox(AlarmItem, cbxAlarm);
        Request->BindComboBox(CurrentStateItem, cbxCurrentState);
        Attach(*Request, false);
        SavedFlags.Save(Request->Request.VarList);
        Request->Mode = 0;
    });
    btnGetClick(btnGet);
}

void TSafeguardCtrlForm::btnGetClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] {
        Read(*Request);
        // What the switch had, for the order of the next Set.
        lbFalling->SetCaption(edtFalling->Text());
    });
}

void TSafeguardCtrlForm::ChangeSetState(QObject*)
{
    btnSet->setEnabled(ckRising->Checked() || ckFalling->Checked() || ckAlarm->Checked() || ckMode->Checked());
}

void TSafeguardCtrlForm::btnCheckAllClick(QObject*)
{
    for (ui::CheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode})
        box->SetChecked(true);
}

void TSafeguardCtrlForm::btnClearCheckClick(QObject*)
{
    for (ui::CheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode})
        box->SetChecked(false);
}

bool TSafeguardCtrlForm::ValidateThresholds()
{
    // Plain decimal digits only: the request would read a blank, a sign or a hexadecimal text
    // otherwise than the user meant.
    const auto refused = [this](ui::CheckBox* box, ui::Edit* edit, const char* message) {
        if (!box->Checked() || ParseNumberText(edit->Text(), LowestThreshold, HighestThreshold))
            return false;
        Say(message);
        if (edit->isEnabled())
            edit->SetFocus();
        return true;
    };
    return !refused(ckRising, edtRising, "Rising Threshold should between 20-100") &&
           !refused(ckFalling, edtFalling, "Falling Threshold should between 20-100");
}

void TSafeguardCtrlForm::btnSetClick(QObject*)
{
    if (!Request || !ValidateThresholds())
        return;
    bool decided = false;
    {
        // Unticked settings stay out of the writes; every item's access word is back as the
        // window built it when the scope ends, or the next reads would leave them out too.
        SkippedColumns marks(Request->Request.VarList, SavedFlags);
        const std::pair<ui::CheckBox*, int> settings[] = {
            {ckRising, RisingItem}, {ckFalling, FallingItem}, {ckMode, ModeItem}, {ckAlarm, AlarmItem}};
        for (const auto& [box, item] : settings)
            if (!box->Checked())
                marks.Skip(item);
        if (Running(Request.get()))
            return;
        // A falling threshold last read as no number leaves the order open: nothing goes out.
        decided = Guarded([&] {
            if (ckRising->Checked() && ckFalling->Checked())
                FallingFirst = StrToInt(edtFalling->Text()) < StrToInt(lbFalling->Caption()) ? 1 : 0;
        });
        if (decided)
            Guarded([&] { SendCheckedSettings(); });
    }
    FallingFirst = 0;
    // The message of a Set that could not start stays in the status line.
    if (decided)
        btnGetClick(btnGet);
}

void TSafeguardCtrlForm::SendCheckedSettings()
{
    MvSNMPVarList& list = Request->Request.VarList;
    std::vector<std::pair<ui::CheckBox*, int>> order = {{ckRising, RisingItem}, {ckFalling, FallingItem}};
    if (FallingFirst == 1)
        std::swap(order[0], order[1]);
    order.insert(order.end(), {{ckMode, ModeItem}, {ckAlarm, AlarmItem}});
    for (int item : {RisingItem, FallingItem, ModeItem, AlarmItem})
        list.Item(item).access |= invalid;
    // One setting a SET; a refused one has shown its message box, and the others still go out.
    for (const auto& [box, item] : order) {
        if (!box->Checked())
            continue;
        list.Item(item).access = readwrite;
        Write(*Request);
        list.Item(item).access |= invalid;
    }
}

void TSafeguardCtrlForm::btnCloseClick(QObject*) { Close(); }

void TSafeguardCtrlForm::FormCloseQuery(QObject*, bool& canClose)
{
    FreeRequest(Request);
    canClose = true;
}
