#include "features/switching/ProtocolVLANGroupForm.h"

#include "features/common/FieldChecks.h"

#include "features/common/EditorEnabling.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"

#include <exception>

TProtocolVLANGroupForm* ProtocolVLANGroupForm = nullptr;

TProtocolVLANGroupForm::TProtocolVLANGroupForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TProtocolVLANGroupForm::FormCreate);
    OnClose = ui::Handler(this, &TProtocolVLANGroupForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TProtocolVLANGroupForm::GetButtonClick);
    AddButton->OnClick = ui::Handler(this, &TProtocolVLANGroupForm::AddButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TProtocolVLANGroupForm::DeleteButtonClick);
    btn1->OnClick = ui::Handler(this, &TProtocolVLANGroupForm::btn1Click);
    ListView1->OnChange = ui::Handler(this, &TProtocolVLANGroupForm::ListView1Change);
    ListView1->OnClick = ui::Handler(this, &TProtocolVLANGroupForm::ListView1Click);
    DoCreate();
}

TProtocolVLANGroupForm::~TProtocolVLANGroupForm() { Request.reset(); }

void TProtocolVLANGroupForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_protocolvlan", "1.3.6.1.2.1.17.7.1.5.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_protocolvlan for the protocol groups");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->Mode = 0;
        Request->AttachListView(ListView1, true);
        Request->BindComboBox(FrameTypeItem, TypeComboBox);
        // Hexadecimal digits only: any other character would stand for a zero in the row index.
        Request->BindEdits(ProtocolValueItem, "%h{l4}", ValueEdit);
        Request->BindEdits(GroupIdItem, "%i{n1x16l2}", IDEdit);
        Request->BindComboBox(RowStatusItem, RowComboBox);
        Attach(*Request, false);
        TypeComboBox->SetItemIndex(-1);
        ValueEdit->SetText("");
        IDEdit->SetText("");
        RowComboBox->SetItemIndex(CreateAndGoIndex);
        DeleteButton->setEnabled(false);
        AddButton->setEnabled(true);
        Read(*Request);
    });
    ShowRowCount(Static, ListView1);
}

void TProtocolVLANGroupForm::ResetInputs()
{
    TypeComboBox->SetItemIndex(-1);
    ValueEdit->SetText("");
    IDEdit->SetText("");
    RowComboBox->SetItemIndex(CreateAndGoIndex);
    EnableEditors({TypeComboBox, ValueEdit, IDEdit, RowComboBox}, true);
    if (ListView1->Count() == 0)
        Static->SetCaption("0");
}

void TProtocolVLANGroupForm::EditorsFor(bool rowSelected)
{
    DeleteButton->setEnabled(rowSelected);
    AddButton->setEnabled(!rowSelected);
    EnableEditors({TypeComboBox, ValueEdit, IDEdit}, !rowSelected);
}

void TProtocolVLANGroupForm::ListView1Click(QObject*)
{
    // A selected row is in the controls already; its keys are not to be changed.
    const bool selected = ListView1->Selected() != nullptr;
    EditorsFor(selected);
    if (!selected)
        ResetInputs();
}

void TProtocolVLANGroupForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(Static, ListView1); }

void TProtocolVLANGroupForm::ReadTable()
{
    // The read clears the list: no row stays selected, so Delete has nothing to delete.
    try {
        if (Request)
            Read(*Request);
        DeleteButton->setEnabled(false);
        AddButton->setEnabled(true);
        ResetInputs();
    } catch (const std::exception& e) {
        DeleteButton->setEnabled(false);
        AddButton->setEnabled(true);
        ResetInputs();
        ShowInStatusLine(e.what());
    }
}

void TProtocolVLANGroupForm::GetButtonClick(QObject*) { ReadTable(); }

bool TProtocolVLANGroupForm::CheckNewGroup()
{
    const auto refuse = [this](const char* text, QWidget* control) {
        Say(text);
        if (control->isEnabled())
            control->setFocus();
        return false;
    };
    if (TypeComboBox->ItemIndex() < 0)
        return refuse("Template Frame Type must be set.", TypeComboBox);
    if (ValueEdit->Text().empty())
        return refuse("Template Protocol Value must be set.", ValueEdit);
    if (IDEdit->Text().empty())
        return refuse("Group ID must be set.", IDEdit);
    return CheckNumberField(IDEdit, "Group ID", 1, 16, this);
}

void TProtocolVLANGroupForm::AddButtonClick(QObject*)
{
    if (!Request || !CheckNewGroup())
        return;
    try {
        // The group ID and createAndGo of the row keyed by frame type and protocol value; a
        // refused write shows its message box.
        RowComboBox->SetItemIndex(CreateAndGoIndex);
        Write(*Request);
        DeleteButton->setEnabled(false);
        AddButton->setEnabled(true);
        ResetInputs();
    } catch (const std::exception& e) {
        DeleteButton->setEnabled(false);
        AddButton->setEnabled(true);
        ResetInputs();
        ShowInStatusLine(e.what());
    }
    // The table as the switch has it now, whatever the answer.
    ReadTable();
}

void TProtocolVLANGroupForm::DeleteButtonClick(QObject*)
{
    // Only the selected row: the editors may hold keys typed since, which name another group.
    if (!Request || ListView1->Selected() == nullptr)
        return;
    try {
        {
            SkippedColumns statusAlone(Request->Request.VarList);
            statusAlone.Skip(GroupIdItem);
            RowComboBox->SetItemIndex(DestroyIndex);
            Write(*Request);
        }
        Read(*Request);
        DeleteButton->setEnabled(false);
        AddButton->setEnabled(true);
        ResetInputs();
    } catch (const std::exception& e) {
        DeleteButton->setEnabled(false);
        AddButton->setEnabled(true);
        ResetInputs();
        ShowInStatusLine(e.what());
    }
}

void TProtocolVLANGroupForm::btn1Click(QObject*) { Close(); }

void TProtocolVLANGroupForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
