#include "features/system/IpCtrlForm.h"

#include "features/system/IPCtrlEdtForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TIpCtrlForm* IpCtrlForm = nullptr;

namespace {

const char* const InterfaceTable = "1.3.6.1.4.1.171.11.133.N.1.3.2.1.3.1.1";
const char* const NoTableText = "The switch's model has no IP interface table.";

} // namespace

TIpCtrlForm::TIpCtrlForm(QWidget* owner)
    : TBasicForm(owner), ListWindowFrame(this, {.CloseQuery = true, .KeepLayoutSize = true})
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    UseList(ListView1, StaticText1);
    btnDel->setEnabled(false);
    btnEdit->setEnabled(false);
    btnRefresh->setEnabled(true);
    btnAdd->setEnabled(true);
    OnCreate = ui::Handler(this, &TIpCtrlForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TIpCtrlForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TIpCtrlForm::FormClose);
    btnRefresh->OnClick = ui::Handler(this, &TIpCtrlForm::btnRefreshClick);
    btnAdd->OnClick = ui::Handler(this, &TIpCtrlForm::btnAddClick);
    btnEdit->OnClick = ui::Handler(this, &TIpCtrlForm::btnEditClick);
    btnDel->OnClick = ui::Handler(this, &TIpCtrlForm::btnDelClick);
    btnStop->OnClick = ui::Handler(this, &TIpCtrlForm::btnStopClick);
    btnClose->OnClick = ui::Handler(this, &TIpCtrlForm::btnCloseClick);
    // The list's own handler, which the request keeps and calls when it takes the list.
    ListView1->OnSelectItem = ui::Handler(this, &TIpCtrlForm::ListView1SelectItem);
    ListView1->OnChange = ui::Handler(this, &TIpCtrlForm::ListView1Change);
    ListView1->OnDblClick = ui::Handler(this, &TIpCtrlForm::ListView1DblClick);
    DoCreate();
}

TIpCtrlForm::~TIpCtrlForm()
{
    Request.reset();
    FreeDialog(::IPCtrlEdtForm);
}

void TIpCtrlForm::FormCreate(QObject*)
{
    Guarded([&] { ::IPCtrlEdtForm = new TIPCtrlEdtForm(this); });
    TIPCtrlEdtForm* d = ::IPCtrlEdtForm;
    if (d != nullptr)
        CreateRequest(FindModelTable("Oid_ipif", InterfaceTable, ModuleOIDText), MVT_UMV, 1, d, NoTableText,
                      [this, d](MvSNMPRequest2Edits& request) {
                          SavedFlags.Save(request.Request.VarList);
                          CheckBoxes.clear();
                          ValueControls.clear();
                          ColumnCount = request.Request.VarList.Count();
                          KeyCount = request.Request.VarList.keyCount;
                          BindEdit(request, 0, "%s{l12}", d->edtInterface, d->CheckBox1);
                          BindEdit(request, 1, "%i{n0x65535l5}", d->edtIndex, nullptr);
                          BindEdit(request, 2, "%s{l16}", d->edtIPAddr, d->CheckBox2);
                          BindEdit(request, 3, "%s{l16}", d->edtMask, d->CheckBox3);
                          BindEdit(request, 4, "%s{l32}", d->edtVlan, d->CheckBox4);
                          BindCombo(request, 5, d->cbxMode, d->CheckBox6);
                          BindCombo(request, 6, d->cbxAdmin, d->CheckBox7);
                          BindCombo(request, 7, d->cbxIpv4Admin, d->CheckBox8);
                          BindCombo(request, 8, d->Option12State_ComboBox, d->CheckBox_Option12State);
                          BindEdit(request, 9, "%s", d->edtHostName, d->CheckBox_HostName);
                          BindCombo(request, 10, d->cbxIpv6Admin, d->CheckBox11);
                          BindEdit(request, 11, "%s{l32f}", d->edtIpv6Addr, nullptr);
                          BindEdit(request, 12, "%i{n0x128l3}", d->edtIPv6Prefix, nullptr);
                          BindCombo(request, 13, d->IPv6AutoStateComboBox, d->CheckBox12);
                          BindCombo(request, 14, d->DhcpclientState, d->CheckBox16);
                          BindCombo(request, 15, d->cbxState, d->CheckBox13);
                          SkipIndex = StateItem;
                      });
    if (Request && SavedFlags.Empty())
        SavedFlags.Save(Request->Request.VarList);
    if (!Request) {
        for (ui::Button* button : {btnRefresh, btnAdd, btnEdit, btnDel, btnStop})
            button->setEnabled(false);
    }
}

std::string TIpCtrlForm::DialogCaption(const std::string& mode)
{
    return "IP Control Table: " + DeviceIPText + " (" + mode + ")";
}

void TIpCtrlForm::btnRefreshClick(QObject*) { Refresh(); }

void TIpCtrlForm::btnAddClick(QObject*)
{
    if (DataComplete == 0) {
        Say(Variants().NotCompleteText);
        return;
    }
    if (::IPCtrlEdtForm == nullptr || RefuseWhileReading(Request.get()))
        return;
    OpenDialog(*::IPCtrlEdtForm, AddMode, DialogCaption("Add"));
}

void TIpCtrlForm::btnEditClick(QObject*)
{
    if (DataComplete == 0) {
        Say(Variants().NotCompleteText);
        return;
    }
    if (ListView1->Selected() == nullptr || ::IPCtrlEdtForm == nullptr || RefuseWhileReading(Request.get()))
        return;
    OpenDialog(*::IPCtrlEdtForm, EditMode, DialogCaption("Edit"), true);
    Deselect(ListView1);
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);
}

void TIpCtrlForm::ListView1DblClick(QObject* sender) { btnEditClick(sender); }

void TIpCtrlForm::btnDelClick(QObject*)
{
    const ui::ListItem* row = ListView1->Selected();
    if (row != nullptr) {
        if (RefuseWhileReading(Request.get()))
            return;
        TIPCtrlEdtForm* dialog = ::IPCtrlEdtForm;
        if (dialog == nullptr)
            return;
        if (row->Caption() == SystemInterface) {
            Say("The system IP interface can't be deleted.");
            return;
        }
        // The State destroy alone, answered before the list is read again; the request reads
        // asynchronously again afterwards, also after an exception.
        WriteSelectedRow({.Skip = [](SkippedColumns& skipped) { skipped.KeepOnly(StateItem); },
                          .Flags = &SavedFlags,
                          .Synchronous = true},
                         [dialog] { dialog->cbxState->SetItemIndex(DestroyIndex); });
    }
    btnDel->setEnabled(false);
}

void TIpCtrlForm::btnStopClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TIpCtrlForm::btnCloseClick(QObject*) { Close(); }

void TIpCtrlForm::ListView1SelectItem(QObject*, ui::ListItem*, bool)
{
    const ui::ListItem* row = ListView1->Selected();
    if (row == nullptr) {
        btnDel->setEnabled(false);
        btnEdit->setEnabled(false);
        btnAdd->setEnabled(Request != nullptr);
        return;
    }
    btnDel->setEnabled(row->Caption() != SystemInterface);
    btnAdd->setEnabled(false);
    btnEdit->setEnabled(true);
}

void TIpCtrlForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TIpCtrlForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    btnAdd->setEnabled(true);
    btnDel->setEnabled(false);
    ListWindowFrame::OnEndGet(sender, result);
}

void TIpCtrlForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TIpCtrlForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::IPCtrlEdtForm); }
