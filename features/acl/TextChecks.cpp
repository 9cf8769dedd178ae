#include "features/acl/TextChecks.h"

#include "gui/PortFunctions.h"
#include "gui/StackingPortUitForm.h"
#include "ui/Edit.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

bool IsDecimal(char c) { return c >= '0' && c <= '9'; }

bool IsHex(char c) { return IsDecimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool AllHex(const std::string& text, std::size_t count)
{
    if (text.size() != count)
        return false;
    for (char c : text) {
        if (!IsHex(c))
            return false;
    }
    return true;
}

// A field of an IPv4 text: at most 255, and a zero value never written with "00".
bool FieldValueOk(const std::string& field)
{
    if (field.empty())
        return false;
    std::uint64_t value = 0;
    for (char c : field) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0xFFFFFFFFu)
            return false;
    }
    return value <= 255 && !(value == 0 && field.find("00") != std::string::npos);
}

bool IsDottedIPv4(const std::string& text)
{
    if (text.empty())
        return false;
    // The whole text is examined: a character after an address of fifteen characters would
    // otherwise pass and reach the switch as part of the instance.
    std::string field;
    int dots = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDecimal(c)) {
            field += c;
        } else if (c == '.') {
            const bool digitFollows = i + 1 < text.size() && IsDecimal(text[i + 1]);
            if (!digitFollows || i == 0 || field.size() >= 4 || !FieldValueOk(field))
                return false;
            ++dots;
            field.clear();
        } else {
            return false;
        }
    }
    return FieldValueOk(field) && dots == 3;
}

bool Refuse(QWidget* owner, const std::string& message)
{
    ui::ShowMessage(owner, message);
    return false;
}

} // namespace

bool CheckIPAddressText(const std::string& text, QWidget* owner)
{
    return IsDottedIPv4(text) || Refuse(owner, "Please input a valid IP");
}

bool CheckMACAddressText(const std::string& text, QWidget* owner)
{
    return AllHex(text, 12) || Refuse(owner, "Invalid MAC address");
}

bool CheckIPv6Text(const std::string& text, QWidget* owner, const std::string& lengthMessage)
{
    if (text.size() != 32)
        return Refuse(owner, lengthMessage);
    return AllHex(text, 32) || Refuse(owner, IPv6LengthMessage);
}

bool CheckIPv6Text(const ui::Edit* edit, QWidget* owner, const std::string& lengthMessage)
{
    return CheckIPv6Text(edit->Text(), owner, lengthMessage);
}

bool CheckHex8Text(const std::string& text, const std::string& message, QWidget* owner)
{
    return AllHex(text, 8) || Refuse(owner, message);
}

bool HasSelectedPorts(const TStackingPortUitForm* picker)
{
    if (picker == nullptr)
        return false;
    const std::vector<ui::CheckBox*> unitOne = picker->UnitBoxes(1);
    return std::any_of(unitOne.begin(), unitOne.end(), [](const ui::CheckBox* box) { return box->Checked(); });
}

namespace {

// Whether one of the first count boxes of the unit (1-based) is checked; boxes the picker lacks
// count as unchecked.
bool UnitHasCheckedBox(const TStackingPortUitForm& picker, int unit, int count)
{
    const std::size_t first = static_cast<std::size_t>(unit - 1) * TStackingPortUitForm::PortsPerUnit;
    const std::size_t end =
        std::min(picker.PortBoxes.size(), first + static_cast<std::size_t>(std::clamp(count, 0, 64)));
    for (std::size_t i = first; i < end; ++i)
        if (picker.PortBoxes[i]->Checked())
            return true;
    return false;
}

} // namespace

bool HasSelectedPorts(const TStackingPortUitForm* picker, const ui::ListView* units, int unitCount,
                      const std::string& modelName)
{
    if (picker == nullptr)
        return false;
    const int pickerUnits = static_cast<int>(picker->PortBoxes.size() / TStackingPortUitForm::PortsPerUnit);
    const int rows = units != nullptr ? std::min(std::max(unitCount, 0), units->Count()) : 0;
    if (units == nullptr || units->Count() == 0)
        return pickerUnits >= 1 && UnitHasCheckedBox(*picker, 1, PortCountOfModel(modelName));
    for (int i = 0; i < rows; ++i) {
        const ui::ListItem* row = units->Item(i);
        if (row->SubItem(7) == "no-exist")
            continue;
        const std::string id = row->Caption();
        int unit = 0;
        const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), unit);
        if (id.empty() || error != std::errc() || end != id.data() + id.size() || unit < 1 || unit > pickerUnits)
            continue;
        if (UnitHasCheckedBox(*picker, unit, PortCountOfModel(row->SubItem(6))))
            return true;
    }
    return false;
}
