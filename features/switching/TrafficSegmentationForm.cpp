#include "features/switching/TrafficSegmentationForm.h"

#include "features/common/GlobalPort.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Convert.h"
#include "snmp/DeviceState.h"

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.StopSetsDataComplete = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    // The port alone is shown: its label takes the place of the hidden unit's.
    Label_Port->move(Label_Unit->x(), Label_Port->y());
    Label_Unit->move(Combo_Unit->x(), Label_Unit->y());
    GroupBox1->resize(100, GroupBox1->height());
    OnCreate = ui::Handler(this, &TTrafficSegmentationForm::FormCreate);
    OnClose = ui::Handler(this, &TTrafficSegmentationForm::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TTrafficSegmentationForm::BT_GetClick);
    BT_Set->OnClick = ui::Handler(this, &TTrafficSegmentationForm::BT_SetClick);
    StopBtn->OnClick = ui::Handler(this, &TTrafficSegmentationForm::StopBtnClick);
    btnClose->OnClick = ui::Handler(this, &TTrafficSegmentationForm::btnCloseClick);
    LV_TrafficForward->OnClick = ui::Handler(this, &TTrafficSegmentationForm::LV_TrafficForwardClick);
    LV_TrafficForward->OnChange = ui::Handler(this, &TTrafficSegmentationForm::LV_TrafficForwardChange);
    DoCreate();
}

TTrafficSegmentationForm::~TTrafficSegmentationForm() { Request.reset(); }

void TTrafficSegmentationForm::FormCreate(QObject*)
{
    SetCaption("Traffic Segmentation Table: " + DeviceIPText);
    Ports = AddPicker("Ports", PageControl1);
    Guarded([&] {
        const VarDescriptor* table =
            FindModelTable("Oid_trafficsegmentation", "1.3.6.1.4.1.171.11.133.N.1.2.14.1.1.1", ModuleOIDText);
        if (table == nullptr) {
            // A switch of no known model: nothing to read or write.
            DataComplete = 1;
            return;
        }
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(LV_TrafficForward, true);
        Request->BindStaticText(PortItem, ST_Port);
        Request->BindControlList(ForwardPortsItem, PortBitIndexText(), Ports->PortBoxes);
        Attach(*Request);
        Read(*Request);
        if (LV_TrafficForward->Count() == 0)
            StaticText1->SetCaption("0");
    });
    BT_Set->setEnabled(false);
}

void TTrafficSegmentationForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    SetReady = 1;
}

void TTrafficSegmentationForm::ClearPort()
{
    if (Ports)
        Ports->UncheckAll();
    Combo_Unit->SetText("");
    Combo_Port->SetText("");
    BT_Set->setEnabled(false);
}

void TTrafficSegmentationForm::BT_GetClick(QObject*)
{
    if (!Request)
        return;
    if (DataComplete == 0) {
        Say("Refresh not complete");
        return;
    }
    // A read still under way (the one after a Set) gives way to this one.
    Guarded([&] {
        Read(*Request);
        ClearPort();
    });
}

void TTrafficSegmentationForm::BT_SetClick(QObject*)
{
    if (!Request)
        return;
    if (DataComplete == 0 || SetReady == 0) {
        Say("Get data not complete");
        return;
    }
    // The switch's answer brings the new read.
    Guarded([&] {
        Write(*Request, true);
        SetReady = 0;
    });
    ClearPort();
}

void TTrafficSegmentationForm::StopBtnClick(QObject*)
{
    if (Request)
        Stop(*Request);
    DataComplete = 1;
    SetReady = 1;
}

void TTrafficSegmentationForm::LV_TrafficForwardClick(QObject*)
{
    if (LV_TrafficForward->Selected() == nullptr) {
        ClearPort();
        return;
    }
    // The row is in ST_Port and the picker already.
    std::int32_t port = 0;
    if (!TryStrToInt(ST_Port->Caption(), port))
        port = 0;
    const UnitPort shown = SplitGlobalPort(port);
    Combo_Unit->SetText(std::to_string(shown.Unit));
    Combo_Port->SetText(std::to_string(shown.Port));
    BT_Set->setEnabled(true);
}

void TTrafficSegmentationForm::LV_TrafficForwardChange(QObject*, ui::ListItem*)
{
    ShowRowCount(StaticText1, LV_TrafficForward);
}

void TTrafficSegmentationForm::btnCloseClick(QObject*) { Close(); }

void TTrafficSegmentationForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, LV_TrafficForward, Request);
}
