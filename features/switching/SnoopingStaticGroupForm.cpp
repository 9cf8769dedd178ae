#include "features/switching/SnoopingStaticGroupForm.h"

#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "gui/VlanList.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/Color.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"

TSnoopingStaticGroupForm::TSnoopingStaticGroupForm(QWidget* owner, const StaticGroupKind& kind)
    : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true}), kind_(kind)
{
}

void TSnoopingStaticGroupForm::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    // The status each write sends: chosen by the buttons, never by the user.
    c_.CBoxStatus->hide();
    OnCreate = ui::Handler(this, &TSnoopingStaticGroupForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TSnoopingStaticGroupForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TSnoopingStaticGroupForm::FormClose);
    c_.btnGet->OnClick = ui::Handler(this, &TSnoopingStaticGroupForm::btnGetClick);
    c_.btnSet->OnClick = ui::Handler(this, &TSnoopingStaticGroupForm::btnSetClick);
    c_.btnAdd->OnClick = ui::Handler(this, &TSnoopingStaticGroupForm::btnAddClick);
    c_.btnDelete->OnClick = ui::Handler(this, &TSnoopingStaticGroupForm::btnDeleteClick);
    c_.btnClose->OnClick = ui::Handler(this, &TSnoopingStaticGroupForm::btnCloseClick);
    c_.List->OnClick = ui::Handler(this, &TSnoopingStaticGroupForm::ListClick);
    c_.List->OnChanging = ui::Handler(this, &TSnoopingStaticGroupForm::ListChanging);
}

void TSnoopingStaticGroupForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    MemberPorts = AddPicker("Member Ports", c_.PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_mcast", kind_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_mcast ") + kind_.TableOid);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(c_.List, true);
        Request->BindEdits(VlanItem, "%i{n1x4094l4}", c_.VlanIDEdit);
        Request->BindEdits(AddressItem, kind_.AddressRule, c_.RepalceIPEdit);
        Request->BindControlList(MemberPortsItem, ports, MemberPorts->PortBoxes);
        Request->BindComboBox(RowStatusItem, c_.CBoxStatus);
        Attach(*Request);
        Read(*Request);
        ShowRowCount(c_.StaticText1, c_.List);
    });
    RowButtons(false);
    c_.CBoxStatus->SetItemIndex(CreateAndGoIndex);
}

void TSnoopingStaticGroupForm::RowButtons(bool rowSelected)
{
    c_.btnSet->setEnabled(rowSelected);
    c_.btnDelete->setEnabled(rowSelected);
    c_.btnAdd->setEnabled(!rowSelected);
}

void TSnoopingStaticGroupForm::ResetInputs()
{
    if (MemberPorts)
        MemberPorts->UncheckAll();
    for (ui::Edit* edit : {c_.VlanIDEdit, c_.RepalceIPEdit}) {
        edit->setEnabled(true);
        ui::SetColor(edit, ui::clWindow);
        edit->SetText("");
    }
    c_.CBoxStatus->SetItemIndex(CreateAndGoIndex);
    ShowRowCount(c_.StaticText1, c_.List);
}

void TSnoopingStaticGroupForm::ListClick(QObject*)
{
    // A selected row is in the controls already (the request loaded it on selection).
    if (c_.List->Selected() == nullptr)
        ResetInputs();
    RowButtons(c_.List->Selected() != nullptr);
}

void TSnoopingStaticGroupForm::ListChanging(QObject*, ui::ListItem*) { ShowRowCount(c_.StaticText1, c_.List); }

void TSnoopingStaticGroupForm::btnGetClick(QObject*)
{
    if (DataComplete == 0)
        return;
    bool read = false;
    const bool ok = Guarded([&] {
        if (!Request || Running(Request.get()))
            return;
        Read(*Request);
        read = true;
        ResetInputs();
    });
    if (read || !ok)
        RowButtons(false);
}

void TSnoopingStaticGroupForm::btnSetClick(QObject*)
{
    if (c_.List->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    if (DataComplete == 0) {
        Say(Variants().NotCompleteText);
        return;
    }
    Guarded([&] {
        c_.CBoxStatus->SetItemIndex(ActiveIndex);
        Write(*Request);
        // The read goes out behind the write; a read still under way gives way to it.
        Read(*Request, true);
    });
    RowButtons(false);
    ResetInputs();
}

bool TSnoopingStaticGroupForm::CheckNewRow()
{
    if (c_.VlanIDEdit->Text().empty()) {
        Say("Multicast VLAN ID need to input.");
        c_.VlanIDEdit->SetFocus();
        return false;
    }
    if (!CheckNumberField(c_.VlanIDEdit, "VLAN ID", 1, MaxVlanId, this))
        return false;
    const std::string address = c_.RepalceIPEdit->Text();
    if (address.empty()) {
        Say(kind_.AddressEmptyText);
        FocusAddress();
        return false;
    }
    if (!kind_.CheckAddress(address, this)) {
        Say(kind_.AddressInvalidText);
        FocusAddress();
        return false;
    }
    if (!kind_.AddSetsCreateAndGo && c_.CBoxStatus->ItemIndex() != CreateAndGoIndex) {
        Say("Row Status must be createAndGo.");
        return false;
    }
    return true;
}

void TSnoopingStaticGroupForm::FocusAddress()
{
    if (c_.RepalceIPEdit->isEnabled())
        c_.RepalceIPEdit->SetFocus();
}

void TSnoopingStaticGroupForm::btnAddClick(QObject*)
{
    if (RefuseWhileReading(Request.get()) || !CheckNewRow())
        return;
    Guarded([&] {
        if (kind_.AddSetsCreateAndGo)
            c_.CBoxStatus->SetItemIndex(CreateAndGoIndex);
        DataComplete = 0;
        Write(*Request);
        Read(*Request);
        ResetInputs();
    });
}

void TSnoopingStaticGroupForm::btnDeleteClick(QObject*)
{
    if (RefuseWhileReading(Request.get()))
        return;
    Guarded([&] {
        c_.CBoxStatus->SetItemIndex(DestroyIndex);
        DataComplete = 0;
        {
            // The status alone: the member ports stay out of this SET and are written again by
            // the next one.
            SkippedColumns marks(Request->Request.VarList);
            marks.KeepOnly(RowStatusItem);
            Write(*Request);
        }
        Read(*Request);
        ResetInputs();
    });
    RowButtons(false);
}

void TSnoopingStaticGroupForm::btnCloseClick(QObject*) { Close(); }

void TSnoopingStaticGroupForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TSnoopingStaticGroupForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, c_.List, Request);
}
