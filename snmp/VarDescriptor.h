#pragma once
// The row of a descriptor table: one MIB object of a window with its caption, syntax, access
// and option list. Catalogue tables are constant arrays of these rows closed by an all-zero row.

#include <cstdint>
#include <string>

class MvOptionList;

// Syntax codes.
enum : std::int32_t {
    boolean = 1,
    integer = 2,
    bitstr = 3,
    octetstr = 4,
    null = 5,
    objectid = 6,
    ipaddress = 0x40,
    counter = 0x41,
    guage = 0x42,
    timeticks = 0x43,
    opaque = 0x44,
    nsapaddr = 0x45,
    counter64 = 0x46,
    uinteger = 0x47,
    // 'double' is a keyword: the syntax is spelt with a prefix in code.
    syntax_double = 0x48,
    macaddress = 0x49,
    datetime = 0x4a,
    bcdatetime = 0x4b,
    displaystr = 0x4c,
    ipv6address = 0x4d,
    bitlist = 0x4e,
    inetaddress = 0x51,
    bool8 = 0xc1,
    int8 = 0xc2,
    uint8 = 0xc3,
    bool16 = 0xc4,
    int16 = 0xc5,
    uint16 = 0xc6,
};

// Access flags (bits).
enum : std::int32_t {
    notaccess = 0x01,
    readonly = 0x02,
    writeonly = 0x04,
    readwrite = 0x06,
    derived = 0x08,
    hidden = 0x10,
    invalid = 0x20,
    impliedlength = 0x40, // index column whose instance part has no length sub-identifier
};

// Ten fields in this order; a static row fills the first five and leaves the rest null.
struct VarDescriptor {
    const char* oid;
    const char* caption;
    std::int32_t syntax;
    std::int32_t access;
    MvOptionList* options;
    const char* getExpression = nullptr;
    const char* setExpression = nullptr;
    const char* furtherText = nullptr;
    std::string* value = nullptr;
    std::string* currentOid = nullptr;
};
