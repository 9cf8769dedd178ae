#pragma once
// Small text helpers shared by the option lists, the message files, the expressions and the
// input rules. Texts are byte strings; letter case is folded for ASCII letters only.

#include <string>
#include <vector>

// Without leading and trailing blanks and control characters (codes up to 0x20).
std::string Trim(const std::string& text);

// Whole texts equal without regard to letter case.
bool SameText(const std::string& a, const std::string& b);

// The text without one pair of enclosing double quotes; a lone double quote gives the empty
// text; anything else comes back unchanged.
std::string Unquote(const std::string& text);

// From the 1-based position start on, the last position of the run of characters that belong to
// the set; 0 when the character at start does not belong (or start lies outside the text).
int SpanOfChars(const std::string& text, int start, const std::string& set);

// Every occurrence of the pattern replaced, scanning from the left; replaced text is not scanned
// again. An empty pattern leaves the text unchanged.
std::string ReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement);

// Tries the operators in list order; the first that occurs anywhere in the text splits it at
// its first occurrence into left and right. Returns the operator's index, or -1 (left and right
// unchanged) when none occurs.
int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text, std::string& left,
                    std::string& right);
