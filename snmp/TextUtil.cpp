#include "TextUtil.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }

} // namespace

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin]))
        ++begin;
    while (end > begin && IsTrimmed(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

std::string Unquote(const std::string& text)
{
    if (text.empty() || text.front() != '"' || text.back() != '"')
        return text;
    if (text.size() == 1)
        return {};
    return text.substr(1, text.size() - 2);
}

int SpanOfChars(const std::string& text, int start, const std::string& set)
{
    if (start < 1)
        return 0;
    int last = 0;
    for (auto i = static_cast<std::size_t>(start - 1); i < text.size(); ++i) {
        if (set.find(text[i]) == std::string::npos)
            break;
        last = static_cast<int>(i + 1);
    }
    return last;
}

std::string ReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement)
{
    if (pattern.empty())
        return text;
    std::string result;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(pattern, from)) != std::string::npos; from = at + pattern.size())
        result.append(text, from, at - from).append(replacement);
    result.append(text, from, std::string::npos);
    return result;
}

int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text, std::string& left,
                    std::string& right)
{
    for (std::size_t k = 0; k < operators.size(); ++k) {
        const std::size_t at = operators[k].empty() ? std::string::npos : text.find(operators[k]);
        if (at != std::string::npos) {
            left = text.substr(0, at);
            right = text.substr(at + operators[k].size());
            return static_cast<int>(k);
        }
    }
    return -1;
}
