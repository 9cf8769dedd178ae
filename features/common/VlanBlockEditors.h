#pragma once
// The eight VLAN block editors of a window whose table keeps a row's VLANs as eight bitmaps of
// 512 VLANs each (items first to first + 7, 128 hexadecimal digits apiece). Each block is shown
// and typed as a list text ("1-3,5") in the edit VLANRangeEdit<n> with its box cbxVlanRange<n>
// (n = 1 to 8). The windows find their editors once their layout is built:
//
//     setupUi(this);
//     VlanBlocks.FindIn(this);                 // after the layout, before the request
//     ...
//     VlanBlocks.Bind(*this, *Request);        // each block's edit as a text column
//     if (!VlanBlocks.CheckedTextsAreLists(this))   // before anything is marked or sent
//         return;
//
// and their request (VlanBitmapRequestEdits.h) converts rows and writes with them.

#include <array>

class MvSNMPRequest2Edits;
class MvSNMPVarList;
class QWidget;
class TBasicForm;

namespace ui {
class CheckBox;
class Edit;
} // namespace ui

class VlanBlockEditors {
public:
    static constexpr int BlockCount = 8;

    // The table item of the first block.
    explicit VlanBlockEditors(int firstItem) : firstItem_(firstItem) {}

    // Takes the form's block edits and boxes by their names; a form without one of them is a
    // layout fault (std::logic_error).
    void FindIn(QWidget* form);

    int FirstItem() const { return firstItem_; }
    int LastItem() const { return firstItem_ + BlockCount - 1; }

    // The edit and the box of block item k (FirstItem to LastItem).
    ui::Edit* Edit(int item) const;
    ui::CheckBox* Box(int item) const;

    // Every block's edit bound to its item as a text, with its box.
    void Bind(TBasicForm& form, MvSNMPRequest2Edits& request) const;

    // Every checked and enabled block's text is a list of its block; false after the block
    // check's message, with the focus on the first edit that is not.
    bool CheckedTextsAreLists(QWidget* owner) const;

    // A received row: every bitmap the list holds becomes its block's list text ("0" for none).
    void BitmapsToListTexts(MvSNMPVarList& list) const;

    // Before a write: every block whose box is checked and that the write carries gets its
    // edit's list text as a bitmap. A text that is no list of that block raises the block
    // check's message (Exception), so nothing is sent.
    void CheckedTextsToBitmaps(MvSNMPVarList& list) const;

private:
    int Block(int item) const;

    int firstItem_;
    std::array<ui::Edit*, BlockCount> edits_{};
    std::array<ui::CheckBox*, BlockCount> boxes_{};
};
