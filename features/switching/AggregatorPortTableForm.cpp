#include "features/switching/AggregatorPortTableForm.h"

#include "features/acl/TextChecks.h"
#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/CheckBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"

TAggregatorPortTableForm* AggregatorPortTableForm = nullptr;

namespace {

constexpr const char* StateBits = "0,1,2,3,4,5,6,7";
// The largest administrative key (the keys' input rules).
constexpr long long MaxAdminKey = 65535;

} // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true, .CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    // The operational states are shown in the list only.
    PageControl1->SetTabVisible(TabSheet2, false);
    PageControl1->SetTabVisible(TabSheet4, false);
    OnCreate = ui::Handler(this, &TAggregatorPortTableForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TAggregatorPortTableForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TAggregatorPortTableForm::FormClose);
    GetBtn->OnClick = ui::Handler(this, &TAggregatorPortTableForm::GetBtnClick);
    btnEdit->OnClick = ui::Handler(this, &TAggregatorPortTableForm::btnEditClick);
    btnStop->OnClick = ui::Handler(this, &TAggregatorPortTableForm::btnStopClick);
    btnClose->OnClick = ui::Handler(this, &TAggregatorPortTableForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TAggregatorPortTableForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TAggregatorPortTableForm::ListView1Change);
    DoCreate();
}

TAggregatorPortTableForm::~TAggregatorPortTableForm() { Request.reset(); }

std::vector<ui::CheckBox*> TAggregatorPortTableForm::StateBoxes() const
{
    return {CheckBox1,  CheckBox2,  CheckBox3,  CheckBox4,  CheckBox5,  CheckBox6,  CheckBox7,  CheckBox8,
            CheckBox9,  CheckBox10, CheckBox11, CheckBox12, CheckBox13, CheckBox14, CheckBox15, CheckBox16,
            CheckBox17, CheckBox18, CheckBox19, CheckBox20, CheckBox21, CheckBox22, CheckBox23, CheckBox24,
            CheckBox25, CheckBox26, CheckBox27, CheckBox28, CheckBox29, CheckBox30, CheckBox31, CheckBox32};
}

void TAggregatorPortTableForm::FormCreate(QObject*)
{
    btnEdit->setEnabled(false);
    const bool read = Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_lacpoam", "1.2.840.10006.300.43.1.2.1.1.1", nullptr, 24);
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lacpoam 1.2.840.10006.300.43.1.2.1.1.1");
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        MvSNMPRequest2Edits& ports = *Request;
        ports.Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);
        ports.AttachListView(ListView1, true);
        ports.BindEdits(ActorAdminKeyItem, "%i{n0x65535l5}", edtActorKey);
        ports.BindEdits(PartnerAdminSystemIDItem, "%s{l12}", edtPartnerID);
        ports.BindEdits(PartnerAdminKeyItem, "%i{n0x65535l5}", edtPartnerKey);
        const std::vector<ui::CheckBox*> boxes = StateBoxes();
        ports.BindCheckBoxes(ActorAdminStateItem, StateBits, {boxes.begin(), boxes.begin() + 8});
        ports.BindCheckBoxes(PartnerAdminStateItem, StateBits, {boxes.begin() + 16, boxes.begin() + 24});
        Attach(ports);
        Read(ports);
        ResetInputs();
    });
    if (!read)
        ResetInputs();
}

void TAggregatorPortTableForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    // The read left the bound editors disabled until a row is chosen; this window keeps them
    // usable.
    for (ui::CheckBox* box : StateBoxes())
        if (ui::Visible(box))
            box->setEnabled(true);
    edtActorKey->setEnabled(true);
    edtPartnerID->setEnabled(true);
    edtPartnerKey->setEnabled(true);
}

void TAggregatorPortTableForm::ResetInputs()
{
    for (ui::CheckBox* box : StateBoxes())
        if (ui::Visible(box))
            box->SetChecked(false);
    edtActorKey->SetText("");
    edtPartnerID->SetText("");
    edtPartnerKey->SetText("");
}

void TAggregatorPortTableForm::GetBtnClick(QObject*)
{
    if (DataComplete == 0)
        return;
    DataComplete = 0;
    const bool read = Guarded([&] {
        btnEdit->setEnabled(false);
        if (Request)
            Read(*Request);
        ResetInputs();
    });
    if (!read) {
        btnEdit->setEnabled(false);
        ResetInputs();
    }
}

void TAggregatorPortTableForm::ListView1Click(QObject*)
{
    if (ListView1->Selected() != nullptr) {
        btnEdit->setEnabled(true);
        return;
    }
    btnEdit->setEnabled(false);
    ResetInputs();
}

void TAggregatorPortTableForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TAggregatorPortTableForm::btnEditClick(QObject*)
{
    const bool done = Guarded([&] {
        if (DataComplete == 0) {
            Say(Variants().NotCompleteText);
            return;
        }
        if (!CheckMACAddressText(edtPartnerID->Text(), this))
            return;
        // An emptied key would go out as key 0 beside the other four values.
        if (!CheckNumberField(edtActorKey, "Actor Admin Key", 0, MaxAdminKey, this) ||
            !CheckNumberField(edtPartnerKey, "Partner Admin Key", 0, MaxAdminKey, this))
            return;
        if (!Request)
            return;
        // One SET of the five writable columns of the chosen port, then the table again.
        Write(*Request);
        GetBtnClick(nullptr);
    });
    if (!done) {
        btnEdit->setEnabled(false);
        ResetInputs();
    }
}

void TAggregatorPortTableForm::btnStopClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TAggregatorPortTableForm::btnCloseClick(QObject*) { Close(); }

void TAggregatorPortTableForm::FormCloseQuery(QObject*, bool& canClose) { canClose = !Request || MayClose(); }

void TAggregatorPortTableForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
}
