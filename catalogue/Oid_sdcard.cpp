// Oid_sdcard: SD card 1.3.6.1.4.1.171.12.95.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_sdcard {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem SdCardTypeItems[] = {{1, "configuration"}, {2, "log"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList SdCardTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.95.1.2.1.1.1
// Read by the window "SD Card Backup Control Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.95.1.2.1.1.1",   "Type",            integer,    notaccess, &SdCardTypeOptions},
    {" ",                                 "Time Range Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.95.1.2.1.1.2",   "File Name",       displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.95.1.2.1.1.3",   "Backup State",    integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.95.1.2.1.1.100", "Row Status",      integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.95.1.3.1.1.1 (after an index-only column)
// Read by the window "SD Card Execute Control Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {" ",                                 "Time Range Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.95.1.3.1.1.1",   "File Name",       displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.95.1.3.1.1.2",   "State",           integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.95.1.3.1.1.3",   "Increment",       integer,    readwrite, &TrueFalseOptions},
    {"1.3.6.1.4.1.171.12.95.1.3.1.1.100", "Row Status",      integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.95.1.4.1
// Read by the window "SD Card Execute Configuration" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.95.1.4.1", "File Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.95.1.4.2", "Increment", integer,    readwrite, &TrueFalseOptions},
    {"1.3.6.1.4.1.171.12.95.1.4.3", "Action",    integer,    readwrite, &OtherStartOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &TrueFalseOptions, &OtherStartOptions,
    &SdCardTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    SdCardTypeOptions.Init(SdCardTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SdCardTypeOptions.Free();
    OtherStartOptions.Free();
    TrueFalseOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_sdcard", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_sdcard
