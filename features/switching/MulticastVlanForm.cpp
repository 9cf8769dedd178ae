#include "features/switching/MulticastVlanForm.h"

#include "features/common/FieldChecks.h"
#include "features/switching/IPv6FieldCheck.h"

#include "catalogue/CatalogueIndex.h"
#include "features/acl/TextChecks.h"
#include "gui/PortFunctions.h"
#include "gui/VlanList.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/Color.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/PageControl.h"

#include <charconv>

namespace {

// An editor the window enables and disables itself: painted window colour when enabled, the
// given colour (button face as a rule) when not.
void Use(QWidget* control, bool enabled, ui::Color offColour = ui::clBtnFace)
{
    control->setEnabled(enabled);
    ui::SetColor(control, enabled ? ui::clWindow : offColour);
}

void FocusIfEnabled(ui::Edit* edit)
{
    if (edit->isEnabled())
        edit->SetFocus();
}

// A whole decimal number, perhaps negative, and nothing else.
bool WholeNumber(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

} // namespace

TMulticastVlanForm::TMulticastVlanForm(QWidget* owner, const MulticastVlanKind& kind)
    : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true}), kind_(kind)
{
}

void TMulticastVlanForm::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    // The status each write sends: chosen by the buttons, never by the user.
    c_.CBoxStatus->hide();
    OnCreate = ui::Handler(this, &TMulticastVlanForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TMulticastVlanForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TMulticastVlanForm::FormClose);
    c_.btnGet->OnClick = ui::Handler(this, &TMulticastVlanForm::btnGetClick);
    c_.btnSet->OnClick = ui::Handler(this, &TMulticastVlanForm::btnSetClick);
    c_.btnAdd->OnClick = ui::Handler(this, &TMulticastVlanForm::btnAddClick);
    c_.btnDelete->OnClick = ui::Handler(this, &TMulticastVlanForm::btnDeleteClick);
    c_.btnClose->OnClick = ui::Handler(this, &TMulticastVlanForm::btnCloseClick);
    c_.List->OnClick = ui::Handler(this, &TMulticastVlanForm::LV_IGMPMulticastVlanEntryClick);
    c_.List->OnChanging = ui::Handler(this, &TMulticastVlanForm::LV_IGMPMulticastVlanEntryChanging);
    c_.CBoxType->OnChange = ui::Handler(this, &TMulticastVlanForm::CBoxTypeChange);
}

void TMulticastVlanForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    SourcePorts = AddPicker("Source Ports", c_.PageControl1);
    MemberPorts = AddPicker("Member Ports", c_.PageControl1);
    TagMemberPorts = AddPicker("Tagged Member Ports", c_.PageControl1);
    UntagSourcePorts = AddPicker("Untagged Source Ports", c_.PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_mcast", kind_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_mcast ") + kind_.TableOid);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(c_.List, true);
        Request->BindEdits(VlanItem, "%i{n2x4094l4}", c_.VlanIDEdit);
        Request->BindEdits(NameItem, "%s{l32}", c_.VlanNameEdit);
        Request->BindControlList(SourcePortsItem, ports, SourcePorts->PortBoxes);
        Request->BindControlList(MemberPortsItem, ports, MemberPorts->PortBoxes);
        Request->BindControlList(TagMemberPortsItem, ports, TagMemberPorts->PortBoxes);
        Request->BindControlList(UntagSourcePortsItem, ports, UntagSourcePorts->PortBoxes);
        Request->BindComboBox(StateItem, c_.CBoxState);
        Request->BindComboBox(TypeItem, c_.CBoxType);
        Request->BindEdits(AddressItem, "%s", c_.RepalceIPEdit);
        Request->BindEdits(RemapPriorityItem, "%i{n-1x7l2}", c_.RemapPriorityEdit);
        Request->BindComboBox(ReplacePriorityItem, c_.CBoxRaplacePriority);
        Request->BindEdits(ProfileItem, "%s", c_.ProfileIDListEdit);
        Request->BindComboBox(RowStatusItem, c_.CBoxStatus);
        Attach(*Request);
        Read(*Request);
        ResetInputs();
    });
    // The editors as they are with no row chosen.
    ShowRowEditors(false);
    c_.CBoxState->SetItemIndex(0);
    c_.CBoxType->SetItemIndex(kind_.TypeIndex);
}

void TMulticastVlanForm::RowButtons(bool rowSelected)
{
    c_.btnSet->setEnabled(rowSelected);
    c_.btnDelete->setEnabled(rowSelected);
    c_.btnAdd->setEnabled(!rowSelected);
}

void TMulticastVlanForm::ShowRowEditors(bool rowSelected)
{
    RowButtons(rowSelected);
    if (rowSelected) {
        // The VLAN is the row's key; in the IGMP window its name is fixed with it.
        Use(c_.VlanIDEdit, false, kind_.ChecksInput ? ui::clBtnFace : ui::clMenu);
        if (kind_.ChecksInput)
            Use(c_.VlanNameEdit, false);
    } else if (kind_.ChecksInput) {
        Use(c_.VlanNameEdit, true);
    }
    // State, type, address and profiles belong to an existing VLAN.
    for (QWidget* editor :
         std::initializer_list<QWidget*>{c_.CBoxState, c_.CBoxType, c_.RepalceIPEdit, c_.ProfileIDListEdit})
        Use(editor, rowSelected);
    ShowAddressEditor();
}

void TMulticastVlanForm::ShowAddressEditor()
{
    if (kind_.ChecksInput) {
        if (c_.List->Selected() != nullptr)
            Use(c_.RepalceIPEdit, true);
        return;
    }
    // No address goes with the type "unknown".
    Use(c_.RepalceIPEdit, c_.CBoxType->ItemIndex() != 0);
}

void TMulticastVlanForm::CBoxTypeChange(QObject*) { ShowAddressEditor(); }

void TMulticastVlanForm::ResetInputs()
{
    for (TStackingPortUitForm* picker :
         {SourcePorts.data(), MemberPorts.data(), TagMemberPorts.data(), UntagSourcePorts.data()})
        if (picker != nullptr)
            picker->UncheckAll();
    Use(c_.VlanIDEdit, true);
    for (ui::Edit* edit :
         {c_.VlanIDEdit, c_.VlanNameEdit, c_.RepalceIPEdit, c_.RemapPriorityEdit, c_.ProfileIDListEdit})
        edit->SetText("");
    c_.CBoxState->SetItemIndex(0);
    c_.CBoxType->SetItemIndex(kind_.TypeIndex);
    c_.CBoxStatus->SetItemIndex(CreateAndGoIndex);
    RowButtons(false);
    Use(c_.RepalceIPEdit, false);
    if (kind_.ChecksInput)
        Use(c_.VlanNameEdit, true);
    ShowRowCount(c_.StaticText1, c_.List);
}

void TMulticastVlanForm::LV_IGMPMulticastVlanEntryClick(QObject*)
{
    // A selected row is in the controls already (the request loaded it on selection).
    const bool rowSelected = c_.List->Selected() != nullptr;
    if (!rowSelected)
        ResetInputs();
    ShowRowEditors(rowSelected);
}

void TMulticastVlanForm::LV_IGMPMulticastVlanEntryChanging(QObject*, ui::ListItem*)
{
    ShowRowCount(c_.StaticText1, c_.List);
}

void TMulticastVlanForm::btnGetClick(QObject*)
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

bool TMulticastVlanForm::CheckRemapPriority(ui::Edit* edit, QWidget* owner)
{
    const std::string text = edit->Text();
    if (text == "none") {
        edit->SetText("-1");
        return true;
    }
    int priority = 0;
    if (WholeNumber(text, priority) && priority >= -1 && priority <= 7)
        return true;
    ui::ShowMessage(owner, "Please input a number between -1 and 7");
    return false;
}

bool TMulticastVlanForm::CheckAddress(SkippedColumns& skipped)
{
    const std::string address = c_.RepalceIPEdit->Text();
    if (address.empty()) {
        skipped.Skip(AddressItem);
        return true;
    }
    // The whole text: a longer one that begins with an address is no address, and the switch
    // would be sent FF FF FF FF for it.
    if (CheckIPAddressText(address, this))
        return true;
    Say("IP Address in not valid.");
    FocusIfEnabled(c_.RepalceIPEdit);
    return false;
}

bool TMulticastVlanForm::CheckRemapPriority(SkippedColumns& skipped)
{
    if (c_.RemapPriorityEdit->Text().empty()) {
        skipped.Skip(RemapPriorityItem);
        return true;
    }
    return CheckRemapPriority(c_.RemapPriorityEdit, this);
}

bool TMulticastVlanForm::CheckTypedIfGiven()
{
    // Left empty, each is left out of the write; typed, it goes out as typed or not at all.
    const std::string address = c_.RepalceIPEdit->Text();
    if (!address.empty() && !CheckIPv6Field(c_.RepalceIPEdit, "Replace Source IP", this))
        return false;
    if (!c_.RemapPriorityEdit->Text().empty() && !CheckRemapPriority(c_.RemapPriorityEdit, this)) {
        FocusIfEnabled(c_.RemapPriorityEdit);
        return false;
    }
    return true;
}

void TMulticastVlanForm::btnAddClick(QObject*)
{
    if (RefuseWhileReading(Request.get()))
        return;
    Guarded([&] {
        {
            // Every flag back as it was when this scope ends, a message ending the action too:
            // the read that follows walks every column.
            SkippedColumns skipped(Request->Request.VarList);
            if (c_.VlanIDEdit->Text().empty()) {
                Say("Multicast VLAN ID need to input.");
                c_.VlanIDEdit->SetFocus();
                return;
            }
            if (!CheckNumberField(c_.VlanIDEdit, "VLAN ID", 2, MaxVlanId, this))
                return;
            if (kind_.ChecksInput) {
                if (c_.VlanNameEdit->Text().empty()) {
                    Say("VLAN Name need to input..");
                    FocusIfEnabled(c_.VlanNameEdit);
                    return;
                }
                if (!CheckAddress(skipped) || !CheckRemapPriority(skipped))
                    return;
                skipped.SkipIfEmpty(ProfileItem, c_.ProfileIDListEdit);
            } else {
                if (!CheckTypedIfGiven())
                    return;
                skipped.SkipIfEmpty(NameItem, c_.VlanNameEdit);
                skipped.SkipIfEmpty(AddressItem, c_.RepalceIPEdit);
                skipped.SkipIfEmpty(RemapPriorityItem, c_.RemapPriorityEdit);
            }
            skipped.Skip(StateItem);
            skipped.Skip(TypeItem);
            if (kind_.ChecksInput && HasSelectedPorts(SourcePorts) && HasSelectedPorts(UntagSourcePorts)) {
                Say("The Source Ports and Untag Source Ports can't be Choose at the same time");
                return;
            }
            c_.CBoxStatus->SetItemIndex(CreateAndGoIndex);
            DataComplete = 0;
            if (c_.CBoxRaplacePriority->ItemIndex() < 0)
                c_.CBoxRaplacePriority->SetItemIndex(ReplacePriorityDisabledIndex);
            // A new VLAN gets its ports by Set, once it has been read back.
            for (int item : {SourcePortsItem, MemberPortsItem, TagMemberPortsItem, UntagSourcePortsItem})
                skipped.Skip(item);
            Write(*Request);
        }
        Read(*Request);
        ResetInputs();
    });
}

void TMulticastVlanForm::btnSetClick(QObject*)
{
    if (c_.List->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    if (DataComplete == 0) {
        Say(Variants().NotCompleteText);
        return;
    }
    Use(c_.VlanIDEdit, false, ui::clMenu);
    // IGMP: the one type, left out; MLD: always written as ipv6.
    c_.CBoxType->SetItemIndex(kind_.TypeIndex);
    bool written = false;
    {
        SkippedColumns skipped(Request->Request.VarList);
        if (kind_.ChecksInput) {
            if (c_.VlanNameEdit->Text().empty()) {
                Say("VLAN Name need to input..");
                FocusIfEnabled(c_.VlanNameEdit);
                return;
            }
            if (!CheckAddress(skipped) || !CheckRemapPriority(skipped))
                return;
            skipped.Skip(TypeItem);
        } else {
            if (!CheckTypedIfGiven())
                return;
            skipped.SkipIfEmpty(NameItem, c_.VlanNameEdit);
            skipped.SkipIfEmpty(AddressItem, c_.RepalceIPEdit);
            skipped.SkipIfEmpty(RemapPriorityItem, c_.RemapPriorityEdit);
            skipped.SkipIfEmpty(ProfileItem, c_.ProfileIDListEdit);
        }
        DataComplete = 0;
        written = Guarded([&] {
            c_.CBoxStatus->SetItemIndex(ActiveIndex);
            Write(*Request);
        });
    }
    if (written)
        Guarded([&] {
            Read(*Request);
            ResetInputs();
        });
    RowButtons(false);
    ResetInputs();
}

void TMulticastVlanForm::btnDeleteClick(QObject*)
{
    if (RefuseWhileReading(Request.get()))
        return;
    Guarded([&] {
        c_.CBoxStatus->SetItemIndex(DestroyIndex);
        DataComplete = 0;
        {
            // The status alone; every other column is written again by the next write.
            SkippedColumns marks(Request->Request.VarList);
            marks.KeepOnly(RowStatusItem);
            Write(*Request);
        }
        Read(*Request);
        ResetInputs();
    });
    RowButtons(false);
}

void TMulticastVlanForm::btnCloseClick(QObject*) { Close(); }

void TMulticastVlanForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TMulticastVlanForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.List, Request); }
