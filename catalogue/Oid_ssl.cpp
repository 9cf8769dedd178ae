// Oid_ssl: SSL 1.3.6.1.4.1.171.12.7.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_ssl {
namespace {

// Option tables.

constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem SslFileControlItems[] = {{1, "other"}, {3, "start"}, {}};
constexpr OptionItem SslFileShowStateItems[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList SslFileControlOptions;
constinit MvOptionList SslFileShowStateOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.7.1.1
// Read by TSSLManagementForm as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.7.1.1", "Status Administration", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.7.1.2", "Cipher Suites",         bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.7.1.3", "Cache Timeout",         guage,   readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.7.2.1
// Read by the window "SSL Certificate File" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.7.2.1", "IP Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.7.2.2", "Path",            displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.7.2.3", "Key File Path",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.7.2.4", "File Control",    integer,    readwrite, &SslFileControlOptions},
    {"1.3.6.1.4.1.171.12.7.2.5", "File Show State", integer,    readonly,  &SslFileShowStateOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &DisabledEnabledOptions, &SslFileControlOptions, &SslFileShowStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    SslFileControlOptions.Init(SslFileControlItems, 1, false);
    SslFileShowStateOptions.Init(SslFileShowStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SslFileShowStateOptions.Free();
    SslFileControlOptions.Free();
    DisabledEnabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_ssl", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_ssl
