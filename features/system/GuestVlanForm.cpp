#include "features/system/GuestVlanForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

TGuestVlanForm* GuestVlanForm = nullptr;

namespace {

// A synchronous request on the guest VLAN scalars that begin with oid, reporting in the status
// line.
std::unique_ptr<MvSNMPRequest2Edits> GuestVlanScalars(QWidget* owner, const char* oid, const char* caption,
                                                      int rows)
{
    const VarDescriptor* table = FindTable("Oid_dot1x", oid, caption, rows);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_dot1x ") + oid);
    auto request = std::make_unique<MvSNMPRequest2Edits>(owner);
    request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
    request->Mode = 0;
    request->Request.Timeout = TGuestVlanForm::RequestTimeout;
    return request;
}

} // namespace

TGuestVlanForm::TGuestVlanForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TGuestVlanForm::FormCreate);
    OnClose = ui::Handler(this, &TGuestVlanForm::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TGuestVlanForm::BT_GetClick);
    SetBtn->OnClick = ui::Handler(this, &TGuestVlanForm::SetBtnClick);
    DelBtn->OnClick = ui::Handler(this, &TGuestVlanForm::DelBtnClick);
    BT_Close->OnClick = ui::Handler(this, &TGuestVlanForm::BT_CloseClick);
    DoCreate();
}

TGuestVlanForm::~TGuestVlanForm()
{
    GuestVlanDeleteRequest.reset();
    GuestVlanNameRequest.reset();
    GuestVlanRequest.reset();
}

void TGuestVlanForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Guest VLAN Ports", pgc1);
    Guarded([&] {
        GuestVlanRequest = GuestVlanScalars(this, "1.3.6.1.4.1.171.12.30.1.1", "Guest VLAN Name", 2);
        GuestVlanRequest->BindEdits(NameItem, "%s", edtName);
        GuestVlanRequest->BindControlList(PortsItem, PortBitIndexText(), PortPicker->PortBoxes);
        GuestVlanNameRequest = GuestVlanScalars(this, "1.3.6.1.4.1.171.12.30.1.1", "Guest VLAN Name", 1);
        GuestVlanNameRequest->BindEdits(0, "%s", Edit1);
        GuestVlanDeleteRequest = GuestVlanScalars(this, "1.3.6.1.4.1.171.12.30.1.3", nullptr, -1);
        GuestVlanDeleteRequest->BindComboBox(0, cbxDel);
        for (MvSNMPRequest2Edits* request :
             {GuestVlanRequest.get(), GuestVlanNameRequest.get(), GuestVlanDeleteRequest.get()})
            Attach(*request, false);
        Read(*GuestVlanNameRequest);
        Read(*GuestVlanRequest);
    });
}

bool TGuestVlanForm::Ready() const
{
    return GuestVlanRequest && GuestVlanNameRequest && GuestVlanDeleteRequest;
}

void TGuestVlanForm::BT_GetClick(QObject*)
{
    if (!Ready() || Running(GuestVlanRequest.get()))
        return;
    Guarded([&] {
        Read(*GuestVlanRequest);
        Read(*GuestVlanNameRequest);
    });
    if (!Running(GuestVlanDeleteRequest.get()))
        Guarded([&] { Read(*GuestVlanDeleteRequest); });
}

void TGuestVlanForm::SetBtnClick(QObject*)
{
    if (!Ready() || Running(GuestVlanRequest.get()))
        return;
    {
        // The name goes out only when it is not the one last read; its access is back as it
        // was afterwards, so the next Set decides afresh.
        SkippedColumns skipped(GuestVlanRequest->Request.VarList);
        if (!Edit1->Text().empty() && Edit1->Text() == edtName->Text())
            skipped.Skip(NameItem);
        // A refused SET shows its message box; the window reads again all the same.
        Guarded([&] { Write(*GuestVlanRequest, true); });
    }
    BT_GetClick(nullptr);
}

void TGuestVlanForm::DelBtnClick(QObject*)
{
    if (!Ready())
        return;
    if (!Running(GuestVlanDeleteRequest.get())) {
        cbxDel->SetItemIndex(StartIndex);
        Guarded([&] { Write(*GuestVlanDeleteRequest, true); });
    }
    BT_GetClick(nullptr);
}

void TGuestVlanForm::BT_CloseClick(QObject*) { Close(); }

void TGuestVlanForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, nullptr, GuestVlanRequest, GuestVlanNameRequest, GuestVlanDeleteRequest);
}
