#pragma once
// What many windows read about the one managed switch: its address text, the sysObjectID text, the
// model names, the stacking and firmware modes and the unit list. The main window writes it at
// start-up and at a refresh; windows and front panels below the main window read it from here.
// Every value is empty (0, none) from the module's initialisation until the main window fills it.

#include <string>

namespace ui {
class ListView;
}

extern std::string DeviceIPText;   // the agent address of "/I"
extern std::string ModuleOIDText;  // the switch's sysObjectID as text
extern std::string ModelNameText;
extern std::string ModelNameCopy;
extern std::string StackModeText;
extern std::string FirmwareModeText;
extern int UnitCount;
extern ui::ListView* UnitListViewRef;

// Empties every value (start-up and exit of the main unit).
void ClearDeviceState();
