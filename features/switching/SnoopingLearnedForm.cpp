#include "features/switching/SnoopingLearnedForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"

TSnoopingLearnedForm::TSnoopingLearnedForm(QWidget* owner, const LearnedTableKind& kind)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = kind.Table != LearnedTable::Groups, .CloseActionFree = true}),
      kind_(kind)
{
}

void TSnoopingLearnedForm::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    OnCreate = ui::Handler(this, &TSnoopingLearnedForm::FormCreate);
    OnClose = ui::Handler(this, &TSnoopingLearnedForm::FormClose);
    c_.btnGet->OnClick = ui::Handler(this, &TSnoopingLearnedForm::btnGetClick);
    c_.btnClose->OnClick = ui::Handler(this, &TSnoopingLearnedForm::btnCloseClick);
    if (c_.btnSet != nullptr)
        c_.btnSet->OnClick = ui::Handler(this, &TSnoopingLearnedForm::btnSetClick);
    if (c_.StopButton != nullptr)
        c_.StopButton->OnClick = ui::Handler(this, &TSnoopingLearnedForm::StopButtonClick);
    c_.ListView1->OnClick = ui::Handler(this, &TSnoopingLearnedForm::ListView1Click);
    c_.ListView1->OnChanging = ui::Handler(this, &TSnoopingLearnedForm::ListView1Changing);
}

void TSnoopingLearnedForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    switch (kind_.Table) {
    case LearnedTable::DataDriven:
        Pickers = {AddPicker("Router Ports", c_.PageControl1)};
        break;
    case LearnedTable::Forwarding:
        Pickers = {AddPicker("Member Ports", c_.PageControl1)};
        break;
    case LearnedTable::Groups:
        Pickers = {AddPicker("Include Member Ports", c_.PageControl1),
                   AddPicker("Exclude Member Ports", c_.PageControl1), AddPicker("Router Ports", c_.PageControl1)};
        break;
    }
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_mcast", kind_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_mcast ") + kind_.TableOid);
        switch (kind_.Table) {
        case LearnedTable::DataDriven:
            Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
            break;
        case LearnedTable::Forwarding:
            Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 3);
            break;
        case LearnedTable::Groups:
            // The bound controls are off after every read until a row is chosen.
            Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 3);
            break;
        }
        Request->AttachListView(c_.ListView1, true);
        BindColumns(ports);
        Attach(*Request, HasDataComplete());
        Read(*Request);
        ShowRowCount(c_.StaticText1, c_.ListView1);
    });
    if (kind_.Table == LearnedTable::DataDriven) {
        c_.btnSet->setEnabled(false);
        DisablePickers();
    }
}

void TSnoopingLearnedForm::BindColumns(const std::string& ports)
{
    MvSNMPRequest2Edits& r = *Request;
    switch (kind_.Table) {
    case LearnedTable::DataDriven:
        r.BindStaticText(DDVlanItem, c_.stVID);
        r.BindEdits(DDGroupItem, "%s{l16}", c_.edtIPAddress);
        r.BindControlList(DDRouterPortsItem, ports, Pickers[0]->PortBoxes);
        r.BindEdits(DDUpTimeItem, "%i", c_.edtUptime);
        r.BindEdits(DDExpiryTimeItem, "%i", c_.edtExpiryTime);
        r.BindComboBox(DDClearItem, c_.CBoxClear);
        break;
    case LearnedTable::Forwarding:
        r.BindStaticText(FwdVlanItem, c_.stVID);
        r.BindEdits(FwdSourceItem, "%s{l32}", c_.edtIPAddress);
        r.BindEdits(FwdGroupItem, "%s{l32}", c_.edtMAC);
        r.BindControlList(FwdMemberPortsItem, ports, Pickers[0]->PortBoxes);
        break;
    case LearnedTable::Groups:
        // The VLAN shows in the list alone.
        r.BindStaticText(GrpSourceItem, c_.stSourceIP);
        r.BindStaticText(GrpGroupItem, c_.stGroupIP);
        r.BindControlList(GrpIncludePortsItem, ports, Pickers[0]->PortBoxes);
        r.BindControlList(GrpExcludePortsItem, ports, Pickers[1]->PortBoxes);
        r.BindControlList(GrpRouterPortsItem, ports, Pickers[2]->PortBoxes);
        r.BindEdits(GrpUpTimeItem, "%i", c_.edtUptime);
        r.BindEdits(GrpExpiryTimeItem, "%i", c_.edtExpiryTime);
        break;
    }
}

void TSnoopingLearnedForm::DisablePickers()
{
    for (const QPointer<TStackingPortUitForm>& picker : Pickers)
        if (picker)
            picker->DisableAll();
}

void TSnoopingLearnedForm::ResetInputs()
{
    for (const QPointer<TStackingPortUitForm>& picker : Pickers)
        if (picker)
            picker->UncheckAll();
    for (ui::Label* text : {c_.stVID, c_.stSourceIP, c_.stGroupIP})
        if (text != nullptr)
            text->SetCaption("");
    for (ui::Edit* edit : {c_.edtIPAddress, c_.edtMAC, c_.edtUptime, c_.edtExpiryTime})
        if (edit != nullptr)
            edit->SetText("");
    if (c_.btnSet != nullptr)
        c_.btnSet->setEnabled(false);
    ShowRowCount(c_.StaticText1, c_.ListView1);
}

void TSnoopingLearnedForm::ListView1Click(QObject*)
{
    if (c_.ListView1->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    // The row is in the controls already; its ports are shown, not changed.
    DisablePickers();
    if (c_.btnSet != nullptr)
        c_.btnSet->setEnabled(true);
}

void TSnoopingLearnedForm::ListView1Changing(QObject*, ui::ListItem*) { ShowRowCount(c_.StaticText1, c_.ListView1); }

void TSnoopingLearnedForm::btnGetClick(QObject*)
{
    if (HasDataComplete()) {
        if (!Request || DataComplete == 0 || Running(Request.get()))
            return;
        Guarded([&] {
            Read(*Request);
            ResetInputs();
        });
        return;
    }
    // A read still under way gives way to this one; after Stop the request is active again.
    if (!Guarded([&] {
            if (Request)
                Read(*Request);
            ResetInputs();
        }))
        ResetInputs();
}

void TSnoopingLearnedForm::btnSetClick(QObject*)
{
    if (!Request || c_.ListView1->Selected() == nullptr)
        return;
    // Clear Group of the chosen row, the only column written; the table is read again by
    // Refresh. After Stop the request is active again.
    if (!Guarded([&] {
            Write(*Request);
            ResetInputs();
        }))
        ResetInputs();
}

void TSnoopingLearnedForm::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TSnoopingLearnedForm::btnCloseClick(QObject*) { Close(); }

void TSnoopingLearnedForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.ListView1, Request); }
