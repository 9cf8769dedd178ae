// Oid_smtp: SMTP 1.3.6.1.4.1.171.12.29.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_smtp {
namespace {

// Option tables.

constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem SmtpSendTestMessageItems[] = {{1, "send"}, {2, "noAction"}, {}};
constexpr OptionItem SmtpSendTestStatusItems[] = {{1, "success"}, {2, "failed"}, {3, "in-processing"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList SmtpSendTestMessageOptions;
constinit MvOptionList SmtpSendTestStatusOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.29.1.1
// Read by TSMTPControlForm as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.29.1.1",  "Status",                integer,     readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.29.1.2",  "Server Address",        ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.1.3",  "Server Port",           integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.1.4",  "Self Mail Address",     displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.1.5",  "Test Messsage Subject", displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.1.6",  "Test Message Content",  displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.1.7",  "Send Test Message",     integer,     readwrite, &SmtpSendTestMessageOptions},
    {"1.3.6.1.4.1.171.12.29.2.1",  "Send Test Status",      integer,     readonly,  &SmtpSendTestStatusOptions},
    {"1.3.6.1.4.1.171.12.29.1.8",  "IPv6 Address",          ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.1.9",  "IPv6 Port",             integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.1.10", "IPv6 Interface Name",   displaystr,  readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.29.3.1.1.1
// Read by the window "SMTP Mail Receiver Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.29.3.1.1.1", "Index",   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.29.3.1.1.2", "Address", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.29.3.1.1.3", "State",   integer,    readwrite, &RowStatusShortOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &DisabledEnabledOptions, &RowStatusShortOptions, &SmtpSendTestMessageOptions,
    &SmtpSendTestStatusOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    SmtpSendTestMessageOptions.Init(SmtpSendTestMessageItems, 1, false);
    SmtpSendTestStatusOptions.Init(SmtpSendTestStatusItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SmtpSendTestStatusOptions.Free();
    SmtpSendTestMessageOptions.Free();
    RowStatusShortOptions.Free();
    DisabledEnabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_smtp", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_smtp
