#pragma once
// The variables of one request: owned copies of the rows of a static descriptor table, each with
// its current value and OID as text, plus the list's kind, key count, instance suffix and name.

#include "OptionList.h"
#include "VarDescriptor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// List kinds.
enum : std::uint8_t {
    SVT_SV = 0,  // scalars, read and written at OID.0
    MVT_SV = 1,  // one row of a table; the OIDs already name the instance
    MVT_FMV = 2, // table walked with GETNEXT; the first keyCount items are the index columns
    MVT_UMV = 3, // as MVT_FMV; differs only in the bindings after a walk
};

// A scope that leaves items out of the writes made while it is open (their `invalid` flag) and
// puts the flags back when it ends. A read started on the list ends every open scope first, so a
// read always reads every column, whatever write came before it.
class MvWriteScope {
public:
    virtual void End() = 0;

protected:
    ~MvWriteScope() = default;
};

// One item of a variable list: a descriptor row with owned texts.
struct MvVarItem {
    std::string oid;     // without instance
    std::string caption;
    std::int32_t syntax = 0;
    std::int32_t access = 0;
    MvOptionList* options = nullptr;             // shared, never owned
    std::optional<std::string> getExpression;    // evaluated into the value after each read
    std::optional<std::string> setExpression;    // evaluated into the value before each write
    std::optional<std::string> furtherText;      // carried along, not interpreted
    std::string value;                           // display text when there is an option list
    std::string textCodec;                       // code page of a text's octets ("": the program's own)
    std::string currentOid;                      // full OID last read or written
};

class MvSNMPVarList {
public:
    std::string suffix;          // appended as "." and the text to every OID; survives assignment
    std::int32_t keyCount = 0;   // leading index columns of a table list
    std::uint8_t kind = SVT_SV;
    std::string name;            // fills [VARLIST] in log lines

    MvSNMPVarList() = default;
    MvSNMPVarList(const VarDescriptor* table, std::uint8_t kind, std::int32_t keyCount);
    // A copy starts with an empty suffix; assignment keeps the list's own suffix.
    MvSNMPVarList(const MvSNMPVarList& other);
    MvSNMPVarList& operator=(const MvSNMPVarList& other);
    ~MvSNMPVarList() = default;

    // Appends the rows of a static table (up to its end row) as new items.
    void AppendTable(const VarDescriptor* table);
    // Replaces items, kind, key count and name by deep copies of the other's; suffix stays.
    void CopyFrom(const MvSNMPVarList& other);
    void Clear();
    // Every OID becomes the OID, "." and the text.
    void AppendToOids(const std::string& text);

    int Count() const { return static_cast<int>(items_.size()); }
    // The caller keeps i below Count.
    MvVarItem& Item(int i) { return items_[static_cast<std::size_t>(i)]; }
    const MvVarItem& Item(int i) const { return items_[static_cast<std::size_t>(i)]; }

    bool IsReadable(int i) const;      // read by GET/GETNEXT
    bool IsSettable(int i) const;      // written (index columns of a table: their key is taken)
    bool IsShown(int i) const;         // has a visible list-view column
    bool IsHiddenColumn(int i) const;  // has a zero-width list-view column
    bool HasImpliedIndex(int i) const; // index column without a length sub-identifier
    int ShownCount() const;
    int HiddenColumnCount() const;

    // Rows before the end row; 0 for a null table.
    static int CountDescriptorRows(const VarDescriptor* table);

    // The write scopes open on this list; neither a copy nor an assignment carries them.
    void OpenWriteScope(MvWriteScope* scope);
    void CloseWriteScope(MvWriteScope* scope);
    // Ends every open scope, the innermost first: the flags are as they were before the first.
    void EndWriteScopes();

private:
    std::vector<MvVarItem> items_;
    std::vector<MvWriteScope*> writeScopes_;
};

// Names of the list kinds, syntaxes and access values (kind-1, case-insensitive lists), built
// at start-up after the catalogue's option lists and freed at exit in reverse order.
extern MvOptionList ListKindNames;
extern MvOptionList SyntaxNames;
extern MvOptionList AccessNames;
void InitVarListNameTables();
void FreeVarListNameTables();
