#include "snmp/DeviceState.h"

std::string DeviceIPText;
std::string ModuleOIDText;
std::string ModelNameText;
std::string ModelNameCopy;
std::string StackModeText;
std::string FirmwareModeText;
int UnitCount = 0;
ui::ListView* UnitListViewRef = nullptr;

void ClearDeviceState()
{
    DeviceIPText.clear();
    ModuleOIDText.clear();
    ModelNameText.clear();
    ModelNameCopy.clear();
    StackModeText.clear();
    FirmwareModeText.clear();
    UnitCount = 0;
    UnitListViewRef = nullptr;
}
