#pragma once
// Small value types: the SNMPv2 DateAndTime value, delimited number lists, an owned byte
// buffer and integer powers.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// SNMPv2-TC DateAndTime. The fields follow the order of the eleven wire octets; the year is held
// in host order. Fields take what they are given, cut to their width.
struct MvDateTime {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t deciSeconds = 0;
    char direction = '+';        // direction from UTC
    std::uint8_t utcHours = 0;
    std::uint8_t utcMinutes = 0;

    static constexpr int WireSize = 11;

    // The current local date and time, tenths and offset 0.
    MvDateTime();
    // Reads "y-m-d,h:m:s.d" with an optional ",+h:m" or ",-h:m"; fields it cannot read stay 0.
    explicit MvDateTime(const std::string& text);

    // "y-m-d,h:m:s.d", with ",<direction>h:m" when the offset is not 0.
    std::string Format() const;
    // Exchanges the two octets of the year (host order <-> the wire's most significant first).
    void SwapYear();

    // The eleven wire octets, year most significant octet first.
    std::array<std::uint8_t, WireSize> ToOctets() const;
    // From wire octets; octets missing from a short value read as 0.
    static MvDateTime FromOctets(const std::uint8_t* octets, std::size_t length);

    friend bool operator==(const MvDateTime&, const MvDateTime&) = default;
};

// Numbers parsed from delimited text: "1,2,3" with delimiter ",". The text is parsed whatever
// its characters: callers give digits and delimiters only.
template <typename T>
class MvNumList {
public:
    char delimiter = '.';

    // 0 for an empty text, else 1 plus the number of delimiters.
    int CountItems(const std::string& text) const;
    // Replaces the items by the numbers of the text. An empty piece gives 0; a "." that is not
    // the delimiter starts a fraction, which is dropped.
    void Parse(const std::string& text);

    int Count() const { return static_cast<int>(items_.size()); }
    // The caller keeps index below Count.
    T Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
    T Get(int index) const { return Item(index); }
    // Index of the first occurrence, or -1.
    int IndexOf(T value) const;
    // Every item from low to high, compared unsigned; true for an empty list.
    bool InRange(T low, T high) const;

private:
    std::vector<T> items_;
};

extern template class MvNumList<int>;
extern template class MvNumList<unsigned int>;

// An owned byte buffer.
class MvBinaryString {
public:
    MvBinaryString() = default;
    MvBinaryString(const void* data, std::size_t length) { Assign(data, length); }

    int Length() const { return static_cast<int>(bytes_.size()); }
    // None when empty.
    const std::uint8_t* Buffer() const { return bytes_.empty() ? nullptr : bytes_.data(); }
    std::uint8_t* Buffer() { return bytes_.empty() ? nullptr : bytes_.data(); }
    void Assign(const void* data, std::size_t length);
    // Zero-filled buffer of the given length (0 releases it).
    void SetLength(std::size_t length);

private:
    std::vector<std::uint8_t> bytes_;
};

// base to the power of exponent in 32-bit integer arithmetic (wrapping); exponent 0 gives 1.
std::int32_t IntPower(std::int32_t base, std::uint32_t exponent);
