#include "main/Startup.h"

#include "catalogue/Catalogue.h"
#include "main/MainUnit.h"
#include "panel/LedColorMaps.h"
#include "snmp/GlobalSession.h"
#include "snmp/VarList.h"
#include "ui/Application.h"
#include "ui/Guard.h"

#include <exception>

int WinMain()
{
    try {
        ui::SetApplicationTitle("Sorvane-Series");
        MainForm = new TMainForm(nullptr);
        ui::SetMainForm(MainForm);
        ui::Run();
    } catch (const std::exception& e) {
        ui::ShowException(e);
    }
    delete MainForm;
    MainForm = nullptr;
    return 0;
}

void InitProgramModules()
{
    // Module initialisation, in the order the modules depend on each other.
    InitMainUnit();
    InitRequestStatics();
    InitCatalogue();
    BuildLedColorMaps();
    InitVarListNameTables();
}

void FreeProgramModules()
{
    // Module finalisation, in reverse.
    FreeVarListNameTables();
    FreeLedColorMaps();
    FreeCatalogue();
    ReleaseRequestStatics();
    FinalizeMainUnit();
}

int RunProgram(const std::vector<std::string>& parameters)
{
    SetCommandLineParameters(parameters);
    InitProgramModules();
    const int result = WinMain();
    FreeProgramModules();
    return result;
}
