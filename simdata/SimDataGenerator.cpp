#include "simdata/SimDataGenerator.h"

#include "snmp/OptionList.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

bool HasOid(const VarDescriptor& row)
{
    return row.oid != nullptr && row.oid[0] != '\0' && std::strcmp(row.oid, " ") != 0;
}

std::string EntryOf(const std::string& columnOid)
{
    return columnOid.substr(0, columnOid.rfind('.'));
}

unsigned ColumnOf(const std::string& columnOid)
{
    return static_cast<unsigned>(std::stoul(columnOid.substr(columnOid.rfind('.') + 1)));
}

bool Readable(const VarDescriptor& row)
{
    return (row.access & invalid) == 0 && (row.access & readonly) != 0;
}

bool Writable(const VarDescriptor& row)
{
    return (row.access & invalid) == 0 && (row.access & writeonly) != 0;
}

// The options of a built kind-1 list, in list order.
std::vector<std::int64_t> OptionValues(const VarDescriptor& row)
{
    std::vector<std::int64_t> values;
    if (row.options != nullptr && row.options->Kind() == 1) {
        for (int i = 0; i < row.options->Count(); ++i)
            values.push_back(row.options->Item(i).value);
    }
    return values;
}

bool IsNumberSyntax(std::int32_t syntax)
{
    switch (syntax) {
    case boolean: case integer: case counter: case guage: case timeticks: case counter64: case uinteger:
    case bool8: case int8: case uint8: case bool16: case int16: case uint16:
        return true;
    default:
        return false;
    }
}

// The type letter a syntax is served with. The request framework writes counters and gauges as
// Gauge32, so a writable one is a gauge on the switch too.
char TypeLetter(std::int32_t syntax, bool writable)
{
    switch (syntax) {
    case counter: return writable ? 'u' : 'c';
    case guage: case uinteger: return 'u';
    case counter64: return 'C';
    case timeticks: return 't';
    case ipaddress: case nsapaddr: return 'a';
    case objectid: return 'o';
    case displaystr: return 's';
    case null: return 'n';
    case bitstr: case octetstr: case opaque: case macaddress: case ipv6address: case bitlist: case inetaddress:
    case datetime: case bcdatetime: case syntax_double:
        return 'x';
    default:
        return 'i';
    }
}

std::string Bytes(std::initializer_list<int> octets)
{
    std::string bytes;
    for (int o : octets)
        bytes.push_back(static_cast<char>(o));
    return bytes;
}

std::string Ipv6(int prefix1, int prefix2, int last)
{
    std::string bytes(16, '\0');
    bytes[0] = static_cast<char>(prefix1);
    bytes[1] = static_cast<char>(prefix2);
    bytes[15] = static_cast<char>(last);
    return bytes;
}

// A short text from the caption: its first word in lower case, and the row number.
std::string CaptionText(const char* caption, int r)
{
    std::string word;
    for (const char* c = caption ? caption : ""; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(*c))));
        else if (!word.empty())
            break;
    }
    return (word.empty() ? "text" : word) + std::to_string(r);
}

bool IsAddressTypeColumn(const VarDescriptor& row)
{
    if (row.syntax != integer || row.options == nullptr)
        return false;
    for (int i = 0; i < row.options->Count(); ++i) {
        std::string text = row.options->Item(i).text;
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
        if (text.find("ipv4") != std::string::npos || text.find("ipv6") != std::string::npos)
            return true;
    }
    return false;
}

// The value of one object in row r (1-based). addressType: the value of the address-type
// column read before an InetAddress in this row (0 when there is none).
SimCell ValueOf(const VarDescriptor& row, int r, bool writable, std::int64_t addressType)
{
    SimCell cell;
    cell.type = TypeLetter(row.syntax, writable);
    std::vector<std::int64_t> options = OptionValues(row);
    // An address type names the InetAddress after it: ipv4 (1) or ipv6 (2), never "unknown".
    if (IsAddressTypeColumn(row))
        std::erase_if(options, [](std::int64_t type) { return type != 1 && type != 2; });
    if (IsNumberSyntax(row.syntax) && !options.empty()) {
        cell.value = std::to_string(options[static_cast<std::size_t>(r - 1) % options.size()]);
        return cell;
    }
    if (row.options != nullptr && row.options->Kind() == 2 && row.options->Count() > 0) {
        cell.value = row.options->Item((r - 1) % row.options->Count()).valueText;
        return cell;
    }
    switch (row.syntax) {
    case boolean: case bool8: case bool16:
        cell.value = r % 2 == 1 ? "1" : "0";
        break;
    case counter:
        cell.value = std::to_string(1000 * r);
        cell.step = writable ? 0 : static_cast<std::uint64_t>(r);
        break;
    case counter64:
        cell.value = std::to_string(0x100000000ull + 1000ull * static_cast<unsigned>(r));
        cell.step = static_cast<std::uint64_t>(r);
        break;
    case guage: case uinteger:
        cell.value = std::to_string(100 * r);
        break;
    case timeticks:
        cell.value = std::to_string(360000 * r);
        break;
    case ipaddress: case nsapaddr:
        cell.value = "10.90.90." + std::to_string(r);
        break;
    case objectid:
        cell.value = "1.3.6.1.6.3.1.1.5." + std::to_string(r);
        break;
    case displaystr:
        cell.value = CaptionText(row.caption, r);
        break;
    case null:
        break;
    case macaddress:
        cell.value = Bytes({0x02, 0x53, 0x56, 0x00, 0x01, r});
        break;
    case ipv6address:
        cell.value = Ipv6(0x20, 0x01, r);
        break;
    case inetaddress:
        cell.value = addressType == 2 ? Ipv6(0xfe, 0x80, r) : Bytes({10, 90, 91, r});
        break;
    case datetime: // 2026-12-10 r:00:00.0 +00:00
        cell.value = Bytes({0x07, 0xEA, 12, 10, r, 0, 0, 0, '+', 0, 0});
        break;
    case bcdatetime:
    case syntax_double: {
        const double number = row.syntax == bcdatetime ? 46000.0 + r : 1.5 * r;
        cell.value.assign(8, '\0');
        std::memcpy(cell.value.data(), &number, 8);
        break;
    }
    case bitlist: // a port list: 8 octets per unit
        cell.value = Bytes({0xF0 >> (r % 4), 0x0F, 0, 0, 0, 0, 0, 0});
        break;
    case bitstr:
        cell.value = Bytes({0x80 >> ((r - 1) % 8)});
        break;
    case octetstr: case opaque:
        cell.value = Bytes({r, 0x10, 0x20, 0x30});
        break;
    default:
        cell.value = std::to_string(r);
        break;
    }
    return cell;
}

// An index column's sub-identifiers for a value of the syntax, as the object's value is written
// into an instance: fixed-width addresses without a length, strings and OIDs with one unless they
// are the implied last key.
std::string IndexPart(std::int32_t syntax, const SimCell& cell, bool impliedLast)
{
    std::string ids;
    auto add = [&ids](std::uint64_t id) {
        if (!ids.empty())
            ids.push_back('.');
        ids += std::to_string(id);
    };
    switch (syntax) {
    case counter64: {
        const std::uint64_t v = std::stoull(cell.value);
        add(v >> 32);
        add(v & 0xFFFFFFFFu);
        break;
    }
    case ipaddress: case nsapaddr: case objectid: {
        if (syntax == objectid && !impliedLast)
            add(static_cast<std::uint64_t>(std::count(cell.value.begin(), cell.value.end(), '.') + 1));
        ids += (ids.empty() ? "" : ".") + cell.value;
        break;
    }
    case macaddress: case ipv6address: case datetime:
        for (unsigned char c : cell.value)
            add(c);
        break;
    default:
        if (cell.type == 's' || cell.type == 'x') {
            if (!impliedLast)
                add(cell.value.size());
            for (unsigned char c : cell.value)
                add(c);
        } else {
            add(static_cast<std::uint32_t>(std::stoll(cell.value)));
        }
        break;
    }
    return ids;
}

std::size_t FixedWidth(std::int32_t syntax)
{
    return syntax == macaddress ? 6 : syntax == ipv6address ? 16 : syntax == datetime ? 11 : 0;
}

std::int64_t StatusValue(const VarDescriptor& row, const std::string& text)
{
    const std::string raw = row.options != nullptr ? row.options->TextToValue(text) : text;
    try {
        return std::stoll(raw);
    } catch (const std::exception&) {
        throw std::invalid_argument("status value \"" + text + "\" is not offered by \"" + row.caption + "\"");
    }
}

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20 || c >= 0x7F) {
            static const char digits[] = "0123456789ABCDEF";
            out += "\\x";
            out.push_back(digits[c >> 4]);
            out.push_back(digits[c & 15]);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out + "\"";
}

std::string ValueField(const SimCell& cell)
{
    if (cell.type == 's')
        return Quoted(cell.value);
    if (cell.type == 'x') {
        if (cell.value.empty())
            return "\"\"";
        static const char digits[] = "0123456789ABCDEF";
        std::string hex;
        for (unsigned char c : cell.value) {
            if (!hex.empty())
                hex.push_back(':');
            hex.push_back(digits[c >> 4]);
            hex.push_back(digits[c & 15]);
        }
        return hex;
    }
    return cell.value;
}

std::string RulesField(bool writable, bool notAccessible, const std::vector<std::int64_t>& enums)
{
    std::string text = notAccessible ? "na" : writable ? "rw" : "ro";
    if (writable && !enums.empty()) {
        text += " enum=";
        for (std::size_t i = 0; i < enums.size(); ++i)
            text += (i ? "," : "") + std::to_string(enums[i]);
    }
    return text;
}

int ModelNumber(const std::string& model)
{
    static const char* const names[] = {"Ka", "Kb", "Kc", "Kd"};
    for (int i = 0; i < 4; ++i) {
        if (model == names[i])
            return i + 1;
    }
    throw std::invalid_argument("no simulated model " + model);
}

// The OIDs a data file gives instances to, and the tables it declares.
void ReadBaseFile(const std::string& path, std::set<std::string>& instances, std::set<std::string>& tables)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string first, second;
        fields >> first >> second;
        if (first == "table")
            tables.insert(second[0] == '.' ? second.substr(1) : second);
        else if (!first.empty() && std::isdigit(static_cast<unsigned char>(first[0])))
            instances.insert(first);
    }
}

} // namespace

SimDataGenerator::SimDataGenerator(const std::string& model) : model_(ModelNumber(model))
{
    const std::string dir = std::string(SORVANE_SIM_DATA_DIR) + "/";
    ReadBaseFile(dir + "common.dat", baseInstances_, baseTables_);
    ReadBaseFile(dir + "model-" + model + ".dat", baseInstances_, baseTables_);
}

void SimDataGenerator::PutCell(const std::string& oid, const SimCell& cell)
{
    if (baseInstances_.count(oid) == 0)
        cells_.emplace(oid, cell);
}

void SimDataGenerator::Add(const SimWindowData& window)
{
    if (window.table == nullptr || (window.model != 0 && window.model != model_))
        return;
    const bool tableKind = window.kind == MVT_FMV || window.kind == MVT_UMV;
    if (tableKind && (window.keyCount > 0 || window.portRows || !JoinedIndexes(window).empty()))
        AddTable(window);
    else
        AddScalars(window);
}

void SimDataGenerator::AddScalars(const SimWindowData& window)
{
    // A table kind without key columns walks from each column and meets its ".0" first.
    const std::string suffix = window.kind == MVT_SV ? "" : ".0";
    for (const VarDescriptor* row = window.table; row->oid != nullptr; ++row) {
        if (!HasOid(*row) || !(Readable(*row) || Writable(*row)))
            continue;
        const std::string oid = std::string(row->oid) + suffix;
        const bool writable = Writable(*row);
        PutCell(oid, ValueOf(*row, 1, writable, 0));
        scalarRules_.emplace(oid, Column{TypeLetter(row->syntax, writable), writable, !Readable(*row) && !writable,
                                         IsNumberSyntax(row->syntax) ? OptionValues(*row) : std::vector<std::int64_t>{}});
    }
}

void SimDataGenerator::AddTable(const SimWindowData& window)
{
    const VarDescriptor* rows = window.table;
    const int count = MvSNMPVarList::CountDescriptorRows(rows);
    const int keys = std::min(window.keyCount, count);

    // The objects served as columns: every readable or writable row after the keys, and the keys
    // with an OID of their own that is not such a row's. Their entries are the tables declared:
    // those of the data columns, and that of a readable key (the walk reads it).
    std::set<std::string> dataOids;
    for (int i = keys; i < count; ++i) {
        if (HasOid(rows[i]) && (Readable(rows[i]) || Writable(rows[i])))
            dataOids.insert(rows[i].oid);
    }
    auto ownKey = [&](int k) { return HasOid(rows[k]) && dataOids.count(rows[k].oid) == 0; };
    std::vector<std::string> entries;
    auto noteEntry = [&](const std::string& entry) {
        // What the switch's own data files serve stays as it is.
        if (std::find(entries.begin(), entries.end(), entry) == entries.end() && !BaseHasEntry(entry))
            entries.push_back(entry);
    };
    for (const std::string& oid : dataOids)
        noteEntry(EntryOf(oid));
    for (int k = 0; k < keys; ++k) {
        if (ownKey(k) && Readable(rows[k]))
            noteEntry(EntryOf(rows[k].oid));
    }
    auto served = [&entries](const std::string& oid) {
        return std::find(entries.begin(), entries.end(), EntryOf(oid)) != entries.end();
    };

    const bool implied = keys > 0 && (rows[keys - 1].access & impliedlength) != 0;
    for (const std::string& entry : entries) {
        // The first window that reads an entry gives its keys; later ones add their columns.
        const bool fresh = tables_.count(entry) == 0;
        Table& table = tables_[entry];
        if (fresh) {
            table.implied = implied;
            // Keys of another entry, or without an OID, are not-accessible columns past the MIB's.
            unsigned spare = 200;
            for (int k = 0; k < keys; ++k) {
                const bool own = ownKey(k) && EntryOf(rows[k].oid) == entry;
                const unsigned column = own ? ColumnOf(rows[k].oid) : spare++;
                table.index.emplace_back(column, FixedWidth(rows[k].syntax));
                table.columns[column] = Column{TypeLetter(rows[k].syntax, false), false, !own || !Readable(rows[k]), {}};
            }
        }
        for (int i = keys; i < count; ++i) {
            if (!HasOid(rows[i]) || dataOids.count(rows[i].oid) == 0 || EntryOf(rows[i].oid) != entry)
                continue;
            const bool writable = Writable(rows[i]);
            table.columns.emplace(ColumnOf(rows[i].oid),
                                  Column{TypeLetter(rows[i].syntax, writable), writable, !Readable(rows[i]) && !writable,
                                         IsNumberSyntax(rows[i].syntax) ? OptionValues(rows[i]) : std::vector<std::int64_t>{}});
        }
        if (table.status.empty() && window.statusItem >= 0 && window.statusItem < count
            && HasOid(rows[window.statusItem]) && EntryOf(rows[window.statusItem].oid) == entry) {
            const VarDescriptor& status = rows[window.statusItem];
            const std::int64_t add = StatusValue(status, window.addText);
            const std::int64_t del = StatusValue(status, window.deleteText);
            const unsigned column = ColumnOf(status.oid);
            if (add == 4 && del == 6) {
                table.status = "rowstatus=" + std::to_string(column);
                table.columns[column].enums.clear(); // the switch knows RowStatus itself
            } else {
                table.status = "status=" + std::to_string(column) + ":" + std::to_string(add) + ":" + std::to_string(del);
            }
        }
    }

    const std::vector<std::string> indexes = RowIndexes(window);
    for (int r = 1; r <= static_cast<int>(indexes.size()); ++r) {
        std::int64_t addressType = 0;
        for (int i = 0; i < count; ++i) {
            const VarDescriptor& row = rows[i];
            const bool key = i < keys;
            if (!HasOid(row))
                continue;
            SimCell cell = ValueOf(row, r, Writable(row) && !key, addressType);
            if (IsAddressTypeColumn(row))
                addressType = std::stoll(cell.value);
            if (key ? !ownKey(i) : dataOids.count(row.oid) == 0)
                continue;
            if (!served(row.oid))
                continue;
            if (key)
                cell.step = 0; // a key names its row
            if (i == window.statusItem) {
                const std::int64_t add = StatusValue(row, window.addText);
                cell.value = std::to_string(add == 4 && StatusValue(row, window.deleteText) == 6 ? 1 : add);
            }
            const auto& columns = tables_.at(EntryOf(row.oid)).columns;
            const auto column = columns.find(ColumnOf(row.oid));
            if (column != columns.end())
                cell.type = column->second.type; // as declared by the first window
            PutCell(std::string(row.oid) + "." + indexes[static_cast<std::size_t>(r - 1)], cell);
        }
    }
}

std::vector<std::string> SimDataGenerator::JoinedIndexes(const SimWindowData& window) const
{
    std::vector<std::string> indexes;
    const bool tableKind = window.kind == MVT_FMV || window.kind == MVT_UMV;
    if (!tableKind || window.keyCount > 0 || window.table == nullptr || !HasOid(window.table[0]))
        return indexes;
    const std::string prefix = std::string(window.table[0].oid) + ".";
    for (auto it = baseInstances_.lower_bound(prefix); it != baseInstances_.end() && it->starts_with(prefix); ++it)
        if (const std::string index = it->substr(prefix.size()); index != "0")
            indexes.push_back(index);
    // In the switch's order: by sub-identifiers, not by text.
    std::sort(indexes.begin(), indexes.end(), [](const std::string& a, const std::string& b) {
        std::istringstream as(a), bs(b);
        std::vector<unsigned long> x, y;
        for (std::string id; std::getline(as, id, '.');)
            x.push_back(std::stoul(id));
        for (std::string id; std::getline(bs, id, '.');)
            y.push_back(std::stoul(id));
        return x < y;
    });
    return indexes;
}

bool SimDataGenerator::BaseHasEntry(const std::string& entry) const
{
    if (baseTables_.count(entry) != 0)
        return true;
    const std::string prefix = entry + ".";
    const auto it = baseInstances_.lower_bound(prefix);
    return it != baseInstances_.end() && it->compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> SimDataGenerator::RowIndexes(const SimWindowData& window) const
{
    std::vector<std::string> indexes = JoinedIndexes(window);
    if (!indexes.empty())
        return indexes;
    const VarDescriptor* rows = window.table;
    const int keys = std::min(window.keyCount, MvSNMPVarList::CountDescriptorRows(rows));
    for (int r = 1; r <= window.rows; ++r) {
        std::string index;
        std::int64_t addressType = 0;
        for (int k = 0; k < keys; ++k) {
            const SimCell cell = ValueOf(rows[k], r, false, addressType);
            if (IsAddressTypeColumn(rows[k]))
                addressType = std::stoll(cell.value);
            const std::string part = IndexPart(rows[k].syntax, cell, k == keys - 1 && (rows[k].access & impliedlength));
            index += (index.empty() || part.empty() ? "" : ".") + part;
        }
        if (keys == 0)
            index = std::to_string(r); // a port's row
        if (std::find(indexes.begin(), indexes.end(), index) == indexes.end())
            indexes.push_back(index);
    }
    return indexes;
}

const SimCell* SimDataGenerator::Cell(const std::string& oid) const
{
    const auto it = cells_.find(oid);
    return it == cells_.end() ? nullptr : &it->second;
}

std::string SimDataGenerator::Text() const
{
    std::ostringstream out;
    out << "# Generated by simdata/SimDataGenerator for the feature windows.\n";
    for (const auto& [entry, table] : tables_) {
        out << "table " << entry;
        if (!table.index.empty()) {
            out << " index=";
            for (std::size_t i = 0; i < table.index.size(); ++i) {
                out << (i ? "," : "") << table.index[i].first;
                if (table.index[i].second != 0)
                    out << ':' << table.index[i].second;
            }
        }
        if (table.implied)
            out << " implied";
        if (!table.status.empty())
            out << ' ' << table.status;
        out << '\n';
        for (const auto& [column, def] : table.columns)
            out << "column " << entry << '.' << column << ' ' << def.type << ' '
                << RulesField(def.writable, def.notAccessible, def.enums) << '\n';
    }
    for (const auto& [oid, cell] : cells_) {
        out << oid << ' ' << cell.type;
        if (cell.type != 'n')
            out << ' ' << ValueField(cell);
        const auto rules = scalarRules_.find(oid);
        if (rules != scalarRules_.end())
            out << ' ' << RulesField(rules->second.writable, rules->second.notAccessible, rules->second.enums);
        if (cell.step != 0)
            out << " step=" << cell.step;
        out << '\n';
    }
    return out.str();
}

std::string SimDataGenerator::WriteFile(const std::string& path) const
{
    std::ofstream out(path);
    out << Text();
    if (!out)
        throw std::runtime_error("cannot write " + path);
    return path;
}
