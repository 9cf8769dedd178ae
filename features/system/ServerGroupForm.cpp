#include "features/system/ServerGroupForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

#include <algorithm>
#include <cctype>

TServerGroupForm* ServerGroupForm = nullptr;

namespace {

const char* const ServerGroupTable = "1.3.6.1.4.1.171.12.5.9.1.1";

} // namespace

TServerGroupForm::TServerGroupForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    MemberAddresses = {edtIP1, edtIP2, edtIP3, edtIP4, edtIP5, edtIP6, edtIP7, edtIP8};
    MemberProtocols = {cbxProt1, cbxProt2, cbxProt3, cbxProt4, cbxProt5, cbxProt6, cbxProt7, cbxProt8};
    OnCreate = ui::Handler(this, &TServerGroupForm::FormCreate);
    OnClose = ui::Handler(this, &TServerGroupForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TServerGroupForm::GetButtonClick);
    AddButton->OnClick = ui::Handler(this, &TServerGroupForm::AddButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TServerGroupForm::DeleteButtonClick);
    Closebtn->OnClick = ui::Handler(this, &TServerGroupForm::ClosebtnClick);
    ListView2->OnClick = ui::Handler(this, &TServerGroupForm::ListView2Click);
    ListView2->OnChange = ui::Handler(this, &TServerGroupForm::ListView2Change);
    DoCreate();
}

TServerGroupForm::~TServerGroupForm() { Request.reset(); }

void TServerGroupForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_aac", ServerGroupTable);
        if (table == nullptr)
            throw Exception("No descriptor table Oid_aac for the server groups");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->Mode = 1;
        // A selected row fills the editors; the window itself says which of them may be used,
        // so that the members stay read-only however the row was selected.
        Request->AttachListView(ListView2, false);
        Request->BindEdits(NameItem, "%s{l15}", edtServerName);
        for (int k = 0; k < MemberCount; ++k) {
            Request->BindEdits(FirstMemberItem + 2 * k, "%s{l16}", MemberAddresses[static_cast<std::size_t>(k)]);
            Request->BindComboBox(FirstMemberItem + 2 * k + 1, MemberProtocols[static_cast<std::size_t>(k)]);
        }
        Request->BindComboBox(RowStatusItem, cbxRowStatus);
        // The status bar has no panels: it takes the log lines whole. No end handlers: the
        // request's own reports speak.
        Attach(*Request, false);
        cbxRowStatus->SetItemIndex(CreateAndGoIndex);
        NoSelectionState();
        ResetInputs();
        Read(*Request);
    });
    NoSelectionState();
}

void TServerGroupForm::NoSelectionState()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    AddButton->setEnabled(true);
    edtServerName->setEnabled(true);
    cbxRowStatus->setEnabled(true);
    for (int k = 0; k < MemberCount; ++k) {
        MemberAddresses[static_cast<std::size_t>(k)]->setEnabled(false);
        MemberProtocols[static_cast<std::size_t>(k)]->setEnabled(false);
    }
}

void TServerGroupForm::ResetInputs()
{
    edtServerName->SetText("");
    for (ui::Edit* edit : MemberAddresses)
        edit->SetText("");
    if (ListView2->Count() == 0)
        Static->SetCaption("0");
}

void TServerGroupForm::Settle()
{
    NoSelectionState();
    ResetInputs();
    ShowRowCount(Static, ListView2);
}

void TServerGroupForm::GetButtonClick(QObject*)
{
    if (!Request)
        return;
    // A walk under way gives way to this read: no group is listed twice.
    Guarded([&] { Read(*Request); });
    Settle();
}

void TServerGroupForm::ListView2Change(QObject*, ui::ListItem*) { ShowRowCount(Static, ListView2); }

void TServerGroupForm::ListView2Click(QObject*)
{
    if (ListView2->Selected() == nullptr) {
        NoSelectionState();
        ResetInputs();
        return;
    }
    // The selected group's members are in the editors; only Delete applies to it.
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(true);
    AddButton->setEnabled(false);
    edtServerName->setEnabled(false);
    cbxRowStatus->setEnabled(false);
    for (int k = 0; k < MemberCount; ++k) {
        MemberAddresses[static_cast<std::size_t>(k)]->setEnabled(false);
        MemberProtocols[static_cast<std::size_t>(k)]->setEnabled(false);
    }
}

bool TServerGroupForm::IsBuiltInGroup(const std::string& name)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* builtIn : {"tacacs", "xtacacs", "tacacs+", "tacacs-plus", "radius"})
        if (lower == builtIn)
            return true;
    return false;
}

void TServerGroupForm::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    const std::string name = edtServerName->Text();
    if (name.empty()) {
        Say("Server Group Name can not be null.");
        edtServerName->SetFocus();
        return;
    }
    for (int i = 0; i < ListView2->Count(); ++i) {
        if (ListView2->Item(i)->Caption() == name) {
            Say("Has already a record with the same Server Group Name. Please change it.");
            edtServerName->SetFocus();
            return;
        }
    }
    // createAndGo alone (the members are read-only); the answer is reported when it comes, and
    // the table is read again at once.
    Guarded([&] {
        cbxRowStatus->SetItemIndex(CreateAndGoIndex);
        Write(*Request);
        Read(*Request);
    });
    Settle();
}

void TServerGroupForm::DeleteButtonClick(QObject*)
{
    if (!Request)
        return;
    const std::string name = edtServerName->Text();
    if (name.empty()) {
        Say("Server Group Name can not be null.");
        return;
    }
    if (IsBuiltInGroup(name)) {
        Say("Default Server Group can not be deleted.");
        return;
    }
    // destroy alone, for the selected group's name; the table is read again at once.
    Guarded([&] {
        {
            SkippedColumns skipped(Request->Request.VarList);
            skipped.KeepOnly(RowStatusItem);
            cbxRowStatus->SetItemIndex(DestroyIndex);
            Write(*Request);
        }
        Read(*Request);
    });
    Settle();
}

void TServerGroupForm::ClosebtnClick(QObject*) { Close(); }

void TServerGroupForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView2, Request); }
