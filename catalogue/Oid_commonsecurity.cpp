// Oid_commonsecurity: authentication protocol and mode 1.3.6.1.4.1.171.12.3.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_commonsecurity {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem CommonSecurityUserAuthenticationProtocolItems[] = {
    {2, "authProtocolLocal"},
    {4, "authProtocolRadiusEap"},
    {},
};
constexpr OptionItem CommonSecurityDeviceAuthenticationModeItems[] = {{1, "portBase"}, {2, "macBase"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList CommonSecurityUserAuthenticationProtocolOptions;
constinit MvOptionList CommonSecurityDeviceAuthenticationModeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.3.1.1
// Read by the window "Authentication Mode Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.3.1.1", "User Authentication Protocol", integer, readwrite, &CommonSecurityUserAuthenticationProtocolOptions},
    {"1.3.6.1.4.1.171.12.3.1.2", "Device Authentication Mode",   integer, readwrite, &CommonSecurityDeviceAuthenticationModeOptions},
    {"1.3.6.1.4.1.171.12.3.1.3", "RADIUS Authorization State",   integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &CommonSecurityUserAuthenticationProtocolOptions,
    &CommonSecurityDeviceAuthenticationModeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    CommonSecurityUserAuthenticationProtocolOptions.Init(CommonSecurityUserAuthenticationProtocolItems, 1, false);
    CommonSecurityDeviceAuthenticationModeOptions.Init(CommonSecurityDeviceAuthenticationModeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    CommonSecurityDeviceAuthenticationModeOptions.Free();
    CommonSecurityUserAuthenticationProtocolOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_commonsecurity", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_commonsecurity
