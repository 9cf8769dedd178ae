#include "features/system/Ipv6StaticRouteForm.h"

#include "features/system/Ipv6StaticRouteEditForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TIpv6StaticRouteForm* Ipv6StaticRouteForm = nullptr;

namespace {

const char* const RouteTable = "1.3.6.1.4.1.171.12.26.3.1.1.1";
const char* const NoTableText = "The IPv6 static route table is missing.";

} // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(QWidget* owner)
    : ui::Form(owner), ListWindowFrame(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poScreenCenter);
    InitWindow();
    UseList(ListView1, StaticText1);
    OnCreate = ui::Handler(this, &TIpv6StaticRouteForm::FormCreate);
    OnClose = ui::Handler(this, &TIpv6StaticRouteForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TIpv6StaticRouteForm::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TIpv6StaticRouteForm::btnAddClick);
    btnAddDefault->OnClick = ui::Handler(this, &TIpv6StaticRouteForm::btnAddDefaultClick);
    btnDelete->OnClick = ui::Handler(this, &TIpv6StaticRouteForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TIpv6StaticRouteForm::btnCloseClick);
    // The list's own handler, which the request keeps and calls when it takes the list.
    ListView1->OnSelectItem = ui::Handler(this, &TIpv6StaticRouteForm::ListView1SelectItem);
    ListView1->OnChange = ui::Handler(this, &TIpv6StaticRouteForm::ListView1Change);
    DoCreate();
}

TIpv6StaticRouteForm::~TIpv6StaticRouteForm()
{
    Request.reset();
    FreeDialog(::Ipv6StaticRouteEditForm);
}

void TIpv6StaticRouteForm::FormCreate(QObject*)
{
    Guarded([&] { ::Ipv6StaticRouteEditForm = new TIpv6StaticRouteEditForm(this); });
    TIpv6StaticRouteEditForm* dialog = ::Ipv6StaticRouteEditForm;
    if (dialog != nullptr)
        CreateRequest(FindTable("Oid_ipif", RouteTable), MVT_UMV, 4, dialog, NoTableText,
                      [dialog](MvSNMPRequest2Edits& request) {
                          request.BindEdits(DestinationItem, "%h{l32f}", dialog->edtDst);
                          request.BindEdits(PrefixItem, "%i{n0x128l3}", dialog->edtPrefix);
                          request.BindEdits(InterfaceItem, "%s{l12}", dialog->edtInterface);
                          request.BindEdits(NextHopItem, "%s{l32f}", dialog->edtNextHop);
                          request.BindEdits(MetricItem, "%i{n1x65535l5}", dialog->edtMetric);
                          request.BindEdits(ProtocolItem, "%s", dialog->edtProtocol);
                          request.BindComboBox(StatusItem, dialog->cbxStatus);
                          request.BindComboBox(BackupItem, dialog->cbxBackup);
                      },
                      false);
    if (!Request) {
        for (ui::Button* button : {btnAdd, btnAddDefault})
            button->setEnabled(false);
    }
    btnDelete->setEnabled(false);
    ShowRowCount();
}

void TIpv6StaticRouteForm::btnGetClick(QObject*)
{
    if (Refresh())
        btnDelete->setEnabled(false);
}

void TIpv6StaticRouteForm::OpenAddDialog(int mode, const std::string& suffix)
{
    if (::Ipv6StaticRouteEditForm == nullptr)
        return;
    // Not refused while a read runs: the dialog's read after its write supersedes it. The list
    // selection stays as it was.
    OpenDialog(*::Ipv6StaticRouteEditForm, mode, "IPv6 Static Route: " + DeviceIPText + suffix);
}

void TIpv6StaticRouteForm::btnAddClick(QObject*) { OpenAddDialog(AddMode, " (Add)"); }

void TIpv6StaticRouteForm::btnAddDefaultClick(QObject*) { OpenAddDialog(DefaultRouteMode, " (Add default)"); }

void TIpv6StaticRouteForm::btnDeleteClick(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        Say("Choose the item first.");
    } else {
        if (RefuseWhileReading(Request.get()))
            return;
        TIpv6StaticRouteEditForm* dialog = ::Ipv6StaticRouteEditForm;
        if (dialog == nullptr)
            return;
        // Status destroy with the route's own backup state; the metric stays out.
        WriteSelectedRow({.Skip = [](SkippedColumns& skipped) { skipped.Skip(MetricItem); }},
                         [dialog] { dialog->cbxStatus->SetItemIndex(DestroyIndex); });
    }
    btnDelete->setEnabled(false);
    if (ListView1->Count() == 0)
        StaticText1->SetCaption("0");
}

void TIpv6StaticRouteForm::btnCloseClick(QObject*) { Close(); }

void TIpv6StaticRouteForm::ListView1SelectItem(QObject*, ui::ListItem*, bool)
{
    btnDelete->setEnabled(ListView1->Selected() != nullptr);
}

void TIpv6StaticRouteForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TIpv6StaticRouteForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::Ipv6StaticRouteEditForm); }
