#include "main/Startup.h"

#include "catalogue/Catalogue.h"
#include "main/MainUnit.h"
#include "panel/LedColorMaps.h"
#include "snmp/GlobalSession.h"
#include "snmp/VarList.h"
#include "ui/Application.h"
#include "ui/Guard.h"

#include <QAction>
#include <QTimer>

#include <cstdlib>
#include <exception>
#include <string>

namespace {

// Chooses the menu item named in SORVANE_OPEN_ITEM a moment after the main window is up (the
// model identified, its menu adjusted), as a user would: a scripted screenshot such as make
// demo's shows a feature window without anyone at the keyboard. An item that is unknown or
// disabled is left alone.
void ChooseItemNamedInEnvironment()
{
    const char* name = std::getenv("SORVANE_OPEN_ITEM");
    if (name == nullptr || *name == '\0')
        return;
    QTimer::singleShot(OpenItemDelayMs, MainForm, [item = std::string(name)] {
        QAction* action = MainForm->Menu().Item(item);
        if (action != nullptr && action->isEnabled())
            action->trigger();
    });
}

} // namespace

int WinMain()
{
    try {
        ui::SetApplicationTitle("Sorvane-Series");
        MainForm = new TMainForm(nullptr);
        ui::SetMainForm(MainForm);
        ChooseItemNamedInEnvironment();
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
