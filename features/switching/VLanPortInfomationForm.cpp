#include "features/switching/VLanPortInfomationForm.h"

#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/VlanList.h"
#include "snmp/Exception.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .NotCompleteText = "Refresh Not Complete"})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TVLanPortInfomationForm::FormCreate);
    OnClose = ui::Handler(this, &TVLanPortInfomationForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TVLanPortInfomationForm::RefreshBtnClick);
    SetBtn->OnClick = ui::Handler(this, &TVLanPortInfomationForm::SetBtnClick);
    Closebtn->OnClick = ui::Handler(this, &TVLanPortInfomationForm::ClosebtnClick);
    LV_dot1qPortVlanEntry->OnChange = ui::Handler(this, &TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange);
    DoCreate();
}

TVLanPortInfomationForm::~TVLanPortInfomationForm() { Request.reset(); }

void TVLanPortInfomationForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 7);
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qbridge for the port VLAN table");
        Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);
        Request->AttachListView(LV_dot1qPortVlanEntry, true);
        Request->BindEdits(PortVlanIdItem, "%i{}", PortVLanID);
        Request->BindComboBox(FrameTypesItem, AcceptableFrameTypes);
        Request->BindComboBox(IngressFilteringItem, IngressFiltering);
        Request->BindComboBox(GvrpStateItem, GvrpStatus);
        // The status bar has no panels: its one text takes the log lines.
        Attach(*Request, false);
        Read(*Request);
        PortVLanID->SetText("");
        ShowRowCount(ST_Count, LV_dot1qPortVlanEntry);
    });
}

void TVLanPortInfomationForm::RefreshBtnClick(QObject*)
{
    if (Running(Request.get())) {
        Say(Variants().NotCompleteText);
        return;
    }
    Guarded([&] {
        if (Request)
            Read(*Request);
        ShowRowCount(ST_Count, LV_dot1qPortVlanEntry);
    });
}

void TVLanPortInfomationForm::SetBtnClick(QObject*)
{
    if (Running(Request.get())) {
        Say(Variants().NotCompleteText);
        return;
    }
    // Without a row the port would be empty, that is port 0.
    const ui::ListItem* row = LV_dot1qPortVlanEntry->Selected();
    if (!Request || row == nullptr)
        return;
    // An emptied port VLAN ID would go out as 0, which is no VLAN.
    if (!CheckNumberField(PortVLanID, "Port VLAN ID", 1, MaxVlanId, this))
        return;
    const std::string port = row->Caption();
    Guarded([&] {
        // The four settings of the port; the framework reads the table again after the answer.
        Write(*Request, true);
        // The port again, on the rows still shown until that read starts.
        for (int i = 0; i < LV_dot1qPortVlanEntry->Count(); ++i) {
            ui::ListItem* item = LV_dot1qPortVlanEntry->Item(i);
            if (item->Caption() == port) {
                LV_dot1qPortVlanEntry->SetSelected(item);
                break;
            }
            PortVLanID->SetText("");
        }
    });
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange(QObject*, ui::ListItem*)
{
    ShowRowCount(ST_Count, LV_dot1qPortVlanEntry);
}

void TVLanPortInfomationForm::ClosebtnClick(QObject*) { Close(); }

void TVLanPortInfomationForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, LV_dot1qPortVlanEntry, Request);
}
