#include "gui/EditsPanel.h"

#include "gui/CtrlBtnPanel.h"
#include "gui/SNMPPanel.h"

#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"

#include "ui/Align.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/ScrollBox.h"

#include <QFont>

#include <algorithm>

namespace {

constexpr int HiddenRowTag = 6666;
constexpr int FirstTop = 20;
constexpr int RowGap = 5;
constexpr int BoxLeft = 20;

} // namespace

std::string EditorText(const QWidget* editor)
{
    if (auto* edit = dynamic_cast<const ui::Edit*>(editor))
        return edit->Text();
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(editor))
        return combo->Text();
    if (auto* panel = dynamic_cast<const ui::Panel*>(editor))
        return panel->Caption();
    if (auto* label = dynamic_cast<const ui::Label*>(editor))
        return label->Caption();
    return {};
}

TEditsPanel::TEditsPanel(QWidget* owner, MvSNMPRequest2Edits* editCtrl)
    : ui::Panel(owner), EditCtrl(editCtrl)
{
    SetBevelOuter(ui::bvNone);
    ScrollBox = new ui::ScrollBox(this);
    ui::SetAlign(ScrollBox, ui::alClient);
    Rows = {UISnmpVar{}};
    if (EditCtrl != nullptr)
        BuildRows(EditCtrl);
    MessageLabel = new ui::Label(ScrollBox);
    MessageLabel->hide();
    SetReadOnlyColours(ui::clBlack, ui::clBtnFace);
}

void TEditsPanel::DeleteRows()
{
    for (const UISnmpVar& row : Rows) {
        delete row.CheckBox;
        delete row.Label;
        delete row.Editor;
    }
    Rows.clear();
}

void TEditsPanel::BuildRows(MvSNMPRequest2Edits* editCtrl)
{
    DeleteRows();
    EditCtrl = editCtrl;
    const MvSNMPVarList& list = EditCtrl->Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        const MvVarItem& item = list.Item(i);
        UISnmpVar row;
        const bool settable = list.IsSettable(i);
        const bool options = item.options != nullptr;
        row.Kind = settable ? (options ? ukComboBox : ukEdit) : (options ? ukReadOnlyText : ukReadOnlyEdit);
        row.Format = item.syntax == ipaddress ? "%s{I}" : "%s";
        Rows.push_back(row);
    }
    Rows.push_back(UISnmpVar{});

    for (int i = 0; i < RowCount(); ++i) {
        UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
        row.CheckBox = new ui::CheckBox(ScrollBox);
        ui::SetWidth(row.CheckBox, 20);
        ui::SetTag(row.CheckBox, i);
        row.CheckBox->OnClick = ui::Handler(this, &TEditsPanel::RowCheckClick);
        ui::SetTabStop(row.CheckBox, false);
        row.Label = new ui::Label(ScrollBox);
        row.Label->SetCaption(list.Item(i).caption);
        ui::SetTag(row.Label, i);
        if (row.Kind == ukComboBox) {
            auto* combo = new ui::ComboBox(ScrollBox);
            ui::SetTag(combo, 0);
            row.Editor = combo;
            EditCtrl->BindComboBox(i, combo);
        } else {
            auto* edit = new ui::Edit(ScrollBox);
            ui::SetTag(edit, i);
            row.Editor = edit;
            EditCtrl->BindEdits(i, row.Kind == ukReadOnlyText ? "%s" : row.Format, edit);
        }
    }
    SetRowsChecked(0);
    LayoutRows(2, true);
}

void TEditsPanel::SetRowsChecked(std::uint8_t checkedDefault)
{
    RowsCheckedDefault = checkedDefault;
    const MvSNMPVarList& list = EditCtrl->Request.VarList;
    for (int i = 0; i < RowCount(); ++i) {
        if (i < list.keyCount || !list.IsSettable(i))
            MakeRowReadOnly(i);
        else
            MakeRowEditable(i);
    }
}

void TEditsPanel::MakeRowReadOnly(int row)
{
    const UISnmpVar& r = Rows.at(static_cast<std::size_t>(row));
    r.CheckBox->setEnabled(false);
    r.CheckBox->hide();
    r.CheckBox->SetChecked(false);
    if (auto* edit = dynamic_cast<ui::Edit*>(r.Editor)) {
        edit->SetReadOnly(true);
        ui::SetTabStop(edit, false);
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(r.Editor)) {
        combo->setEnabled(false);
    }
    ui::SetFontColor(r.Editor, ReadOnlyFontColor);
    ui::SetColor(r.Editor, ReadOnlyColor);
}

void TEditsPanel::MakeRowEditable(int row)
{
    const UISnmpVar& r = Rows.at(static_cast<std::size_t>(row));
    r.CheckBox->setEnabled(true);
    r.CheckBox->show();
    r.CheckBox->SetChecked(RowsCheckedDefault != 0);
    if (auto* edit = dynamic_cast<ui::Edit*>(r.Editor)) {
        edit->SetReadOnly(false);
        ui::SetTabStop(edit, true);
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(r.Editor)) {
        combo->setEnabled(true);
    }
    ui::SetFontColor(r.Editor, ui::clBlack);
    ui::SetColor(r.Editor, ui::clWhite);
}

void TEditsPanel::SetReadOnlyColours(ui::Color fontColor, ui::Color color)
{
    ReadOnlyFontColor = fontColor;
    ReadOnlyColor = color;
    if (EditCtrl == nullptr)
        return;
    for (int i = 0; i < RowCount(); ++i)
        if (!EditCtrl->Request.VarList.IsSettable(i))
            MakeRowReadOnly(i);
}

void TEditsPanel::LayoutRows(int, bool resize)
{
    if (EditCtrl == nullptr)
        return;
    const MvSNMPVarList& list = EditCtrl->Request.VarList;
    int widestLabel = 0;
    for (int i = 0; i < RowCount(); ++i)
        widestLabel = std::max(widestLabel, Rows[static_cast<std::size_t>(i)].Label->width());

    int y = FirstTop;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        const UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
        QWidget* editor = row.Editor;
        ui::SetWidth(editor, EditorWidth);
        if ((list.Item(i).access & hidden) != 0 || !ui::Visible(editor))
            continue;
        if (i == 0) {
            y = FirstTop;
        } else {
            if (editor->height() < 20)
                ui::SetHeight(editor, 21);
            y += editor->height() + RowGap;
        }
        const int boxLeft = BoxLeft;
        const int labelLeft = boxLeft + row.CheckBox->width() + RowGap;
        const int editorLeft = labelLeft + widestLabel + RowGap;
        ui::SetBounds(editor, editorLeft, y, editor->width(), editor->height());
        ui::SetBounds(row.CheckBox, boxLeft, y + (editor->height() - row.CheckBox->height()) / 2,
                      row.CheckBox->width(), row.CheckBox->height());
        ui::SetBounds(row.Label, labelLeft, y + (editor->height() - row.Label->height()) / 2,
                      row.Label->width(), row.Label->height());
        right = std::max(right, editor->x() + editor->width());
        bottom = std::max(bottom, editor->y() + editor->height());
    }
    if (resize) {
        ui::SetAlign(this, ui::alNone);
        ui::SetBounds(this, x(), this->y(), right + 40, bottom + 40);
    }
}

void TEditsPanel::SetEditorWidth(int width, int orientation)
{
    EditorWidth = width;
    LayoutRows(orientation, true);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column)
{
    if (EditCtrl == nullptr)
        throw Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    for (QWidget* shown : {static_cast<QWidget*>(column->RefreshButton), static_cast<QWidget*>(column->SetCheckedButton),
                           static_cast<QWidget*>(column->CheckAllButton), static_cast<QWidget*>(column->ClearChecksButton),
                           static_cast<QWidget*>(column->CloseButton)})
        shown->show();
    for (QWidget* hiddenControl : {static_cast<QWidget*>(column->SamplesLabel), static_cast<QWidget*>(column->CountText),
                                   static_cast<QWidget*>(column->EditButton), static_cast<QWidget*>(column->AddButton),
                                   static_cast<QWidget*>(column->DeleteButton), static_cast<QWidget*>(column->StopButton)})
        hiddenControl->hide();

    const MvSNMPVarList& list = EditCtrl->Request.VarList;
    bool anyWritable = false;
    for (int i = list.keyCount; i < RowCount(); ++i)
        anyWritable = anyWritable || list.IsSettable(i);
    if (!anyWritable) {
        column->SetCheckedButton->hide();
        column->CheckAllButton->hide();
        column->ClearChecksButton->hide();
    } else {
        int selectable = 0;
        int checked = 0;
        for (int i = 0; i < RowCount(); ++i) {
            const ui::CheckBox* box = Rows[static_cast<std::size_t>(i)].CheckBox;
            selectable += ui::Visible(box) && box->isEnabled();
            checked += box->Checked();
        }
        if (selectable <= 1) {
            // One row to write: it is sent by "Set" without a box to tick.
            column->CheckAllButton->hide();
            column->ClearChecksButton->hide();
            column->SetCheckedButton->SetCaption("Set");
            column->SetCheckedButton->setEnabled(true);
            if (checked <= 1)
                for (int i = 0; i < RowCount(); ++i)
                    Rows[static_cast<std::size_t>(i)].CheckBox->hide();
            for (int i = 0; i < RowCount(); ++i) {
                ui::CheckBox* box = Rows[static_cast<std::size_t>(i)].CheckBox;
                if ((ui::Visible(box) && box->isEnabled()) || ui::Tag(box) == HiddenRowTag)
                    box->SetChecked(false);
                else
                    box->SetChecked(true);
            }
        }
    }
    column->ArrangeButtons();
}

bool TEditsPanel::IsRowEmpty(int row) const
{
    const UISnmpVar& r = Rows.at(static_cast<std::size_t>(row));
    if (ui::Tag(r.Editor) == 99 || !ui::Visible(r.CheckBox))
        return false;
    return EditorText(r.Editor).empty();
}

void TEditsPanel::RowCheckClick(QObject*)
{
    TSNMPPanel* shower = EnclosingSNMPPanel(this);
    if (shower == nullptr)
        return;
    bool anyChecked = false;
    for (int i = 0; i < RowCount(); ++i)
        anyChecked = anyChecked || Rows[static_cast<std::size_t>(i)].CheckBox->Checked();
    shower->Buttons->SetCheckedButton->setEnabled(anyChecked);
}

void TEditsPanel::HideRow(int row)
{
    const UISnmpVar& r = Rows.at(static_cast<std::size_t>(row));
    EditCtrl->Request.VarList.Item(row).access |= hidden;
    r.Editor->hide();
    r.CheckBox->hide();
    r.Label->hide();
    ui::SetTag(r.CheckBox, HiddenRowTag);
}

void TEditsPanel::ShowRow(int row)
{
    const UISnmpVar& r = Rows.at(static_cast<std::size_t>(row));
    EditCtrl->Request.VarList.Item(row).access &= ~hidden;
    r.Editor->show();
    r.CheckBox->show();
    r.Label->show();
}

void TEditsPanel::UncheckRow(int row)
{
    Rows.at(static_cast<std::size_t>(row)).CheckBox->SetChecked(false);
}

void TEditsPanel::SetRowValue(int row, const std::string& text)
{
    const UISnmpVar& r = Rows.at(static_cast<std::size_t>(row));
    if (auto* edit = dynamic_cast<ui::Edit*>(r.Editor))
        edit->SetText(text);
    else if (auto* combo = dynamic_cast<ui::ComboBox*>(r.Editor))
        combo->SetItemIndex(combo->IndexOf(text));
    EditCtrl->Request.VarList.Item(row).value = text;
}

void TEditsPanel::ClearAllRows()
{
    MvSNMPVarList& list = EditCtrl->Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        if (i < RowCount()) {
            QWidget* editor = Rows[static_cast<std::size_t>(i)].Editor;
            if (auto* edit = dynamic_cast<ui::Edit*>(editor))
                edit->SetText("");
            else if (auto* combo = dynamic_cast<ui::ComboBox*>(editor))
                combo->SetItemIndex(-1);
        }
        list.Item(i).value.clear();
    }
}

void TEditsPanel::ShowMessageLabel(const std::string& text, ui::Color color, int fontSize)
{
    MessageLabel->SetCaption(text);
    QFont font = MessageLabel->font();
    font.setPointSize(fontSize);
    font.setBold(true);
    MessageLabel->setFont(font);
    MessageLabel->SetAutoSize(true);
    ui::SetFontColor(MessageLabel, color);
    ui::SetBounds(MessageLabel, 20, ScrollBox->height() + 115, MessageLabel->width(), MessageLabel->height());
    MessageLabel->show();
}
