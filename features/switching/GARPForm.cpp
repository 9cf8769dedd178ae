#include "features/switching/GARPForm.h"

#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/RequestIdle.h"
#include "snmp/Exception.h"

TGARPForm* GARPForm = nullptr;

namespace {

// The milliseconds the three times take (their edits' input rules).
constexpr long long MinTime = 100, MaxTime = 100000;

} // namespace

TGARPForm::TGARPForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this)
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TGARPForm::FormCreate);
    OnClose = ui::Handler(this, &TGARPForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TGARPForm::RefreshBtnClick);
    SetBtn->OnClick = ui::Handler(this, &TGARPForm::SetBtnClick);
    btn1->OnClick = ui::Handler(this, &TGARPForm::btn1Click);
    LV_dot1dPortGarpEntry->OnChange = ui::Handler(this, &TGARPForm::LV_dot1dPortGarpEntryChange);
    LV_dot1dPortGarpEntry->OnClick = ui::Handler(this, &TGARPForm::LV_dot1dPortGarpEntryClick);
    DoCreate();
}

TGARPForm::~TGARPForm() { Request.reset(); }

void TGARPForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.6.1.3.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qbridge for the GARP timers");
        Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);
        Request->AttachListView(LV_dot1dPortGarpEntry, true);
        Request->BindEdits(JoinTimeItem, "%i{n100x100000l6}", GarpJoinTime);
        Request->BindEdits(LeaveTimeItem, "%i{n100x100000l6}", GarpLeaveTime);
        Request->BindEdits(LeaveAllTimeItem, "%i{n100x100000l6}", GarpLeaveAllTime);
        // Both ends make the window idle; a write's answer is reported first.
        Attach(*Request, true, true);
        Read(*Request);
        ShowRowCount(ST_Count, LV_dot1dPortGarpEntry);
    });
}

void TGARPForm::EnableTimes()
{
    for (ui::Edit* edit : {GarpJoinTime, GarpLeaveTime, GarpLeaveAllTime})
        edit->setEnabled(true);
}

void TGARPForm::RefreshBtnClick(QObject*)
{
    if (DataComplete == 0 || !Request)
        return;
    // The read after a write may still run: it ends before the new one starts.
    WhenRequestIdle(*Request, this, [this] {
        Guarded([&] {
            EnableTimes();
            Read(*Request);
            ShowRowCount(ST_Count, LV_dot1dPortGarpEntry);
        });
    });
}

void TGARPForm::SetBtnClick(QObject*)
{
    // Without a row the port would be empty, that is port 0.
    const ui::ListItem* row = LV_dot1dPortGarpEntry->Selected();
    if (DataComplete == 0 || !Request || row == nullptr)
        return;
    // An emptied time would go out as 0 milliseconds.
    if (!CheckNumberField(GarpJoinTime, "GARP Join Time", MinTime, MaxTime, this) ||
        !CheckNumberField(GarpLeaveTime, "GARP Leave Time", MinTime, MaxTime, this) ||
        !CheckNumberField(GarpLeaveAllTime, "GARP Leave All Time", MinTime, MaxTime, this))
        return;
    const std::string port = row->Caption();
    Guarded([&] {
        DataComplete = 0;
        // The three times of the port; the answer makes the window idle, then the framework
        // reads the table again.
        if (!Write(*Request, true))
            DataComplete = 1; // not sent: no answer will come
        for (int i = 0; i < LV_dot1dPortGarpEntry->Count(); ++i) {
            ui::ListItem* item = LV_dot1dPortGarpEntry->Item(i);
            if (item->Caption() == port) {
                LV_dot1dPortGarpEntry->SetSelected(item);
                break;
            }
            for (ui::Edit* edit : {GarpJoinTime, GarpLeaveTime, GarpLeaveAllTime})
                edit->SetText("");
        }
        ShowRowCount(ST_Count, LV_dot1dPortGarpEntry);
    });
}

void TGARPForm::LV_dot1dPortGarpEntryClick(QObject*)
{
    if (!Request)
        return;
    // A click ends a running read: the window is usable again once it has stopped.
    WhenRequestIdle(*Request, this, [this] {
        DataComplete = 1;
        EnableTimes();
    });
}

void TGARPForm::LV_dot1dPortGarpEntryChange(QObject*, ui::ListItem*) { ShowRowCount(ST_Count, LV_dot1dPortGarpEntry); }

void TGARPForm::btn1Click(QObject*) { Close(); }

void TGARPForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, LV_dot1dPortGarpEntry, Request); }
