#include "LedColorMap.h"

MvSNMPLedColorMapList::MvSNMPLedColorMapList(const LedColorEntry* entries, std::uint8_t keyMask,
                                             std::uint8_t blinkMask, std::int32_t defaultColour,
                                             std::int32_t absentColour)
{
    Init(entries, keyMask, blinkMask, defaultColour, absentColour);
}

void MvSNMPLedColorMapList::Init(const LedColorEntry* entries, std::uint8_t keyMask, std::uint8_t blinkMask,
                                 std::int32_t defaultColour, std::int32_t absentColour)
{
    KeyMask = keyMask;
    BlinkMask = blinkMask;
    DefaultColour = defaultColour;
    AbsentColour = absentColour;
    entries_.clear();
    AddEntries(entries);
}

void MvSNMPLedColorMapList::Free()
{
    entries_.clear();
    entries_.shrink_to_fit();
}

int MvSNMPLedColorMapList::CountEntries(const LedColorEntry* entries)
{
    int n = 0;
    if (entries != nullptr)
        while (entries[n].colour != -1)
            ++n;
    return n;
}

void MvSNMPLedColorMapList::AddEntries(const LedColorEntry* entries)
{
    const int n = CountEntries(entries);
    entries_.insert(entries_.end(), entries, entries + n);
}

int MvSNMPLedColorMapList::IndexOfKey(std::uint8_t octet) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if ((entries_[i].key & 0xff) == octet)
            return static_cast<int>(i);
    return -1;
}

std::int32_t MvSNMPLedColorMapList::ColourOf(std::uint8_t octet) const
{
    const int i = IndexOfKey(octet);
    return i < 0 ? 0 : Entry(i).colour;
}
