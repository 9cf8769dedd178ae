#include "features/system/PortSecurityVLANOnPortForm.h"

#include "features/common/FieldChecks.h"
#include "features/common/SynchronousScope.h"
#include "features/system/PortSecurityNoLimit.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/DeviceState.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TPortSecurityVLANOnPortForm* PortSecurityVLANOnPortForm = nullptr;

namespace {

const char* const VlanOnPortTable = "1.3.6.1.4.1.171.12.63.3.3.1.1.1";

} // namespace

TPortSecurityVLANOnPortForm::TPortSecurityVLANOnPortForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .KeepLayoutSize = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    MaxAddressLabel->SetCaption("Max. Learn Address (0-3328)");
    OnCreate = ui::Handler(this, &TPortSecurityVLANOnPortForm::FormCreate);
    OnClose = ui::Handler(this, &TPortSecurityVLANOnPortForm::FormClose);
    CBoxNolimit->OnClick = ui::Handler(this, &TPortSecurityVLANOnPortForm::CBoxNolimitClick);
    RefreshButton->OnClick = ui::Handler(this, &TPortSecurityVLANOnPortForm::RefreshButtonClick);
    AddButton->OnClick = ui::Handler(this, &TPortSecurityVLANOnPortForm::AddButtonClick);
    SetButton->OnClick = ui::Handler(this, &TPortSecurityVLANOnPortForm::SetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TPortSecurityVLANOnPortForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TPortSecurityVLANOnPortForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TPortSecurityVLANOnPortForm::ListView1Change);
    DoCreate();
}

TPortSecurityVLANOnPortForm::~TPortSecurityVLANOnPortForm() { Request.reset(); }

void TPortSecurityVLANOnPortForm::FormCreate(QObject*)
{
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_portsecurity", VlanOnPortTable);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_portsecurity ") + VlanOnPortTable);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(PortItem, "%i{l2}", PortEdit);
        Request->BindEdits(VlanItem, "%i{n1x4094l4}", VIDEdit);
        Request->BindEdits(MaxLearnAddressItem, "%i{n0x3328l4}", MaxLearnAddressEdit);
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
    SetButton->setEnabled(false);
}

void TPortSecurityVLANOnPortForm::CBoxNolimitClick(QObject*) { FollowNoLimitBox(CBoxNolimit, MaxLearnAddressEdit); }

void TPortSecurityVLANOnPortForm::RefreshButtonClick(QObject*)
{
    if (!Request)
        return;
    Guarded([&] {
        Stop(*Request);
        SetButton->setEnabled(false);
        CBoxNolimit->SetChecked(false);
        // A read still under way is superseded: its later answers list nothing.
        Read(*Request);
    });
    ResetInputs();
}

void TPortSecurityVLANOnPortForm::ListView1Click(QObject*)
{
    const bool chosen = ListView1->Selected() != nullptr;
    // A chosen row's keys stay: its limit is what Set changes.
    for (QWidget* adding : std::initializer_list<QWidget*>{AddButton, PortEdit, VIDEdit})
        adding->setEnabled(!chosen);
    SetButton->setEnabled(chosen);
    if (!chosen) {
        CBoxNolimit->SetChecked(false);
        PortEdit->SetText("");
        VIDEdit->SetText("");
        MaxLearnAddressEdit->SetText("");
    }
}

void TPortSecurityVLANOnPortForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TPortSecurityVLANOnPortForm::ResetInputs()
{
    for (QWidget* adding : std::initializer_list<QWidget*>{AddButton, PortEdit, VIDEdit})
        adding->setEnabled(true);
    SetButton->setEnabled(false);
    CBoxNolimit->SetChecked(false);
    PortEdit->SetText("");
    VIDEdit->SetText("");
    MaxLearnAddressEdit->SetText("");
    ShowRowCount(StaticText1, ListView1);
}

bool TPortSecurityVLANOnPortForm::Refuse(const char* message, QWidget* edit)
{
    Say(message);
    if (edit->isEnabled())
        edit->setFocus();
    return false;
}

bool TPortSecurityVLANOnPortForm::CheckTypedValues()
{
    return CheckNumberField(VIDEdit, "VLAN ID", 1, 4094, this) &&
           CheckLimitField(CBoxNolimit, MaxLearnAddressEdit, "Max. Learn Address", 0, this);
}

void TPortSecurityVLANOnPortForm::WriteRow()
{
    Guarded([&] {
        // One exchange at a time: the read that runs ends before the write goes out.
        if (Running(Request.get()))
            StopAndWait(*Request);
        {
            // Asynchronous again however the write ends.
            SynchronousScope synchronous(*Request);
            Write(*Request);
        }
        Read(*Request);
    });
    ResetInputs();
}

void TPortSecurityVLANOnPortForm::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    if (MaxLearnAddressEdit->Text().empty() && !CBoxNolimit->Checked()) {
        Refuse("Please input a Max. Learn Address number.", MaxLearnAddressEdit);
        return;
    }
    // A port below 1 would go out as a sub-identifier far beyond the switch's ports.
    if (!ParseNumberText(PortEdit->Text(), 1, PortCountOfModel(ModelNameCopy))) {
        Refuse("Please input a valid Port number.", PortEdit);
        return;
    }
    if (VIDEdit->Text().empty()) {
        Refuse("Please input a VLAN ID.", VIDEdit);
        return;
    }
    if (!CheckTypedValues())
        return;
    WriteRow();
}

void TPortSecurityVLANOnPortForm::SetButtonClick(QObject*)
{
    if (!Request || ListView1->Selected() == nullptr)
        return;
    if (MaxLearnAddressEdit->Text().empty() && !CBoxNolimit->Checked()) {
        Refuse("Please input a Max Learn Address number.", MaxLearnAddressEdit);
        return;
    }
    if (PortEdit->Text().empty()) {
        Refuse("Please input Port number.", PortEdit);
        return;
    }
    if (VIDEdit->Text().empty()) {
        Refuse("Please input a VLAN ID.", VIDEdit);
        return;
    }
    if (!CheckTypedValues())
        return;
    WriteRow();
}

void TPortSecurityVLANOnPortForm::CloseButtonClick(QObject*) { Close(); }

void TPortSecurityVLANOnPortForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
}
