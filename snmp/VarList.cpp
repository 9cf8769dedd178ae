#include "VarList.h"

#include <algorithm>

namespace {

std::optional<std::string> OptionalText(const char* text)
{
    return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
}

constexpr OptionItem ListKindNameTable[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {}};

constexpr OptionItem SyntaxNameTable[] = {
    {integer, "integer"},       {bitstr, "bitstr"},         {octetstr, "octetstr"},
    {null, "null"},             {objectid, "objectid"},     {ipaddress, "ipaddress"},
    {counter, "counter"},       {guage, "guage"},           {timeticks, "timeticks"},
    {opaque, "opaque"},         {counter64, "counter64"},   {boolean, "boolean"},
    {nsapaddr, "nsapaddr"},     {uinteger, "uinteger"},     {syntax_double, "double"},
    {macaddress, "macaddress"}, {datetime, "datetime"},     {bcdatetime, "bcdatetime"},
    {displaystr, "displaystr"}, {bool8, "bool8"},           {int8, "int8"},
    {uint8, "uint8"},           {bool16, "bool16"},         {int16, "int16"},
    {uint16, "uint16"},         {ipv6address, "ipv6address"}, {bitlist, "bitlist"},
    {inetaddress, "inetaddress"}, {}};

constexpr OptionItem AccessNameTable[] = {
    {notaccess, "notaccess"}, {readonly, "readonly"}, {writeonly, "writeonly"}, {readwrite, "readwrite"},
    {derived, "derived"},     {hidden, "hidden"},     {invalid, "invalid"},     {}};

} // namespace

constinit MvOptionList ListKindNames;
constinit MvOptionList SyntaxNames;
constinit MvOptionList AccessNames;

void InitVarListNameTables()
{
    ListKindNames.Init(ListKindNameTable, 1);
    SyntaxNames.Init(SyntaxNameTable, 1);
    AccessNames.Init(AccessNameTable, 1);
}

void FreeVarListNameTables()
{
    AccessNames.Free();
    SyntaxNames.Free();
    ListKindNames.Free();
}

MvSNMPVarList::MvSNMPVarList(const VarDescriptor* table, std::uint8_t listKind, std::int32_t keys)
    : keyCount(keys), kind(listKind)
{
    AppendTable(table);
}

MvSNMPVarList::MvSNMPVarList(const MvSNMPVarList& other) { CopyFrom(other); }

MvSNMPVarList& MvSNMPVarList::operator=(const MvSNMPVarList& other)
{
    CopyFrom(other);
    return *this;
}

int MvSNMPVarList::CountDescriptorRows(const VarDescriptor* table)
{
    int n = 0;
    if (table != nullptr)
        while (table[n].oid != nullptr)
            ++n;
    return n;
}

void MvSNMPVarList::AppendTable(const VarDescriptor* table)
{
    const int n = CountDescriptorRows(table);
    items_.reserve(items_.size() + static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const VarDescriptor& row = table[i];
        MvVarItem item;
        item.oid = row.oid;
        item.caption = row.caption != nullptr ? row.caption : "";
        item.syntax = row.syntax;
        item.access = row.access;
        item.options = row.options;
        item.getExpression = OptionalText(row.getExpression);
        item.setExpression = OptionalText(row.setExpression);
        item.furtherText = OptionalText(row.furtherText);
        if (row.value != nullptr)
            item.value = *row.value;
        if (row.currentOid != nullptr)
            item.currentOid = *row.currentOid;
        items_.push_back(std::move(item));
    }
}

void MvSNMPVarList::CopyFrom(const MvSNMPVarList& other)
{
    if (&other == this)
        return;
    kind = other.kind;
    keyCount = other.keyCount;
    name = other.name;
    items_ = other.items_;
}

void MvSNMPVarList::Clear()
{
    items_.clear();
    items_.shrink_to_fit();
}

void MvSNMPVarList::AppendToOids(const std::string& text)
{
    for (MvVarItem& item : items_)
        item.oid += "." + text;
}

void MvSNMPVarList::OpenWriteScope(MvWriteScope* scope)
{
    if (std::find(writeScopes_.begin(), writeScopes_.end(), scope) == writeScopes_.end())
        writeScopes_.push_back(scope);
}

void MvSNMPVarList::CloseWriteScope(MvWriteScope* scope) { std::erase(writeScopes_, scope); }

void MvSNMPVarList::EndWriteScopes()
{
    while (!writeScopes_.empty()) {
        MvWriteScope* scope = writeScopes_.back();
        writeScopes_.pop_back();
        scope->End();
    }
}

bool MvSNMPVarList::IsReadable(int i) const
{
    const std::int32_t a = Item(i).access;
    return (a & invalid) == 0 && (a & readonly) != 0;
}

bool MvSNMPVarList::IsSettable(int i) const
{
    const std::int32_t a = Item(i).access;
    if (a & invalid)
        return false;
    return (a & writeonly) != 0 || ((kind == MVT_FMV || kind == MVT_UMV) && i < keyCount);
}

bool MvSNMPVarList::IsShown(int i) const
{
    const std::int32_t a = Item(i).access;
    return (a & (invalid | hidden)) == 0 && (a & (notaccess | readonly | derived)) != 0;
}

bool MvSNMPVarList::IsHiddenColumn(int i) const
{
    const std::int32_t a = Item(i).access;
    return a == writeonly || (a & (invalid | hidden)) != 0;
}

bool MvSNMPVarList::HasImpliedIndex(int i) const { return (Item(i).access & impliedlength) != 0; }

int MvSNMPVarList::ShownCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsShown(i);
    return n;
}

int MvSNMPVarList::HiddenColumnCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHiddenColumn(i);
    return n;
}
