// Oid_ssh: SSH 1.3.6.1.4.1.171.12.6.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_ssh {
namespace {

// Option tables.

constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem SshSessionKeyRekeyingItems[] = {
    {0, "never"},
    {10, "ten-min"},
    {30, "thirty-min"},
    {60, "sixty-min"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList SshSessionKeyRekeyingOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.6.1.1
// Read by the window "SSH Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.6.1.1", "Version",                           integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.6.1.2", "Admin",                             integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.1.3", "Max. Authentication Fail Attempts", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.6.1.4", "Session Key Rekeying",              integer, readwrite, &SshSessionKeyRekeyingOptions},
    {"1.3.6.1.4.1.171.12.6.1.5", "Max. Session",                      integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.6.1.6", "Connection Timeout",                integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.6.1.7", "Listened Port",                     integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.6.3.4
// Read by the window "Diffie Hellman Algorithm Control" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.6.3.4", "Key Expand Admin", integer, readonly, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.6.3.1.1
// Read by the window "SSH Encryption Algorithm Settings" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.6.3.1.1",  "3DES State",       integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.2",  "Blowfish State",   integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.3",  "AES128 State",     integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.4",  "AES192 State",     integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.5",  "AES256 State",     integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.6",  "Arcfour State",    integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.7",  "Cast128 State",    integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.8",  "Twofish128 State", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.9",  "Twofish192 State", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.1.10", "Twofish256 State", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.3.1",  "SHA1 State",       integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.3.2",  "MD5 State",        integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.5.1",  "RSA State",        integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.5.2",  "DSA State",        integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.6.3.2.1
// Read by the window "SSH Authentication Method Settings" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.6.3.2.1", "Password Authentication Admin",   integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.2.2", "Public Key Authentication Admin", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.2.3", "Host Key Authentication Admin",   integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.6.3.3.1
// Read by the window "HMAC Algorithm Control" as SVT_SV.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.6.3.3.1", "HMAC-SHA1 Admin", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.3.2", "HMAC-MD5 Admin",  integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.6.3.5.1
// Read by the window "Public Key Algorithm Control" as SVT_SV.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.6.3.5.1", "RSA state", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.6.3.5.2", "DSA state", integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6},
};

constexpr MvOptionList* const OptionLists[] = {
    &DisabledEnabledOptions, &SshSessionKeyRekeyingOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    SshSessionKeyRekeyingOptions.Init(SshSessionKeyRekeyingItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SshSessionKeyRekeyingOptions.Free();
    DisabledEnabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_ssh", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_ssh
