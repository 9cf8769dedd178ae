#include "features/switching/MSTPVLANUnitForm.h"

#include "features/common/FieldChecks.h"
#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/Panel.h"

#include <array>
#include <exception>

TMSTPVLANUnitForm* MSTPVLANUnitForm = nullptr;

TMSTPVLANUnitForm::TMSTPVLANUnitForm(QWidget* owner)
    : TBasicForm(owner),
      WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true,
                             .KeepLayoutSize = true}) // the base form has scaled it
{
    setupUi(this);
    VlanBlocks.FindIn(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    grpRule->SetCaption("Instance ID");
    Label1->SetCaption("Instance ID");
    OnCreate = ui::Handler(this, &TMSTPVLANUnitForm::FormCreate);
    OnClose = ui::Handler(this, &TMSTPVLANUnitForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::GetButtonClick);
    EditButton->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::EditButtonClick);
    AddButton->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::AddButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::DeleteButtonClick);
    CheckButton->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::CheckButtonClick);
    UncheckButton->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::UncheckButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TMSTPVLANUnitForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TMSTPVLANUnitForm::ListView1Change);
    DoCreate();
}

TMSTPVLANUnitForm::~TMSTPVLANUnitForm()
{
    // A window freed without closing still lets go of its request before its controls go.
    Request.reset();
}

void TMSTPVLANUnitForm::FormCreate(QObject*)
{
    const bool created = Guarded([&] {
        Request = std::make_unique<MSTPNewRequestEdits>(this);
        const VarDescriptor* table = FindTable("Oid_common", "1.3.6.1.4.1.171.12.15.2.3.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_common 1.3.6.1.4.1.171.12.15.2.3.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        StaticText1->SetCaption("0");
        ColumnCount = Request->Request.VarList.Count();
        KeyCount = Request->Request.VarList.keyCount;
        BindColumns();
        SkipIndex = RowStatusItem; // the row status goes out with every write
        ResetFormInputs(this, true, true, true);
        ShowNoSelection();
        Attach(*Request, false, false);
        Read(*Request);
        ShowButtons(false);
        ShowRowCount(StaticText1, ListView1);
    });
    if (!created)
        ShowRowCount(StaticText1, ListView1);
}

void TMSTPVLANUnitForm::BindColumns()
{
    CheckBoxes.clear();
    ValueControls.clear();
    MSTPNewRequestEdits& r = *Request;
    BindEdit(r, InstanceItem, "%i{n1x7l1}", VIDEdit, chkVID);
    VlanBlocks.Bind(*this, r);
    BindCombo(r, TypeItem, TypeComboBox, cbxType);
    BindCombo(r, StatusItem, StateComboBox, cbxState);
    BindEdit(r, PriorityItem, "%i{n0x61440l5}", PriorityEdit, CheckBoxPriority);
    // The instance's root and timer state, shown only.
    const std::array<std::pair<ui::Edit*, ui::CheckBox*>, 11> state = {{
        {Edit1, CheckBox1}, {Edit2, CheckBox2}, {Edit3, CheckBox3}, {Edit4, CheckBox4}, {Edit5, CheckBox5},
        {Edit6, CheckBox6}, {Edit7, CheckBox7}, {Edit8, CheckBox8}, {Edit9, CheckBox9}, {Edit10, CheckBox10},
        {Edit11, CheckBox11},
    }};
    // Designated root bridge, regional root bridge, designated bridge and last topology change
    // are texts; the others numbers.
    const std::array<const char*, 11> rules = {"%s", "%i", "%s", "%i", "%s", "%i", "%i", "%i", "%s", "%i", "%i"};
    for (std::size_t i = 0; i < state.size(); ++i)
        BindEdit(r, PriorityItem + 1 + static_cast<int>(i), rules[i], state[i].first, state[i].second);
    BindCombo(r, RowStatusItem, RowComboBox, cbxRow);
}

void TMSTPVLANUnitForm::ShowButtons(bool rowSelected)
{
    EditButton->setEnabled(rowSelected);
    DeleteButton->setEnabled(rowSelected);
    AddButton->setEnabled(!rowSelected);
}

void TMSTPVLANUnitForm::ShowNoSelection()
{
    DisableFormInputs(this, true, true, true);
    EnableControl(VIDEdit);
}

void TMSTPVLANUnitForm::ShowSelection()
{
    EnableFormInputs(this, true, true, true);
    VIDEdit->setEnabled(false);
    ui::SetColor(VIDEdit, ui::clBtnFace);
}

void TMSTPVLANUnitForm::ListView1Click(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        ShowButtons(false);
        UncheckAll(CheckBoxes);
        ResetFormInputs(this, true, true, true);
        ShowNoSelection();
        return;
    }
    // The request has shown the row in the controls already.
    ShowButtons(true);
    ShowSelection();
    // The instance's state is the switch's: shown, never written.
    for (ui::Edit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11}) {
        edit->setEnabled(false);
        ui::SetColor(edit, ui::clMenu);
    }
    for (ui::CheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8,
                              CheckBox9, CheckBox10, CheckBox11, cbxType, cbxState})
        box->setEnabled(false);
    for (ui::ComboBox* combo : {TypeComboBox, StateComboBox}) {
        combo->setEnabled(false);
        ui::SetColor(combo, ui::clMenu);
    }
}

void TMSTPVLANUnitForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TMSTPVLANUnitForm::EditButtonClick(QObject*)
{
    if (!Request)
        return;
    // A block text that is no list of its block is refused before anything is marked or sent;
    // what the user typed stays for the correction.
    if (!VlanBlocks.CheckedTextsAreLists(this))
        return;
    // An emptied priority would go out as 0 and make the switch the preferred root.
    if (CheckBoxPriority->Checked() && CheckBoxPriority->isEnabled() &&
        !CheckNumberField(PriorityEdit, "Priority", MinPriority, MaxPriority, this))
        return;
    chkVID->SetChecked(true);
    EditMode = EditRowMode;
    MarkSkippedColumns(*Request);
    try {
        Write(*Request);
        UncheckAll(CheckBoxes);
        ResetFormInputs(this, true, true, true);
        ClearSkippedColumns(*Request);
        GetButtonClick(GetButton);
        ShowButtons(false);
    } catch (const std::exception& e) {
        // A write that did not go out says why, rather than look like one that did.
        ShowInStatusLine(e.what());
        ShowButtons(false);
        ClearSkippedColumns(*Request);
    }
}

void TMSTPVLANUnitForm::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    // The instance number addresses the new row: an empty or foreign one creates no instance.
    if (!CheckNumberField(VIDEdit, "Instance ID", MinInstance, MaxInstance, this))
        return;
    UncheckAll(CheckBoxes);
    chkVID->SetChecked(true);
    cbxRow->SetChecked(true);
    EditMode = AddMode;
    // The instance number and the row status alone: the VLANs are given by Edit afterwards.
    MarkSkippedColumns(*Request);
    try {
        Write(*Request);
        ClearSkippedColumns(*Request);
        Read(*Request);
        VIDEdit->SetText("");
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
        ClearSkippedColumns(*Request);
    }
}

void TMSTPVLANUnitForm::DeleteButtonClick(QObject*)
{
    if (!Request)
        return;
    DeleteSelectedRow(*Request, RowStatusItem, "destroy");
    ShowButtons(false);
    UncheckAll(CheckBoxes);
    ResetFormInputs(this, true, true, true);
    ShowNoSelection();
}

void TMSTPVLANUnitForm::CheckButtonClick(QObject*) { CheckAllEnabled(CheckBoxes); }

void TMSTPVLANUnitForm::UncheckButtonClick(QObject*) { UncheckAll(CheckBoxes); }

void TMSTPVLANUnitForm::GetButtonClick(QObject*)
{
    // A read still under way is superseded by this one: its rows are dropped, none is listed twice.
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TMSTPVLANUnitForm::CloseButtonClick(QObject*) { Close(); }

void TMSTPVLANUnitForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
}
