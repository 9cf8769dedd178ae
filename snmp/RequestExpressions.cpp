// Derived values and row conditions of a request: references to items ("$n") are expanded into
// their values, then evaluated by the arithmetic or logic evaluator.

#include "snmp/SnmpRequest.h"

#include "snmp/Convert.h"
#include "snmp/Expressions.h"
#include "snmp/OctetText.h"

#include <cmath>
#include <limits>

namespace {

// v cut toward zero, held within [low, high]; NaN gives 0.
template <typename T>
T CutTowardZero(double v)
{
    if (std::isnan(v))
        return 0;
    const double t = std::trunc(v);
    if (t <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (t >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(t);
}

} // namespace

std::string MvSNMPRequest::ExpandReferences(const std::string& text, bool quote, char marker)
{
    std::string result = text;
    std::size_t pos = 0;
    while ((pos = result.find(marker, pos)) != std::string::npos) {
        std::size_t end = pos + 1;
        std::int64_t number = 0;
        while (end < result.size() && result[end] >= '0' && result[end] <= '9') {
            number = std::min<std::int64_t>(number * 10 + (result[end] - '0'), std::numeric_limits<int>::max());
            ++end;
        }
        if (number >= VarList.Count())
            RaiseCommonError(CommonMsg::IndexOutOfRange);
        const MvVarItem& item = VarList.Item(static_cast<int>(number));
        const std::string value = item.options ? item.options->TextToValue(item.value) : item.value;
        if (value == "(NULL)")
            RaiseFrameworkError(MvCode::NullInExpression);

        std::string replacement;
        switch (item.syntax) {
        case boolean: case bool8: case bool16:
            replacement = value == "true" ? "1" : "0";
            break;
        case integer: case counter: case guage: case counter64: case uinteger: case syntax_double: case int8:
        case uint8: case int16: case uint16:
            replacement = value;
            break;
        case timeticks:
            replacement = std::to_string(TimeTicksFromText(value));
            break;
        case bcdatetime:
            replacement = FloatToStr(StrToDateTime(value));
            break;
        default:
            if (!quote)
                RaiseFrameworkError(MvCode::BadSyntaxInExpression);
            replacement = "\"" + value + "\"";
            break;
        }
        result.replace(pos, end - pos, replacement);
        // A value holding the marker is not expanded again.
        pos += replacement.size();
    }
    return result;
}

void MvSNMPRequest::ComputeDerived(int item, int direction)
{
    MvVarItem& target = VarList.Item(item);
    const std::optional<std::string>& expression = direction == 1 ? target.getExpression : target.setExpression;
    if (!expression)
        return;
    const double v = EvalArithmetic(ExpandReferences(*expression, false, '$'));

    std::string text;
    switch (target.syntax) {
    case boolean:
        text = v == 0 ? "false" : "true";
        break;
    case integer:
        text = std::to_string(CutTowardZero<std::int32_t>(v));
        break;
    case counter:
    case guage:
    case uinteger:
        text = std::to_string(CutTowardZero<std::uint32_t>(v));
        break;
    case timeticks:
        text = TimeTicksToText(CutTowardZero<std::uint32_t>(v));
        break;
    case counter64:
        text = std::to_string(CutTowardZero<std::uint64_t>(v));
        break;
    case syntax_double:
        text = FloatToStr(v);
        break;
    case bcdatetime:
        text = DateTimeToText(v);
        break;
    default:
        RaiseFrameworkError(MvCode::BadSyntaxInExpression);
    }
    target.value = target.options ? target.options->ValueToText(text) : text;
}

bool MvSNMPRequest::EvalCondition(const std::string& condition)
{
    if (condition.empty())
        return true;
    return EvalLogic(ExpandReferences(condition, true, '$'));
}
