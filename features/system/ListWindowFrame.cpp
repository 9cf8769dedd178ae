#include "features/system/ListWindowFrame.h"

#include "features/common/SynchronousScope.h"
#include "features/system/ListDialogFrame.h"

#include "snmp/VarList.h"

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/ModalResult.h"

ListWindowFrame::ListWindowFrame(ui::CustomForm* form, WindowVariants variants)
    : WindowLifecycle(form, std::move(variants))
{
}

void ListWindowFrame::UseList(ui::ListView* list, ui::Label* rowCount)
{
    list_ = list;
    rowCount_ = rowCount;
}

void ListWindowFrame::ShowRowCount() const { WindowLifecycle::ShowRowCount(rowCount_, list_); }

void ListWindowFrame::CreateRequest(const VarDescriptor* table, std::uint8_t kind, int keys, ui::Form* dialog,
                                    const std::string& noTable,
                                    const std::function<void(MvSNMPRequest2Edits&)>& bind, bool endGet)
{
    if (table == nullptr) {
        // Nothing to bind to and nothing to read: the window opens empty and may close.
        DataComplete = 1;
        ShowInStatusLine(noTable);
        ShowRowCount();
        return;
    }
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(FormWidget());
        Request->Request.VarList = MvSNMPVarList(table, kind, keys);
        Request->AttachListView(list_, true);
        if (dialog != nullptr)
            Request->SetConstraintOwner(dialog);
        bind(*Request);
        Attach(*Request, endGet, true);
        Read(*Request);
    });
    ShowRowCount();
}

bool ListWindowFrame::Refresh()
{
    if (!Variants().LogOnly && DataComplete == 0)
        return false;
    bool read = false;
    const bool ok = Guarded([&] {
        if (!Request)
            return;
        // A read that an Add stopped and that has not ended yet goes on to the end of the table.
        Request->Request.Active = 1;
        if (Running(Request.get()))
            return;
        read = true;
        Read(*Request);
    });
    return read || !ok;
}

void ListWindowFrame::LoadSelectedRow()
{
    if (!Request || list_ == nullptr || list_->Selected() == nullptr)
        return;
    if (Request->RowSelectDrivesEditing)
        Request->EnableBoundControls(true);
    Request->SelectedRowToValues();
    Request->ValuesToControls(-1);
}

int ListWindowFrame::OpenDialog(ListDialogFrame& dialog, int mode, const std::string& caption, bool loadSelectedRow)
{
    int result = ui::mrNone;
    Guarded([&] {
        if (loadSelectedRow)
            LoadSelectedRow();
        dialog.Mode = mode;
        dialog.Window().SetCaption(caption);
        result = dialog.Window().ShowModal();
    });
    return result;
}

bool ListWindowFrame::WriteRow(const RowWrite& write, bool waitForAnswer)
{
    MvSNMPVarList& list = Request->Request.VarList;
    std::unique_ptr<SkippedColumns> skipped = write.Flags != nullptr
                                                  ? std::make_unique<SkippedColumns>(list, *write.Flags)
                                                  : std::make_unique<SkippedColumns>(list);
    std::unique_ptr<SynchronousScope> synchronous;
    if (write.Synchronous)
        synchronous = std::make_unique<SynchronousScope>(*Request);
    if (write.Skip)
        write.Skip(*skipped);
    // A synchronous write has been answered, and a refusal shown, when Set returns.
    if (waitForAnswer && !write.Synchronous)
        return WriteAndWait(*Request);
    return Write(*Request, !waitForAnswer && write.After == AfterWrite::RequestRereads);
}

bool ListWindowFrame::WriteDialogRow(const RowWrite& write)
{
    bool accepted = false;
    Guarded([&] {
        if (!Request)
            return;
        accepted = WriteRow(write, true);
        if (!accepted)
            return;
        // The flags are back: the read lists every column.
        if (write.After != AfterWrite::Nothing)
            Read(*Request, write.KeepDataComplete);
        if (write.Then)
            write.Then();
    });
    return accepted;
}

void ListWindowFrame::WriteSelectedRow(const RowWrite& write, const std::function<void()>& setStatus)
{
    Guarded([&] {
        if (!Request)
            return;
        LoadSelectedRow();
        if (setStatus)
            setStatus();
        WriteRow(write, false);
        if (write.After != AfterWrite::Nothing)
            Read(*Request, write.KeepDataComplete);
    });
}
