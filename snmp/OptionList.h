#pragma once
// Option lists translate between the raw value of an enumerated MIB object and the text a user
// sees. Catalogue option tables are constant arrays of OptionItem closed by an item whose text
// is null; the MvOptionList objects built from them are module-level and shared by reference.

#include <cstdint>
#include <string>
#include <vector>

namespace ui {
class ComboBox;
class RadioGroup;
}

// One {value, display text} pair of a static option table. Kind-1 tables give an integer value,
// kind-2 tables a value text.
struct OptionItem {
    std::int32_t value = 0;
    const char* text = nullptr;
    const char* valueText = nullptr;

    constexpr OptionItem() = default;
    constexpr OptionItem(std::int32_t v, const char* t) : value(v), text(t) {}
    constexpr OptionItem(const char* v, const char* t) : text(t), valueText(v) {}
};

class MvOptionList {
public:
    struct Entry {
        std::int32_t value = 0;   // kind 1
        std::string valueText;    // kind 2
        std::string text;         // display text
    };

    // An unbuilt list: module-level lists are constant-initialised, so descriptor rows can hold
    // their address before start-up builds them.
    constexpr MvOptionList() noexcept = default;
    MvOptionList(const OptionItem* table, int kind, bool caseSensitive = false);
    ~MvOptionList();
    MvOptionList(const MvOptionList&) = delete;
    MvOptionList& operator=(const MvOptionList&) = delete;

    // Start-up and exit of a module-level list: Init builds it from its table, Free empties it
    // again (the object itself stays where it is).
    void Init(const OptionItem* table, int kind, bool caseSensitive = false);
    void Free();

    static int CountRows(const OptionItem* table);
    void AppendTable(const OptionItem* table);
    void Clear();

    int Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const Entry& Item(int index) const { return items_[static_cast<std::size_t>(index)]; }

    // Display texts and text values compare without regard to letter case (unless the list was
    // built case-sensitive); kind-1 values compare as 32-bit integers. A text that no item has
    // gives -1 from the finds and passes through the translations unchanged.
    int FindByText(const std::string& text) const;
    int FindByValue(const std::string& text) const;
    std::string ValueToText(const std::string& value) const;
    std::string TextToValue(const std::string& text) const;

    // Controls show a list by its display texts, in list order, so a control's item index is
    // the list's index once it has been filled from the list.
    void FillComboBox(ui::ComboBox* combo) const;
    void FillRadioGroup(ui::RadioGroup* group) const;
    // Selects the entry that the text names, by display text or else by raw value; no entry
    // (-1) when neither is known.
    void SelectInComboBox(ui::ComboBox* combo, const std::string& text) const;
    void SelectInRadioGroup(ui::RadioGroup* group, const std::string& text) const;

private:
    // The index that a text names, by display text or else by raw value.
    int IndexNamedBy(const std::string& text) const;
    bool Matches(const std::string& a, const std::string& b) const;

    int kind_ = 0;
    bool caseSensitive_ = false;
    std::vector<Entry> items_;
};
