#include "features/switching/MSTPPortStateForm.h"

#include "features/common/FieldChecks.h"
#include "features/switching/MSTPPortStateEditForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

TMSTPPortStateForm* MSTPPortStateForm = nullptr;

namespace {

// The largest value of the port table's integer columns.
constexpr long long MaxInteger = 2147483647;

const VarDescriptor* TableOf(const char* oid, const char* caption = nullptr)
{
    const VarDescriptor* table = FindTable("Oid_common", oid, caption);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_common ") + oid);
    return table;
}

} // namespace

TMSTPPortStateForm::TMSTPPortStateForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    // The version the write depends on, read but never shown.
    lblSTPVersion->hide();
    btnEdit->setEnabled(false);
    OnCreate = ui::Handler(this, &TMSTPPortStateForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TMSTPPortStateForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TMSTPPortStateForm::FormClose);
    btnRefresh->OnClick = ui::Handler(this, &TMSTPPortStateForm::btnRefreshClick);
    btnEdit->OnClick = ui::Handler(this, &TMSTPPortStateForm::btnEditClick);
    btnStop->OnClick = ui::Handler(this, &TMSTPPortStateForm::btnStopClick);
    btnClose->OnClick = ui::Handler(this, &TMSTPPortStateForm::btnCloseClick);
    // Before the request takes the list: it calls this handler first on every selection.
    lvMSTPPortState->OnSelectItem = ui::Handler(this, &TMSTPPortStateForm::lvMSTPPortStateSelectItem);
    lvMSTPPortState->OnChanging = ui::Handler(this, &TMSTPPortStateForm::lvMSTPPortStateChanging);
    lvMSTPPortState->OnDblClick = ui::Handler(this, &TMSTPPortStateForm::lvMSTPPortStateDblClick);
    DoCreate();
}

TMSTPPortStateForm::~TMSTPPortStateForm()
{
    PortStateRequest.reset();
    PortVersionRequest.reset();
}

void TMSTPPortStateForm::FormCreate(QObject*)
{
    Guarded([&] {
        auto* dialog = new TMSTPPortStateEditForm(this);
        MSTPPortStateEditForm = dialog;

        PortVersionRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        PortVersionRequest->Mode = 0;
        PortVersionRequest->Request.VarList =
            MvSNMPVarList(TableOf("1.3.6.1.4.1.171.12.15.1.2", "STP Version"), SVT_SV, 0);
        PortVersionRequest->BindControl(0, lblSTPVersion);

        PortStateRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        MvSNMPRequest2Edits& ports = *PortStateRequest;
        ports.Request.Timeout = 300;
        ports.Request.VarList = MvSNMPVarList(TableOf("1.3.6.1.4.1.171.12.15.2.4.1.1"), MVT_UMV, 1);
        ports.AttachListView(lvMSTPPortState, true);
        ports.SetConstraintOwner(dialog);
        ports.BindEdits(PortItem, "%u", dialog->edtPortIndex);
        ports.BindEdits(OperHelloTimeItem, "%u", dialog->edtOperHelloTime);
        ports.BindEdits(AdminHelloTimeItem, "%u", dialog->edtAdminHelloTime);
        ports.BindComboBox(PortEnableItem, dialog->cbxPortEnable);
        ports.BindEdits(ExtPathCostItem, "%u", dialog->edtExtPathCost);
        ports.BindComboBox(MigrationItem, dialog->cbxMigration);
        ports.BindComboBox(AdminEdgePortItem, dialog->cbxAdminEdgePort);
        ports.BindComboBox(OperEdgePortItem, dialog->cbxOperEdgePort);
        ports.BindComboBox(AdminP2PItem, dialog->cbxAdminP2P);
        ports.BindComboBox(OperP2PItem, dialog->cbxOperP2P);
        ports.BindComboBox(BPDUFilteringItem, dialog->cbxBPDUFlt);
        ports.BindComboBox(RestrictedRoleItem, dialog->cbxSTPRole);
        ports.BindComboBox(RestrictedTCNItem, dialog->cbxSTPTCN);
        Attach(ports, true, true);
        FlagsAtOpening.Save(ports.Request.VarList);

        PortVersionRequest->Get();
        Read(ports);
        StaticText1->SetCaption("0");
    });
}

void TMSTPPortStateForm::ReadVersion()
{
    if (PortVersionRequest && !Running(PortVersionRequest.get()))
        PortVersionRequest->Get();
}

void TMSTPPortStateForm::btnRefreshClick(QObject*)
{
    if (DataComplete == 0)
        return;
    Guarded([&] {
        ReadVersion();
        if (!PortStateRequest || Running(PortStateRequest.get()))
            return;
        Read(*PortStateRequest);
    });
}

void TMSTPPortStateForm::lvMSTPPortStateSelectItem(QObject*, ui::ListItem*, bool)
{
    btnEdit->setEnabled(lvMSTPPortState->Selected() != nullptr);
}

void TMSTPPortStateForm::lvMSTPPortStateChanging(QObject*, ui::ListItem*)
{
    ShowRowCount(StaticText1, lvMSTPPortState);
}

void TMSTPPortStateForm::btnEditClick(QObject*) { EditSelectedPort(); }

void TMSTPPortStateForm::lvMSTPPortStateDblClick(QObject*) { EditSelectedPort(); }

void TMSTPPortStateForm::EditSelectedPort()
{
    if (lvMSTPPortState->Selected() != nullptr) {
        if (DataComplete == 0 || Running(PortStateRequest.get())) {
            Say(Variants().NotCompleteText);
            return;
        }
        // The dialog's controls hold the selected port already.
        Guarded([&] {
            if (MSTPPortStateEditForm != nullptr)
                ShowEditDialog(*MSTPPortStateEditForm, "Port State Information");
        });
    }
    btnEdit->setEnabled(false);
    Guarded([&] { ReadVersion(); });
}

bool TMSTPPortStateForm::WritePort()
{
    if (!PortStateRequest || Running(PortStateRequest.get()))
        return false;
    const std::string version = lblSTPVersion->Caption();
    const bool helloTimeWritten = version != "stp" && version != "rstp";
    // The dialog's typed numbers go out as typed or not at all: an emptied one is no 0.
    if (TMSTPPortStateEditForm* dialog = ::MSTPPortStateEditForm) {
        if (helloTimeWritten &&
            !CheckNumberField(dialog->edtAdminHelloTime, "Administration HelloTime", 0, MaxInteger, dialog))
            return false;
        if (!CheckNumberField(dialog->edtExtPathCost, "External Path Cost", 0, MaxInteger, dialog))
            return false;
    }
    bool accepted = false;
    Guarded([&] {
        {
            SkippedColumns skipped(PortStateRequest->Request.VarList, FlagsAtOpening);
            if (!helloTimeWritten)
                skipped.Skip(AdminHelloTimeItem);
            accepted = WriteAndWait(*PortStateRequest);
        }
        // The switch's answer was shown; after a refused write nothing changed to read.
        if (accepted)
            Read(*PortStateRequest);
    });
    return accepted;
}

void TMSTPPortStateForm::btnStopClick(QObject*)
{
    if (PortStateRequest)
        Stop(*PortStateRequest);
}

void TMSTPPortStateForm::btnCloseClick(QObject*) { Close(); }

void TMSTPPortStateForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TMSTPPortStateForm::FormClose(QObject*, ui::CloseAction& action)
{
    Deselect(lvMSTPPortState);
    FreeDialog(MSTPPortStateEditForm);
    CloseDown(action, nullptr, PortVersionRequest, PortStateRequest);
}
