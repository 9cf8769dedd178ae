#include "features/switching/PortMirrorForm.h"

#include "features/common/GlobalPort.h"
#include "features/common/NumberKeyFilter.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Convert.h"
#include "snmp/DeviceState.h"

#include <algorithm>

TPortMirrorForm::TPortMirrorForm(QWidget* owner)
    : ui::Form(owner),
      WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TPortMirrorForm::FormCreate);
    OnClose = ui::Handler(this, &TPortMirrorForm::FormClose);
    BT_Refresh->OnClick = ui::Handler(this, &TPortMirrorForm::BT_RefreshClick);
    BT_Set->OnClick = ui::Handler(this, &TPortMirrorForm::BT_SetClick);
    Button1->OnClick = ui::Handler(this, &TPortMirrorForm::Button1Click);
    ET_TargetPort->OnChange = ui::Handler(this, &TPortMirrorForm::ET_TargetPortChange);
    UnitEdit->OnKeyPress = ui::Handler(this, &TPortMirrorForm::UnitEditKeyPress);
    PortEdit->OnKeyPress = ui::Handler(this, &TPortMirrorForm::PortEditKeyPress);
    DoCreate();
}

TPortMirrorForm::~TPortMirrorForm() { Request.reset(); }

void TPortMirrorForm::FormCreate(QObject*)
{
    IngressPorts = AddPicker("Ingress Ports", PageControl1);
    EgressPorts = AddPicker("Egress Ports", PageControl2);
    // An exception before the log target is set goes to the status line all the same.
    Guarded([&] {
        const VarDescriptor* table = FindModelTable("Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.10.1", ModuleOIDText);
        if (table == nullptr)
            return; // a switch of no known model: nothing to read or write
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->Mode = 0;
        const std::string ports = PortBitIndexText();
        Request->BindEdits(TargetPortItem, "%i", ET_TargetPort);
        Request->BindControlList(IngressItem, ports, IngressPorts->PortBoxes);
        Request->BindControlList(EgressItem, ports, EgressPorts->PortBoxes);
        Request->BindComboBox(StateItem, State_Combox);
        Attach(*Request, false);
        Read(*Request);
        ET_TargetPortChange(ET_TargetPort);
    });
}

void TPortMirrorForm::ET_TargetPortChange(QObject*)
{
    std::int32_t target = 0;
    if (!TryStrToInt(ET_TargetPort->Text(), target))
        target = 0;
    const UnitPort shown = SplitGlobalPort(target);
    PortEdit->SetText(std::to_string(shown.Port));
    UnitEdit->SetText(std::to_string(shown.Unit));
}

void TPortMirrorForm::UnitEditKeyPress(QObject*, char& key) { NumberKeyFilter(key); }

void TPortMirrorForm::PortEditKeyPress(QObject*, char& key) { NumberKeyFilter(key); }

void TPortMirrorForm::BT_RefreshClick(QObject*)
{
    if (!Request)
        return;
    Guarded([&] {
        Read(*Request);
        ET_TargetPortChange(ET_TargetPort);
    });
}

void TPortMirrorForm::FocusPort()
{
    if (PortEdit->isEnabled())
        PortEdit->SetFocus();
}

void TPortMirrorForm::RefusePort()
{
    Say("set valid master port");
    FocusPort();
    Say("Set valid target port");
    FocusPort();
}

bool TPortMirrorForm::CheckTargetPort(int port)
{
    // The pickers hold the ports of unit 1: a port beyond them can be neither checked nor used.
    if (port <= 0 || port > TStackingPortUitForm::PortsPerUnit) {
        RefusePort();
        return false;
    }
    ET_TargetPort->SetText(std::to_string(JoinGlobalPort(1, port)));
    const auto checked = [port](const TStackingPortUitForm* picker) {
        const std::vector<ui::CheckBox*> boxes = picker->UnitBoxes(1);
        return port <= static_cast<int>(boxes.size()) && boxes[static_cast<std::size_t>(port - 1)]->Checked();
    };
    if (checked(IngressPorts) || checked(EgressPorts)) {
        Say("Target port can not be member port.");
        return false;
    }
    return true;
}

void TPortMirrorForm::WriteOnly(std::initializer_list<int> items)
{
    SkippedColumns skipped(Request->Request.VarList);
    for (int item : {TargetPortItem, IngressItem, EgressItem, StateItem})
        if (std::find(items.begin(), items.end(), item) == items.end())
            skipped.Skip(item);
    // A refused SET shows its message box; the next one is sent all the same.
    Write(*Request);
}

void TPortMirrorForm::BT_SetClick(QObject*)
{
    // The window always works on unit 1.
    UnitEdit->SetText("1");
    if (!Request)
        return;
    Guarded([&] {
        if (!CheckTargetPort(StrToInt(PortEdit->Text())))
            return;
        // The switch takes the target before it takes the source ports.
        WriteOnly({TargetPortItem, StateItem});
        WriteOnly({IngressItem});
        WriteOnly({EgressItem});
    });
}

void TPortMirrorForm::Button1Click(QObject*) { Close(); }

void TPortMirrorForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
