#include "OptionList.h"

#include "Convert.h"
#include "TextUtil.h"

#include "ui/ComboBox.h"
#include "ui/RadioGroup.h"

MvOptionList::MvOptionList(const OptionItem* table, int kind, bool caseSensitive)
{
    Init(table, kind, caseSensitive);
}

MvOptionList::~MvOptionList() { Clear(); }

void MvOptionList::Init(const OptionItem* table, int kind, bool caseSensitive)
{
    Clear();
    kind_ = kind;
    caseSensitive_ = caseSensitive;
    AppendTable(table);
}

void MvOptionList::Free() { Clear(); }

int MvOptionList::CountRows(const OptionItem* table)
{
    int n = 0;
    if (table != nullptr)
        while (table[n].text != nullptr)
            ++n;
    return n;
}

void MvOptionList::AppendTable(const OptionItem* table)
{
    const int n = CountRows(table);
    items_.reserve(items_.size() + static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        Entry entry;
        entry.value = table[i].value;
        if (table[i].valueText != nullptr)
            entry.valueText = table[i].valueText;
        entry.text = table[i].text;
        items_.push_back(std::move(entry));
    }
}

void MvOptionList::Clear()
{
    items_.clear();
    items_.shrink_to_fit();
}

bool MvOptionList::Matches(const std::string& a, const std::string& b) const
{
    return caseSensitive_ ? a == b : SameText(a, b);
}

int MvOptionList::FindByText(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (Matches(Item(i).text, text))
            return i;
    return -1;
}

int MvOptionList::FindByValue(const std::string& text) const
{
    if (kind_ == 1) {
        std::int32_t value;
        if (text == "(NULL)" || !TryStrToInt(text, value))
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (Item(i).value == value)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Matches(Item(i).valueText, text))
            return i;
    return -1;
}

std::string MvOptionList::ValueToText(const std::string& value) const
{
    const int i = FindByValue(value);
    return i < 0 ? value : Item(i).text;
}

std::string MvOptionList::TextToValue(const std::string& text) const
{
    const int i = FindByText(text);
    if (i < 0)
        return text;
    return kind_ == 1 ? IntToStr(Item(i).value) : Item(i).valueText;
}

void MvOptionList::FillComboBox(ui::ComboBox* combo) const
{
    combo->ClearItems();
    for (const Entry& entry : items_)
        combo->AddItem(entry.text);
}

void MvOptionList::FillRadioGroup(ui::RadioGroup* group) const
{
    std::vector<std::string> texts;
    for (const Entry& entry : items_)
        texts.push_back(entry.text);
    group->SetItems(texts);
}

int MvOptionList::IndexNamedBy(const std::string& text) const
{
    const int index = FindByText(text);
    return index >= 0 ? index : FindByValue(text);
}

void MvOptionList::SelectInComboBox(ui::ComboBox* combo, const std::string& text) const
{
    combo->SetItemIndex(IndexNamedBy(text));
}

void MvOptionList::SelectInRadioGroup(ui::RadioGroup* group, const std::string& text) const
{
    group->SetItemIndex(IndexNamedBy(text));
}
