#include "features/common/SkippedColumns.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"

void SavedColumnFlags::Save(const MvSNMPVarList& list)
{
    flags_.clear();
    for (int i = 0; i < list.Count(); ++i)
        flags_.push_back(list.Item(i).access);
}

void SavedColumnFlags::Restore(MvSNMPVarList& list) const
{
    for (int i = 0; i < list.Count() && i < static_cast<int>(flags_.size()); ++i)
        list.Item(i).access = flags_[static_cast<std::size_t>(i)];
}

SkippedColumns::SkippedColumns(MvSNMPVarList& list) : list_(list)
{
    saved_.Save(list);
    Open();
}

SkippedColumns::SkippedColumns(MvSNMPVarList& list, const SavedColumnFlags& saved) : list_(list), saved_(saved)
{
    // A copy from before the list was built gives nothing back: take the flags as they are.
    if (saved_.Empty())
        saved_.Save(list);
    Open();
}

SkippedColumns::~SkippedColumns() { End(); }

void SkippedColumns::End()
{
    list_.CloseWriteScope(this);
    saved_.Restore(list_);
}

void SkippedColumns::Open() { list_.OpenWriteScope(this); }

void SkippedColumns::Skip(int item)
{
    if (item >= 0 && item < list_.Count()) {
        Open();
        list_.Item(item).access |= invalid;
    }
}

void SkippedColumns::SkipIfEmpty(int item, const QWidget* editor)
{
    if (const auto* edit = dynamic_cast<const ui::Edit*>(editor); edit != nullptr && edit->Text().empty())
        Skip(item);
    else if (const auto* combo = dynamic_cast<const ui::ComboBox*>(editor); combo != nullptr && combo->Text().empty())
        Skip(item);
}

void SkippedColumns::KeepOnly(int item)
{
    for (int i = list_.keyCount; i < list_.Count(); ++i)
        if (i != item)
            Skip(i);
}
