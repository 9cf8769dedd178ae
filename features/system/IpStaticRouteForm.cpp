#include "features/system/IpStaticRouteForm.h"

#include "features/system/IpStaticRouteEditForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TIpStaticRouteForm* IpStaticRouteForm = nullptr;

namespace {

const char* const StaticRouteTable = "1.3.6.1.4.1.171.11.133.N.1.3.2.5.1.1";
const char* const NoTableText = "The switch's model has no IP static route table.";

} // namespace

TIpStaticRouteForm::TIpStaticRouteForm(QWidget* owner)
    : ui::Form(owner), ListWindowFrame(this, {.CloseQuery = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    UseList(ListView1, StaticText1);
    OnCreate = ui::Handler(this, &TIpStaticRouteForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TIpStaticRouteForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TIpStaticRouteForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TIpStaticRouteForm::GetButtonClick);
    AddButton->OnClick = ui::Handler(this, &TIpStaticRouteForm::AddButtonClick);
    btnDefaultRoute->OnClick = ui::Handler(this, &TIpStaticRouteForm::btnDefaultRouteClick);
    EditButton->OnClick = ui::Handler(this, &TIpStaticRouteForm::EditButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TIpStaticRouteForm::DeleteButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TIpStaticRouteForm::CloseButtonClick);
    // The list's own handler, which the request keeps and calls when it takes the list.
    ListView1->OnSelectItem = ui::Handler(this, &TIpStaticRouteForm::ListView1SelectItem);
    ListView1->OnChange = ui::Handler(this, &TIpStaticRouteForm::ListView1Change);
    DoCreate();
}

TIpStaticRouteForm::~TIpStaticRouteForm()
{
    Request.reset();
    FreeDialog(::IpStaticRouteEditForm);
}

void TIpStaticRouteForm::FormCreate(QObject*)
{
    btnDefaultRoute->setEnabled(true);
    // The invisible Edit button leaves no gap.
    DeleteButton->move(DeleteButton->x(), 155);
    CloseButton->move(CloseButton->x(), 185);
    Guarded([&] { ::IpStaticRouteEditForm = new TIpStaticRouteEditForm(this); });
    TIpStaticRouteEditForm* dialog = ::IpStaticRouteEditForm;
    if (dialog != nullptr)
        CreateRequest(FindModelTable("Oid_ipif", StaticRouteTable, ModuleOIDText), MVT_UMV, 3, dialog, NoTableText,
                      [dialog](MvSNMPRequest2Edits& request) {
                          request.BindEdits(DestinationItem, "%s{l16}", dialog->DesEdit);
                          request.BindEdits(MaskItem, "%s{l16}", dialog->MaskEdit);
                          request.BindEdits(NextHopItem, "%s{l16}", dialog->NextHopEdit);
                          request.BindComboBox(BackupStateItem, dialog->BakeupComboBox);
                          request.BindEdits(MetricItem, "%i{n1x65535l5}", dialog->MetricEdit);
                          request.BindComboBox(StatusItem, dialog->cbxStatus);
                      });
    if (!Request) {
        // Nothing to read, add to or delete from.
        for (ui::Button* button : {GetButton, AddButton, btnDefaultRoute, EditButton, DeleteButton})
            button->setEnabled(false);
    }
    RowButtons(false);
    ShowRowCount();
}

void TIpStaticRouteForm::RowButtons(bool rowSelected)
{
    EditButton->setEnabled(rowSelected && Request != nullptr);
    DeleteButton->setEnabled(rowSelected && Request != nullptr);
}

void TIpStaticRouteForm::Deselected()
{
    Deselect(ListView1);
    RowButtons(false);
}

void TIpStaticRouteForm::GetButtonClick(QObject*)
{
    if (Refresh())
        RowButtons(false);
}

void TIpStaticRouteForm::AddButtonClick(QObject*)
{
    if (RefuseWhileReading(Request.get()) || ::IpStaticRouteEditForm == nullptr)
        return;
    OpenDialog(*::IpStaticRouteEditForm, AddMode, Caption() + " (Add)");
    Deselected();
}

void TIpStaticRouteForm::btnDefaultRouteClick(QObject*)
{
    if (RefuseWhileReading(Request.get()) || ::IpStaticRouteEditForm == nullptr)
        return;
    OpenDialog(*::IpStaticRouteEditForm, DefaultRouteMode, Caption() + " (Add Default Route)");
    Deselected();
    // The table again, as its dialog may have read it already: the newer read supersedes that
    // one, so no route is listed twice.
    Guarded([&] {
        if (Request)
            Read(*Request, true);
    });
}

void TIpStaticRouteForm::EditButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr)
        return;
    if (RefuseWhileReading(Request.get()) || ::IpStaticRouteEditForm == nullptr)
        return;
    OpenDialog(*::IpStaticRouteEditForm, EditMode, Caption() + "(Edit)", true);
    Deselected();
}

void TIpStaticRouteForm::DeleteButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        Say("Choose the item first.");
    } else {
        if (::IpStaticRouteEditForm == nullptr || !Request)
            return;
        if (RefuseWhileReading(Request.get()))
            return;
        TIpStaticRouteEditForm* dialog = ::IpStaticRouteEditForm;
        // The status "invalid" alone, on the selected route.
        WriteSelectedRow({.Skip = [](SkippedColumns& skipped) { skipped.KeepOnly(StatusItem); }},
                         [dialog] { dialog->cbxStatus->SetItemIndex(InvalidIndex); });
    }
    Deselected();
    ShowRowCount();
}

void TIpStaticRouteForm::CloseButtonClick(QObject*) { Close(); }

void TIpStaticRouteForm::ListView1SelectItem(QObject*, ui::ListItem*, bool) { RowButtons(ListView1->Selected() != nullptr); }

void TIpStaticRouteForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TIpStaticRouteForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    btnDefaultRoute->setEnabled(true);
    ListWindowFrame::OnEndGet(sender, result);
}

void TIpStaticRouteForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TIpStaticRouteForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::IpStaticRouteEditForm); }
