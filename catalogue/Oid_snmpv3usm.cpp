// Oid_snmpv3usm: SNMP-USER-BASED-SM-MIB.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_snmpv3usm {
namespace {

// Option tables.

constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem StorageTypeItems[] = {
    {1, "other"},
    {2, "volatile"},
    {3, "nonVolatile"},
    {4, "permanent"},
    {5, "readOnly"},
    {},
};
constexpr OptionItem SnmpV3UsmAuthenticationProtocolItems[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {},
};
constexpr OptionItem SnmpV3UsmPrivacyProtocolItems[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"},
    {"1.3.6.1.6.3.10.1.2.2", "DES"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList StorageTypeOptions;
constinit MvOptionList SnmpV3UsmAuthenticationProtocolOptions;
constinit MvOptionList SnmpV3UsmPrivacyProtocolOptions;

// Descriptor tables.

// Key: 1.3.6.1.6.3.15.1.1.1
// Read by the window "Statistics" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", counter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.2", "Not In Time Window Packets",         counter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets",          counter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets",           counter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets",               counter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets",           counter, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.6.3.15.1.2.2.1.1
// Read by the window "User Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1",  "Engine ID",                     octetstr,   notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.2",  "User Name",                     displaystr, notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.3",  "Security Name",                 displaystr, readonly,  nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.4",  "Clone From",                    objectid,   readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.5",  "Authentication Protocol",       objectid,   readwrite, &SnmpV3UsmAuthenticationProtocolOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.6",  "Authentication Key Change",     displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.7",  "Own Authentication Key Change", displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.8",  "Privacy Protocol",              objectid,   readwrite, &SnmpV3UsmPrivacyProtocolOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.9",  "Privacy Key Change",            displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change",        displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public",                        displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type",                  integer,    readwrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status",                        integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.15.1.2.1
// Read by the window "SNMPv3 User-based Security Model General Information" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.6.3.15.1.2.1", "Spin Lock", integer, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &StorageTypeOptions, &SnmpV3UsmAuthenticationProtocolOptions,
    &SnmpV3UsmPrivacyProtocolOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    StorageTypeOptions.Init(StorageTypeItems, 1, false);
    SnmpV3UsmAuthenticationProtocolOptions.Init(SnmpV3UsmAuthenticationProtocolItems, 2, false);
    SnmpV3UsmPrivacyProtocolOptions.Init(SnmpV3UsmPrivacyProtocolItems, 2, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SnmpV3UsmPrivacyProtocolOptions.Free();
    SnmpV3UsmAuthenticationProtocolOptions.Free();
    StorageTypeOptions.Free();
    RowStatusOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_snmpv3usm", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_snmpv3usm
