#pragma once
// Evaluators of the small expression language of derived values and row conditions. References
// to items ("$n") are expanded by the request before these see the text.
//
// Arithmetic: "(...)" groups, then the first "+", "-", "*", "/" splits the text, in that order,
// so "+" and "-" bind more loosely than "*" and "/", and chains of "-" or "/" group to the
// right (10-4-3 is 9). The left side of "*" and "/" is read as a plain number. "NOW" is the
// current date-time value; a text that is no number reads as 0.
//
// Logic: "(...)" groups, then "|", "&", a leading "!", then one comparison. Comparisons
// ("<>", ">=", "<=", ">", "<", "=", the first of these that occurs) compare trimmed, unquoted
// sides as byte strings; a piece without an operator must be "true" or "false" (any case) and
// otherwise raises the framework's exception " Bad logic operand!" with code -1. Special
// characters inside the first quoted span do not split the text.

#include <string>

double EvalArithmetic(const std::string& text);
bool EvalLogic(const std::string& text);
bool EvalComparison(const std::string& text);
