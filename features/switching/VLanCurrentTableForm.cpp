#include "features/switching/VLanCurrentTableForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {

const VarDescriptor* QBridgeTable(const char* oid)
{
    const VarDescriptor* table = FindTable("Oid_qbridge", oid);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_qbridge ") + oid);
    return table;
}

} // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TVLanCurrentTableForm::FormCreate);
    OnClose = ui::Handler(this, &TVLanCurrentTableForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TVLanCurrentTableForm::RefreshBtnClick);
    Closebtn->OnClick = ui::Handler(this, &TVLanCurrentTableForm::ClosebtnClick);
    LV_dot1qVlanCurrentEntry->OnChange = ui::Handler(this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange);
    // Before the request takes the list: it calls this handler first on every selection.
    LV_dot1qVlanCurrentEntry->OnSelectItem =
        ui::Handler(this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntrySelectItem);
    DoCreate();
}

TVLanCurrentTableForm::~TVLanCurrentTableForm()
{
    Request.reset();
    DeletesRequest.reset();
}

void TVLanCurrentTableForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    EgressPorts = AddPicker("Egress Ports", PageControl1);
    UntaggedPorts = AddPicker("Untagged Ports", PageControl1);
    Guarded([&] {
        DeletesRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        DeletesRequest->Request.VarList = MvSNMPVarList(QBridgeTable("1.3.6.1.2.1.17.7.1.4.1"), SVT_SV, 0);
        DeletesRequest->BindStaticText(0, VlanNumDeletes);
        Attach(*DeletesRequest, false);
        DeletesRequest->Request.Active = 1;
        DeletesRequest->Get();
    });
    // The table is read also when the counter could not be.
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(QBridgeTable("1.3.6.1.2.1.17.7.1.4.2.1.1"), MVT_UMV, 2);
        // A selected row shows in the controls, which stay as they are: the table is the switch's.
        Request->AttachListView(LV_dot1qVlanCurrentEntry, false);
        Request->BindStaticText(VlanIndexItem, StaticText1);
        Request->BindControlList(EgressItem, ports, EgressPorts->PortBoxes);
        Request->BindControlList(UntaggedItem, ports, UntaggedPorts->PortBoxes);
        Attach(*Request, false);
        Read(*Request);
        EgressPorts->DisableAll();
        UntaggedPorts->DisableAll();
        ShowRowCount(ST_Count2, LV_dot1qVlanCurrentEntry);
    });
}

void TVLanCurrentTableForm::ResetInputs()
{
    for (TStackingPortUitForm* picker : {EgressPorts.data(), UntaggedPorts.data()})
        if (picker != nullptr)
            picker->UncheckAll();
    StaticText1->SetCaption("");
}

void TVLanCurrentTableForm::RefreshBtnClick(QObject*)
{
    Guarded([&] {
        // A request whose read is still under way is left to it.
        for (MvSNMPRequest2Edits* request : {DeletesRequest.get(), Request.get()}) {
            if (request == nullptr)
                continue;
            request->Request.Active = 1;
            if (!Running(request))
                request->Get();
        }
        ShowRowCount(ST_Count2, LV_dot1qVlanCurrentEntry);
        ResetInputs();
    });
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntrySelectItem(QObject*, ui::ListItem*, bool)
{
    if (LV_dot1qVlanCurrentEntry->Selected() == nullptr)
        ResetInputs();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange(QObject*, ui::ListItem*)
{
    ShowRowCount(ST_Count2, LV_dot1qVlanCurrentEntry);
}

void TVLanCurrentTableForm::ClosebtnClick(QObject*) { Close(); }

void TVLanCurrentTableForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, LV_dot1qVlanCurrentEntry, Request, DeletesRequest);
}
