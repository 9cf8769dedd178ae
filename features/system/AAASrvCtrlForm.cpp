#include "features/system/AAASrvCtrlForm.h"

#include "features/acl/TextChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

TAAASrvCtrlForm* AAASrvCtrlForm = nullptr;

namespace {

const char* const MembershipTable = "1.3.6.1.4.1.171.12.5.12.1.1";

} // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    OnCreate = ui::Handler(this, &TAAASrvCtrlForm::FormCreate);
    OnClose = ui::Handler(this, &TAAASrvCtrlForm::FormClose);
    btnSet->OnClick = ui::Handler(this, &TAAASrvCtrlForm::btnSetClick);
    btnClose->OnClick = ui::Handler(this, &TAAASrvCtrlForm::btnCloseClick);
    DoCreate();
}

TAAASrvCtrlForm::~TAAASrvCtrlForm() { Request.reset(); }

void TAAASrvCtrlForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_aac", MembershipTable);
        if (table == nullptr)
            throw Exception("No descriptor table Oid_aac for the server group memberships");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 3);
        Request->AttachListView(lvOper, true);
        Request->BindEdits(GroupItem, "%s{l15}", edtSrvGrpName);
        Request->BindEdits(AddressItem, "%s{l16}", edtSrvIP);
        Request->BindComboBox(ProtocolItem, cbxAuthPtcl);
        Request->BindComboBox(RowStateItem, cbxOper);
        cbxAuthPtcl->SetItemIndex(-1);
        cbxOper->SetItemIndex(-1);
        // Panel 0 of the status bar: the bar shows its panels, never its simple text, so the
        // log lines go where the exceptions' messages go.
        Attach(*Request, false);
        Read(*Request);
    });
}

void TAAASrvCtrlForm::btnSetClick(QObject*)
{
    if (!Request)
        return;
    if (edtSrvGrpName->Text().empty()) {
        Say("Please input Server Group Name.");
        return;
    }
    if (edtSrvIP->Text().empty()) {
        Say("Please input Server IP Address.");
        return;
    }
    // The address is part of the membership's key: it must be four numbers, whole.
    if (!CheckIPAddressText(edtSrvIP->Text(), this)) {
        edtSrvIP->SetFocus();
        return;
    }
    if (cbxAuthPtcl->ItemIndex() < 0) {
        Say("Please choose Server Authentication Protocol.");
        return;
    }
    if (cbxOper->ItemIndex() < 0) {
        Say("Please choose Operate.");
        return;
    }
    // Row State alone at group.address.protocol; the answer is reported when it comes.
    Guarded([&] { Write(*Request); });
}

void TAAASrvCtrlForm::btnCloseClick(QObject*) { Close(); }

void TAAASrvCtrlForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, lvOper, Request); }
