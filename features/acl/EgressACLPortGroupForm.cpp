#include "features/acl/EgressACLPortGroupForm.h"

#include "features/acl/TextChecks.h"
#include "features/acl/TypedColumnChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/DeviceState.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TEgressACLPortGroupForm* EgressACLPortGroupForm = nullptr;

namespace {

constexpr const char* PortGroupTable = "1.3.6.1.4.1.171.12.88.1.1.1.1";

} // namespace

TEgressACLPortGroupForm::TEgressACLPortGroupForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TEgressACLPortGroupForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TEgressACLPortGroupForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TEgressACLPortGroupForm::FormClose);
    ListView1->OnChange = ui::Handler(this, &TEgressACLPortGroupForm::ListView1Change);
    ListView1->OnClick = ui::Handler(this, &TEgressACLPortGroupForm::ListView1Click);
    RefreshBtn->OnClick = ui::Handler(this, &TEgressACLPortGroupForm::RefreshBtnClick);
    btnAdd->OnClick = ui::Handler(this, &TEgressACLPortGroupForm::btnAddClick);
    btnSet->OnClick = ui::Handler(this, &TEgressACLPortGroupForm::btnSetClick);
    btnDelete->OnClick = ui::Handler(this, &TEgressACLPortGroupForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TEgressACLPortGroupForm::btnCloseClick);
    DoCreate();
}

TEgressACLPortGroupForm::~TEgressACLPortGroupForm() { Request.reset(); }

void TEgressACLPortGroupForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Ports", pgc1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_egressacl", PortGroupTable);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_egressacl ") + PortGroupTable);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(PortGroupIDItem, "%i{n1x64l2}", ED_PortGroupID);
        Request->BindComboBox(RowStatusItem, CBoxStatus);
        Request->BindEdits(NameItem, "%s{l16}", NameEdit);
        Request->BindControlList(PortItem, PortBitIndexText(), PortPicker->PortBoxes);
        Attach(*Request);
        Read(*Request);
        ShowRowCount(StaticText1, ListView1);
    });
    AddMode();
    CBoxStatus->SetItemIndex(CreateAndGoIndex);
}

void TEgressACLPortGroupForm::AddMode()
{
    btnSet->setEnabled(false);
    btnDelete->setEnabled(false);
    btnAdd->setEnabled(true);
}

void TEgressACLPortGroupForm::ResetInputs()
{
    if (PortPicker)
        PortPicker->UncheckAll();
    for (ui::Edit* edit : {ED_PortGroupID, NameEdit}) {
        edit->SetText("");
        edit->setEnabled(true);
        ui::SetColor(edit, ui::clWindow);
    }
    btnSet->setEnabled(false);
    CBoxStatus->SetItemIndex(CreateAndGoIndex);
    ShowRowCount(StaticText1, ListView1);
}

void TEgressACLPortGroupForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TEgressACLPortGroupForm::ListView1Click(QObject*)
{
    // A selected row is in the controls already: the request showed it on selection.
    if (ListView1->Selected() == nullptr) {
        ResetInputs();
        AddMode();
        return;
    }
    // The group's ports may change; its ID and name stay.
    for (ui::Edit* edit : {ED_PortGroupID, NameEdit}) {
        edit->setEnabled(false);
        ui::SetColor(edit, ui::clMenu);
    }
    btnSet->setEnabled(true);
    btnDelete->setEnabled(true);
    btnAdd->setEnabled(false);
}

void TEgressACLPortGroupForm::btnAddClick(QObject*)
{
    // The switch refuses an ID it has already: its refusal is reported like any failed write.
    if (ED_PortGroupID->Text().empty() || NameEdit->Text().empty()) {
        Say("Please input Port Group ID and Group Name.");
        return;
    }
    if (!HasSelectedPorts(PortPicker, UnitListViewRef, UnitCount, ModelNameText)) {
        Say("Please select ports.");
        return;
    }
    if (!Request)
        return;
    // The group's ID is its instance: a typo would create another group, or none.
    const FieldCaption caption = [&](int column) { return Request->Request.VarList.Item(column).caption; };
    if (!CheckTypedColumns(*Request, caption, this))
        return;
    Guarded([&] {
        CBoxStatus->SetItemIndex(CreateAndGoIndex);
        Write(*Request);
        // At once, behind the write: a read still under way gives way to it.
        Read(*Request, true);
    });
    AddMode();
    ResetInputs();
}

void TEgressACLPortGroupForm::btnSetClick(QObject*)
{
    if (!Request)
        return;
    Guarded([&] {
        // The row's status as it was read, its name and the ports as the user left them.
        Write(*Request);
        Read(*Request, true);
    });
    AddMode();
    ResetInputs();
}

void TEgressACLPortGroupForm::btnDeleteClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    CBoxStatus->SetItemIndex(DestroyIndex);
    try {
        {
            SkippedColumns skipped(Request->Request.VarList);
            skipped.KeepOnly(RowStatusItem);
            Write(*Request);
        }
        Read(*Request, true);
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
    AddMode();
    ResetInputs();
}

void TEgressACLPortGroupForm::RefreshBtnClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] {
        Read(*Request);
        ResetInputs();
    });
    AddMode();
}

void TEgressACLPortGroupForm::btnCloseClick(QObject*) { Close(); }

void TEgressACLPortGroupForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TEgressACLPortGroupForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
