#include "Expressions.h"

#include "Convert.h"
#include "SnmpError.h"
#include "TextUtil.h"

#include <vector>

namespace {

// Position of the ")" that closes the "(" at open, counting nested pairs; npos when none does.
std::size_t MatchingParenthesis(const std::string& text, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return std::string::npos;
}

double ReadNumber(const std::string& text) { return SameText(text, "NOW") ? NowDateTime() : ReadReal(text); }

std::string ComparisonSide(const std::string& side)
{
    const std::string text = Unquote(Trim(side));
    return SameText(text, "NOW") ? FloatToStr(NowDateTime()) : text;
}

} // namespace

double EvalArithmetic(const std::string& text)
{
    const std::size_t open = text.find('(');
    if (open != std::string::npos) {
        const std::size_t close = MatchingParenthesis(text, open);
        if (close != std::string::npos) {
            const double inner = EvalArithmetic(text.substr(open + 1, close - open - 1));
            return EvalArithmetic(text.substr(0, open) + FloatToStr(inner) + text.substr(close + 1));
        }
    }
    std::size_t at;
    if ((at = text.find('+')) != std::string::npos)
        return EvalArithmetic(text.substr(0, at)) + EvalArithmetic(text.substr(at + 1));
    if ((at = text.find('-')) != std::string::npos)
        return EvalArithmetic(text.substr(0, at)) - EvalArithmetic(text.substr(at + 1));
    if ((at = text.find('*')) != std::string::npos)
        return ReadNumber(text.substr(0, at)) * EvalArithmetic(text.substr(at + 1));
    if ((at = text.find('/')) != std::string::npos)
        return ReadNumber(text.substr(0, at)) / EvalArithmetic(text.substr(at + 1));
    return ReadNumber(text);
}

bool EvalLogic(const std::string& text)
{
    const std::size_t quote = text.find('"');
    const std::size_t quoteEnd = quote == std::string::npos ? std::string::npos : text.find('"', quote + 1);
    // A special character counts only at its first occurrence, and not inside the quoted span.
    const auto usable = [&](std::size_t at) {
        return at != std::string::npos && !(quoteEnd != std::string::npos && at > quote && at < quoteEnd);
    };

    const std::size_t open = text.find('(');
    if (usable(open)) {
        const std::size_t close = MatchingParenthesis(text, open);
        if (usable(close)) {
            const bool inner = EvalLogic(text.substr(open + 1, close - open - 1));
            return EvalLogic(text.substr(0, open) + (inner ? "true" : "false") + text.substr(close + 1));
        }
    }
    std::size_t at = text.find('|');
    if (usable(at))
        return EvalLogic(text.substr(0, at)) || EvalLogic(text.substr(at + 1));
    at = text.find('&');
    if (usable(at))
        return EvalLogic(text.substr(0, at)) && EvalLogic(text.substr(at + 1));
    if (usable(text.find('!')))
        return !EvalLogic(text.substr(1));
    return EvalComparison(text);
}

bool EvalComparison(const std::string& text)
{
    static const std::vector<std::string> operators = {"<>", ">=", "<=", ">", "<", "="};
    std::string left, right;
    switch (SplitAtOperator(operators, text, left, right)) {
    case 0:
        return ComparisonSide(left) != ComparisonSide(right);
    case 1:
        return ComparisonSide(left) >= ComparisonSide(right);
    case 2:
        return ComparisonSide(left) <= ComparisonSide(right);
    case 3:
        return ComparisonSide(left) > ComparisonSide(right);
    case 4:
        return ComparisonSide(left) < ComparisonSide(right);
    case 5:
        return ComparisonSide(left) == ComparisonSide(right);
    default:
        break;
    }
    if (SameText(text, "true"))
        return true;
    if (SameText(text, "false"))
        return false;
    RaiseCommonError(CommonMsg::BadLogicOperand);
}
