#include "features/system/LogSaveControlForm.h"

#include "catalogue/CatalogueIndex.h"
#include "features/common/FieldChecks.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

TLogSaveControlForm* LogSaveControlForm = nullptr;

namespace {

const char* const SaveScalars = "1.3.6.1.4.1.171.12.12.3.1";

} // namespace

TLogSaveControlForm::TLogSaveControlForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .KeepLayoutSize = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poScreenCenter);
    InitWindow();
    OnCreate = ui::Handler(this, &TLogSaveControlForm::FormCreate);
    OnClose = ui::Handler(this, &TLogSaveControlForm::FormClose);
    cbxLogSaveMethod->OnChange = ui::Handler(this, &TLogSaveControlForm::cbxLogSaveMethodChange);
    btnRefresh->OnClick = ui::Handler(this, &TLogSaveControlForm::btnRefreshClick);
    btnSet->OnClick = ui::Handler(this, &TLogSaveControlForm::btnSetClick);
    Button1->OnClick = ui::Handler(this, &TLogSaveControlForm::Button1Click);
    DoCreate();
}

TLogSaveControlForm::~TLogSaveControlForm() { Request.reset(); }

void TLogSaveControlForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_systemlogunit", SaveScalars, "Method");
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_systemlogunit ") + SaveScalars);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindComboBox(MethodItem, cbxLogSaveMethod);
        Request->BindEdits(IntervalItem, "%i{n1x65535l5a}", EdLogSavetimeInterval);
        Attach(*Request, false);
        Request->Mode = 0;
        Read(*Request);
    });
    cbxLogSaveMethodChange(cbxLogSaveMethod);
}

void TLogSaveControlForm::cbxLogSaveMethodChange(QObject*)
{
    // The interval matters only when the log is saved at that interval.
    EdLogSavetimeInterval->setEnabled(cbxLogSaveMethod->ItemIndex() == TimeIntervalIndex);
}

void TLogSaveControlForm::btnRefreshClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
    cbxLogSaveMethodChange(cbxLogSaveMethod);
}

void TLogSaveControlForm::btnSetClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    const bool atInterval = cbxLogSaveMethod->ItemIndex() == TimeIntervalIndex;
    if (cbxLogSaveMethod->ItemIndex() < 0) {
        Say("You should choose Log Save Method.");
        cbxLogSaveMethod->setFocus();
    } else if (atInterval && !CheckNumberField(EdLogSavetimeInterval, "Log SaveTime Interval", 1, 65535, this)) {
        // Nothing goes out, and no read overwrites what the user typed.
        return;
    } else {
        Guarded([&] {
            SkippedColumns skipped(Request->Request.VarList);
            if (!atInterval)
                skipped.Skip(IntervalItem);
            // Synchronous: a refusal has shown its message box when Write returns.
            Write(*Request);
        });
    }
    btnRefreshClick(btnRefresh);
}

void TLogSaveControlForm::Button1Click(QObject*) { Close(); }

void TLogSaveControlForm::FormClose(QObject*, ui::CloseAction&)
{
    FreeRequest(Request);
}
