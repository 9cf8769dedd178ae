#pragma once
// Simulated-switch data for the windows of the feature menu: from a window's descriptor table, list
// kind and key columns, a data file in sim/data/README.md's format that serves three rows or more
// of plausible values of each object's syntax, writable where the descriptor rows say so, and
// lets Add create rows where the window has a status column.
//
//     SimDataGenerator data("Kb");
//     data.Add({.table = FindTable("Oid_common", "..."), .kind = MVT_FMV, .keyCount = 1});
//     SimSwitch sim({"Kb", {"--data", data.WriteFile(dir + "/menu.dat")}});
//
// What the switch's own data files (sim/data/common.dat, model-*.dat) serve stays as it is there:
// the generator leaves out every instance they hold, so the model and firmware read at start-up
// do not change.

#include "snmp/VarDescriptor.h"
#include "snmp/VarList.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// One window's objects as the switch must serve them.
struct SimWindowData {
    const VarDescriptor* table = nullptr;
    std::uint8_t kind = SVT_SV;    // SVT_SV, MVT_SV, MVT_FMV or MVT_UMV
    int keyCount = 0;              // leading index columns of a table kind
    int statusItem = -1;           // the status column's row of the table; -1 when there is none
    // The status column's values that create and delete a row, as texts of its option list
    // ("createAndGo", "destroy") or as numbers. A RowStatus column (createAndGo 4, destroy 6)
    // gets the full RowStatus behaviour, any other pair creates and deletes with its own values.
    std::string addText = "createAndGo";
    std::string deleteText = "destroy";
    int model = 0;                 // 1 to 4: a per-model table, served only by that model's switch
    bool portRows = false;         // a table kind with 0 key columns whose rows are ports (.1 .. .N)
    int rows = 3;
};

// One generated instance: its data-file type letter and value ('s' the text itself, 'x' the raw
// octets, numbers and addresses dotted or decimal), and whether it grows on every read.
struct SimCell {
    char type = 'i';
    std::string value;
    std::uint64_t step = 0;
};

class SimDataGenerator {
public:
    // model: the simulated switch's model ("Ka" to "Kd"), whose data files are left alone.
    explicit SimDataGenerator(const std::string& model = "Kb");

    // Adds the objects of one window; a window of another model adds nothing. Windows that read
    // the same objects share their instances (the first window's syntax holds).
    void Add(const SimWindowData& window);

    // The instance index of each generated row of the window, dotted, in row order.
    std::vector<std::string> RowIndexes(const SimWindowData& window) const;

    // The generated instance at a full OID (dotted, no leading dot); null when the generator
    // made none there (the switch's own data files may still serve it).
    const SimCell* Cell(const std::string& oid) const;

    // Whether the switch's own data files serve the instance (full OID, dotted, no leading dot).
    bool BaseServes(const std::string& oid) const { return baseInstances_.count(oid) != 0; }

    std::string Text() const;
    // Writes Text() to path and returns path.
    std::string WriteFile(const std::string& path) const;

private:
    struct Column {
        char type = 'i';
        bool writable = false;
        bool notAccessible = false;
        std::vector<std::int64_t> enums;
    };
    struct Table {
        std::vector<std::pair<unsigned, std::size_t>> index; // column and fixed width (0: none)
        bool implied = false;
        std::string status;                                  // "rowstatus=C" or "status=C:A:D"
        std::map<unsigned, Column> columns;
    };
    void AddScalars(const SimWindowData& window);
    void AddTable(const SimWindowData& window);
    void PutCell(const std::string& oid, const SimCell& cell);
    // Whether the switch's own data files declare the table or serve instances under it.
    bool BaseHasEntry(const std::string& entry) const;
    // A table kind without key columns whose first column the switch's own data files serve as
    // a table column: the instance indexes served there, which its rows share. Empty otherwise.
    std::vector<std::string> JoinedIndexes(const SimWindowData& window) const;

    int model_ = 0;
    std::set<std::string> baseInstances_; // instances of the switch's own data files
    std::set<std::string> baseTables_;    // tables they declare
    std::map<std::string, Table> tables_; // by entry OID
    std::map<std::string, Column> scalarRules_; // access and values of the instances outside tables
    std::map<std::string, SimCell> cells_;
};
