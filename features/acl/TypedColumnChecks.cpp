#include "features/acl/TypedColumnChecks.h"

#include "features/common/FieldChecks.h"

#include "snmp/Request2Edits.h"
#include "snmp/VarDescriptor.h"

#include "ui/Edit.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

struct NumberRange {
    long long Min;
    long long Max;
};

// What a column of the syntax can hold; none for a syntax that is no number.
std::optional<NumberRange> SyntaxRange(std::int32_t syntax)
{
    switch (syntax) {
    case integer:
        return NumberRange{INT32_MIN, INT32_MAX};
    case counter:
    case guage:
    case timeticks:
    case uinteger:
        return NumberRange{0, UINT32_MAX};
    case int8:
        return NumberRange{INT8_MIN, INT8_MAX};
    case uint8:
        return NumberRange{0, UINT8_MAX};
    case int16:
        return NumberRange{INT16_MIN, INT16_MAX};
    case uint16:
        return NumberRange{0, UINT16_MAX};
    default:
        return std::nullopt;
    }
}

// Whether the write carries the column: the keys always (the instance), the others when they
// are settable and not left out.
bool Carried(const MvSNMPVarList& list, int column)
{
    if (column < list.keyCount)
        return true;
    const std::int32_t access = list.Item(column).access;
    return (access & writeonly) != 0 && (access & invalid) == 0;
}

} // namespace

bool CheckTypedColumns(MvSNMPRequest2Edits& request, const FieldCaption& caption, QWidget* owner)
{
    // Some captions carry blanks at their ends ("Profile ID ").
    const auto field = [&](int column) { return QString::fromStdString(caption(column)).trimmed().toStdString(); };
    const MvSNMPVarList& list = request.Request.VarList;
    for (const ControlBinding& binding : request.Bindings) {
        if (binding.ControlCount() != 1 || binding.ItemIndex >= list.Count() || !Carried(list, binding.ItemIndex))
            continue;
        auto* edit = dynamic_cast<ui::Edit*>(binding.Controls.front().data());
        if (edit == nullptr)
            continue;
        if (binding.PartSyntax == ipaddress) {
            if (!CheckIPv4Field(edit, field(binding.ItemIndex), owner))
                return false;
            continue;
        }
        std::optional<NumberRange> range = SyntaxRange(binding.PartSyntax);
        if (!range)
            continue;
        // The input rule narrows the range where it names one ("%i{n1x4094}").
        if (const EditConstraintRule* rule = request.Constraint.FindRule(edit);
            rule != nullptr && (rule->Type == 'i' || rule->Type == 'u')) {
            range->Min = std::max(range->Min, static_cast<long long>(rule->Min));
            range->Max = std::min(range->Max, static_cast<long long>(rule->Max));
        }
        if (!CheckNumberField(edit, field(binding.ItemIndex), range->Min, range->Max, owner))
            return false;
    }
    return true;
}
