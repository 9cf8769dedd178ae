#include "simdata/MenuSimData.h"

#include "catalogue/CatalogueIndex.h"

namespace menusimdata {

const char* const ModelOids[4] = {"1.3.6.1.4.1.171.10.133.1.1", "1.3.6.1.4.1.171.10.133.2.1",
                                  "1.3.6.1.4.1.171.10.133.3.1", "1.3.6.1.4.1.171.10.133.4.1"};

namespace {

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

} // namespace menusimdata
