#include "features/switching/StaticFilterForm.h"

#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "gui/VlanList.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"

namespace {

// No control supplies the receive port of the row index: a new entry (no row selected) goes to
// receive port 0, any receiving port. Written explicitly, as an empty key is refused.
class StaticFilterRequest : public MvSNMPRequest2Edits {
public:
    using MvSNMPRequest2Edits::MvSNMPRequest2Edits;
    void CollectValues() override
    {
        MvSNMPRequest2Edits::CollectValues();
        std::string& port = Request.VarList.Item(TStaticFilterForm::ReceivePortItem).value;
        if (port.empty())
            port = "0";
    }
};

} // namespace

TStaticFilterForm::TStaticFilterForm(QWidget* owner, const char* macRowOid, const char* macRowCaption,
                                     const char* portsTab)
    : ui::Form(owner),
      WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true, .ExceptionsToLogLine = true}),
      macRowOid_(macRowOid), macRowCaption_(macRowCaption), portsTab_(portsTab)
{
}

void TStaticFilterForm::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    // The status each write sends: chosen by the buttons, never by the user.
    c_.StatusCombo->hide();
    OnCreate = ui::Handler(this, &TStaticFilterForm::FormCreate);
    OnClose = ui::Handler(this, &TStaticFilterForm::FormClose);
    c_.btnClose->OnClick = ui::Handler(this, &TStaticFilterForm::btnCloseClick);
    c_.List->OnChange = ui::Handler(this, &TStaticFilterForm::ListChange);
}

void TStaticFilterForm::FormCreate(QObject*)
{
    Ports = AddPicker(portsTab_, c_.PageControl1);
    Guarded([&] {
        Request = std::make_unique<StaticFilterRequest>(this);
        const VarDescriptor* table =
            FindTable("Oid_qbridge", "1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", 5, {2, macRowOid_, macRowCaption_});
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_qbridge for ") + macRowCaption_);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 3);
        Request->AttachListView(c_.List, true);
        Request->BindEdits(VlanItem, "%i{n1x4094}", c_.VlanEdit);
        Request->BindEdits(MacItem, "%h", c_.MacEdit);
        // The keys' messages name the captions beside the edits, not the table's columns.
        Request->Constraint.FindRule(c_.VlanEdit)->Field = "VLAN ID";
        Request->Constraint.FindRule(c_.MacEdit)->Field = "MAC Address";
        Request->BindControlList(PortsItem, PortBitIndexText(), Ports->PortBoxes);
        Request->BindComboBox(StatusItem, c_.StatusCombo);
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(c_.ST_Count, c_.List);
    c_.DeleteBtn->setEnabled(false);
    if (c_.SetBtn != nullptr)
        c_.SetBtn->setEnabled(false);
}

void TStaticFilterForm::ResetInputs()
{
    if (Ports)
        Ports->UncheckAll();
    c_.VlanEdit->SetText("");
    c_.MacEdit->SetText("");
    c_.StatusCombo->SetText("");
    ShowRowCount(c_.ST_Count, c_.List);
}

void TStaticFilterForm::ListChange(QObject*, ui::ListItem*) { ShowRowCount(c_.ST_Count, c_.List); }

void TStaticFilterForm::ReadTable(bool whenIdle)
{
    Guarded([&] {
        if (Request && !(whenIdle && Running(Request.get())))
            Read(*Request);
        ShowRowCount(c_.ST_Count, c_.List);
    });
}

bool TStaticFilterForm::CheckKeys()
{
    return CheckNumberField(c_.VlanEdit, "VLAN ID", 1, MaxVlanId, this) &&
           CheckMACField(c_.MacEdit, "MAC Address", this);
}

void TStaticFilterForm::DeleteClick(QObject*)
{
    if (!Request)
        return;
    // Asks first; Cancel writes nothing. The status alone goes out, then the table is read again.
    Guarded([&] { DeleteSelectedRow(*Request, StatusItem, "invalid"); });
    NoSelection();
}

void TStaticFilterForm::btnCloseClick(QObject*) { Close(); }

void TStaticFilterForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.List, Request); }
