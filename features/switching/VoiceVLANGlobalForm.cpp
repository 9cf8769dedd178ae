#include "features/switching/VoiceVLANGlobalForm.h"

#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/DeviceState.h"
#include "snmp/Exception.h"

#include "ui/Color.h"

TVoiceVLANGlobalForm* VoiceVLANGlobalForm = nullptr;

namespace {

const VarDescriptor* VoiceVlanTable(const char* oid)
{
    const VarDescriptor* table = FindTable("Oid_voicevlan", oid);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_voicevlan ") + oid);
    return table;
}

// "0,1,...": one part per port of the model (at least one), binding the model's port boxes.
std::string ModelPartList()
{
    std::string parts = "0";
    for (int bit = 1; bit < PortCountOfModel(ModelNameText); ++bit)
        parts += "," + std::to_string(bit);
    return parts;
}

} // namespace

TVoiceVLANGlobalForm::TVoiceVLANGlobalForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TVoiceVLANGlobalForm::FormCreate);
    OnClose = ui::Handler(this, &TVoiceVLANGlobalForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TVoiceVLANGlobalForm::btnGetClick);
    btnSet->OnClick = ui::Handler(this, &TVoiceVLANGlobalForm::btnSetClick);
    btnClose->OnClick = ui::Handler(this, &TVoiceVLANGlobalForm::btnCloseClick);
    tempGlobalComboBox->OnChange = ui::Handler(this, &TVoiceVLANGlobalForm::tempGlobalComboBoxChange);
    DoCreate();
}

TVoiceVLANGlobalForm::~TVoiceVLANGlobalForm()
{
    PortsRequest.reset();
    SettingsRequest.reset();
    GlobalRequest.reset();
}

void TVoiceVLANGlobalForm::FormCreate(QObject*)
{
    const std::string parts = ModelPartList();
    MemberPorts = AddPicker("Member Ports", PageControl1);
    DynamicPorts = AddPicker("Dynamic Ports", PageControl1);
    Guarded([&] {
        GlobalRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        GlobalRequest->Mode = 0;
        GlobalRequest->Request.VarList = MvSNMPVarList(VoiceVlanTable("1.3.6.1.4.1.171.12.74.1.1"), SVT_SV, 0);
        GlobalRequest->BindEdits(VlanIdItem, "%i{n1x4094l4}", VIDEdit);
        GlobalRequest->BindComboBox(GlobalStateItem, GlobalComboBox);

        SettingsRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        SettingsRequest->Mode = 0;
        SettingsRequest->Request.VarList = MvSNMPVarList(VoiceVlanTable("1.3.6.1.4.1.171.12.74.1.3"), SVT_SV, 0);
        SettingsRequest->BindEdits(0, "%i{n0x7l1}", PriorityEdit);
        SettingsRequest->BindEdits(1, "%i{n1x65535l5}", agTimeEdit);
        SettingsRequest->BindComboBox(2, logComboBox);

        PortsRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        PortsRequest->Mode = 0;
        PortsRequest->Request.VarList = MvSNMPVarList(VoiceVlanTable("1.3.6.1.4.1.171.12.74.2.1"), SVT_SV, 0);
        PortsRequest->BindControlList(0, parts, MemberPorts->PortBoxes);
        PortsRequest->BindControlList(1, parts, DynamicPorts->PortBoxes);

        for (MvSNMPRequest2Edits* request : {GlobalRequest.get(), SettingsRequest.get(), PortsRequest.get()})
            Attach(*request, false);

        ReadVoiceVlanSettings();
        tepVIDEdit->SetText(VIDEdit->Text());
        tempGlobalComboBox->SetText(GlobalComboBox->Text());
        // The port lists are only shown.
        MemberPorts->DisableAll();
        DynamicPorts->DisableAll();
        tempGlobalComboBoxChange(tempGlobalComboBox);
    });
}

void TVoiceVLANGlobalForm::ReadVoiceVlanSettings()
{
    Read(*GlobalRequest);
    tempGlobalComboBox->SetItemIndex(GlobalComboBox->ItemIndex());
    tepVIDEdit->SetText(VIDEdit->Text());
    Read(*SettingsRequest);
    // The switch keeps port lists only while voice VLAN is enabled.
    if (GlobalComboBox->ItemIndex() == DisabledIndex) {
        MemberPorts->UncheckAll();
        DynamicPorts->UncheckAll();
    } else if (GlobalComboBox->ItemIndex() == EnabledIndex) {
        Read(*PortsRequest);
    }
}

void TVoiceVLANGlobalForm::tempGlobalComboBoxChange(QObject*)
{
    // The ID can be typed only where it may be written: with voice VLAN to be enabled.
    if (tempGlobalComboBox->ItemIndex() == EnabledIndex) {
        tepVIDEdit->setEnabled(true);
        ui::SetColor(tepVIDEdit, ui::clWindow);
    } else if (tempGlobalComboBox->ItemIndex() == DisabledIndex) {
        tepVIDEdit->setEnabled(false);
        ui::SetColor(tepVIDEdit, ui::clMenu);
    }
}

void TVoiceVLANGlobalForm::WriteGlobal(bool vlanId, bool state)
{
    SkippedColumns skipped(GlobalRequest->Request.VarList);
    if (!vlanId)
        skipped.Skip(VlanIdItem);
    if (!state)
        skipped.Skip(GlobalStateItem);
    // A refused SET shows its message box; the steps after it still run.
    Write(*GlobalRequest);
}

bool TVoiceVLANGlobalForm::CheckSettings()
{
    return CheckNumberField(PriorityEdit, "Priority", 0, 7, this) &&
           CheckNumberField(agTimeEdit, "Aging Time", 1, 65535, this);
}

bool TVoiceVLANGlobalForm::WriteVoiceVlanSettings()
{
    // What the switch holds now decides the order of the writes.
    Read(*GlobalRequest);
    const int current = GlobalComboBox->ItemIndex();
    const int chosen = tempGlobalComboBox->ItemIndex();
    if (current == DisabledIndex) {
        // "0" deliberately writes no ID; an emptied or foreign ID writes nothing at all.
        if (!CheckNumberField(tepVIDEdit, "Voice VLAN ID", 0, 4094, this) || !CheckSettings())
            return false;
        VIDEdit->SetText(tepVIDEdit->Text());
        // An ID of 0 names no VLAN: the SET would carry nothing, so none is sent.
        if (VIDEdit->Text() != "0")
            WriteGlobal(true, false);
        GlobalComboBox->SetItemIndex(chosen);
        WriteGlobal(false, true);
        Read(*GlobalRequest);
        Write(*SettingsRequest);
    } else if (current == EnabledIndex && chosen == EnabledIndex) {
        if (tepVIDEdit->Text() != VIDEdit->Text()) {
            Say("Voice VLAN ID cannot be changed as it is enabled.");
            return true;
        }
        if (!CheckSettings())
            return false;
        Write(*SettingsRequest);
    } else if (current == EnabledIndex && chosen == DisabledIndex) {
        GlobalComboBox->SetItemIndex(DisabledIndex);
        WriteGlobal(false, true);
        Read(*GlobalRequest);
    }
    return true;
}

void TVoiceVLANGlobalForm::btnSetClick(QObject*)
{
    if (!GlobalRequest)
        return;
    Guarded([&] {
        // A refused value stays as typed for the correction: no read over it.
        if (WriteVoiceVlanSettings())
            ReadVoiceVlanSettings();
    });
}

void TVoiceVLANGlobalForm::btnGetClick(QObject*)
{
    if (!GlobalRequest)
        return;
    Guarded([&] { ReadVoiceVlanSettings(); });
}

void TVoiceVLANGlobalForm::btnCloseClick(QObject*) { Close(); }

void TVoiceVLANGlobalForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, nullptr, GlobalRequest, SettingsRequest, PortsRequest);
}
