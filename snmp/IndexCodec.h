#pragma once
// Values of a table's index columns in the instance part of an OID ("7.3.97.98.99" for the key
// 7, "abc"). These work on raw value texts; the request translates display texts of items with
// option lists around them.

#include <cstdint>
#include <string>

// What decides how one index column is written.
struct IndexColumn {
    std::int32_t syntax = 0;
    bool last = false;      // the last index column of its list
    bool implied = false;   // no length sub-identifier (access bit 0x40)
    int keyCount = 0;       // index columns of the list
    int position = 0;       // 0-based place among them
};

// Decodes one column's value from the front of an instance: sets value and returns the
// sub-identifiers left over, dotted ("" when all were consumed). An instance too short for the
// column raises -514; a syntax without an index form -511.
std::string DecodeIndexValue(const IndexColumn& column, const std::string& instance, std::string& value);

// The column's value as dotted index sub-identifiers.
std::string EncodeIndexValue(const IndexColumn& column, const std::string& value);

// Raises the bad-value error (EBadValue, -518) for a key text of a row to be written that names
// no row of its syntax: a number key that is empty, not a number or out of its range, an IPv4 key
// that is not four numbers 0 to 255 ("" or "abc" would otherwise write to the row 0 or 0.0.0.0).
// Reads keep decoding and encoding whatever they hold.
void CheckIndexValue(const IndexColumn& column, const std::string& value);
