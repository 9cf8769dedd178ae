// Oid_config: configuration and firmware 1.3.6.1.4.1.171.12.1, file system 1.3.6.1.4.1.171.12.14.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_config {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem NoneStartItems[] = {{1, "none"}, {2, "start"}, {}};
constexpr OptionItem UploadDownloadItems[] = {{1, "other"}, {2, "upload"}, {3, "download"}, {}};
constexpr OptionItem Ipv4Ipv6Items[] = {{1, "ipv4"}, {2, "ipv6"}, {}};
constexpr OptionItem OtherInactiveStartItems[] = {{1, "other"}, {2, "inactive"}, {3, "start"}, {}};
constexpr OptionItem ConfigDriveIDItems[] = {
    {0, "a"},
    {1, "b"},
    {2, "c"},
    {3, "d"},
    {4, "e"},
    {5, "f"},
    {6, "g"},
    {7, "h"},
    {8, "i"},
    {9, "j"},
    {10, "k"},
    {11, "l"},
    {12, "m"},
    {13, "n"},
    {14, "o"},
    {15, "p"},
    {16, "q"},
    {17, "r"},
    {18, "s"},
    {19, "t"},
    {20, "u"},
    {21, "v"},
    {22, "w"},
    {23, "x"},
    {24, "y"},
    {25, "z"},
    {},
};
constexpr OptionItem ConfigDriveID2Items[] = {
    {1, "a"},
    {2, "b"},
    {3, "c"},
    {4, "d"},
    {5, "e"},
    {6, "f"},
    {7, "g"},
    {8, "h"},
    {9, "i"},
    {10, "j"},
    {11, "k"},
    {12, "l"},
    {13, "m"},
    {14, "n"},
    {15, "o"},
    {16, "p"},
    {17, "q"},
    {18, "r"},
    {19, "s"},
    {20, "t"},
    {21, "u"},
    {22, "v"},
    {23, "w"},
    {24, "x"},
    {25, "y"},
    {26, "z"},
    {},
};
constexpr OptionItem ConfigSaveConfigurationItems[] = {{1, "other"}, {2, "cfg"}, {3, "log"}, {4, "all"}, {}};
constexpr OptionItem ConfigLinkStateItems[] = {{1, "link-up"}, {2, "link-down"}, {}};
constexpr OptionItem ConfigAttributeItems[] = {{1, "dir"}, {2, "file"}, {}};
constexpr OptionItem ConfigOptionItems[] = {{1, "none"}, {2, "recursive"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList NoneStartOptions;
constinit MvOptionList UploadDownloadOptions;
constinit MvOptionList Ipv4Ipv6Options;
constinit MvOptionList OtherInactiveStartOptions;
constinit MvOptionList ConfigDriveIDOptions;
constinit MvOptionList ConfigDriveID2Options;
constinit MvOptionList ConfigSaveConfigurationOptions;
constinit MvOptionList ConfigLinkStateOptions;
constinit MvOptionList ConfigAttributeOptions;
constinit MvOptionList ConfigOptionOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.1.2.18.1.1.1
// Read by the window "Basic File System Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.1",  "Index",               integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.2",  "Description",         displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.3",  "Server Address",      ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.4",  "Server IPv6 Address", ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.5",  "Server File Name",    displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.7",  "Device File Name",    displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.8",  "Load Type",           integer,     readwrite, &UploadDownloadOptions},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.9",  "Control Unit ID",     octetstr,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.10", "Boot Up Image",       integer,     readwrite, &TrueFalseOptions},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.12", "Control",             integer,     readwrite, &OtherInactiveStartOptions},
    {"1.3.6.1.4.1.171.12.1.2.18.1.1.14", "Server Domain Name",  displaystr,  readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.18.3
// Read by the window "File System Save Settings" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.1.2.18.3", "File Name",          displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.4", "Save Configuration", integer,    readwrite, &ConfigSaveConfigurationOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.18.5.1.1
// Read by the window "File System Configuration Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.1.2.18.5.1.1", "Unit",                 integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.5.1.3", "Boot Image",           displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.5.1.4", "Boot Configuration",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.18.5.1.5", "Active Configuration", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.23.1
// Read by the window "Out of Band Settings" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.1.2.23.1", "State",       integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.23.2", "IP Address",  ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.23.3", "Subnet Mask", ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.23.4", "Gateway",     ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.23.5", "Link State",  integer,   readonly,  &ConfigLinkStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.24.1
// Read by the window "Trap Settings" as SVT_SV.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.1.2.24.1", "Coldstart Traps",    integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.24.2", "Warmstart Traps",    integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.24.3", "RMON Rising Alarm",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.24.4", "RMON Falling Alarm", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.25.1.1
// Read by the window "FTP File System Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.1.2.25.1.1",  "Index",            integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.2",  "Description ",     displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.3",  "Load Type",        integer,     readwrite, &UploadDownloadOptions},
    {"1.3.6.1.4.1.171.12.1.2.25.1.4",  "Address Type",     integer,     readwrite, &Ipv4Ipv6Options},
    {"1.3.6.1.4.1.171.12.1.2.25.1.5",  "Address",          inetaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.6",  "TCP Port",         integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.7",  "Server File Name", displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.8",  "Device File Name", displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.9",  "User Name",        displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.10", "Password",         displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.25.1.12", "Boot Up Image",    integer,     readwrite, &TrueFalseOptions},
    {"1.3.6.1.4.1.171.12.1.2.25.1.13", "Control",          integer,     readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.2.1.1.1
// Read by the window "File System Drive Information" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.14.2.1.1.1", "Index",     integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.14.2.1.1.2", "Drive ID",  integer,    readonly,  &ConfigDriveIDOptions},
    {"1.3.6.1.4.1.171.12.14.2.1.1.3", "Type",      displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.14.2.1.1.4", "Size (MB)", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.14.2.1.1.5", "Partition", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.14.2.1.1.6", "FS type",   displaystr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.2.3.3
// Read by the window "Drive Change Control" as SVT_SV; the window "File System Drive Change
// Control" as SVT_SV.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.14.2.3.3", "Current Directory", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.2.4.1.1
// Read by the window "Drive Information Stack Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.14.2.4.1.1", "Unit ID",   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.14.2.4.1.2", "Index",     integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.14.2.4.1.3", "Drive ID",  integer,    readonly,  &ConfigDriveID2Options},
    {"1.3.6.1.4.1.171.12.14.2.4.1.4", "Type",      displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.14.2.4.1.5", "Size (MB)", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.14.2.4.1.6", "Partition", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.14.2.4.1.7", "FS type",   displaystr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.3.1
// Read by the window "File System Make Directory" as SVT_SV.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.14.3.1", "Make Directory", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.3.2
// Read by the window "File System Delete Directory" as SVT_SV.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.14.3.2", "Delete Directory", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.3.3.1
// Read by the window "File System Directory Path" as SVT_SV.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.14.3.3.1", "Directory Path", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.3.3.2.1.1
// Read by the window "File System Directory Information" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.14.3.3.2.1.1", "Name",      displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.14.3.3.2.1.2", "Attribute", integer,    readonly,  &ConfigAttributeOptions},
    {"1.3.6.1.4.1.171.12.14.3.3.2.1.3", "Time",      displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.14.3.3.2.1.4", "Size",      integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.4.1.1
// Read by the window "File System File Rename" as SVT_SV.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.14.4.1.1", "Source Name",     displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.14.4.1.2", "Target Name",     displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.14.4.1.3", "Rename Activity", integer,    readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.4.2.1
// Read by the window "File System Delete File" as SVT_SV.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.4.1.171.12.14.4.2.1", "Name",     displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.14.4.2.2", "Option",   integer,    readwrite, &ConfigOptionOptions},
    {"1.3.6.1.4.1.171.12.14.4.2.3", "Activity", integer,    readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.5.1
// Read by the window "File System Copy Control" as SVT_SV; the window "File System Copy File" as
// SVT_SV.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.4.1.171.12.14.5.1", "Source Name",      displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.14.5.2", "Destination Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.14.5.3", "Activity",         integer,    readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.14.6.1
// Read by the window "File System Move File" as SVT_SV.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.4.1.171.12.14.6.1", "Source Name",      displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.14.6.4", "Destination Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.14.6.5", "Activity",         integer,    readwrite, &NoneStartOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &TrueFalseOptions, &OtherStartOptions, &NoneStartOptions,
    &UploadDownloadOptions, &Ipv4Ipv6Options, &OtherInactiveStartOptions, &ConfigDriveIDOptions,
    &ConfigDriveID2Options, &ConfigSaveConfigurationOptions, &ConfigLinkStateOptions,
    &ConfigAttributeOptions, &ConfigOptionOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
    UploadDownloadOptions.Init(UploadDownloadItems, 1, false);
    Ipv4Ipv6Options.Init(Ipv4Ipv6Items, 1, false);
    OtherInactiveStartOptions.Init(OtherInactiveStartItems, 1, false);
    ConfigDriveIDOptions.Init(ConfigDriveIDItems, 1, false);
    ConfigDriveID2Options.Init(ConfigDriveID2Items, 1, false);
    ConfigSaveConfigurationOptions.Init(ConfigSaveConfigurationItems, 1, false);
    ConfigLinkStateOptions.Init(ConfigLinkStateItems, 1, false);
    ConfigAttributeOptions.Init(ConfigAttributeItems, 1, false);
    ConfigOptionOptions.Init(ConfigOptionItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    ConfigOptionOptions.Free();
    ConfigAttributeOptions.Free();
    ConfigLinkStateOptions.Free();
    ConfigSaveConfigurationOptions.Free();
    ConfigDriveID2Options.Free();
    ConfigDriveIDOptions.Free();
    OtherInactiveStartOptions.Free();
    Ipv4Ipv6Options.Free();
    UploadDownloadOptions.Free();
    NoneStartOptions.Free();
    OtherStartOptions.Free();
    TrueFalseOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_config", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_config
