#pragma once
// LED status octet -> colour, for the front panel's LEDs. Colours are 0x00BBGGRR; -1 ends a
// static entry array.

#include <cstdint>
#include <vector>

struct LedColorEntry {
    std::int32_t key = 0;     // status value; its low 8 bits are compared
    std::int32_t colour = -1; // {} is the end entry
};

class MvSNMPLedColorMapList {
public:
    std::uint8_t KeyMask = 0;       // users AND the status octet with it before the lookup
    std::uint8_t BlinkMask = 0;     // octet AND BlinkMask != 0: the LED blinks; 0 never blinks
    std::int32_t DefaultColour = 0; // before the first status, and the dark phase of blinking
    std::int32_t AbsentColour = 0;  // status too short for the LED's octet; -1 makes that an error

    // An unbuilt map: module-level maps are constant-initialised and built at start-up.
    constexpr MvSNMPLedColorMapList() noexcept = default;
    MvSNMPLedColorMapList(const LedColorEntry* entries, std::uint8_t keyMask, std::uint8_t blinkMask,
                          std::int32_t defaultColour, std::int32_t absentColour);

    // Start-up and exit of a module-level map.
    void Init(const LedColorEntry* entries, std::uint8_t keyMask, std::uint8_t blinkMask,
              std::int32_t defaultColour, std::int32_t absentColour);
    void Free();

    // Entries before the first with colour -1; 0 for a null array.
    static int CountEntries(const LedColorEntry* entries);
    // Appends copies; an earlier entry shadows a later one with the same key.
    void AddEntries(const LedColorEntry* entries);

    int Count() const { return static_cast<int>(entries_.size()); }
    const LedColorEntry& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    // First entry whose key's low 8 bits equal the octet, or -1.
    int IndexOfKey(std::uint8_t octet) const;
    // Its colour, or 0 (black) when no entry has the key. Masks and AbsentColour are the caller's.
    std::int32_t ColourOf(std::uint8_t octet) const;

private:
    std::vector<LedColorEntry> entries_;
};
