// Oid_protocolvlan: protocol VLAN (dot1v) and 1.3.6.1.4.1.171.12.16.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_protocolvlan {
namespace {

// Option tables.

constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem ProtocolVlanTemplateFrameTypeItems[] = {
    {1, "ethernet"},
    {2, "rfc1042"},
    {5, "llcOther"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList ProtocolVlanTemplateFrameTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.17.7.1.5.1.1.1
// Read by TProtocolVLANGroupForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type",     integer,  notaccess, &ProtocolVlanTemplateFrameTypeOptions},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", octetstr, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID",                integer,  readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Row Status",              integer,  readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.5.2.1.1 (after an index-only column)
// Read by the window "Protocol VLAN Port Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {" ",                          "Port",          integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID",      integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VLAN ID", integer, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status",    integer, readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.16.1.2.1.1 (after 2 index-only columns)
// Read by the window "Protocol VLAN Port Group Priority Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {" ",                             "Port",     integer, notaccess, nullptr},
    {" ",                             "Group ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.16.1.2.1.1", "Priority", integer, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusShortOptions, &ProtocolVlanTemplateFrameTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    ProtocolVlanTemplateFrameTypeOptions.Init(ProtocolVlanTemplateFrameTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    ProtocolVlanTemplateFrameTypeOptions.Free();
    RowStatusShortOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_protocolvlan", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_protocolvlan
