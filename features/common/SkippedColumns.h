#pragma once
// Leaving columns out of one write. A hand-made window writes a row with one SET of every
// settable item of its variable list; an item whose access flag has `invalid` is left out.
// SkippedColumns marks the items for one write and puts every item's flag back as it was when
// the scope ends, on every path (a validation message that ends the action, an exception):
//
//     {
//         SkippedColumns skipped(Request->Request.VarList);   // SaveColumnFlags
//         skipped.SkipIfEmpty(3, ToEdit);                      // MarkSkippedColumns
//         if (!CheckSomething())
//             return;                                          // flags back
//         Request->Set(false, true);
//     }                                                        // RestoreColumnFlags
//
// The scope ends early, its flags back, when a read of the list starts inside it: a Refresh after
// the write lists every column. A Skip after that opens it again.
//
// Delete writes the status alone: skipped.KeepOnly(statusItem) leaves out every column after the
// keys but the status column. A window on TBasicForm marks with TBasicForm::MarkSkippedColumns
// inside the scope. A window that keeps the flags it had at opening (SavedColumnFlags) restores
// from that copy: SkippedColumns skipped(list, FlagsAtOpening).

#include "snmp/VarList.h"

#include <cstdint>
#include <vector>

class QWidget;

// The access flags of every item of a variable list.
class SavedColumnFlags {
public:
    void Save(const MvSNMPVarList& list);
    // Items the copy has are given their saved flags; items beyond it are left alone.
    void Restore(MvSNMPVarList& list) const;
    bool Empty() const { return flags_.empty(); }

private:
    std::vector<std::int32_t> flags_;
};

class SkippedColumns : private MvWriteScope {
public:
    // Saves the flags as they are now.
    explicit SkippedColumns(MvSNMPVarList& list);
    // Restores from a copy taken earlier.
    SkippedColumns(MvSNMPVarList& list, const SavedColumnFlags& saved);
    ~SkippedColumns();
    SkippedColumns(const SkippedColumns&) = delete;
    SkippedColumns& operator=(const SkippedColumns&) = delete;

    // The item stays out of this write.
    void Skip(int item);
    // The item stays out when its editor (an edit or a combo box) holds no text.
    void SkipIfEmpty(int item, const QWidget* editor);
    // Every item after the keys but the one given stays out (a Delete writes the status alone).
    void KeepOnly(int item);

private:
    // The list's read ends the scope.
    void End() override;
    void Open();

    MvSNMPVarList& list_;
    SavedColumnFlags saved_;
};
