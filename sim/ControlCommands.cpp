#include "ControlCommands.h"

#include "DataFile.h"

#include <charconv>
#include <sstream>

namespace sim {

namespace {

bool ParseCount(const std::string& text, int& out)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() && out >= 0;
}

} // namespace

std::string RunControlCommand(const std::string& line, Faults& faults, DataModel& model,
                              const RequestCounts& counts, SetJournal& journal)
{
    std::istringstream in(line);
    std::string command;
    in >> command;
    std::string arg1, arg2, extra;
    if (command == "ping")
        return "pong";
    if (command == "stats") {
        return "get=" + std::to_string(counts.get) + " getnext=" + std::to_string(counts.getNext)
            + " getbulk=" + std::to_string(counts.getBulk) + " set=" + std::to_string(counts.set);
    }
    if (command == "reset") {
        faults = Faults{};
        return "ok";
    }
    if (command == "data") {
        const auto start = line.find("data") + 4;
        try {
            LoadDataText(model, line.substr(start), "data");
        } catch (const DataFileError& e) {
            return std::string("error: ") + e.what();
        }
        return "ok";
    }
    in >> arg1 >> arg2 >> extra;
    if (command == "journal") {
        if (arg1.empty())
            return journal.Format();
        if (arg1 == "clear" && arg2.empty()) {
            journal.Clear();
            return "ok";
        }
        return "error: journal takes nothing or clear";
    }
    if (command == "delay" || command == "drop") {
        int value = 0;
        if (!ParseCount(arg1, value) || !arg2.empty())
            return "error: " + command + " needs one non-negative number";
        (command == "delay" ? faults.delayMs : faults.dropCount) = value;
        return "ok";
    }
    if (command == "silence") {
        if ((arg1 != "on" && arg1 != "off") || !arg2.empty())
            return "error: silence needs on or off";
        faults.silent = arg1 == "on";
        return "ok";
    }
    if (command == "error") {
        const auto prefix = ParseOid(arg1);
        if (!prefix || arg2.empty() || !extra.empty())
            return "error: error needs an OID prefix and a status";
        std::erase_if(faults.errors, [&](const auto& rule) { return rule.first == *prefix; });
        if (arg2 == "off")
            return "ok";
        const int status = ErrorStatusFromText(arg2);
        if (status <= 0)
            return "error: unknown error-status " + arg2;
        faults.errors.emplace_back(*prefix, status);
        return "ok";
    }
    return "error: unknown command '" + command + "'";
}

} // namespace sim
