#include "features/system/MBAControlForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

TMBAControlForm* MBAControlForm = nullptr;

namespace {

// A synchronous request on the MAC-based access scalars that begin with oid.
std::unique_ptr<MvSNMPRequest2Edits> MacAccessScalars(QWidget* owner, const char* oid, int rows)
{
    const VarDescriptor* table = FindTable("Oid_mba", oid, nullptr, rows);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_mba ") + oid);
    auto request = std::make_unique<MvSNMPRequest2Edits>(owner);
    request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
    request->Mode = 0;
    request->Request.Timeout = TMBAControlForm::RequestTimeout;
    return request;
}

} // namespace

TMBAControlForm::TMBAControlForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TMBAControlForm::FormCreate);
    OnClose = ui::Handler(this, &TMBAControlForm::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TMBAControlForm::BT_GetClick);
    SetBtn->OnClick = ui::Handler(this, &TMBAControlForm::SetBtnClick);
    DelBtn->OnClick = ui::Handler(this, &TMBAControlForm::DelBtnClick);
    BT_Close->OnClick = ui::Handler(this, &TMBAControlForm::BT_CloseClick);
    DoCreate();
}

TMBAControlForm::~TMBAControlForm()
{
    MacAccessNameRequest.reset();
    MacAccessDeleteRequest.reset();
    MacAccessGuestVlanRequest.reset();
    MacAccessSettingsRequest.reset();
}

bool TMBAControlForm::Ready() const
{
    return MacAccessSettingsRequest && MacAccessGuestVlanRequest && MacAccessDeleteRequest && MacAccessNameRequest;
}

void TMBAControlForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Guest VLAN Ports", pgc1);
    Guarded([&] {
        MacAccessSettingsRequest = MacAccessScalars(this, "1.3.6.1.4.1.171.12.35.1.1", -1);
        MacAccessSettingsRequest->BindComboBox(0, Cbox_State);
        MacAccessSettingsRequest->BindComboBox(1, Cbox_Method);
        MacAccessSettingsRequest->BindEdits(2, "%s{l32}", edtPassWord);
        MacAccessSettingsRequest->BindComboBox(3, Cbox_ClearAllAction);
        MacAccessGuestVlanRequest = MacAccessScalars(this, "1.3.6.1.4.1.171.12.35.1.4", 2);
        MacAccessGuestVlanRequest->BindEdits(NameItem, "%s", edtName);
        MacAccessGuestVlanRequest->BindControlList(MemberPortsItem, PortBitIndexText(), PortPicker->PortBoxes);
        MacAccessDeleteRequest = MacAccessScalars(this, "1.3.6.1.4.1.171.12.35.1.7", -1);
        MacAccessDeleteRequest->BindComboBox(0, cbxDel);
        MacAccessNameRequest = MacAccessScalars(this, "1.3.6.1.4.1.171.12.35.1.4", 1);
        MacAccessNameRequest->BindEdits(0, "%s", Edit1);
        for (MvSNMPRequest2Edits* request : {MacAccessSettingsRequest.get(), MacAccessGuestVlanRequest.get(),
                                             MacAccessDeleteRequest.get(), MacAccessNameRequest.get()})
            Attach(*request, false);
        Read(*MacAccessNameRequest);
        Read(*MacAccessSettingsRequest);
        Read(*MacAccessGuestVlanRequest);
        Read(*MacAccessDeleteRequest);
    });
}

void TMBAControlForm::BT_GetClick(QObject*)
{
    if (!Ready())
        return;
    // Each read reports its own exception and the next one runs.
    for (MvSNMPRequest2Edits* request : {MacAccessGuestVlanRequest.get(), MacAccessDeleteRequest.get(),
                                         MacAccessNameRequest.get(), MacAccessSettingsRequest.get()}) {
        if (Running(request))
            return;
        Guarded([&] { Read(*request); });
    }
}

bool TMBAControlForm::WriteGuestVlan()
{
    bool refused = false;
    // The access of name and ports is back as it was afterwards, on every path.
    SkippedColumns skipped(MacAccessGuestVlanRequest->Request.VarList);
    Guarded([&] {
        // The name the switch holds now decides what goes out.
        Read(*MacAccessNameRequest);
        const std::string current = Edit1->Text();
        const std::string wanted = edtName->Text();
        if (!current.empty() && current != wanted) {
            Say("Can't change the VLAN name,delete previous name first.");
            refused = true;
            return;
        }
        if (current.empty() && wanted.empty())
            return; // no guest VLAN: nothing of it to write
        if (!current.empty())
            skipped.Skip(NameItem); // the same name: the member ports alone
        Write(*MacAccessGuestVlanRequest, true);
    });
    return !refused;
}

void TMBAControlForm::SetBtnClick(QObject*)
{
    if (!Ready() || Running(MacAccessSettingsRequest.get()))
        return;
    // The settings go out first; a refused SET shows its message box and the guest VLAN part
    // still runs.
    Guarded([&] { Write(*MacAccessSettingsRequest, true); });
    if (Running(MacAccessGuestVlanRequest.get()))
        return;
    if (WriteGuestVlan())
        BT_GetClick(nullptr);
}

void TMBAControlForm::DelBtnClick(QObject*)
{
    if (!Ready())
        return;
    if (!Running(MacAccessDeleteRequest.get())) {
        cbxDel->SetItemIndex(StartIndex);
        Guarded([&] { Write(*MacAccessDeleteRequest, true); });
    }
    BT_GetClick(nullptr);
}

void TMBAControlForm::BT_CloseClick(QObject*) { Close(); }

void TMBAControlForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, nullptr, MacAccessSettingsRequest, MacAccessGuestVlanRequest, MacAccessDeleteRequest,
              MacAccessNameRequest);
}
