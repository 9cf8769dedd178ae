#include "features/system/ProbeBasicInformationForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

std::string ProbeCapabilityText;
TProbeBasicInformationForm* ProbeBasicInformationForm = nullptr;

TProbeBasicInformationForm::TProbeBasicInformationForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    ProbeCapabilityText = "etherStats,historyControl,etherHistory,alarm,event,probeConfig";
    stCap->SetCaption(ProbeCapabilityText);
    OnCreate = ui::Handler(this, &TProbeBasicInformationForm::FormCreate);
    OnClose = ui::Handler(this, &TProbeBasicInformationForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TProbeBasicInformationForm::btnGetClick);
    btnSet->OnClick = ui::Handler(this, &TProbeBasicInformationForm::btnSetClick);
    btnClose->OnClick = ui::Handler(this, &TProbeBasicInformationForm::btnCloseClick);
    DoCreate();
}

TProbeBasicInformationForm::~TProbeBasicInformationForm() { Request.reset(); }

// Exceptions go to status panel 0: the bar has one panel, so its simple text would never show.
void TProbeBasicInformationForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_rmonprobe", "1.3.6.1.2.1.16.19.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_rmonprobe 1.3.6.1.2.1.16.19.1");
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->Mode = 0;
        Request->BindEdits(CapabilitiesItem, "%s", edtCap);
        Request->BindStaticText(SoftwareItem, stSoftware);
        Request->BindStaticText(HardwareItem, stHardware);
        Request->BindComboBox(ResetControlItem, cbxReset);
        Attach(*Request, false);
        Read(*Request);
    });
}

void TProbeBasicInformationForm::btnGetClick(QObject*)
{
    if (Request)
        Guarded([&] { Read(*Request); });
}

void TProbeBasicInformationForm::btnSetClick(QObject*)
{
    // Reset Control alone is writable; the others are read-only.
    if (Request)
        Guarded([&] { Write(*Request, true); });
}

void TProbeBasicInformationForm::btnCloseClick(QObject*) { Close(); }

void TProbeBasicInformationForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
