#include "simdata/MenuSimData.h"

#include "catalogue/CatalogueIndex.h"
#include "features/switching/DdmWindows.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace menusimdata {

const char* const ModelOids[4] = {"1.3.6.1.4.1.171.10.133.1.1", "1.3.6.1.4.1.171.10.133.2.1",
                                  "1.3.6.1.4.1.171.10.133.3.1", "1.3.6.1.4.1.171.10.133.4.1"};

namespace {

// The hand-made windows' data files name the second model's objects under this arc.
const std::string SecondModelArc = "1.3.6.1.4.1.171.11.133.2.";

// The data files of the hand-made windows' tests (tests/support/data) that a demo switch serves as
// well: between them the tables of every hand-made window, the live counters among them.
const char* const WindowDataFiles[] = {
    "aaa-servers.dat",     "acl-counters-bindings.dat", "cpufilter.dat",        "erps-l2ptp.dat",
    "guest-vlans.dat",     "iplists.dat",               "ipmacbind.dat",        "livecounters.dat",
    "lldp.dat",            "management-access.dat",     "multicast.dat",        "nlb-colormap-pppoe.dat",
    "permitfilters.dat",   "portsecurity-safeguard.dat", "portwindows.dat",     "power-supplies.dat",
    "qos-acl-security.dat", "spanning-tree-qos.dat",    "switching.dat",        "system-info.dat",
    "systemlists.dat",     "vlan.dat",
};

int ModelNumber(const std::string& model)
{
    for (int i = 0; i < 4; ++i)
        if (model == std::string("K") + static_cast<char>('a' + i))
            return i + 1;
    throw std::invalid_argument("no simulated model " + model);
}

// The line with the second model's arc moved to the model's; an arc inside a longer number
// (...171.11.133.2. within 11.171.11.133.2.) is no match, as the OID then starts elsewhere.
std::string MoveToModel(std::string line, int model)
{
    const std::string arc = SecondModelArc.substr(0, SecondModelArc.size() - 2) + std::to_string(model) + ".";
    for (std::size_t at = line.find(SecondModelArc); at != std::string::npos;
         at = line.find(SecondModelArc, at + arc.size())) {
        const bool starts = at == 0 || line[at - 1] == ' ' || line[at - 1] == '\t' ||
                            (line[at - 1] == '.' && (at == 1 || line[at - 2] == ' ' || line[at - 2] == '\t'));
        if (starts)
            line.replace(at, SecondModelArc.size(), arc);
    }
    return line;
}

// The OID of an instance line ("OID TYPE VALUE ..."), dotted without a leading dot; empty for a
// comment, a blank line or a statement (table, column, remove).
std::string InstanceOid(const std::string& line)
{
    std::istringstream in(line);
    std::string first;
    in >> first;
    if (first.empty() || first.find_first_not_of("0123456789.") != std::string::npos)
        return {};
    return first[0] == '.' ? first.substr(1) : first;
}

void AddWindow(SimDataGenerator& data, const TableKey& key, std::uint8_t kind, int keys, const StatusColumn& status,
               bool perModel)
{
    SimWindowData window;
    window.kind = kind;
    window.keyCount = keys;
    window.statusItem = status.Index;
    if (status.Add != nullptr)
        window.addText = status.Add;
    if (status.Delete != nullptr)
        window.deleteText = status.Delete;
    if (!perModel) {
        window.table = FindTable(key.Module, key.Oid, key.Caption, key.Rows, key.Row);
        data.Add(window);
        return;
    }
    for (int model = 1; model <= 4; ++model) {
        window.table = FindModelTable(key.Module, key.Oid, ModelOids[model - 1], key.Caption, key.Rows, key.Row);
        window.model = model;
        data.Add(window);
    }
}

} // namespace

bool IsGenerated(const HandlerRow& row)
{
    return row.Family == HandlerFamily::GeneratedTable || row.Family == HandlerFamily::GeneratedScalar ||
           row.Family == HandlerFamily::ModelDependent;
}

SimDataGenerator MenuSimData(const std::string& model)
{
    SimDataGenerator data(model);
    for (std::span<const HandlerRow> group : HandlerGroups()) {
        for (const HandlerRow& row : group) {
            if (IsGenerated(row))
                AddWindow(data, row.Table, row.Kind, row.Keys, row.Status,
                          row.Family == HandlerFamily::ModelDependent);
            for (const HandlerPage& page : row.Pages)
                AddWindow(data, page.Table, page.Kind, page.Keys, page.Status, false);
        }
    }
    for (const DdmWindow& window : DdmWindows())
        data.Add({.table = FindTable("Oid_ddm", window.keyOid), .kind = window.kind, .keyCount = window.keys});
    return data;
}

int RowsGenerated(const SimDataGenerator& data, const HandlerRow& row, int model)
{
    const TableKey& key = row.Table;
    SimWindowData window{.kind = row.Kind, .keyCount = row.Keys};
    window.table = row.Family == HandlerFamily::ModelDependent
                       ? FindModelTable(key.Module, key.Oid, ModelOids[model - 1], key.Caption, key.Rows, key.Row)
                       : FindTable(key.Module, key.Oid, key.Caption, key.Rows, key.Row);
    if (window.table == nullptr)
        return 0;
    int generated = 0;
    for (const std::string& index : data.RowIndexes(window)) {
        for (const VarDescriptor* item = window.table + row.Keys; item->oid != nullptr; ++item)
            if (item->oid[0] != '\0' && data.Cell(std::string(item->oid) + "." + index) != nullptr) {
                ++generated;
                break;
            }
    }
    return generated > 0 ? generated : 1;
}

std::string DemoSimData(const std::string& model)
{
    const int number = ModelNumber(model);
    const SimDataGenerator generated = MenuSimData(model);
    std::ostringstream out;
    out << "# What a demo Sorvane-" << model << " serves besides sim/data: every generated window's data,\n"
        << "# then the hand-made windows' tables (sorvane-simdata --model " << model << " --demo).\n";
    out << generated.Text();
    for (const char* name : WindowDataFiles) {
        const std::string path = std::string(SORVANE_WINDOW_DATA_DIR) + "/" + name;
        std::ifstream in(path);
        if (!in)
            throw std::runtime_error(path + ": cannot open");
        out << "\n# " << name << "\n";
        std::string line;
        while (std::getline(in, line)) {
            line = MoveToModel(line, number);
            const std::string oid = InstanceOid(line);
            if (!oid.empty() && generated.BaseServes(oid))
                continue;
            out << line << "\n";
        }
    }
    return out.str();
}

} // namespace menusimdata
