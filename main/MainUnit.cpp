#include "main/MainUnit.h"

#include "main/ExternalTools.h"
#include "main/Families.h"
#include "snmp/GlobalSession.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpError.h"
#include "snmp/SnmpSettings.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageBox.h"
#include "ui/Process.h"
#include "ui/Scale.h"

#include <stdexcept>

TMainForm* MainForm = nullptr;

namespace {

std::vector<std::string>& Parameters()
{
    static std::vector<std::string> parameters;
    return parameters;
}

} // namespace

const std::vector<std::string>& CommandLineParameters()
{
    return Parameters();
}

void SetCommandLineParameters(const std::vector<std::string>& parameters)
{
    Parameters() = parameters;
}

void InitMainUnit()
{
    MainForm = nullptr;
    ClearDeviceState();
}

void FinalizeMainUnit()
{
    ClearDeviceState();
}

TMainForm::TMainForm(QWidget* owner) : ui::MainWindow(owner)
{
    setupUi(this);
    // The layout's client area lies below the menu bar, which takes its row once it has items.
    const int clientHeight = ClientHeight();
    Menu_.Build(MainMenu1, MenuTree());
    SetClientHeight(clientHeight);
    Menu_.Bind([this](const std::string& onClick) { return HandlerFor(onClick); });
    Loaded();
    SetBorderStyle(ui::bsSingle);
    SetBorderIcons(ui::biSystemMenu | ui::biMinimize);
    SetPosition(ui::poScreenCenter);

    DPIScale = ui::DPIScale();
    ui::SetWidth(this, 800);
    CreateGlobalSession("");
    DefaultSecurity.Version = 0;
    LoadMessageFiles();
    if (CommandLineParameters().empty()) {
        ui::ShowMessage(this, "No parameter input");
        ui::Terminate();
        NoParameters_ = true;
    } else {
        ReadCommandLine(CommandLineParameters(), *this);
    }
    OnCreate = ui::Handler(this, &TMainForm::FormCreate);
    OnActivate = ui::Handler(this, &TMainForm::FormActivate);
    OnClose = ui::Handler(this, &TMainForm::FormClose);
    DoCreate();
}

// Frees the model names, then (as members) the text members from the last declared back to
// CaptionText, and the start-up requests before the controls they are bound to.
TMainForm::~TMainForm()
{
    ModelNames.clear();
}

ui::NotifyEvent TMainForm::HandlerFor(const std::string& onClick)
{
    const HandlerRow* row = FindHandler(onClick);
    if (row == nullptr || !CanRun(*row))
        return {};
    return [this, row](QObject*) { RunHandler(*row); };
}

bool TMainForm::CanRun(const HandlerRow& row) const
{
    switch (row.Family) {
    case HandlerFamily::ExternalTool:
    case HandlerFamily::Help:
    case HandlerFamily::Refresh:
        return true;
    default:
        return CanRunHandler(row);
    }
}

void TMainForm::RunHandler(const HandlerRow& row)
{
    switch (row.Family) {
    case HandlerFamily::ExternalTool:
        LaunchTool(row.PageSwitch);
        break;
    case HandlerFamily::Help:
        Help2Click(this);
        break;
    case HandlerFamily::Refresh:
        RefreshPanel1Click(this);
        break;
    default: {
        HandlerContext context{this, &CaptionText, AddressText, DPIScale};
        RunHandlerRow(row, context);
        break;
    }
    }
}

void TMainForm::LaunchTool(const std::string& pageSwitch)
{
    const ToolCommand command = ToolCommandFor(*this, pageSwitch);
    const std::string program = FindToolProgram(command.Program);
    if (program.empty())
        ui::ShowMessage(this, "The program " + command.Program +
                                  " was not found beside the module or on the search path.");
    else if (!ui::StartProgram(program, command.Arguments))
        ui::ShowMessage(this, "The program " + command.Program + " could not be started.");
}

void TMainForm::Help2Click(QObject*)
{
    ui::OpenHelpFile(this, HelpFilePath());
}

void TMainForm::RunHandlerNamed(std::string_view name)
{
    const HandlerRow* row = FindHandler(name);
    if (row == nullptr || !CanRun(*row))
        throw std::logic_error("no runnable handler " + std::string(name));
    RunHandler(*row);
}
