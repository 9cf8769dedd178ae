#include "catalogue/CatalogueIndex.h"

#include "catalogue/Catalogue.h"

#include <string>

namespace {

constexpr std::string_view ModelBranch = "1.3.6.1.4.1.171.11.133.";

bool IsIndexOnly(const VarDescriptor& row)
{
    const std::string_view oid = row.oid;
    return oid.empty() || oid == " ";
}

bool Equal(const char* text, std::string_view expected)
{
    return text != nullptr && expected == text;
}

bool Matches(const VarDescriptor* table, std::string_view oid, const char* caption, int rows,
             const CatalogueRow& row)
{
    const int key = KeyRowIndex(table);
    if (key < 0 || !Equal(table[key].oid, oid))
        return false;
    if (caption && !Equal(table[key].caption, caption))
        return false;
    const int count = TableRowCount(table);
    if (rows >= 0 && count != rows)
        return false;
    if (row.number > 0) {
        if (row.number > count)
            return false;
        const VarDescriptor& r = table[row.number - 1];
        if ((row.oid && !Equal(r.oid, row.oid)) || (row.caption && !Equal(r.caption, row.caption)))
            return false;
    }
    return true;
}

// Writes the model number into the "N" arc that follows the model branch; empty when the OID has
// no such arc.
std::string WithModel(std::string_view oidWithN, int model)
{
    if (!oidWithN.starts_with(ModelBranch) || oidWithN.size() < ModelBranch.size() + 2 ||
        oidWithN.substr(ModelBranch.size(), 2) != "N.")
        return {};
    std::string oid(oidWithN);
    oid[ModelBranch.size()] = static_cast<char>('0' + model);
    return oid;
}

} // namespace

int KeyRowIndex(const VarDescriptor* table)
{
    for (int i = 0; table[i].oid; ++i) {
        if (!IsIndexOnly(table[i]))
            return i;
    }
    return -1;
}

int TableRowCount(const VarDescriptor* table)
{
    int count = 0;
    while (table[count].oid)
        ++count;
    return count;
}

std::vector<const VarDescriptor*> FindTables(std::string_view module, std::string_view oid,
                                             const char* caption, int rows, const CatalogueRow& row)
{
    std::vector<const VarDescriptor*> found;
    if (const CatalogueModule* m = FindCatalogueModule(module)) {
        for (const CatalogueTable& table : m->tables) {
            if (Matches(table.rows, oid, caption, rows, row))
                found.push_back(table.rows);
        }
    }
    return found;
}

const VarDescriptor* FindTable(std::string_view module, std::string_view oid, const char* caption,
                               int rows, const CatalogueRow& row)
{
    const auto found = FindTables(module, oid, caption, rows, row);
    return found.size() == 1 ? found.front() : nullptr;
}

int ModelNumberOf(std::string_view sysObjectID)
{
    constexpr std::string_view Prefix = "1.3.6.1.4.1.171.10.133.";
    if (sysObjectID.size() != Prefix.size() + 3 || !sysObjectID.starts_with(Prefix) ||
        !sysObjectID.ends_with(".1"))
        return 0;
    const char n = sysObjectID[Prefix.size()];
    return n >= '1' && n <= '4' ? n - '0' : 0;
}

const VarDescriptor* FindModelTable(std::string_view module, std::string_view oidWithN,
                                    std::string_view sysObjectID, const char* caption, int rows,
                                    const CatalogueRow& row)
{
    const int model = ModelNumberOf(sysObjectID);
    const std::string oid = WithModel(oidWithN, model);
    if (model == 0 || oid.empty())
        return nullptr;
    std::string rowOid;
    CatalogueRow modelRow = row;
    if (row.oid) {
        rowOid = WithModel(row.oid, model);
        modelRow.oid = rowOid.empty() ? row.oid : rowOid.c_str();
    }
    const CatalogueModule* m = FindCatalogueModule(module);
    if (!m)
        return nullptr;
    const VarDescriptor* found = nullptr;
    for (const CatalogueTable& table : m->tables) {
        if (table.model == model && Matches(table.rows, oid, caption, rows, modelRow)) {
            if (found)
                return nullptr;
            found = table.rows;
        }
    }
    return found;
}
