#include "features/switching/PortTrunkForm.h"

#include "features/common/FieldChecks.h"

#include "features/common/GlobalPort.h"
#include "features/common/NumberKeyFilter.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Convert.h"
#include "snmp/DeviceState.h"
#include "snmp/EditRule.h"

#include "ui/Color.h"

namespace {

// The trunk index of each model: its label and the rule of the index edit. The first model's
// rule takes one digit, 1 to 9, whatever its label says.
struct TrunkIndexRule {
    const char* Label;
    const char* Rule;
};

const TrunkIndexRule IndexRules[] = {
    {"Index (1-5)", "%i{n1x15l1}"},
    {"Index (1-13)", "%i{n1x13l2}"},
    {"Index (1-13)", "%i{n1x13l2}"},
    {"Index (1-12)", "%i{n1x12l2}"},
};

// The rule of the identified model; none for a switch of no known model.
const TrunkIndexRule* IndexRuleOfModel()
{
    const int model = ModelNumberOf(ModuleOIDText);
    return model == 0 ? nullptr : &IndexRules[model - 1];
}

// The most members a trunk takes, and the fewest.
constexpr int MostMembers = 8;
constexpr int FewestMembers = 2;

} // namespace

TPortTrunkForm::TPortTrunkForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    PortEdit->show();
    LB_Master->show();
    if (const TrunkIndexRule* rule = IndexRuleOfModel())
        Label163->SetCaption(rule->Label);
    OnCreate = ui::Handler(this, &TPortTrunkForm::FormCreate);
    OnClose = ui::Handler(this, &TPortTrunkForm::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TPortTrunkForm::BT_GetClick);
    BT_Set->OnClick = ui::Handler(this, &TPortTrunkForm::BT_SetClick);
    SetBtn->OnClick = ui::Handler(this, &TPortTrunkForm::SetBtnClick);
    BT_Delete->OnClick = ui::Handler(this, &TPortTrunkForm::BT_DeleteClick);
    BT_Close->OnClick = ui::Handler(this, &TPortTrunkForm::BT_CloseClick);
    LV_PortTrunk->OnClick = ui::Handler(this, &TPortTrunkForm::LV_PortTrunkClick);
    LV_PortTrunk->OnChange = ui::Handler(this, &TPortTrunkForm::LV_PortTrunkChange);
    Combo_State->OnChange = ui::Handler(this, &TPortTrunkForm::Combo_StateChange);
    for (ui::Edit* edit : {PortEdit, UnitEdit, UnitPortEdit})
        edit->OnKeyPress = ui::Handler(this, &TPortTrunkForm::UnitEditKeyPress);
    DoCreate();
}

TPortTrunkForm::~TPortTrunkForm() { Request.reset(); }

void TPortTrunkForm::FormCreate(QObject*)
{
    MemberPorts = AddPicker("Member Ports", PageControl1);
    Guarded([&] {
        const TrunkIndexRule* rule = IndexRuleOfModel();
        const VarDescriptor* table =
            FindModelTable("Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.9.3.1.1", ModuleOIDText);
        if (rule == nullptr || table == nullptr)
            return; // a switch of no known model: nothing to read or write
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->Mode = 0;
        Request->AttachListView(LV_PortTrunk, true);
        Request->BindEdits(IndexItem, rule->Rule, ED_Index);
        Request->BindEdits(MasterPortItem, "%i", ED_MasterPort);
        Request->BindControlList(MemberPortsItem, PortBitIndexText(), MemberPorts->PortBoxes);
        Request->BindComboBox(TrunkTypeItem, Combo_Type);
        Request->BindComboBox(TrunkStateItem, Combo_State);
        Attach(*Request, false);
        ShowRowCount(StaticText1, LV_PortTrunk);
        Request->Request.Timeout = 300;
    });
    BT_GetClick(this);
    ComboBox1->setEnabled(false);
}

void TPortTrunkForm::RowButtons(bool rowSelected)
{
    SetBtn->setEnabled(rowSelected);
    BT_Delete->setEnabled(rowSelected);
    BT_Set->setEnabled(!rowSelected);
}

void TPortTrunkForm::FreeIndex()
{
    ED_Index->setEnabled(true);
    ui::SetColor(ED_Index, ui::clWindow);
    ED_Index->SetText("");
}

void TPortTrunkForm::ClearInputs()
{
    UnitEdit->SetText("");
    PortEdit->SetText("");
    UnitPortEdit->SetText("");
    if (MemberPorts)
        MemberPorts->UncheckAll();
}

void TPortTrunkForm::BT_GetClick(QObject*)
{
    if (!Request)
        return;
    if (!Guarded([&] {
            Read(*Request);
            FreeIndex();
            ClearInputs();
        }))
        ClearInputs();
    RowButtons(false);
    ShowRowCount(StaticText1, LV_PortTrunk);
}

void TPortTrunkForm::LV_PortTrunkClick(QObject*)
{
    if (LV_PortTrunk->Selected() == nullptr) {
        FreeIndex();
        ClearInputs();
        RowButtons(false);
        ComboBox1->setEnabled(false);
        ComboBox1->SetItemIndex(-1);
        Combo_Type->SetItemIndex(-1);
        return;
    }
    // The row is in the bound controls already.
    ED_Index->setEnabled(false);
    ui::SetColor(ED_Index, ui::clBtnFace);
    RowButtons(true);
    ComboBox1->setEnabled(true);
    std::int32_t master = 0;
    if (!TryStrToInt(ED_MasterPort->Text(), master))
        master = 0;
    PortEdit->SetText(std::to_string(SplitGlobalPort(master).Port));
    // A state other than these leaves no choice: Set then keeps the trunk's state as it is.
    const std::string state = Combo_State->Text();
    ComboBox1->SetItemIndex(state == "enable" ? EnableIndex : state == "disable" ? DisableIndex : -1);
}

void TPortTrunkForm::LV_PortTrunkChange(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, LV_PortTrunk); }

void TPortTrunkForm::Combo_StateChange(QObject*)
{
    const std::string state = Combo_State->Text();
    if (state == "enable")
        ComboBox1->SetItemIndex(EnableIndex);
    else if (state == "disable")
        ComboBox1->SetItemIndex(DisableIndex);
}

void TPortTrunkForm::UnitEditKeyPress(QObject*, char& key) { NumberKeyFilter(key); }

void TPortTrunkForm::FocusIfEnabled(QWidget* control)
{
    if (!control->isEnabled())
        return;
    if (auto* edit = dynamic_cast<ui::Edit*>(control))
        edit->SetFocus();
    else
        control->setFocus(Qt::OtherFocusReason);
}

std::string TPortTrunkForm::CellOf(int row, int item) const
{
    const std::string& caption = Request->Request.VarList.Item(item).caption;
    for (int column = 0; column < LV_PortTrunk->ColumnCount(); ++column)
        if (LV_PortTrunk->ColumnCaption(column) == caption)
            return LV_PortTrunk->Item(row)->Cell(column);
    return "";
}

bool TPortTrunkForm::CheckMasterPort(int port)
{
    if (port > 0)
        return true;
    Say("set valid master port");
    FocusIfEnabled(PortEdit);
    return false;
}

bool TPortTrunkForm::MasterChecked(int port)
{
    // The picker holds the 64 ports of unit 1: a master beyond them cannot be a member.
    const std::vector<ui::CheckBox*> boxes = MemberPorts->UnitBoxes(1);
    if (port >= 1 && port <= static_cast<int>(boxes.size()) && boxes[static_cast<std::size_t>(port - 1)]->Checked())
        return true;
    Say("Master port must be checked.");
    FocusIfEnabled(PortEdit);
    return false;
}

bool TPortTrunkForm::CheckMembers()
{
    int members = 0;
    for (ui::CheckBox* box : MemberPorts->UnitBoxes(1)) {
        if (!box->Checked())
            continue;
        if (++members > MostMembers) {
            box->SetChecked(false);
            Say("The trunk member can't over eight.");
            return false;
        }
    }
    if (members < FewestMembers) {
        Say("You must choose at least two members.");
        return false;
    }
    return true;
}

void TPortTrunkForm::AfterFailure()
{
    ClearInputs();
    RowButtons(false);
}

void TPortTrunkForm::BT_SetClick(QObject*)
{
    UnitEdit->SetText("1");
    if (!Request)
        return;
    const std::string index = ED_Index->Text();
    if (index.empty()) {
        Say("The index should not be empty.");
        FocusIfEnabled(ED_Index);
        return;
    }
    // The index names the new trunk: a number of the model's range, never another one.
    if (const TrunkIndexRule* rule = IndexRuleOfModel()) {
        const EditRuleFormat range = ParseEditRule(rule->Rule);
        if (!CheckNumberField(ED_Index, "Index", static_cast<long long>(range.Min), static_cast<long long>(range.Max),
                              this))
            return;
    }
    for (int row = 0; row < LV_PortTrunk->Count(); ++row)
        if (CellOf(row, IndexItem) == index) {
            Say("The Index must be different.");
            FocusIfEnabled(ED_Index);
            return;
        }
    if (PortEdit->Text().empty()) {
        Say("The Port should not be empty.");
        FocusIfEnabled(PortEdit);
        return;
    }
    std::int32_t port = -1;
    if (!TryStrToInt(PortEdit->Text(), port))
        port = -1;
    if (!CheckMasterPort(port))
        return;
    if (Combo_Type->ItemIndex() < 0) {
        Say("Please choose trunk type.");
        FocusIfEnabled(Combo_Type);
        return;
    }
    if (!Guarded([&] {
            const int master = JoinGlobalPort(StrToInt(UnitEdit->Text()), port);
            for (int row = 0; row < LV_PortTrunk->Count(); ++row) {
                std::int32_t listed = 0;
                if (TryStrToInt(CellOf(row, MasterPortItem), listed) && listed == master) {
                    Say("The master port must be different.");
                    return;
                }
            }
            if (!MasterChecked(port))
                return;
            ED_MasterPort->SetText(std::to_string(master));
            Combo_State->SetItemIndex(CreateAndGoIndex);
            if (!CheckMembers())
                return;
            Write(*Request);
            BT_GetClick(this);
        }))
        AfterFailure();
}

void TPortTrunkForm::SetBtnClick(QObject*)
{
    UnitEdit->SetText("1");
    if (!Request)
        return;
    if (ED_Index->Text().empty()) {
        Say("Please select an entry.");
        return;
    }
    if (PortEdit->Text().empty()) {
        Say("The Port should not be empty.");
        FocusIfEnabled(PortEdit);
        return;
    }
    if (!Guarded([&] {
            // The write's scope ends before the read, which lists every trunk's state.
            {
                SkippedColumns skipped(Request->Request.VarList);
                // Without a chosen state the trunk keeps its own.
                if (ComboBox1->ItemIndex() < 0)
                    skipped.Skip(TrunkStateItem);
                else
                    Combo_State->SetItemIndex(ComboBox1->ItemIndex());
                const int port = StrToInt(PortEdit->Text());
                if (!CheckMasterPort(port))
                    return;
                ED_MasterPort->SetText(std::to_string(JoinGlobalPort(StrToInt(UnitEdit->Text()), port)));
                if (!MasterChecked(port) || !CheckMembers())
                    return;
                Write(*Request);
            }
            ComboBox1->SetItemIndex(Combo_State->ItemIndex());
            FreeIndex();
            BT_GetClick(this);
        }))
        AfterFailure();
}

void TPortTrunkForm::BT_DeleteClick(QObject*)
{
    if (!Request)
        return;
    if (ED_Index->Text().empty()) {
        Say("Please select an entry.");
        FocusIfEnabled(ED_Index);
        return;
    }
    if (!Guarded([&] {
            {
                // The state alone: destroy.
                SkippedColumns skipped(Request->Request.VarList);
                skipped.KeepOnly(TrunkStateItem);
                Combo_State->SetItemIndex(DestroyIndex);
                Write(*Request);
            }
            BT_GetClick(this);
            ComboBox1->setEnabled(false);
            ComboBox1->SetItemIndex(-1);
            Combo_Type->SetItemIndex(-1);
        }))
        AfterFailure();
}

void TPortTrunkForm::BT_CloseClick(QObject*) { Close(); }

void TPortTrunkForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, LV_PortTrunk, Request); }
