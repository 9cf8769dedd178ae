#include "features/system/LoginMethodListForm.h"

#include "catalogue/CatalogueIndex.h"
#include "features/common/EditorEnabling.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"

TLoginMethodListForm* LoginMethodListForm = nullptr;

namespace {

const char* const LoginListTable = "1.3.6.1.4.1.171.12.5.3.1.1";
const char* const EnableListTable = "1.3.6.1.4.1.171.12.5.4.1.1";

bool StopsTheList(int typeIndex)
{
    return typeIndex == TLoginMethodListForm::LocalIndex || typeIndex == TLoginMethodListForm::NoneIndex;
}

// A method whose type is not chosen, or "other", is no method.
bool NoMethod(const std::string& typeText) { return typeText.empty() || typeText == "other"; }

bool Listed(const ui::ListView* list, const std::string& name)
{
    for (int i = 0; i < list->Count(); ++i)
        if (list->Item(i)->Caption() == name)
            return true;
    return false;
}

} // namespace

TLoginMethodListForm::TLoginMethodListForm(QWidget* owner, int mode)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true}),
      ListMode(mode == LoginLists ? LoginLists : EnableLists)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poScreenCenter);
    InitWindow();
    OnCreate = ui::Handler(this, &TLoginMethodListForm::FormCreate);
    OnClose = ui::Handler(this, &TLoginMethodListForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TLoginMethodListForm::GetButtonClick);
    AddButton->OnClick = ui::Handler(this, &TLoginMethodListForm::AddButtonClick);
    EditButton->OnClick = ui::Handler(this, &TLoginMethodListForm::EditButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TLoginMethodListForm::DeleteButtonClick);
    btnClose->OnClick = ui::Handler(this, &TLoginMethodListForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TLoginMethodListForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TLoginMethodListForm::ListView1Change);
    // Before the bindings: the request keeps these and calls them on the user's choice.
    for (ui::ComboBox* combo : TypeCombos())
        combo->OnChange = ui::Handler(this, &TLoginMethodListForm::ComboBoxTypeChange);
    DoCreate();
}

TLoginMethodListForm::~TLoginMethodListForm() { Request.reset(); }

std::array<ui::ComboBox*, TLoginMethodListForm::MethodCount> TLoginMethodListForm::TypeCombos() const
{
    return {ComboBoxType1, ComboBoxType2, ComboBoxType3, ComboBoxType4};
}

std::array<ui::Edit*, TLoginMethodListForm::MethodCount> TLoginMethodListForm::ServerEdits() const
{
    return {Server1Edit, Server2Edit, Server3Edit, Server4Edit};
}

void TLoginMethodListForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const char* key = ListMode == LoginLists ? LoginListTable : EnableListTable;
        const VarDescriptor* table = FindTable("Oid_common", key);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_common ") + key);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->Mode = 0;
        Request->AttachListView(ListView1, true);
        Request->BindEdits(NameItem, "%s{l15}", ListnameEdit);
        const auto types = TypeCombos();
        const auto servers = ServerEdits();
        for (int method = 1; method <= MethodCount; ++method) {
            Request->BindComboBox(TypeItem(method), types[method - 1]);
            Request->BindEdits(ServerGroupItem(method), "%s{l15}", servers[method - 1]);
        }
        Request->BindComboBox(RowStatusItem, RowComboBox);
        Attach(*Request, false);
        ResetFormInputs(this, true, true, true);
        RowComboBox->SetItemIndex(CreateAndGoIndex);
        NoSelection();
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TLoginMethodListForm::NoSelection()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    EnableEditors({ListnameEdit}, true);
    AddButton->setEnabled(true);
}

void TLoginMethodListForm::ResetInputs()
{
    ResetFormInputs(this, true, true, true);
    if (ListView1->Count() == 0)
        StaticText1->SetCaption("0");
}

void TLoginMethodListForm::GetButtonClick(QObject*)
{
    if (!Request)
        return;
    Guarded([&] { Read(*Request); });
    NoSelection();
    ResetInputs();
}

void TLoginMethodListForm::ListView1Click(QObject*)
{
    const ui::ListItem* row = ListView1->Selected();
    if (row == nullptr) {
        NoSelection();
        return;
    }
    // The selected list is in the editors already; its name is its key.
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(row->Caption() != "default");
    EnableEditors({ListnameEdit}, false);
    AddButton->setEnabled(false);
}

void TLoginMethodListForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TLoginMethodListForm::ComboBoxTypeChange(QObject* sender)
{
    const auto types = TypeCombos();
    for (int k = 0; k < MethodCount; ++k) {
        if (types[k] != sender)
            continue;
        // Only a server-group method names a server group.
        ui::Edit* server = ServerEdits()[k];
        server->SetText("");
        EnableEditors({server}, types[k]->ItemIndex() == ServerGroupIndex);
    }
}

bool TLoginMethodListForm::CheckMethodOrder()
{
    const auto types = TypeCombos();
    for (int k = 0; k < MethodCount; ++k)
        MethodIndex[k] = NoMethod(types[k]->Text()) ? -1 : types[k]->ItemIndex();
    bool stopped = false;
    for (const int index : MethodIndex) {
        if (index < 0)
            continue;
        if (stopped)
            return false; // a method that is never tried
        stopped = StopsTheList(index);
    }
    return true;
}

void TLoginMethodListForm::DropIneffectiveMethods(SkippedColumns& skipped)
{
    bool stopped = false;
    for (int& index : MethodIndex) {
        if (stopped)
            index = -1;
        else if (StopsTheList(index))
            stopped = true;
    }
    for (int method = 1; method <= MethodCount; ++method) {
        if (MethodIndex[method - 1] == -1) {
            skipped.Skip(TypeItem(method));
            skipped.Skip(ServerGroupItem(method));
        }
    }
}

bool TLoginMethodListForm::MethodOrderAccepted(bool& dropped)
{
    dropped = false;
    if (CheckMethodOrder())
        return true;
    if (ui::MessageBox(this, OrderQuestion, ui::mbYesNo, ui::miQuestion) != ui::mrYes)
        return false;
    dropped = true;
    return true;
}

bool TLoginMethodListForm::WriteAndRefresh(const std::function<void(SkippedColumns&)>& mark)
{
    bool accepted = false;
    const bool ok = Guarded([&] {
        {
            SkippedColumns skipped(Request->Request.VarList);
            mark(skipped);
            // Synchronous: a refusal has shown its message box when Write returns.
            accepted = Write(*Request);
        }
        Read(*Request);
    });
    NoSelection();
    return ok && !accepted;
}

void TLoginMethodListForm::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    const std::string name = ListnameEdit->Text();
    if (name.empty() || Listed(ListView1, name)) {
        Say(name.empty() ? "Name must be set."
                         : "Has already a record with the same Login Method List Name. Please Change Login Method "
                           "List Name.");
        if (ListnameEdit->isEnabled())
            ListnameEdit->SetFocus();
        return;
    }
    bool dropped = false;
    if (!MethodOrderAccepted(dropped))
        return;
    const bool refused = WriteAndRefresh([&](SkippedColumns& skipped) {
        const auto types = TypeCombos();
        for (int method = 1; method <= MethodCount; ++method) {
            const std::string type = types[method - 1]->Text();
            if (NoMethod(type))
                skipped.Skip(TypeItem(method));
            if (type != "server-group")
                skipped.Skip(ServerGroupItem(method));
        }
        if (dropped)
            DropIneffectiveMethods(skipped);
        RowComboBox->SetItemIndex(CreateAndGoIndex);
    });
    // A list the switch refused stays in the editors for the user to mend.
    if (!refused)
        ResetInputs();
}

void TLoginMethodListForm::EditButtonClick(QObject*)
{
    if (!Request || ListView1->Selected() == nullptr)
        return;
    if (ListnameEdit->Text().empty()) {
        Say("Name must be set.");
        return;
    }
    bool dropped = false;
    if (!MethodOrderAccepted(dropped))
        return;
    WriteAndRefresh([&](SkippedColumns& skipped) {
        // The types go out as shown ("other" too); an empty server group stays as it is.
        const auto servers = ServerEdits();
        for (int method = 1; method <= MethodCount; ++method)
            skipped.SkipIfEmpty(ServerGroupItem(method), servers[method - 1]);
        skipped.Skip(RowStatusItem);
        if (dropped)
            DropIneffectiveMethods(skipped);
    });
    ResetInputs();
}

void TLoginMethodListForm::DeleteButtonClick(QObject*)
{
    if (!Request)
        return;
    // Asks first; destroy goes out alone, then the lists are read again.
    Guarded([&] { DeleteSelectedRow(*Request, RowStatusItem, "destroy"); });
    ResetInputs();
    NoSelection();
}

void TLoginMethodListForm::btnCloseClick(QObject*) { Close(); }

void TLoginMethodListForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
