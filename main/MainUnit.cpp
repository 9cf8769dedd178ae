#include "main/MainUnit.h"

#include "main/ExternalTools.h"
#include "snmp/GlobalSession.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpError.h"
#include "snmp/SnmpSettings.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageBox.h"
#include "ui/Process.h"
#include "ui/Scale.h"

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

// The requests go before the controls they are bound to.
TMainForm::~TMainForm() = default;

ui::NotifyEvent TMainForm::HandlerFor(const std::string& onClick)
{
    const HandlerRow* row = FindHandler(onClick);
    if (row == nullptr || !CanRun(*row))
        return {};
    return [this, row](QObject*) { RunHandler(*row); };
}

bool TMainForm::CanRun(const HandlerRow& row) const
{
    // The other families arrive with their windows; until then their items stay disabled.
    return row.Family == HandlerFamily::ExternalTool || row.Family == HandlerFamily::Help ||
           row.Family == HandlerFamily::Refresh;
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
    default:
        break;
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
