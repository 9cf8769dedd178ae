#pragma once
// The typed edits of one write, checked before it is sent. A write carries the key columns (its
// instance) and every settable column whose invalid flag is clear. Of those, an edit bound to a
// number column must hold a whole number within its input rule's range and its syntax's, and an
// edit bound to an IPv4 address column a dotted address: an emptied edit is no 0, a field above
// 255 no octet taken modulo 256. The input rules test a text only when the user leaves the edit,
// and not an empty one; this is the test that holds whatever way the text got there.
//
// The other columns (octet strings, texts, MAC and IPv6 addresses) are the windows' own checks
// and the value encoding's.

#include <functional>
#include <string>

class MvSNMPRequest2Edits;
class QWidget;

// The caption the user sees beside the edit of a column.
using FieldCaption = std::function<std::string(int column)>;

// Call with the columns of the write marked. The first refusal shows the message naming the
// field, gives the edit the focus and answers false: the write must not go. The text stays as
// typed.
bool CheckTypedColumns(MvSNMPRequest2Edits& request, const FieldCaption& caption, QWidget* owner);
