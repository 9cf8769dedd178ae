#include "gui/SNMPListViewPanel.h"

#include "gui/RequestIdle.h"

#include "snmp/DeviceState.h"
#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"

#include "ui/Align.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/MessageBox.h"
#include "ui/PageControl.h"
#include "ui/ScrollBox.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int StatusShownTag = 100;
constexpr int DialogSetTag = 1;

} // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, MvSNMPRequest2Edits* edits)
    : TSNMPEditorPanel(owner, edits)
{
    ListViewPanel = new TListViewPanel(ClientPanel, edits);
    ui::ListView* list = ListViewPanel->ListView;
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    list->OnClick = ui::Handler(this, &TSNMPListViewPanel::ListClick);
    list->OnDblClick = ui::Handler(this, &TSNMPListViewPanel::ListDblClick);
    list->OnChange = ui::Handler(this, &TSNMPListViewPanel::ListChange);
    list->OnMouseMove = ui::Handler(this, &TSNMPListViewPanel::ListMouseMove);
    // Refresh and Stop keep the handlers of the frame; Refresh runs the list's override.
    Buttons->EditButton->OnClick = ui::Handler(this, &TSNMPListViewPanel::EditClick);
    Buttons->AddButton->OnClick = ui::Handler(this, &TSNMPListViewPanel::AddClick);
    Buttons->DeleteButton->OnClick = ui::Handler(this, &TSNMPListViewPanel::DeleteClick);
    ListViewPanel->ArrangeCtrlBtn(Buttons);

    const MvSNMPVarList& items = edits->Request.VarList;
    bool anyWritable = false;
    for (int i = items.keyCount; i < items.Count(); ++i)
        anyWritable = anyWritable || items.IsSettable(i);
    if (!anyWritable) {
        Buttons->EditButton->hide();
        Buttons->ArrangeButtons();
    }
    SetContent(ListViewPanel);
}

void TSNMPListViewPanel::OfferStatus(int index, const std::string& value, const std::string& message,
                                     int& storedIndex, std::string& storedValue, ui::BitmapButton* button)
{
    ui::ComboBox* combo = nullptr;
    if (index >= 0 && index < EditsPanel->RowCount())
        combo = dynamic_cast<ui::ComboBox*>(EditsPanel->Rows[static_cast<std::size_t>(index)].Editor);
    if (combo == nullptr || combo->IndexOf(value) < 0)
        throw Exception(message + value);
    storedIndex = index;
    storedValue = value;
    button->show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::SetAddStatus(int index, const std::string& value)
{
    OfferStatus(index, value, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:", ListViewPanel->AddIndex,
                ListViewPanel->AddValue, Buttons->AddButton);
}

void TSNMPListViewPanel::SetDeleteStatus(int index, const std::string& value)
{
    OfferStatus(index, value, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:",
                ListViewPanel->DeleteIndex, ListViewPanel->DeleteValue, Buttons->DeleteButton);
}

void TSNMPListViewPanel::RefreshClick(QObject* sender)
{
    if (Edits->Mode == 1 && Edits->Busy)
        return;
    Buttons->EditButton->setEnabled(false);
    Buttons->DeleteButton->setEnabled(false);
    TSNMPPanel::RefreshClick(sender);
    Buttons->CountText->SetCaption(std::to_string(ListViewPanel->ListView->Count()));
}

void TSNMPListViewPanel::ListChange(QObject*, ui::ListItem*)
{
    Buttons->CountText->SetCaption(std::to_string(ListViewPanel->ListView->Count()));
}

void TSNMPListViewPanel::ListClick(QObject*)
{
    try {
        // A walk still running ends with the rows read so far.
        Edits->Request.Active = 0;
        const bool selected = ListViewPanel->ListView->Selected() != nullptr;
        Buttons->EditButton->setEnabled(selected);
        Buttons->DeleteButton->setEnabled(selected);
        if (!selected)
            EditsPanel->ClearAllRows();
    } catch (...) {
        ui::MessageBox(this, "Please select a entry ");
    }
}

void TSNMPListViewPanel::ListDblClick(QObject*)
{
    if (ListViewPanel->ListView->Selected() == nullptr)
        return;
    // The Edit dialog opens even when the Edit button is hidden or disabled.
    try {
        ui::Fire(Buttons->EditButton->OnClick, static_cast<QObject*>(Buttons->EditButton));
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListMouseMove(QObject*, int x, int y)
{
    ui::ListView* list = ListViewPanel->ListView;
    ui::ListItem* item = list->ItemAt(x, y);
    if (item == nullptr) {
        ui::SetShowHint(list, false);
        return;
    }
    std::size_t longest = 0;
    for (int c = 0; c < list->ColumnCount(); ++c)
        longest = std::max(longest, list->ColumnCaption(c).size());
    std::string hint;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        const std::string caption = list->ColumnCaption(c);
        hint += caption + std::string(longest - caption.size(), '\t') + "  " + item->Cell(c) + "\n";
    }
    ui::SetHint(list, hint);
    ui::SetShowHint(list, true);
}

void TSNMPListViewPanel::AddClick(QObject*)
{
    WhenRequestIdle(*Edits, this, [this] {
        EditsPanel->ClearAllRows();
        RunDialog(true);
    });
}

void TSNMPListViewPanel::EditClick(QObject*)
{
    WhenRequestIdle(*Edits, this, [this] { RunDialog(false); });
}

std::string TSNMPListViewPanel::DialogCaption(const std::string& suffix) const
{
    QWidget* parent = parentWidget();
    if (auto* form = dynamic_cast<ui::CustomForm*>(parent))
        return form->Caption() + suffix;
    if (auto* page = dynamic_cast<ui::TabSheet*>(parent))
        return page->Caption() + ": " + DeviceIPText + suffix;
    return (HostForm != nullptr ? HostForm->Caption() : std::string()) + suffix;
}

void TSNMPListViewPanel::RunDialog(bool add)
{
    TEditsPanel* rows = EditsPanel;
    MvSNMPVarList& items = Edits->Request.VarList;
    const int addIndex = ListViewPanel->AddIndex;
    const int deleteIndex = ListViewPanel->DeleteIndex;
    const auto row = [rows](int i) -> UISnmpVar& { return rows->Rows.at(static_cast<std::size_t>(i)); };

    // The dialog is a window of its own, centred on the main window.
    auto dialog = std::make_unique<ui::Form>(nullptr);
    dialog->SetPosition(ui::poOwnerFormCenter);
    dialog->SetCaption(DialogCaption(add ? " (Add)" : " (Edit)"));
    dialog->SetClientWidth(0);
    dialog->SetClientHeight(0);
    Edits->SetConstraintOwner(dialog.get());
    auto* panel = new TSNMPPanel(dialog.get(), MsgPanel, Edits);
    panel->Buttons->SetCheckedButton->OnClick = ui::Handler(static_cast<TSNMPEditorPanel*>(this),
                                                            &TSNMPEditorPanel::SetCheckedClick);
    ui::SetTag(panel->Buttons->SetCheckedButton, DialogSetTag);
    panel->Buttons->CheckAllButton->OnClick = ui::Handler(static_cast<TSNMPEditorPanel*>(this),
                                                          &TSNMPEditorPanel::CheckAllClick);
    panel->Buttons->ClearChecksButton->OnClick = ui::Handler(static_cast<TSNMPEditorPanel*>(this),
                                                             &TSNMPEditorPanel::ClearChecksClick);

    // Entries of the status lists the Edit dialog takes away, to put back in order afterwards.
    struct Removed {
        int row;
        int index;
        std::string text;
    };
    std::vector<Removed> removed;

    // The status row is offered in both dialogs when its editor has Tag 100; returns whether.
    const auto offerStatus = [&](UISnmpVar& status) {
        const bool offered = ui::Tag(status.Editor) == StatusShownTag;
        status.Editor->setVisible(offered);
        status.CheckBox->setVisible(offered);
        status.Label->setVisible(offered);
        return offered;
    };

    if (add) {
        // Key values are always sent.
        for (int i = 0; i < items.keyCount && i < rows->RowCount(); ++i) {
            rows->MakeRowEditable(i);
            row(i).CheckBox->SetChecked(true);
            row(i).CheckBox->show();
            row(i).CheckBox->setEnabled(false);
            row(i).Editor->setEnabled(true);
        }
        if (addIndex > 0) {
            UISnmpVar& status = row(addIndex);
            const bool offered = offerStatus(status);
            status.Editor->setEnabled(offered);
            status.CheckBox->setEnabled(offered);
            // Shown or not, the status is sent.
            status.CheckBox->SetChecked(true);
        }
        if (addIndex >= 0)
            if (auto* combo = dynamic_cast<ui::ComboBox*>(row(addIndex).Editor))
                combo->SetItemIndex(combo->IndexOf(ListViewPanel->AddValue));
    } else {
        panel->Buttons->SetCheckedButton->setEnabled(false);
        rows->SetRowsChecked(0);
        if (addIndex > 0) {
            UISnmpVar& status = row(addIndex);
            if (!offerStatus(status))
                status.CheckBox->SetChecked(false);
        }
        // Only values that edit a row are offered; a list left empty hides its row.
        const auto takeAway = [&](int index, const std::string& text) {
            auto* combo = dynamic_cast<ui::ComboBox*>(row(index).Editor);
            const int at = combo != nullptr ? combo->IndexOf(text) : -1;
            if (at < 0)
                return;
            combo->DeleteItem(at);
            removed.push_back({index, at, text});
            if (combo->ItemCount() == 0)
                rows->HideRow(index);
        };
        if (addIndex >= 0)
            takeAway(addIndex, ListViewPanel->AddValue);
        if (deleteIndex >= 0)
            takeAway(deleteIndex, ListViewPanel->DeleteValue);
    }

    rows->ArrangeCtrlBtn(panel->Buttons);
    panel->Buttons->RefreshButton->hide();
    panel->Buttons->ArrangeButtons();
    rows->LayoutRows(2, true);
    panel->SetContent(rows);
    panel->FitForm(dialog.get());
    if (add) {
        ListViewPanel->ListView->SetSelected(nullptr);
        Buttons->EditButton->setEnabled(false);
        Buttons->DeleteButton->setEnabled(false);
    }

    dialog->ShowModal();

    for (const Removed& entry : removed) {
        auto* combo = static_cast<ui::ComboBox*>(row(entry.row).Editor);
        if (combo->ItemCount() == 0) {
            rows->ShowRow(entry.row);
            // A box still tagged as hidden would be cleared by the next dialog's one-row rule,
            // and Add would then leave out the status it sends unseen.
            ui::SetTag(row(entry.row).CheckBox, entry.row);
        }
    }
    for (auto it = removed.rbegin(); it != removed.rend(); ++it)
        static_cast<ui::ComboBox*>(row(it->row).Editor)->InsertItem(it->index, it->text);

    // The rows go back into the list panel, hidden, scrolled to the top.
    rows->hide();
    ui::SetAlign(rows, ui::alNone);
    ui::SetParent(rows, ClientPanel);
    rows->ScrollBox->ScrollToTop();
    delete panel;
    dialog.reset();
    Edits->SetConstraintOwner(HostForm != nullptr ? HostForm->Widget() : window());
    RefreshClick(nullptr);
}

void TSNMPListViewPanel::DeleteClick(QObject*)
{
    if (ui::MessageBox(this, "Are you sure to delete it?", ui::mbOKCancel, ui::miQuestion) != ui::mrOk)
        return;
    WhenRequestIdle(*Edits, this, [this] { DeleteSelected(); });
}

void TSNMPListViewPanel::DeleteSelected()
{
    MvSNMPVarList& items = Edits->Request.VarList;
    const int deleteIndex = ListViewPanel->DeleteIndex;
    const std::uint8_t savedMode = Edits->Mode;
    Edits->Mode = 0;
    Edits->Request.Active = 1;
    std::vector<int> leftOut;
    for (int i = items.keyCount; i < items.Count(); ++i) {
        if (i != deleteIndex && (items.Item(i).access & invalid) == 0) {
            items.Item(i).access |= invalid;
            leftOut.push_back(i);
        }
    }
    try {
        Edits->CollectValues();
        if (deleteIndex >= 0 && deleteIndex < items.Count())
            items.Item(deleteIndex).value = ListViewPanel->DeleteValue;
        Edits->Set(false, false);
    } catch (const std::exception& e) {
        Edits->WriteLogLine(e.what());
    }
    for (int i : leftOut)
        items.Item(i).access &= ~invalid;
    // Read again at once, still synchronously.
    ui::Fire(Buttons->RefreshButton->OnClick, static_cast<QObject*>(Buttons->RefreshButton));
    Edits->Mode = savedMode;
}
