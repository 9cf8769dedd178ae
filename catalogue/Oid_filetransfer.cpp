// Oid_filetransfer: file and server tables 1.3.6.1.4.1.171.12.82, NLB FDB 1.3.6.1.4.1.171.12.77.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_filetransfer {
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
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem AddrTypeIpv4Items[] = {{0, "unknown"}, {1, "ipv4"}, {}};
constexpr OptionItem UploadDownloadItems[] = {{1, "other"}, {2, "upload"}, {3, "download"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList AddrTypeIpv4Options;
constinit MvOptionList UploadDownloadOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.82.1.2.1.1
// Read by the window "RCP File System Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.82.1.2.1.1",  "Index",                 integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.82.1.2.1.2",  "Load Type",             integer,    readwrite, &UploadDownloadOptions},
    {"1.3.6.1.4.1.171.12.82.1.2.1.3",  "File Type",             displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.82.1.2.1.4",  "Server User Name",      displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.82.1.2.1.5",  "Server Address Type",   integer,    readwrite, &AddrTypeIpv4Options},
    {"1.3.6.1.4.1.171.12.82.1.2.1.6",  "Server Address",        displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.82.1.2.1.7",  "Server Path File Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.82.1.2.1.8",  "Device Path File Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.82.1.2.1.12", "Control",               integer,    readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.82.1.3.1.1
// Read by the window "RCP Server Configuration Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.82.1.3.1.1", "Index",        integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.82.1.3.1.2", "Address Type", integer,     readwrite, &AddrTypeIpv4Options},
    {"1.3.6.1.4.1.171.12.82.1.3.1.3", "Address",      inetaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.82.1.3.1.4", "User Name",    displaystr,  readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.77.3.2.1.1
// Read by TNLBMulticastFDBForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.77.3.2.1.1", "VLAN Index",   guage,      notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.77.3.2.1.2", "MAC Address",  macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.77.3.2.1.3", "Egress Ports", bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.77.3.2.1.4", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.77.3.1.1.1
// Read by TNLBUnicastFDBForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.77.3.1.1.1", "MAC Address",  macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.77.3.1.1.2", "Egress Ports", bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.77.3.1.1.3", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &OtherStartOptions, &AddrTypeIpv4Options, &UploadDownloadOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    AddrTypeIpv4Options.Init(AddrTypeIpv4Items, 1, false);
    UploadDownloadOptions.Init(UploadDownloadItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    UploadDownloadOptions.Free();
    AddrTypeIpv4Options.Free();
    OtherStartOptions.Free();
    RowStatusOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_filetransfer", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_filetransfer
