#include "DataModel.h"

#include "LedPattern.h"

#include <algorithm>
#include <chrono>

namespace sim {

namespace {

constexpr std::int64_t RowActive = 1;
constexpr std::int64_t RowNotInService = 2;
constexpr std::int64_t RowNotReady = 3;
constexpr std::int64_t RowCreateAndGo = 4;
constexpr std::int64_t RowCreateAndWait = 5;
constexpr std::int64_t RowDestroy = 6;

bool IsIntegerType(ValueType type)
{
    return type == ValueType::Integer || type == ValueType::Gauge32 || type == ValueType::Counter32
        || type == ValueType::TimeTicks || type == ValueType::Counter64;
}

} // namespace

SetError Constraints::Check(const Value& value) const
{
    if (value.type == ValueType::OctetString && size
        && (value.bytes.size() < size->first || value.bytes.size() > size->second))
        return SetError::WrongLength;
    if (IsIntegerType(value.type)) {
        const std::int64_t v = value.type == ValueType::Integer ? value.Signed()
                                                                 : static_cast<std::int64_t>(value.number);
        if (range && (v < range->first || v > range->second))
            return SetError::WrongValue;
        if (!enums.empty() && std::find(enums.begin(), enums.end(), v) == enums.end())
            return SetError::WrongValue;
    }
    return SetError::NoError;
}

DataModel::DataModel()
{
    const auto start = std::chrono::steady_clock::now();
    clock_ = [start] {
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now() - start)
                                              .count());
    };
}

void DataModel::PutCell(const Oid& oid, Cell cell)
{
    cells_[oid] = std::move(cell);
}

void DataModel::RemoveSubtree(const Oid& prefix)
{
    auto it = cells_.lower_bound(prefix);
    while (it != cells_.end() && IsPrefix(prefix, it->first))
        it = cells_.erase(it);
}

void DataModel::DeclareTable(TableDef table)
{
    Oid entry = table.entry;
    auto& slot = tables_[entry];
    // A later declaration of the same table keeps the columns declared so far.
    if (table.columns.empty())
        table.columns = std::move(slot.columns);
    slot = std::move(table);
}

bool DataModel::DeclareColumn(const Oid& columnOid, ColumnDef column)
{
    if (columnOid.size() < 2)
        return false;
    Oid entry(columnOid.begin(), columnOid.end() - 1);
    auto it = tables_.find(entry);
    if (it == tables_.end())
        return false;
    column.column = columnOid.back();
    it->second.columns[column.column] = std::move(column);
    return true;
}

void DataModel::GenerateTable(const Oid& entry, int rows, int columns)
{
    TableDef table;
    table.entry = entry;
    table.indexColumns = {1};
    for (int c = 1; c <= columns; ++c) {
        ColumnDef def;
        def.column = static_cast<SubId>(c);
        def.type = c == 1 ? ValueType::Integer : c == 2 ? ValueType::OctetString : ValueType::Counter32;
        table.columns[def.column] = def;
    }
    DeclareTable(table);
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            Cell cell;
            if (c == 1)
                cell.value = Value::Integer(r);
            else if (c == 2)
                cell.value = Value::Octets("row-" + std::to_string(r));
            else
                cell.value = Value::Unsigned(ValueType::Counter32, static_cast<std::uint64_t>(r) * c);
            cells_[Concat(entry, {static_cast<SubId>(c), static_cast<SubId>(r)})] = std::move(cell);
        }
    }
}

const Cell* DataModel::Find(const Oid& oid) const
{
    const auto it = cells_.find(oid);
    return it == cells_.end() ? nullptr : &it->second;
}

Value DataModel::Evaluate(Cell& cell)
{
    switch (cell.behaviour) {
    case Behaviour::Uptime:
        cell.value.number = (clock_() / 10) & 0xffffffffu;
        break;
    case Behaviour::LedStatus:
        cell.value.bytes = LedStatusBytes(cell.led, clock_() / 1000);
        break;
    case Behaviour::Static:
        break;
    }
    if (cell.step != 0) {
        cell.value.number += cell.step;
        if (cell.value.type != ValueType::Counter64)
            cell.value.number &= 0xffffffffu;
    }
    return cell.value;
}

bool DataModel::UnderKnownObject(const Oid& oid) const
{
    // The object of a scalar instance is its OID without the trailing sub-identifier; the
    // object of a table cell is its column.
    for (const auto& [entry, table] : tables_) {
        for (const auto& [column, def] : table.columns) {
            if (oid.size() > entry.size() + 1 && IsPrefix(entry, oid) && oid[entry.size()] == column)
                return true;
        }
    }
    if (oid.empty())
        return false;
    const Oid object(oid.begin(), oid.end() - 1);
    auto it = cells_.lower_bound(object);
    return it != cells_.end() && IsPrefix(object, it->first) && it->first.size() == oid.size();
}

ReadResult DataModel::Get(const Oid& oid)
{
    ReadResult result;
    result.oid = oid;
    auto it = cells_.find(oid);
    if (it == cells_.end() || it->second.access == Access::NotAccessible) {
        result.kind = UnderKnownObject(oid) ? ReadResult::Kind::NoSuchInstance : ReadResult::Kind::NoSuchObject;
        return result;
    }
    result.kind = ReadResult::Kind::Value;
    result.value = Evaluate(it->second);
    return result;
}

ReadResult DataModel::GetNext(const Oid& oid, const std::function<bool(const Value&)>& skip)
{
    ReadResult result;
    for (auto it = cells_.upper_bound(oid); it != cells_.end(); ++it) {
        if (it->second.access == Access::NotAccessible)
            continue;
        if (skip && skip(it->second.value))
            continue;
        result.kind = ReadResult::Kind::Value;
        result.oid = it->first;
        result.value = Evaluate(it->second);
        return result;
    }
    result.oid = oid;
    result.kind = ReadResult::Kind::EndOfMibView;
    return result;
}

const TableDef* DataModel::TableOf(const Oid& entry) const
{
    const auto it = tables_.find(entry);
    return it == tables_.end() ? nullptr : &it->second;
}

std::optional<DataModel::RowRef> DataModel::LocateRow(const Oid& oid) const
{
    // The longest declared entry that is a prefix, followed by a column and a non-empty index.
    for (std::size_t len = oid.size() >= 2 ? oid.size() - 2 : 0; len > 0; --len) {
        const Oid entry(oid.begin(), oid.begin() + static_cast<std::ptrdiff_t>(len));
        if (const TableDef* table = TableOf(entry)) {
            RowRef ref;
            ref.table = table;
            ref.column = oid[len];
            ref.index.assign(oid.begin() + static_cast<std::ptrdiff_t>(len) + 1, oid.end());
            return ref;
        }
    }
    return std::nullopt;
}

const ColumnDef* DataModel::ColumnFor(const Oid& oid) const
{
    const auto row = LocateRow(oid);
    if (!row || row->index.empty())
        return nullptr;
    const auto it = row->table->columns.find(row->column);
    return it == row->table->columns.end() ? nullptr : &it->second;
}

bool DataModel::RowExists(const TableDef& table, const Oid& index) const
{
    for (const auto& [column, def] : table.columns) {
        if (cells_.count(Concat(Concat(table.entry, {column}), index)) != 0)
            return true;
    }
    return false;
}

bool DataModel::RowRefusesDelete(const TableDef& table, const Oid& index) const
{
    const auto status = cells_.find(Concat(Concat(table.entry, {table.statusColumn}), index));
    return status != cells_.end() && status->second.noDelete;
}

std::optional<std::vector<Value>> DataModel::DecodeIndex(const TableDef& table, const Oid& index) const
{
    std::vector<Value> values;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < table.indexColumns.size(); ++i) {
        const auto defIt = table.columns.find(table.indexColumns[i]);
        if (defIt == table.columns.end())
            return std::nullopt;
        const ColumnDef& def = defIt->second;
        const bool last = i + 1 == table.indexColumns.size();
        Value value;
        value.type = def.type;
        switch (def.type) {
        case ValueType::Integer:
        case ValueType::Gauge32:
        case ValueType::Counter32:
        case ValueType::TimeTicks:
            if (pos >= index.size())
                return std::nullopt;
            value.number = def.type == ValueType::Integer
                ? static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(index[pos])))
                : index[pos];
            ++pos;
            break;
        case ValueType::IpAddress:
            if (pos + 4 > index.size())
                return std::nullopt;
            for (int k = 0; k < 4; ++k) {
                if (index[pos] > 255)
                    return std::nullopt;
                value.bytes += static_cast<char>(index[pos++]);
            }
            break;
        case ValueType::OctetString:
        case ValueType::ObjectId: {
            const std::size_t width = i < table.indexWidths.size() ? table.indexWidths[i] : 0;
            std::size_t length = 0;
            if (width != 0 && def.type == ValueType::OctetString) {
                length = width;
                if (pos + length > index.size())
                    return std::nullopt;
            } else if (last && table.impliedLast) {
                length = index.size() - pos;
            } else {
                if (pos >= index.size())
                    return std::nullopt;
                length = index[pos++];
                if (pos + length > index.size())
                    return std::nullopt;
            }
            for (std::size_t k = 0; k < length; ++k, ++pos) {
                if (def.type == ValueType::ObjectId) {
                    value.oid.push_back(index[pos]);
                } else {
                    if (index[pos] > 255)
                        return std::nullopt;
                    value.bytes += static_cast<char>(index[pos]);
                }
            }
            break;
        }
        default:
            return std::nullopt;
        }
        values.push_back(std::move(value));
    }
    if (pos != index.size() && !table.indexColumns.empty())
        return std::nullopt;
    return values;
}

struct DataModel::Plan {
    enum class RowAction { None, Create, Destroy, Status };
    struct RowChange {
        const TableDef* table = nullptr;
        Oid index;
        RowAction action = RowAction::None;
        std::int64_t status = 0; // the status value to store (Create, Status)
        std::vector<Value> indexValues;
    };
    std::map<std::pair<Oid, Oid>, RowChange> rows; // (entry, index)
    std::vector<std::pair<Oid, Cell>> writes;
};

SetOutcome DataModel::MakePlan(const std::vector<SetBinding>& bindings, Plan& plan) const
{
    SetOutcome first;
    first.index = bindings.size();
    auto fail = [&first](std::size_t index, SetError status) {
        if (index < first.index) {
            first.index = index;
            first.status = status;
        }
    };

    // Pass 1: status columns decide what happens to their rows.
    std::vector<bool> handled(bindings.size(), false);
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        const SetBinding& b = bindings[i];
        const auto row = LocateRow(b.oid);
        if (!row || row->table->statusKind == StatusKind::None || row->column != row->table->statusColumn
            || row->index.empty())
            continue;
        handled[i] = true;
        const TableDef& table = *row->table;
        if (b.value.type != ValueType::Integer) {
            fail(i, SetError::WrongType);
            continue;
        }
        const std::int64_t v = b.value.Signed();
        const bool exists = RowExists(table, row->index);
        Plan::RowChange change;
        change.table = &table;
        change.index = row->index;
        if (table.statusKind == StatusKind::RowStatus) {
            if (v < RowActive || v > RowDestroy || v == RowNotReady) {
                fail(i, SetError::WrongValue);
                continue;
            }
            if (v == RowCreateAndGo || v == RowCreateAndWait) {
                if (exists) {
                    fail(i, SetError::InconsistentValue);
                    continue;
                }
                change.action = Plan::RowAction::Create;
                change.status = v == RowCreateAndGo ? RowActive : RowNotInService;
            } else if (v == RowDestroy) {
                if (RowRefusesDelete(table, row->index)) {
                    fail(i, SetError::InconsistentValue);
                    continue;
                }
                change.action = Plan::RowAction::Destroy;
            } else {
                if (!exists) {
                    fail(i, SetError::InconsistentValue);
                    continue;
                }
                change.action = Plan::RowAction::Status;
                change.status = v;
            }
        } else {
            if (v == table.addValue) {
                change.action = exists ? Plan::RowAction::Status : Plan::RowAction::Create;
                change.status = v;
            } else if (v == table.deleteValue) {
                if (RowRefusesDelete(table, row->index)) {
                    fail(i, SetError::InconsistentValue);
                    continue;
                }
                change.action = Plan::RowAction::Destroy;
            } else {
                const auto def = table.columns.find(table.statusColumn);
                if (def != table.columns.end() && def->second.constraints.Check(b.value) != SetError::NoError) {
                    fail(i, SetError::WrongValue);
                    continue;
                }
                if (!exists) {
                    fail(i, SetError::InconsistentValue);
                    continue;
                }
                change.action = Plan::RowAction::Status;
                change.status = v;
            }
        }
        if (change.action == Plan::RowAction::Create) {
            auto values = DecodeIndex(table, row->index);
            if (!values) {
                fail(i, SetError::InconsistentName);
                continue;
            }
            change.indexValues = std::move(*values);
        }
        const auto key = std::make_pair(table.entry, row->index);
        const auto previous = plan.rows.find(key);
        if (previous != plan.rows.end() && previous->second.action != change.action) {
            fail(i, SetError::InconsistentValue);
            continue;
        }
        plan.rows[key] = std::move(change);
    }

    // Pass 2: every other binding writes one cell.
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        if (handled[i])
            continue;
        const SetBinding& b = bindings[i];
        const Cell* existing = Find(b.oid);
        const auto row = LocateRow(b.oid);
        const ColumnDef* column = nullptr;
        const Plan::RowChange* change = nullptr;
        if (row && !row->index.empty()) {
            const auto def = row->table->columns.find(row->column);
            if (def != row->table->columns.end())
                column = &def->second;
            const auto it = plan.rows.find(std::make_pair(row->table->entry, row->index));
            if (it != plan.rows.end())
                change = &it->second;
        }
        if (change && change->action == Plan::RowAction::Destroy)
            continue; // the row goes away; its other columns do not matter

        Cell cell;
        if (existing) {
            cell = *existing;
        } else if (column) {
            if (!RowExists(*row->table, row->index) && !(change && change->action == Plan::RowAction::Create)) {
                if (!row->table->createBySet || column->access != Access::ReadWrite) {
                    fail(i, SetError::NoCreation);
                    continue;
                }
                // The write makes the row; the other bindings of the PDU to it find it planned.
                auto values = DecodeIndex(*row->table, row->index);
                if (!values) {
                    fail(i, SetError::InconsistentName);
                    continue;
                }
                Plan::RowChange create;
                create.table = row->table;
                create.index = row->index;
                create.action = Plan::RowAction::Create;
                create.status = row->table->statusKind == StatusKind::Custom ? row->table->addValue : RowActive;
                create.indexValues = std::move(*values);
                plan.rows[std::make_pair(row->table->entry, row->index)] = std::move(create);
            }
            cell.value = ZeroValue(column->type);
            cell.access = column->access;
            cell.constraints = column->constraints;
        } else {
            fail(i, row && !row->index.empty() ? SetError::NoCreation : SetError::NotWritable);
            continue;
        }
        if (cell.access != Access::ReadWrite || cell.behaviour != Behaviour::Static) {
            fail(i, SetError::NotWritable);
            continue;
        }
        if (b.value.type != cell.value.type) {
            fail(i, SetError::WrongType);
            continue;
        }
        if (const SetError e = cell.constraints.Check(b.value); e != SetError::NoError) {
            fail(i, e);
            continue;
        }
        cell.value = b.value;
        plan.writes.emplace_back(b.oid, std::move(cell));
    }
    if (first.index == bindings.size())
        first = {};
    return first;
}

void DataModel::Apply(const Plan& plan)
{
    for (const auto& [key, change] : plan.rows) {
        const TableDef& table = *change.table;
        const Oid statusOid = Concat(Concat(table.entry, {table.statusColumn}), change.index);
        switch (change.action) {
        case Plan::RowAction::Destroy:
            for (const auto& [column, def] : table.columns)
                cells_.erase(Concat(Concat(table.entry, {column}), change.index));
            break;
        case Plan::RowAction::Create:
            for (const auto& [column, def] : table.columns) {
                Cell cell;
                cell.access = def.access;
                cell.constraints = def.constraints;
                cell.value = def.defaultValue ? *def.defaultValue : ZeroValue(def.type);
                const auto idx = std::find(table.indexColumns.begin(), table.indexColumns.end(), column);
                if (idx != table.indexColumns.end())
                    cell.value = change.indexValues[static_cast<std::size_t>(idx - table.indexColumns.begin())];
                cells_[Concat(Concat(table.entry, {column}), change.index)] = std::move(cell);
            }
            if (table.statusKind == StatusKind::None)
                break; // made by a column's write: no status cell to set
            [[fallthrough]];
        case Plan::RowAction::Status: {
            Cell& status = cells_[statusOid];
            status.value = Value::Integer(change.status);
            status.access = Access::ReadWrite;
            if (const auto def = table.columns.find(table.statusColumn); def != table.columns.end())
                status.constraints = def->second.constraints;
            break;
        }
        case Plan::RowAction::None:
            break;
        }
    }
    for (const auto& [oid, cell] : plan.writes)
        cells_[oid] = cell;
}

SetOutcome DataModel::CheckSet(const std::vector<SetBinding>& bindings) const
{
    Plan plan;
    return MakePlan(bindings, plan);
}

SetOutcome DataModel::Set(const std::vector<SetBinding>& bindings)
{
    Plan plan;
    const SetOutcome outcome = MakePlan(bindings, plan);
    if (outcome.status == SetError::NoError)
        Apply(plan);
    return outcome;
}

} // namespace sim
