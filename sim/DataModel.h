#pragma once
// The simulated switch's MIB: an OID-ordered set of instances (scalars and table cells) with
// their access and value rules, table declarations for row creation and deletion, and the
// GET, GETNEXT and all-or-nothing SET semantics an agent serves from it.

#include "LedPattern.h"
#include "Oid.h"
#include "Value.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// SNMPv2 error-status values a SET can produce.
enum class SetError : int {
    NoError = 0,
    GenErr = 5,
    NoAccess = 6,
    WrongType = 7,
    WrongLength = 8,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    NotWritable = 17,
    InconsistentName = 18,
};

enum class Access { NotAccessible, ReadOnly, ReadWrite };

struct Constraints {
    std::optional<std::pair<std::int64_t, std::int64_t>> range;  // integers
    std::optional<std::pair<std::size_t, std::size_t>> size;     // octet strings
    std::vector<std::int64_t> enums;                             // allowed integers

    // NoError when the value passes; WrongLength or WrongValue otherwise.
    SetError Check(const Value& value) const;
};

// Values computed when read.
enum class Behaviour { Static, Uptime, LedStatus };

struct Cell {
    Value value;
    Access access = Access::ReadOnly;
    Constraints constraints;
    std::uint64_t step = 0;     // added to a counter on every read
    Behaviour behaviour = Behaviour::Static;
    LedLayout led;              // LedStatus: the model's ports and combo ports
    bool noDelete = false;      // on a row's status cell: the row refuses to be deleted
};

// A column of a table: the rules for every cell beneath entry.column.
struct ColumnDef {
    SubId column = 0;
    ValueType type = ValueType::Integer;
    bool hex = false;           // written as hexadecimal in data files
    Access access = Access::ReadOnly;
    Constraints constraints;
    std::optional<Value> defaultValue; // for rows created by SET; zero of the type otherwise
};

// How a table's status column behaves on SET.
enum class StatusKind { None, RowStatus, Custom };

struct TableDef {
    Oid entry;                              // the ...Entry OID; cells are entry.column.index
    std::map<SubId, ColumnDef> columns;
    std::vector<SubId> indexColumns;        // filled from the instance index on row creation
    // Per index column: the octet count of a fixed-width octet-string index written without a
    // length prefix (a MAC address 6, an IPv6 address 16); 0 for every other column.
    std::vector<std::size_t> indexWidths;
    bool impliedLast = false;               // the last index column has no length prefix
    StatusKind statusKind = StatusKind::None;
    SubId statusColumn = 0;
    std::int64_t addValue = 0;              // Custom: the value that creates a row
    std::int64_t deleteValue = 0;           // Custom: the value that deletes a row
    // A SET of a writable column of a missing row creates the row, as a switch makes the rows of
    // some tables when one of their values is written (a status column, if any, says active or
    // its add value).
    bool createBySet = false;
};

struct ReadResult {
    enum class Kind { Value, NoSuchObject, NoSuchInstance, EndOfMibView } kind = Kind::EndOfMibView;
    Oid oid;
    Value value;
};

struct SetBinding {
    Oid oid;
    Value value;
};

struct SetOutcome {
    SetError status = SetError::NoError;
    std::size_t index = 0; // 0-based binding that failed
};

class DataModel {
public:
    using Clock = std::function<std::uint64_t()>; // milliseconds since the agent started

    DataModel();

    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // Building (data files, generators).
    void PutCell(const Oid& oid, Cell cell);
    void RemoveSubtree(const Oid& prefix);
    void DeclareTable(TableDef table);
    // Adds a column to a declared table; false when no table owns the column OID.
    bool DeclareColumn(const Oid& columnOid, ColumnDef column);
    // Fills entry.1..entry.columns for rows 1..rows: column 1 the row number, column 2 the text
    // "row-N", further columns Counter32 values N * column.
    void GenerateTable(const Oid& entry, int rows, int columns);

    // Serving. Reads evaluate dynamic values and advance counters.
    ReadResult Get(const Oid& oid);
    // skip: instances the caller cannot carry (Counter64 for SNMPv1).
    ReadResult GetNext(const Oid& oid, const std::function<bool(const Value&)>& skip = {});
    // Validates every binding first; applies all of them or none.
    SetOutcome Set(const std::vector<SetBinding>& bindings);
    SetOutcome CheckSet(const std::vector<SetBinding>& bindings) const;

    const Cell* Find(const Oid& oid) const;
    // The declared column a cell OID (entry.column.index) belongs to, if any.
    const ColumnDef* ColumnFor(const Oid& oid) const;

private:
    struct RowRef {
        const TableDef* table = nullptr;
        SubId column = 0;
        Oid index;
    };
    struct Plan;

    std::optional<RowRef> LocateRow(const Oid& oid) const;
    const TableDef* TableOf(const Oid& entry) const;
    bool RowExists(const TableDef& table, const Oid& index) const;
    // Whether the row's status cell says it must stay (as a switch keeps its system interface).
    bool RowRefusesDelete(const TableDef& table, const Oid& index) const;
    std::optional<std::vector<Value>> DecodeIndex(const TableDef& table, const Oid& index) const;
    SetOutcome MakePlan(const std::vector<SetBinding>& bindings, Plan& plan) const;
    void Apply(const Plan& plan);
    Value Evaluate(Cell& cell);
    bool UnderKnownObject(const Oid& oid) const;

    std::map<Oid, Cell> cells_;
    std::map<Oid, TableDef> tables_; // by entry OID
    Clock clock_;
};

} // namespace sim
