#include "simdata/GarbledData.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

// The blank-separated fields of a data-file line; a quoted field loses its quotes and escapes.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string field;
        if (line[i] == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size())
                    ++i;
                field.push_back(line[i]);
            }
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                field.push_back(line[i++]);
        }
        fields.push_back(field);
    }
    return fields;
}

// The octets of a hexadecimal value ("00:01:0A", "" for none).
std::size_t OctetCount(const std::string& hex)
{
    std::size_t digits = 0;
    for (char c : hex)
        digits += std::isxdigit(static_cast<unsigned char>(c)) != 0;
    return digits / 2;
}

std::string HexOctets(std::size_t count)
{
    std::string hex;
    for (std::size_t i = 0; i < count; ++i)
        hex += i == 0 ? "0A" : ":0B";
    return hex;
}

std::string Magnitude(const std::string& number)
{
    return !number.empty() && number[0] == '-' ? number.substr(1) : number.empty() ? "0" : number;
}

// A wrong value for an instance of the type and value: variant 0 and 1 alternate between the
// rows of a column, so that each table gets both kinds of its type.
std::string Garbled(char type, const std::string& value, int variant)
{
    const bool first = variant % 2 == 0;
    switch (type) {
    case 'i': return first ? "c " + Magnitude(value) : "s \"not a number\"";
    case 'u': return first ? "C " + Magnitude(value) : "s \"gauge\"";
    case 'c': return first ? "i -" + Magnitude(value) : "s \"counter\"";
    case 'C': return first ? "c 7" : "s \"counter64\"";
    case 't': return first ? "i -1" : "s \"ticks\"";
    case 'a': return first ? "x " + HexOctets(3) : "s \"10.0.0\"";
    case 'o': return first ? "s \"1.3.6\"" : "i 3";
    case 's': return first ? "i 42" : "o 1.3.6.1";
    case 'x': {
        if (!first)
            return "i 7";
        const std::size_t octets = OctetCount(value);
        // A MAC or an IP address gets three octets, a DateAndTime two, a port list and
        // anything longer one; a value too short already becomes a number.
        if (octets == 6 || octets == 4)
            return "x " + HexOctets(3);
        if (octets == 8 || octets == 11)
            return "x " + HexOctets(2);
        if (octets >= 2)
            return "x " + HexOctets(1);
        return "i 7";
    }
    default: return "i 0";
    }
}

} // namespace

std::string GarbledText(const SimDataGenerator& data)
{
    std::set<std::string> entries;
    std::map<std::string, bool> columns;            // column OID: not accessible
    std::map<std::string, int> variants;            // rows garbled so far per column
    std::map<std::string, std::pair<char, std::string>> firstRow; // column: its type and first index
    std::ostringstream out;
    out << "# Garbled by simdata/GarbledData: wrong types, short octet strings, bad indexes.\n";

    std::istringstream in(data.Text());
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = Fields(line);
        if (fields.empty() || fields[0][0] == '#')
            continue;
        if (fields[0] == "table") {
            entries.insert(fields.at(1));
            continue;
        }
        if (fields[0] == "column") {
            columns[fields.at(1)] = fields.size() > 3 && fields[3] == "na";
            continue;
        }
        const std::string& oid = fields[0];
        const char type = fields.at(1).at(0);
        const std::string value = fields.size() > 2 ? fields[2] : "";
        // The column the instance belongs to, if a table declares it: the OID up to the column
        // arc below a declared entry.
        std::string column;
        for (std::size_t dot = oid.find('.'); dot != std::string::npos; dot = oid.find('.', dot + 1)) {
            if (entries.count(oid.substr(0, dot)) != 0) {
                const std::size_t end = oid.find('.', dot + 1);
                column = end == std::string::npos ? "" : oid.substr(0, end);
                break;
            }
        }
        const auto declared = columns.find(column);
        if (declared != columns.end() && declared->second)
            continue; // never served
        const std::string key = column.empty() ? oid : column;
        out << oid << ' ' << Garbled(type, value, variants[key]++) << '\n';
        if (!column.empty() && firstRow.count(column) == 0)
            firstRow[column] = {type, oid.substr(column.size() + 1)};
    }

    // Rows whose index does not decode: the first row's index cut by its last sub-identifier,
    // and a length of 250 followed by two sub-identifiers.
    for (const auto& [column, row] : firstRow) {
        const auto& [type, index] = row;
        const std::size_t last = index.rfind('.');
        if (last != std::string::npos)
            out << column << '.' << index.substr(0, last) << ' ' << Garbled(type, "", 0) << '\n';
        out << column << ".250.65.66 " << Garbled(type, "", 0) << '\n';
    }
    return out.str();
}

std::string WriteGarbledFile(const SimDataGenerator& data, const std::string& path)
{
    std::ofstream out(path);
    out << GarbledText(data);
    if (!out)
        throw std::runtime_error("cannot write " + path);
    return path;
}
