#include "snmp/GlobalSession.h"

#include "snmp/SnmpError.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/SnmpSettings.h"
#include "snmplib/BootCounter.h"
#include "snmplib/Snmp.h"
#include "snmplib/Usm.h"

Snmp* GlobalSnmpSession = nullptr;
const char* const LocalEngineId = "MvSNMP_PP_Application";
const char* const BootCounterFileName = "MvSNMP_PP_BootCounter";

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    if (directory.back() == '/')
        return directory + name;
    return directory + "/" + name;
}

void CreateGlobalSession(const std::string& directory)
{
    int status = 0;
    GlobalSnmpSession = new Snmp(status, 0);
    if (status != 0)
        RaiseFrameworkError(MvCode::CreateGlobalSession);

    const std::string path = JoinPath(directory, BootCounterFileName);
    unsigned int boots = 0;
    status = getBootCounter(path, LocalEngineId, boots);
    if (status < BOOT_COUNTER_OPEN_FAILED)
        RaiseFrameworkError(MvCode::LoadBootCounter);
    if (status != BOOT_COUNTER_OK)   // no file, or no line for the engine
        boots = 0;
    ++boots;
    if (saveBootCounter(path, LocalEngineId, boots) != BOOT_COUNTER_OK)
        RaiseFrameworkError(MvCode::SaveBootCounter);
    mpInit(GlobalSnmpSession, LocalEngineId, boots);

    DefaultDevice.Address = "127.0.0.1";
    DefaultDevice.Port = 161;
    DefaultScope.ContextEngineId.clear();
    DefaultScope.ContextName.clear();
    DefaultSecurity.Version = 0;
    DefaultSecurity.ReadCommunity = "tarnel";
    DefaultSecurity.WriteCommunity = "quostem";
    DefaultSecurity.SecurityModel = 1;
    DefaultSecurity.SecurityLevel = 1;
    DefaultSecurity.SecurityName.clear();
    DefaultSecurity.AuthPassword.clear();
    DefaultSecurity.PrivPassword.clear();
    DefaultSecurity.AuthProtocol = 1;
    DefaultSecurity.PrivProtocol = 1;
    DefaultTimeout = 100;

    GlobalSnmpSession->set_socket_watcher([](int fd, bool open) {
        if (SnmpEventProcessor != nullptr)
            SnmpEventProcessor->WatchSocket(fd, open);
    });
    if (SnmpEventProcessor != nullptr)
        SnmpEventProcessor->Enable();
}

void InitRequestStatics()
{
    SnmpEventProcessor = new _SnmpEventProcessor;
    // Empty texts and zero numbers until CreateGlobalSession sets the defaults.
    DefaultDevice = MvSNMPDevice{};
    DefaultScope = MvSNMPScope{};
    DefaultSecurity = MvSNMPSecurity{};
    DefaultTimeout = 0;
    TimeoutCeiling = 0;
}

void ReleaseRequestStatics()
{
    DefaultSecurity.PrivPassword.clear();
    DefaultSecurity.AuthPassword.clear();
    DefaultSecurity.SecurityName.clear();
    DefaultSecurity.WriteCommunity.clear();
    DefaultSecurity.ReadCommunity.clear();
    DefaultScope.ContextName.clear();
    DefaultScope.ContextEngineId.clear();
    DefaultDevice.Address.clear();
    delete SnmpEventProcessor;
    SnmpEventProcessor = nullptr;
}
