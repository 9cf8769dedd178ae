#include "features/system/DHCPRelayVLANControlUnitForm.h"

#include "features/acl/TextChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

#include <exception>

TDHCPRelayVLANControlUnitForm* DHCPRelayVLANControlUnitForm = nullptr;

namespace {

const char* const RelayTable = "1.3.6.1.4.1.171.12.42.3.5.1.1";
// Index of the Row Status combo box that Add shows ("notInService"); the request writes
// createAndGo whatever it shows.
constexpr int AddRowIndex = 1;

} // namespace

TDHCPRelayVLANControlUnitForm::TDHCPRelayVLANControlUnitForm(QWidget* owner)
    : TBasicForm(owner),
      WindowLifecycle(this, {.LogOnly = true, .KeepLayoutSize = true}) // the base form has scaled it
{
    setupUi(this);
    VlanBlocks.FindIn(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    OnCreate = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::FormCreate);
    OnClose = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::GetButtonClick);
    EditButton->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::EditButtonClick);
    AddButton->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::AddButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::DeleteButtonClick);
    CheckButton->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::CheckButtonClick);
    UncheckButton->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::UncheckButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TDHCPRelayVLANControlUnitForm::ListView1Change);
    DoCreate();
}

TDHCPRelayVLANControlUnitForm::~TDHCPRelayVLANControlUnitForm()
{
    // A window freed without closing still lets go of its request before its controls go.
    Request.reset();
}

void TDHCPRelayVLANControlUnitForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<DHCPRelayVLANControlRequestEdits>(this);
        const VarDescriptor* table = FindTable("Oid_common", RelayTable);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_common ") + RelayTable);
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
    });
    ShowRowCount(StaticText1, ListView1);
}

void TDHCPRelayVLANControlUnitForm::BindColumns()
{
    CheckBoxes.clear();
    ValueControls.clear();
    DHCPRelayVLANControlRequestEdits& r = *Request;
    BindEdit(r, AddressItem, "%s{I}", IPAddressEdit, chkIP);
    VlanBlocks.Bind(*this, r);
    BindCombo(r, RowStatusItem, RowComboBox, cbxRow);
}

void TDHCPRelayVLANControlUnitForm::ShowButtons(bool rowSelected)
{
    EditButton->setEnabled(rowSelected);
    DeleteButton->setEnabled(rowSelected);
    AddButton->setEnabled(!rowSelected);
}

void TDHCPRelayVLANControlUnitForm::ShowNoSelection()
{
    DisableFormInputs(this, true, true, true);
    EnableControl(IPAddressEdit);
    ui::SetColor(IPAddressEdit, ui::clWindow);
}

void TDHCPRelayVLANControlUnitForm::ShowSelection()
{
    EnableFormInputs(this, true, true, true);
    IPAddressEdit->setEnabled(false);
    ui::SetColor(IPAddressEdit, ui::clBtnFace);
}

void TDHCPRelayVLANControlUnitForm::ListView1Click(QObject*)
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
}

void TDHCPRelayVLANControlUnitForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

bool TDHCPRelayVLANControlUnitForm::WriteMarked()
{
    MarkSkippedColumns(*Request);
    try {
        Write(*Request);
    } catch (const std::exception& e) {
        // A write that did not go out says why, rather than look like one that did.
        ClearSkippedColumns(*Request);
        Mode = NoWrite;
        ShowInStatusLine(e.what());
        return false;
    }
    ClearSkippedColumns(*Request);
    Mode = NoWrite;
    return true;
}

void TDHCPRelayVLANControlUnitForm::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    // The address keys the new row: a text that is no address would key some other row.
    if (!CheckIPAddressText(IPAddressEdit->Text(), this)) {
        FocusIfEnabled(IPAddressEdit);
        return;
    }
    cbxRow->SetChecked(true);
    RowComboBox->SetItemIndex(AddRowIndex);
    UncheckAll(CheckBoxes);
    chkIP->SetChecked(true);
    cbxRow->SetChecked(true);
    Mode = AddMode;
    // The address and the row status alone: the VLANs are given by Edit afterwards.
    if (WriteMarked())
        Guarded([&] { Read(*Request); });
}

void TDHCPRelayVLANControlUnitForm::EditButtonClick(QObject*)
{
    if (!Request || ListView1->Selected() == nullptr)
        return;
    // A block text that is no list of its block is refused before anything is marked or sent;
    // the selection, the texts and the ticks stay for the correction.
    if (!VlanBlocks.CheckedTextsAreLists(this))
        return;
    Mode = EditMode;
    const bool sent = WriteMarked();
    if (sent) {
        UncheckAll(CheckBoxes);
        ResetFormInputs(this, true, true, true);
        GetButtonClick(GetButton);
        ShowNoSelection();
    }
    ShowButtons(false);
}

void TDHCPRelayVLANControlUnitForm::DeleteButtonClick(QObject*)
{
    if (!Request)
        return;
    Guarded([&] { DeleteSelectedRow(*Request, RowStatusItem, "destroy"); });
    ShowRowCount(StaticText1, ListView1);
    ShowButtons(false);
    UncheckAll(CheckBoxes);
    ResetFormInputs(this, true, true, true);
    ShowNoSelection();
}

void TDHCPRelayVLANControlUnitForm::CheckButtonClick(QObject*) { CheckAllEnabled(CheckBoxes); }

void TDHCPRelayVLANControlUnitForm::UncheckButtonClick(QObject*) { UncheckAll(CheckBoxes); }

void TDHCPRelayVLANControlUnitForm::GetButtonClick(QObject*)
{
    // A read still under way is superseded by this one: its rows are dropped, none is listed twice.
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TDHCPRelayVLANControlUnitForm::CloseButtonClick(QObject*) { Close(); }

void TDHCPRelayVLANControlUnitForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
}
