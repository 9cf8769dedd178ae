#include "features/switching/VlanStaticForm.h"

#include "features/common/FieldChecks.h"

#include "features/common/SynchronousScope.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/StatusBar.h"

#include <exception>

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

// The order in which the switch takes the columns of an existing VLAN, one per SET.
constexpr TVlanStaticForm::Item SetOrder[] = {TVlanStaticForm::EgressItem, TVlanStaticForm::ForbiddenItem,
                                              TVlanStaticForm::UntaggedItem, TVlanStaticForm::RowStatusItem,
                                              TVlanStaticForm::NameItem};

const VarDescriptor* QBridgeTable(const char* oid)
{
    const VarDescriptor* table = FindTable("Oid_qbridge", oid);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_qbridge ") + oid);
    return table;
}

} // namespace

TVlanStaticForm::TVlanStaticForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TVlanStaticForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TVlanStaticForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TVlanStaticForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TVlanStaticForm::RefreshBtnClick);
    SetBtn->OnClick = ui::Handler(this, &TVlanStaticForm::SetBtnClick);
    AddBtn->OnClick = ui::Handler(this, &TVlanStaticForm::AddBtnClick);
    DeleteBtn->OnClick = ui::Handler(this, &TVlanStaticForm::DeleteBtnClick);
    btnStop->OnClick = ui::Handler(this, &TVlanStaticForm::btnStopClick);
    btnClose->OnClick = ui::Handler(this, &TVlanStaticForm::btnCloseClick);
    LV_dot1qVlanStaticEntry->OnChange = ui::Handler(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);
    LV_dot1qVlanStaticEntry->OnClick = ui::Handler(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
    // Before the request takes the list: it calls this handler first on every selection.
    LV_dot1qVlanStaticEntry->OnSelectItem = ui::Handler(this, &TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem);
    DoCreate();
}

TVlanStaticForm::~TVlanStaticForm()
{
    Request.reset();
    IndexRequest.reset();
}

void TVlanStaticForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    EgressPorts = AddPicker("Egress Ports", PageControl1);
    ForbiddenPorts = AddPicker("Forbidden Egress Ports", PageControl1);
    UntaggedPorts = AddPicker("Untagged Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(QBridgeTable("1.3.6.1.2.1.17.7.1.4.3.1.1"), MVT_UMV, 1);
        Request->AttachListView(LV_dot1qVlanStaticEntry, true);
        Request->BindEdits(VlanIdItem, "%i{n2x4094l4}", ED_VLANID);
        Request->BindEdits(NameItem, "%s", ED_VLANName);
        Request->BindControlList(EgressItem, ports, EgressPorts->PortBoxes);
        Request->BindControlList(ForbiddenItem, ports, ForbiddenPorts->PortBoxes);
        Request->BindControlList(UntaggedItem, ports, UntaggedPorts->PortBoxes);
        Request->BindComboBox(RowStatusItem, Status);
        Attach(*Request);
        Read(*Request);
        ShowRowCount(ST_Count2, LV_dot1qVlanStaticEntry);
    });
    try {
        IndexRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        IndexRequest->Request.VarList = MvSNMPVarList(QBridgeTable("1.3.6.1.2.1.17.7.1.4.4"), SVT_SV, 0);
        IndexRequest->BindStaticText(0, NextFreeLocalVlanIndex);
        IndexRequest->SetLogTarget(StatusBar1->Panel(0));
        IndexRequest->Mode = 0;
        IndexRequest->Get();
    } catch (const std::exception& e) {
        // The table's read goes on: the window stays as busy as it is.
        ShowInStatusLine(e.what());
    }
    RowButtons(false);
}

void TVlanStaticForm::RowButtons(bool rowSelected)
{
    SetBtn->setEnabled(rowSelected);
    DeleteBtn->setEnabled(rowSelected);
    AddBtn->setEnabled(!rowSelected);
}

void TVlanStaticForm::ResetInputs()
{
    for (TStackingPortUitForm* picker : {EgressPorts.data(), ForbiddenPorts.data(), UntaggedPorts.data()})
        if (picker != nullptr)
            picker->UncheckAll();
    ED_VLANID->SetText("");
    ED_VLANName->SetText("");
    Status->SetText("");
}

void TVlanStaticForm::SelectionChanged()
{
    // A selected row is in the controls already, or comes into them right after this.
    const bool selected = LV_dot1qVlanStaticEntry->Selected() != nullptr;
    if (!selected)
        ResetInputs();
    RowButtons(selected);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick(QObject*) { SelectionChanged(); }

void TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem(QObject*, ui::ListItem*, bool) { SelectionChanged(); }

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange(QObject*, ui::ListItem*)
{
    ShowRowCount(ST_Count2, LV_dot1qVlanStaticEntry);
}

void TVlanStaticForm::ReadIndex()
{
    if (!IndexRequest)
        return;
    try {
        IndexRequest->Request.Active = 1;
        if (!Running(IndexRequest.get()))
            IndexRequest->Get();
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
}

void TVlanStaticForm::RefreshBtnClick(QObject*)
{
    if (DataComplete == 0)
        return;
    ReadIndex();
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
    ShowRowCount(ST_Count2, LV_dot1qVlanStaticEntry);
    ResetInputs();
    RowButtons(false);
}

void TVlanStaticForm::SetBtnClick(QObject*)
{
    // Without a row there is no VLAN to address: its key would be empty, VLAN 0.
    if (LV_dot1qVlanStaticEntry->Selected() == nullptr)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    Guarded([&] {
        // The Status combo holds the row's own status, which the fourth SET writes back.
        DataComplete = 0;
        {
            SynchronousScope oneAfterTheOther(*Request);
            for (Item column : SetOrder) {
                SkippedColumns others(Request->Request.VarList);
                others.KeepOnly(column);
                // A refused column is reported in its message box; the next goes out all the same.
                Write(*Request);
            }
        }
        Read(*Request);
        ResetInputs();
    });
    RowButtons(false);
}

void TVlanStaticForm::AddBtnClick(QObject*)
{
    if (RefuseWhileReading(Request.get()))
        return;
    if (ED_VLANID->Text().empty()) {
        Say("Please input VLAN ID.");
        return;
    }
    if (!CheckNumberField(ED_VLANID, "VLAN ID", 2, 4094, this))
        return;
    Guarded([&] {
        Status->SetItemIndex(CreateAndGoIndex);
        DataComplete = 0;
        {
            SynchronousScope oneAfterTheOther(*Request);
            bool created = false;
            {
                // The VLAN with its name (when given), egress and untagged ports.
                SkippedColumns columns(Request->Request.VarList);
                if (ED_VLANName->Text().empty())
                    columns.Skip(NameItem);
                columns.Skip(ForbiddenItem);
                created = Write(*Request);
            }
            // A refused creation (the VLAN exists, say) leaves the VLAN's forbidden ports alone.
            if (created) {
                SkippedColumns columns(Request->Request.VarList);
                columns.KeepOnly(ForbiddenItem);
                Write(*Request);
            }
        }
        Read(*Request);
        ResetInputs();
    });
}

void TVlanStaticForm::DeleteBtnClick(QObject*)
{
    if (RefuseWhileReading(Request.get()))
        return;
    Guarded([&] {
        Status->SetItemIndex(DestroyIndex);
        DataComplete = 0;
        {
            SkippedColumns statusAlone(Request->Request.VarList);
            statusAlone.KeepOnly(RowStatusItem);
            Write(*Request);
        }
        Read(*Request);
        ResetInputs();
    });
    RowButtons(false);
}

void TVlanStaticForm::btnStopClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TVlanStaticForm::btnCloseClick(QObject*) { Close(); }

void TVlanStaticForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TVlanStaticForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, LV_dot1qVlanStaticEntry, Request, IndexRequest);
}
