#include "DataFile.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace sim {

namespace {

struct LineError {
    std::string message;
};

// Whitespace-separated tokens; "..." is one token with the escapes \" \\ \n \t \xHH;
// '#' outside quotes starts a comment.
std::vector<std::string> Tokenize(const std::string& line)
{
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string token;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            if (line[i] != '"') {
                token += line[i++];
                continue;
            }
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char q = line[i++];
                if (q == '"') {
                    closed = true;
                    break;
                }
                if (q != '\\' || i >= line.size()) {
                    token += q;
                    continue;
                }
                const char e = line[i++];
                if (e == 'n') {
                    token += '\n';
                } else if (e == 't') {
                    token += '\t';
                } else if (e == 'x' && i + 1 < line.size() && HexDigitValue(line[i]) >= 0 && HexDigitValue(line[i + 1]) >= 0) {
                    token += static_cast<char>(HexDigitValue(line[i]) * 16 + HexDigitValue(line[i + 1]));
                    i += 2;
                } else {
                    token += e;
                }
            }
            if (!closed)
                throw LineError{"unterminated quoted text"};
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

Oid RequireOid(const std::string& text)
{
    const auto oid = ParseOid(text);
    if (!oid)
        throw LineError{"not an OID: " + text};
    return *oid;
}

template <typename T>
T RequireNumber(std::string_view text)
{
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw LineError{"not a number: " + std::string(text)};
    return value;
}

template <typename T>
std::pair<T, T> RequireRange(std::string_view text)
{
    const auto dots = text.find("..");
    if (dots == std::string_view::npos) {
        const T single = RequireNumber<T>(text);
        return {single, single};
    }
    return {RequireNumber<T>(text.substr(0, dots)), RequireNumber<T>(text.substr(dots + 2))};
}

Value RequireValue(const std::string& letter, const std::string& text)
{
    std::string error;
    const auto value = ParseValue(letter, text, error);
    if (!value)
        throw LineError{error};
    return *value;
}

// Applies one option token to a cell; false when the token is no cell option.
bool ApplyCellOption(const std::string& token, Cell& cell, bool& accessGiven)
{
    const auto eq = token.find('=');
    const std::string key = token.substr(0, eq);
    const std::string arg = eq == std::string::npos ? std::string() : token.substr(eq + 1);
    if (token == "ro" || token == "rw" || token == "na") {
        cell.access = token == "ro" ? Access::ReadOnly : token == "rw" ? Access::ReadWrite : Access::NotAccessible;
        accessGiven = true;
    } else if (key == "range" && eq != std::string::npos) {
        cell.constraints.range = RequireRange<std::int64_t>(arg);
    } else if (key == "size" && eq != std::string::npos) {
        cell.constraints.size = RequireRange<std::size_t>(arg);
    } else if (key == "enum" && eq != std::string::npos) {
        std::stringstream list(arg);
        std::string item;
        while (std::getline(list, item, ','))
            cell.constraints.enums.push_back(RequireNumber<std::int64_t>(item));
    } else if (key == "step" && eq != std::string::npos) {
        cell.step = RequireNumber<std::uint64_t>(arg);
    } else if (token == "nodelete") {
        cell.noDelete = true;
    } else if (token == "uptime") {
        cell.behaviour = Behaviour::Uptime;
    } else if (key == "led" && eq != std::string::npos) {
        cell.behaviour = Behaviour::LedStatus;
        cell.led.ports = RequireNumber<int>(arg);
    } else if ((key == "copper" || key == "fibre") && eq != std::string::npos) {
        std::stringstream list(arg);
        std::string item;
        while (std::getline(list, item, ','))
            cell.led.combo[RequireNumber<int>(item)] = key == "copper" ? Medium::Copper : Medium::Fibre;
    } else {
        return false;
    }
    return true;
}

class Loader {
public:
    explicit Loader(DataModel& model) : model_(model) {}

    void Line(const std::vector<std::string>& t)
    {
        if (t.empty())
            return;
        if (t[0] == "table")
            Table(t);
        else if (t[0] == "column")
            Column(t);
        else if (t[0] == "remove")
            Remove(t);
        else
            Instance(t);
    }

private:
    void Table(const std::vector<std::string>& t)
    {
        if (t.size() < 2)
            throw LineError{"table needs an entry OID"};
        TableDef table;
        table.entry = RequireOid(t[1]);
        for (std::size_t i = 2; i < t.size(); ++i) {
            const std::string& opt = t[i];
            if (opt.rfind("index=", 0) == 0) {
                std::stringstream list(opt.substr(6));
                std::string item;
                while (std::getline(list, item, ',')) {
                    // COL or COL:WIDTH (a fixed-width octet string without a length prefix).
                    const auto colon = item.find(':');
                    table.indexColumns.push_back(RequireNumber<SubId>(item.substr(0, colon)));
                    table.indexWidths.push_back(colon == std::string::npos
                                                    ? 0
                                                    : RequireNumber<std::size_t>(item.substr(colon + 1)));
                }
            } else if (opt == "createbyset") {
                table.createBySet = true;
            } else if (opt == "implied") {
                table.impliedLast = true;
            } else if (opt.rfind("rowstatus=", 0) == 0) {
                table.statusKind = StatusKind::RowStatus;
                table.statusColumn = RequireNumber<SubId>(opt.substr(10));
            } else if (opt.rfind("status=", 0) == 0) {
                // status=COLUMN:ADD:DELETE
                std::stringstream parts(opt.substr(7));
                std::string column, add, del;
                if (!std::getline(parts, column, ':') || !std::getline(parts, add, ':') || !std::getline(parts, del))
                    throw LineError{"status= needs COLUMN:ADD:DELETE"};
                table.statusKind = StatusKind::Custom;
                table.statusColumn = RequireNumber<SubId>(column);
                table.addValue = RequireNumber<std::int64_t>(add);
                table.deleteValue = RequireNumber<std::int64_t>(del);
            } else {
                throw LineError{"unknown table option: " + opt};
            }
        }
        model_.DeclareTable(std::move(table));
    }

    void Column(const std::vector<std::string>& t)
    {
        if (t.size() < 4)
            throw LineError{"column needs OID TYPE ACCESS"};
        const Oid oid = RequireOid(t[1]);
        ColumnDef def;
        const auto type = TypeFromLetter(t[2]);
        if (!type)
            throw LineError{"unknown type '" + t[2] + "'"};
        def.type = *type;
        def.hex = IsHexLetter(t[2]);
        Cell rules;
        bool accessGiven = false;
        if (!ApplyCellOption(t[3], rules, accessGiven) || !accessGiven)
            throw LineError{"column access must be ro, rw or na: " + t[3]};
        for (std::size_t i = 4; i < t.size(); ++i) {
            if (t[i].rfind("default=", 0) == 0) {
                def.defaultValue = RequireValue(t[2], t[i].substr(8));
            } else if (!ApplyCellOption(t[i], rules, accessGiven) || rules.behaviour != Behaviour::Static
                       || rules.step != 0 || rules.noDelete) {
                throw LineError{"unknown column option: " + t[i]};
            }
        }
        def.access = rules.access;
        def.constraints = rules.constraints;
        if (!model_.DeclareColumn(oid, std::move(def)))
            throw LineError{"column " + t[1] + " belongs to no declared table"};
    }

    void Remove(const std::vector<std::string>& t)
    {
        if (t.size() != 2)
            throw LineError{"remove needs one OID"};
        model_.RemoveSubtree(RequireOid(t[1]));
    }

    void Instance(const std::vector<std::string>& t)
    {
        if (t.size() < 2)
            throw LineError{"expected OID TYPE VALUE"};
        const Oid oid = RequireOid(t[0]);
        const std::string& letter = t[1];
        if (!TypeFromLetter(letter))
            throw LineError{"unknown type '" + letter + "'"};
        std::size_t next = 2;
        Cell cell;
        if (letter == "n") {
            cell.value = ZeroValue(ValueType::Null);
        } else {
            if (t.size() < 3)
                throw LineError{"missing value"};
            cell.value = RequireValue(letter, t[2]);
            next = 3;
        }
        // A cell under a declared column takes the column's rules unless it gives its own.
        if (const ColumnDef* column = model_.ColumnFor(oid)) {
            if (column->type != cell.value.type)
                throw LineError{"type differs from its column's"};
            cell.access = column->access;
            cell.constraints = column->constraints;
        }
        bool accessGiven = false;
        for (std::size_t i = next; i < t.size(); ++i) {
            if (!ApplyCellOption(t[i], cell, accessGiven))
                throw LineError{"unknown option: " + t[i]};
        }
        if (cell.behaviour == Behaviour::Uptime && cell.value.type != ValueType::TimeTicks)
            throw LineError{"uptime needs type t"};
        if (cell.behaviour == Behaviour::LedStatus && cell.value.type != ValueType::OctetString)
            throw LineError{"led= needs type s or x"};
        if (cell.step != 0 && cell.value.type != ValueType::Counter32 && cell.value.type != ValueType::Counter64
            && cell.value.type != ValueType::Gauge32)
            throw LineError{"step= needs type c, C or u"};
        model_.PutCell(oid, std::move(cell));
    }

    DataModel& model_;
};

} // namespace

void LoadDataText(DataModel& model, const std::string& text, const std::string& name)
{
    Loader loader(model);
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        try {
            loader.Line(Tokenize(line));
        } catch (const LineError& e) {
            throw DataFileError(name + ":" + std::to_string(number) + ": " + e.message);
        }
    }
}

void LoadDataFile(DataModel& model, const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw DataFileError(path + ": cannot open");
    std::stringstream buffer;
    buffer << in.rdbuf();
    LoadDataText(model, buffer.str(), path);
}

} // namespace sim
