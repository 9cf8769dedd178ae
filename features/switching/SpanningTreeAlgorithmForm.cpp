#include "features/switching/SpanningTreeAlgorithmForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/ProgressForm2.h"
#include "snmp/Exception.h"

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"

TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm = nullptr;

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TSpanningTreeAlgorithmForm::FormCreate);
    OnClose = ui::Handler(this, &TSpanningTreeAlgorithmForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TSpanningTreeAlgorithmForm::GetButtonClick);
    SetButton->OnClick = ui::Handler(this, &TSpanningTreeAlgorithmForm::SetButtonClick);
    Button1->OnClick = ui::Handler(this, &TSpanningTreeAlgorithmForm::Button1Click);
    DoCreate();
}

TSpanningTreeAlgorithmForm::~TSpanningTreeAlgorithmForm() { Request.reset(); }

void TSpanningTreeAlgorithmForm::FormCreate(QObject*)
{
    // Not guarded: an exception while opening is the application's to show.
    QWidget* mainWindow = ui::MainForm();
    Request = std::make_unique<MvSNMPRequest2Edits>(mainWindow != nullptr ? mainWindow : this);
    const VarDescriptor* table = FindTable("Oid_common", "1.3.6.1.4.1.171.12.15.1.1");
    if (table == nullptr)
        throw Exception("No descriptor table Oid_common 1.3.6.1.4.1.171.12.15.1.1");
    Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
    Request->BindComboBox(0, ComboBox1);
    Attach(*Request, false, false);
    Read(*Request);
}

void TSpanningTreeAlgorithmForm::GetButtonClick(QObject*)
{
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
}

void TSpanningTreeAlgorithmForm::SetButtonClick(QObject*)
{
    if (!Request)
        return;
    // Nothing chosen yet (the first read has not filled the list): nothing is written or read.
    const std::string choice = ComboBox1->ItemIndex() >= 0 ? ComboBox1->Text() : std::string();
    if (choice == "disabled") {
        Guarded([&] { Write(*Request, true); });
    } else if (choice == "enabled") {
        if (ui::Confirm(this, "To enable STP may take a long time. Do you want to go on?"))
            Guarded([&] { EnableWithProgress(); });
    } else {
        return;
    }
    // The state as the switch has it now; a read started behind an unanswered write goes out
    // after it and supersedes none.
    Guarded([&] { Read(*Request); });
}

void TSpanningTreeAlgorithmForm::EnableWithProgress()
{
    ProgressForm2 = new TProgressForm2(nullptr, this);
    struct Free {
        ~Free()
        {
            delete ProgressForm2;
            ProgressForm2 = nullptr;
        }
    } free;
    ProgressForm2->SetCaption("Enable STP Progress");
    ProgressForm2->LB_Prompt->SetCaption("Enable STP is processing...");
    // For the rest of the window's life.
    Request->Request.Timeout = EnableTimeout;
    Write(*Request, false);
    // Its modal loop keeps the SNMP pump running: the answer is received and reported meanwhile.
    ProgressForm2->ShowModal();
}

void TSpanningTreeAlgorithmForm::Button1Click(QObject*) { Close(); }

void TSpanningTreeAlgorithmForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, nullptr, Request);
}
