// The value transfer between the items of the variable list and their bound controls. Both ways
// work through the octet form of the values, so that a control can stand for a part of an octet
// string, one bit of a port list or one field of an address or a date.

#include "snmp/Request2Edits.h"

#include "snmp/Convert.h"
#include "snmp/Exception.h"
#include "snmp/OctetText.h"
#include "snmp/OptionList.h"
#include "snmp/PartValues.h"
#include "snmp/PortList.h"
#include "snmp/SnmpError.h"
#include "snmp/TypedValues.h"
#include "snmp/ValueTypes.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/RadioGroup.h"

#include <cstdio>
#include <optional>

namespace {

// A port list typed without a width of its own: 64 ports, one stacking unit.
constexpr std::size_t UnitPortListDigits = 16;

bool IsPlaceholder(const std::string& text) { return text == "(NULL)" || text == "(NOTDONE)"; }

bool IsPartBinding(const ControlBinding& binding, const MvVarItem& item)
{
    return binding.PartOffset != 0 || binding.PartSyntax != item.syntax;
}

// The binding's own list, or for a whole value the item's.
const MvOptionList* EffectiveOptions(const ControlBinding& binding, const MvVarItem& item)
{
    if (binding.Options != nullptr || IsPartBinding(binding, item))
        return binding.Options;
    return item.options;
}

std::string RawValue(const MvVarItem& item)
{
    return item.options != nullptr ? item.options->TextToValue(item.value) : item.value;
}

// The controls of a binding, in order; all must be edits.
std::vector<ui::Edit*> EditsOf(const ControlBinding& binding)
{
    std::vector<ui::Edit*> edits;
    for (const QPointer<QWidget>& control : binding.Controls) {
        auto* edit = qobject_cast<ui::Edit*>(control);
        if (edit == nullptr)
            RaiseFrameworkError(MvCode::BadControlType);
        edits.push_back(edit);
    }
    return edits;
}

void RequireEdits(const std::vector<ui::Edit*>& edits, std::size_t count)
{
    if (edits.size() < count)
        RaiseFrameworkError(MvCode::NotEnoughControls);
}

void RequireOctets(const std::string& octets, std::size_t count)
{
    if (octets.size() < count)
        RaiseFrameworkError(MvCode::BadPartValue);
}

std::string Hex(unsigned char octet) { return OctetsToHex(std::string(1, static_cast<char>(octet))); }

unsigned char Octet(const std::string& octets, std::size_t k) { return static_cast<unsigned char>(octets[k]); }

// The number in one field of a value spread over several edits; an empty field, a text that is
// no number or one above max is refused as a value of the syntax.
std::uint32_t Number(const ui::Edit* edit, std::int64_t max, std::int32_t syntax)
{
    const std::optional<std::int64_t> value = ReadNumberText(edit->Text(), 0, max);
    if (!value)
        RaiseBadValue(syntax);
    return static_cast<std::uint32_t>(*value);
}

// Octets from edits holding two hex digits each: an empty edit gives "00", one digit gets a
// leading "0".
std::string PaddedHex(const std::vector<ui::Edit*>& edits, std::size_t count)
{
    std::string hex;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string text = edits[k]->Text();
        hex += text.empty() ? "00" : text.size() == 1 ? "0" + text : text;
    }
    return hex;
}

std::string Joined(const std::vector<ui::Edit*>& edits, std::size_t count)
{
    std::string text;
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0)
            text.push_back('.');
        text += edits[k]->Text();
    }
    return text;
}

// Syntaxes whose value spreads over several edits, one field per edit; any other shows its text
// in the first edit.
bool IsFieldWise(std::int32_t syntax)
{
    switch (syntax) {
    case bitstr: case octetstr: case opaque: case objectid: case ipaddress: case nsapaddr: case timeticks:
    case macaddress: case datetime: case bcdatetime: case ipv6address: case inetaddress:
        return true;
    default:
        return false;
    }
}

// The edits' texts of a field-wise value. A "(NULL)" value leaves the edits as they are (nothing
// is returned then); edits beyond a shorter value get empty texts.
std::optional<std::vector<std::string>> FieldTexts(std::int32_t syntax, const std::string& octets,
                                                   const std::string& text, std::size_t editCount)
{
    std::vector<std::string> fields;
    auto need = [&](std::size_t count) {
        if (editCount < count)
            RaiseFrameworkError(MvCode::NotEnoughControls);
    };
    auto hexFields = [&](std::size_t count) {
        for (std::size_t k = 0; k < count; ++k)
            fields.push_back(k < octets.size() ? Hex(Octet(octets, k)) : std::string());
    };
    auto decimalFields = [&](std::size_t count) {
        RequireOctets(octets, count);
        for (std::size_t k = 0; k < count; ++k)
            fields.push_back(std::to_string(Octet(octets, k)));
    };
    // The fixed layouts need their edits whatever the value.
    switch (syntax) {
    case ipaddress: case nsapaddr: case inetaddress: need(4); break;
    case timeticks: need(5); break;
    case macaddress: need(6); break;
    case bcdatetime: need(7); break;
    case datetime: need(10); break;
    case ipv6address: need(16); break;
    default: break;
    }
    if (IsPlaceholder(text))
        return std::nullopt;
    switch (syntax) {
    case objectid: {
        need(octets.size() / 4);
        const std::string oid = OctetsToText(octets, objectid);
        for (std::size_t start = 0; !octets.empty();) {
            const std::size_t dot = oid.find('.', start);
            fields.push_back(oid.substr(start, dot - start));
            if (dot == std::string::npos)
                break;
            start = dot + 1;
        }
        break;
    }
    case ipaddress:
    case nsapaddr:
        decimalFields(4);
        break;
    case timeticks: {
        const auto t = static_cast<std::uint32_t>(ReadUnsignedDecimal(OctetsToText(octets, uinteger)));
        for (std::uint32_t field : {t / 8640000, t % 8640000 / 360000, t % 360000 / 6000, t % 6000 / 100, t % 100})
            fields.push_back(std::to_string(field));
        break;
    }
    case macaddress:
        RequireOctets(octets, 6);
        hexFields(6);
        break;
    case datetime: {
        RequireOctets(octets, MvDateTime::WireSize);
        const MvDateTime d =
            MvDateTime::FromOctets(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
        fields = {std::to_string(d.year),        std::to_string(d.month),     std::to_string(d.day),
                  std::to_string(d.hour),        std::to_string(d.minutes),   std::to_string(d.seconds),
                  std::to_string(d.deciSeconds), std::string(1, d.direction), std::to_string(d.utcHours),
                  std::to_string(d.utcMinutes)};
        break;
    }
    case bcdatetime: {
        const DateTimeParts d = DecodeDateTime(StrToDateTime(OctetsToText(octets, bcdatetime)));
        for (int field : {d.year, d.month, d.day, d.hour, d.minute, d.second, d.millisecond})
            fields.push_back(std::to_string(field));
        break;
    }
    case ipv6address:
        RequireOctets(octets, 16);
        hexFields(16);
        break;
    case inetaddress:
        if (editCount >= 16)
            hexFields(16);
        else
            decimalFields(4);
        break;
    default: // bitstr, octetstr, opaque
        need(octets.size());
        hexFields(octets.size());
        break;
    }
    if (syntax == objectid || syntax == bitstr || syntax == octetstr || syntax == opaque)
        fields.resize(editCount);
    return fields;
}

// The text of a value gathered from several edits, in the syntax's text form.
std::string TextOfFields(std::int32_t syntax, const std::vector<ui::Edit*>& edits)
{
    switch (syntax) {
    case bitstr:
    case octetstr:
    case opaque:
        return PaddedHex(edits, edits.size());
    case objectid:
        return Joined(edits, edits.size());
    case ipaddress:
    case nsapaddr:
        RequireEdits(edits, 4);
        return Joined(edits, 4);
    case timeticks: {
        RequireEdits(edits, 5);
        const std::uint64_t t = std::uint64_t{Number(edits[0], 49710, timeticks)} * 8640000
            + Number(edits[1], 23, timeticks) * 360000 + Number(edits[2], 59, timeticks) * 6000
            + Number(edits[3], 59, timeticks) * 100 + Number(edits[4], 99, timeticks);
        if (t > 0xFFFFFFFFu)
            RaiseBadValue(timeticks);
        return TimeTicksToText(static_cast<std::uint32_t>(t));
    }
    case macaddress:
        RequireEdits(edits, 6);
        return PaddedHex(edits, 6);
    case datetime: {
        RequireEdits(edits, 10);
        // Each field within its octet; the date as a whole is checked when it is written.
        MvDateTime d(std::string{});
        d.year = static_cast<std::uint16_t>(Number(edits[0], 65535, datetime));
        d.month = static_cast<std::uint8_t>(Number(edits[1], 255, datetime));
        d.day = static_cast<std::uint8_t>(Number(edits[2], 255, datetime));
        d.hour = static_cast<std::uint8_t>(Number(edits[3], 255, datetime));
        d.minutes = static_cast<std::uint8_t>(Number(edits[4], 255, datetime));
        d.seconds = static_cast<std::uint8_t>(Number(edits[5], 255, datetime));
        d.deciSeconds = static_cast<std::uint8_t>(Number(edits[6], 255, datetime));
        const std::string direction = edits[7]->Text();
        d.direction = direction.empty() ? '+' : direction[0];
        d.utcHours = static_cast<std::uint8_t>(Number(edits[8], 255, datetime));
        d.utcMinutes = static_cast<std::uint8_t>(Number(edits[9], 255, datetime));
        return d.Format();
    }
    case bcdatetime: {
        RequireEdits(edits, 7);
        char text[64];
        std::snprintf(text, sizeof text, "%04u/%02u/%02u %02u:%02u:%02u", Number(edits[0], 9999, bcdatetime),
                      Number(edits[1], 12, bcdatetime), Number(edits[2], 31, bcdatetime), Number(edits[3], 23, bcdatetime),
                      Number(edits[4], 59, bcdatetime), Number(edits[5], 59, bcdatetime));
        return text;
    }
    case ipv6address:
        RequireEdits(edits, 16);
        return PaddedHex(edits, 16);
    case inetaddress:
        RequireEdits(edits, 4);
        return edits.size() >= 16 ? PaddedHex(edits, 16) : Joined(edits, 4);
    default:
        return edits[0]->Text();
    }
}

// A check box set by the transfer is enabled while its state changes.
void SetCheckBox(ui::CheckBox* box, bool checked)
{
    const bool enabled = box->isEnabled();
    box->setEnabled(true);
    box->SetChecked(checked);
    box->setEnabled(enabled);
}

bool IsTruthSyntax(std::int32_t syntax) { return syntax == boolean || syntax == bool8 || syntax == bool16; }

// The port-list edit of a bitlist value or part.
bool IsPortListEdit(const ControlBinding& binding, const MvVarItem& item)
{
    return item.syntax == bitlist && binding.PartSyntax == bitlist;
}

// A value's octets; an empty text or a placeholder that the syntax cannot read is no value.
std::string OctetsOfValue(const std::string& text, std::int32_t syntax)
{
    try {
        return TextToOctets(text, syntax);
    } catch (const EConvertError&) {
        if (text.empty() || IsPlaceholder(text))
            return {};
        throw;
    }
}

// The syntaxes whose empty text is a zero-length value rather than no value.
bool IsOctetStringSyntax(std::int32_t syntax)
{
    switch (syntax) {
    case bitstr: case octetstr: case opaque: case bitlist: case displaystr: case ipv6address: case inetaddress:
        return true;
    default:
        return false;
    }
}

} // namespace

void MvSNMPRequest2Edits::ValuesToControls(int item)
{
    // Window handlers run while controls change (a check box's click) and may rebind: every
    // binding is taken by value, and the list is read anew each time.
    for (std::size_t k = 0; k < Bindings.size(); ++k) {
        const ControlBinding binding = Bindings[k];
        if (item >= 0 && binding.ItemIndex != item)
            continue;
        CheckItemIndex(binding.ItemIndex);
        const MvVarItem& bound = Request.VarList.Item(binding.ItemIndex);
        if ((bound.access & invalid) != 0)
            continue;
        ShowBinding(binding, bound);
    }
}

void MvSNMPRequest2Edits::ShowBinding(const ControlBinding& binding, const MvVarItem& item)
{
    for (const QPointer<QWidget>& control : binding.Controls)
        if (control == nullptr)
            return; // the window has gone

    const std::string raw = RawValue(item);
    std::string text = raw;
    std::optional<std::string> octets;
    if (IsPartBinding(binding, item)) {
        octets = ExtractPart(OctetsOfValue(raw, item.syntax), binding.PartOffset, binding.PartSyntax);
        text = OctetsToText(*octets, binding.PartSyntax);
    }
    // Whole values are converted only where the controls need their octets.
    auto valueOctets = [&]() -> const std::string& {
        if (!octets)
            octets = OctetsOfValue(raw, item.syntax);
        return *octets;
    };
    const MvOptionList* options = EffectiveOptions(binding, item);
    if (options != nullptr)
        text = options->ValueToText(text);

    QWidget* first = binding.Controls.front();
    if (auto* label = qobject_cast<ui::Label*>(first)) {
        label->SetCaption(text);
    } else if (auto* box = dynamic_cast<ui::CheckBox*>(first); box != nullptr && !binding.BitIndexes.empty()) {
        for (int k = 0; k < binding.ControlCount(); ++k) {
            auto* boxK = dynamic_cast<ui::CheckBox*>(binding.Controls[static_cast<std::size_t>(k)].data());
            if (boxK == nullptr)
                RaiseFrameworkError(MvCode::BadControlType);
            SetCheckBox(boxK, TestValueBit(valueOctets(), binding.BitIndexes[static_cast<std::size_t>(k)]));
        }
    } else if (box != nullptr) {
        bool checked;
        if (options != nullptr) {
            // Any option but the first checks the box.
            int index = options->FindByText(text);
            if (index < 0)
                index = options->FindByValue(text);
            checked = index > 0;
        } else {
            if (!IsTruthSyntax(binding.PartSyntax))
                RaiseFrameworkError(MvCode::BadPartSyntax);
            checked = text == "true";
        }
        SetCheckBox(box, checked);
    } else if (auto* combo = qobject_cast<ui::ComboBox*>(first)) {
        if (options != nullptr)
            options->SelectInComboBox(combo, text);
        else
            combo->SetItemIndex(combo->IndexOf(text));
        if (binding.ControlCount() > 1) {
            auto* rest = qobject_cast<ui::Edit*>(binding.Controls[1].data());
            if (rest == nullptr)
                RaiseFrameworkError(MvCode::BadControlType);
            const std::size_t head = combo->ItemIndex() < 0 ? 0 : combo->ItemText(combo->ItemIndex()).size();
            std::string tail = head < text.size() ? text.substr(head) : std::string();
            if (binding.PartSyntax == objectid && !tail.empty())
                tail.erase(0, 1);
            rest->SetText(tail);
            Constraint.RememberText(rest);
        }
    } else if (auto* group = qobject_cast<ui::RadioGroup*>(first)) {
        if (options != nullptr)
            options->SelectInRadioGroup(group, text);
        else
            group->SetItemIndex(-1);
    } else if (qobject_cast<ui::Edit*>(first) != nullptr) {
        const std::vector<ui::Edit*> edits = EditsOf(binding);
        if (edits.size() == 1) {
            const bool portList = IsPortListEdit(binding, item) && !IsPlaceholder(text);
            edits[0]->SetText(portList ? BitmapToPortList(text, false) : text);
            Constraint.RememberText(edits[0]);
            return;
        }
        if (!IsFieldWise(binding.PartSyntax)) {
            edits[0]->SetText(text);
            Constraint.RememberText(edits[0]);
            return;
        }
        const std::optional<std::vector<std::string>> fields =
            FieldTexts(binding.PartSyntax, valueOctets(), text, edits.size());
        if (!fields)
            return;
        for (std::size_t k = 0; k < edits.size() && k < fields->size(); ++k) {
            edits[k]->SetText((*fields)[k]);
            Constraint.RememberText(edits[k]);
        }
    } else {
        RaiseFrameworkError(MvCode::BadControlType);
    }
}

void MvSNMPRequest2Edits::ControlsToValues(int item)
{
    MvSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        if ((item >= 0 && i != item) || !list.IsSettable(i))
            continue;
        std::vector<ControlBinding> bindings;
        for (const ControlBinding& binding : Bindings)
            if (binding.ItemIndex == i)
                bindings.push_back(binding);
        if (bindings.empty())
            continue;

        MvVarItem& bound = list.Item(i);
        std::string octets;
        switch (bound.syntax) {
        case displaystr:
        case inetaddress:
        case ipv6address:
        case octetstr:
        case ipaddress:
            break; // rebuilt from the controls alone
        default:
            octets = OctetsOfValue(RawValue(bound), bound.syntax);
        }
        // Null only where the controls say "(NULL)": an emptied octet-string edit is a
        // zero-length value.
        bool null = true;
        for (const ControlBinding& binding : bindings) {
            try {
                bool partNull = false;
                PutPart(octets, binding.PartOffset, CollectPart(binding, bound, i, partNull));
                null = null && partNull;
            } catch (const EBadValue& e) {
                throw EBadValue(e.Message(), i, e.Syntax());
            } catch (const Exception& e) {
                if (e.HelpContext() != MvCode::BadPartValue)
                    throw;
                throw EBadValue(e.Message(), i, binding.PartSyntax);
            }
        }
        std::string value;
        if (null)
            value = "(NULL)";
        else if (octets.empty() && IsOctetStringSyntax(bound.syntax))
            value = std::string();
        else
            value = OctetsToText(octets, bound.syntax);
        bound.value = bound.options != nullptr ? bound.options->ValueToText(value) : value;
    }
}

std::string MvSNMPRequest2Edits::CollectPart(const ControlBinding& binding, const MvVarItem& item, int itemIndex,
                                             bool& null)
{
    for (const QPointer<QWidget>& control : binding.Controls)
        if (control == nullptr)
            RaiseFrameworkError(MvCode::BadControlType);
    const MvOptionList* options = EffectiveOptions(binding, item);
    QWidget* first = binding.Controls.front();

    std::string part;
    if (auto* label = qobject_cast<ui::Label*>(first)) {
        part = label->Caption();
    } else if (auto* box = dynamic_cast<ui::CheckBox*>(first); box != nullptr && !binding.BitIndexes.empty()) {
        std::string bits;
        for (int k = 0; k < binding.ControlCount(); ++k) {
            auto* boxK = dynamic_cast<ui::CheckBox*>(binding.Controls[static_cast<std::size_t>(k)].data());
            if (boxK == nullptr)
                RaiseFrameworkError(MvCode::BadControlType);
            PutValueBit(bits, binding.BitIndexes[static_cast<std::size_t>(k)], boxK->Checked());
        }
        return bits;
    } else if (box != nullptr) {
        if (options != nullptr) {
            // The first option is the unchecked state, the second the checked one.
            if (options->Count() < 2)
                RaiseFrameworkError(MvCode::NoOptionListForControl);
            part = options->Item(box->Checked() ? 1 : 0).text;
        } else {
            if (!IsTruthSyntax(binding.PartSyntax))
                RaiseFrameworkError(MvCode::BadPartSyntax);
            part = box->Checked() ? "true" : "false";
        }
    } else if (auto* combo = qobject_cast<ui::ComboBox*>(first)) {
        part = combo->ItemIndex() < 0 ? std::string() : combo->ItemText(combo->ItemIndex());
        if (binding.ControlCount() > 1) {
            auto* rest = qobject_cast<ui::Edit*>(binding.Controls[1].data());
            if (rest == nullptr)
                RaiseFrameworkError(MvCode::BadControlType);
            const std::string tail = rest->Text();
            if (binding.PartSyntax == objectid && !tail.empty())
                part.push_back('.');
            part += tail;
        }
    } else if (auto* group = qobject_cast<ui::RadioGroup*>(first)) {
        part = group->ItemText(group->ItemIndex());
    } else if (qobject_cast<ui::Edit*>(first) != nullptr) {
        const std::vector<ui::Edit*> edits = EditsOf(binding);
        if (edits.size() == 1)
            part = IsPortListEdit(binding, item) ? PortListEditHex(edits[0]->Text(), binding, itemIndex)
                                                 : edits[0]->Text();
        else
            part = TextOfFields(binding.PartSyntax, edits);
    } else {
        RaiseFrameworkError(MvCode::BadControlType);
    }
    if (options != nullptr)
        part = options->TextToValue(part);
    null = part == "(NULL)";
    // What the user typed goes out as exactly that, or not at all.
    CheckValueText(part, binding.PartSyntax);
    return TextToOctets(part, binding.PartSyntax);
}

std::string MvSNMPRequest2Edits::PortListEditHex(const std::string& text, const ControlBinding& binding,
                                                 int itemIndex) const
{
    if (IsPlaceholder(text))
        return text;
    // As wide as the value it replaces: the item's, else the one it held before the values were
    // collected, else one stacking unit.
    std::string width = Request.VarList.Item(itemIndex).value;
    if ((width.empty() || IsPlaceholder(width)) && static_cast<std::size_t>(itemIndex) < valuesBeforeCollect_.size())
        width = valuesBeforeCollect_[static_cast<std::size_t>(itemIndex)];
    if (width.empty() || IsPlaceholder(width))
        width.assign(UnitPortListDigits + 2 * static_cast<std::size_t>(binding.PartOffset), '0');
    width.erase(0, std::min(width.size(), 2 * static_cast<std::size_t>(binding.PartOffset)));

    // "0" is how the list shows no port at all.
    if (text.empty() || text == "0")
        return std::string(width.size(), '0');
    const std::optional<std::string> hex = PortListToBitmap(text, width);
    if (!hex)
        RaiseFrameworkError(MvCode::BadPartValue);
    return *hex;
}
