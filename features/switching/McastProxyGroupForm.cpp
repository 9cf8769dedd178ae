#include "features/switching/McastProxyGroupForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/Panel.h"

int ProxyGroupKind = 0;
TMcastProxyGroupForm* McastProxyGroupForm = nullptr;

namespace {

// The group tables of the proxy, by their first OID.
constexpr const char* IGMPGroupTable = "1.3.6.1.4.1.171.12.80.2.1.1.1.1";
constexpr const char* MLDGroupTable = "1.3.6.1.4.1.171.12.80.2.2.1.1.1";

} // namespace

TMcastProxyGroupForm::TMcastProxyGroupForm(QWidget* owner)
    : TBasicForm(owner), WindowLifecycle(this, {.CloseActionFree = true,
                                                .KeepLayoutSize = true, // the base form has scaled it
                                                .StopSetsDataComplete = true,
                                                .NotCompleteText = "Get data not complete."})
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    // In the layout, with no role in the window.
    RuleOwnerComboBox->hide();
    RuleOwnerComboBox->setEnabled(false);
    OnCreate = ui::Handler(this, &TMcastProxyGroupForm::FormCreate);
    OnClose = ui::Handler(this, &TMcastProxyGroupForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TMcastProxyGroupForm::GetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TMcastProxyGroupForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TMcastProxyGroupForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TMcastProxyGroupForm::ListView1Change);
    DoCreate();
}

TMcastProxyGroupForm::~TMcastProxyGroupForm() { Request.reset(); }

void TMcastProxyGroupForm::FormCreate(QObject*)
{
    BuildPortSelector(StackingPortPanel, 12);
    PortBitsText = PortBitIndexText();
    Kind = ProxyGroupKind;
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const bool igmp = Kind == 1;
        const char* key = igmp ? IGMPGroupTable : MLDGroupTable;
        const VarDescriptor* table = FindTable("Oid_mcastproxy", key);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_mcastproxy ") + key);
        // MLD: the editors are off after every read until a row is chosen.
        Request->Request.VarList = MvSNMPVarList(table, igmp ? MVT_UMV : MVT_FMV, 3);
        ColumnCount = Request->Request.VarList.Count();
        KeyCount = 3;
        Request->AttachListView(ListView1, true);
        BindEdit(*Request, DestinationItem, "%s", edtDstAddr, nullptr);
        BindEdit(*Request, SourceItem, "%s", edtSrcAddr, nullptr);
        BindEdit(*Request, VlanItem, "%s", edtVLANID, nullptr);
        Request->BindControlList(MemberPortsItem, PortBitsText, PortSelector->PortBoxes);
        BindCombo(*Request, StateItem, ComboBox1, nullptr);
        Attach(*Request);
        ResetInputs();
        Read(*Request);
        ShowRowCount(StaticText1, ListView1);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TMcastProxyGroupForm::ResetInputs()
{
    ClearValues(ValueControls);
    if (PortSelector)
        PortSelector->UncheckAll();
    ShowRowCount(StaticText1, ListView1);
}

void TMcastProxyGroupForm::ListView1Click(QObject*)
{
    // A selected row is in the editors already.
    if (ListView1->Selected() == nullptr)
        ResetInputs();
}

void TMcastProxyGroupForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TMcastProxyGroupForm::GetButtonClick(QObject*)
{
    if (DataComplete == 0) {
        Say(Variants().NotCompleteText);
        return;
    }
    // The read helper keeps DataComplete right however the read ends, also when it is not sent.
    if (!Guarded([&] {
            ResetInputs();
            if (Request)
                Read(*Request);
        }))
        ResetInputs();
}

void TMcastProxyGroupForm::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TMcastProxyGroupForm::CloseButtonClick(QObject*)
{
    StopButtonClick(nullptr);
    Close();
}

void TMcastProxyGroupForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
    // The picker is the base form's; its box and tab lists go with it.
    delete PortSelector.data();
}
