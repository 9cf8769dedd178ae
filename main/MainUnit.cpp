#include "main/MainUnit.h"

#include "snmp/GlobalSession.h"
#include "snmp/SnmpError.h"
#include "snmp/SnmpSettings.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageBox.h"
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
    } else {
        ReadCommandLine(CommandLineParameters(), *this);
    }
}

TMainForm::~TMainForm() = default;
