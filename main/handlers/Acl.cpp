// Handler rows of the group "ACL".
#include "main/handlers/Groups.h"

#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "ACLInformation1Click", .Family = GeneratedScalar, .Title = "ACL Global Settings", .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.1.2", nullptr, 2}},
    {.Name = "IPRule1Click",            .Family = HandMadeForm,    .WindowClass = "TIPProfileRuleForm", .Title = "ACL IPv4 Rule", .UnitGlobal = true},
    {.Name = "IPMaskInformation1Click", .Family = HandMadeForm,    .WindowClass = "TIPProfileForm", .Title = "ACL IPv4 Profile", .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> AclHandlers = Rows;
