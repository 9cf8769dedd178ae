#include "gui/SNMPEditorPanel.h"

#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"
#include "snmp/TypedValues.h"

#include "ui/CheckBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"

#include <exception>
#include <vector>

namespace {

// A row that is never reported empty, whatever it holds.
constexpr int NeverEmptyRow = 17;

} // namespace

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, MvSNMPRequest2Edits* edits)
    : TSNMPPanel(owner, nullptr, edits)
{
    EditsPanel = new TEditsPanel(ClientPanel, edits);
    Buttons->SetCheckedButton->OnClick = ui::Handler(this, &TSNMPEditorPanel::SetCheckedClick);
    Buttons->SetCheckedButton->setEnabled(false);
    Buttons->CheckAllButton->OnClick = ui::Handler(this, &TSNMPEditorPanel::CheckAllClick);
    Buttons->ClearChecksButton->OnClick = ui::Handler(this, &TSNMPEditorPanel::ClearChecksClick);
    EditsPanel->ArrangeCtrlBtn(Buttons);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::SetEditorWidth(int width)
{
    EditsPanel->SetEditorWidth(width, 2);
    SetContent(EditsPanel);
    FitForm(HostForm);
}

void TSNMPEditorPanel::RebindRow(int row, const std::string& spec, const EditCheck* check)
{
    const UISnmpVar& r = EditsPanel->Rows.at(static_cast<std::size_t>(row));
    Edits->Unbind(row);
    if (r.Kind == ukReadOnlyEdit || r.Kind == ukEdit) {
        auto* edit = static_cast<ui::Edit*>(r.Editor);
        if (check != nullptr)
            Edits->BindEditWithCheck(row, spec, edit, *check);
        else
            Edits->BindEdits(row, spec, edit);
    } else if (r.Kind == ukComboBox) {
        throw Exception("Can not set Var format to a ComboBox!");
    } else {
        throw Exception("Unknow UI Control type!");
    }
}

void TSNMPEditorPanel::SetVarFormat(int row, const std::string& spec)
{
    RebindRow(row, spec, nullptr);
}

void TSNMPEditorPanel::SetVarFormatWithCheck(int row, const std::string& spec, EditCheck check)
{
    RebindRow(row, spec, &check);
}

void TSNMPEditorPanel::SetEnabledChecks(bool checked)
{
    bool anyChecked = false;
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        ui::CheckBox* box = EditsPanel->Rows[static_cast<std::size_t>(i)].CheckBox;
        if (box->isEnabled())
            box->SetChecked(checked);
        anyChecked = anyChecked || box->Checked();
    }
    // The Set button of the panel that shows the rows: a dialog's while a dialog borrows them.
    if (anyChecked == checked)
        if (TSNMPPanel* shower = EnclosingSNMPPanel(EditsPanel))
            shower->Buttons->SetCheckedButton->setEnabled(anyChecked);
}

void TSNMPEditorPanel::CheckAllClick(QObject*)
{
    SetEnabledChecks(true);
}

void TSNMPEditorPanel::ClearChecksClick(QObject*)
{
    SetEnabledChecks(false);
}

void TSNMPEditorPanel::SetCheckedClick(QObject* sender)
{
    MvSNMPRequest2Edits* request = Edits;
    // No answer of a running read may land between collecting the values and writing them.
    if (request->Busy)
        return;
    MvSNMPVarList& list = request->Request.VarList;
    const std::uint8_t savedMode = request->Mode;
    request->Mode = 0;

    // Rows left out of this write; their flags are taken back afterwards, whatever happens.
    std::vector<int> leftOut;
    bool empty = false;
    for (int i = 0; i < list.Count() && i < EditsPanel->RowCount(); ++i) {
        const UISnmpVar& row = EditsPanel->Rows[static_cast<std::size_t>(i)];
        MvVarItem& item = list.Item(i);
        const bool boxShown = ui::Visible(row.CheckBox);
        const bool leaveOut = !row.CheckBox->Checked()
            || (!boxShown && ui::Tag(row.Editor) != 100 && item.value == "active");
        if (leaveOut) {
            if ((item.access & invalid) == 0) {
                item.access |= invalid;
                leftOut.push_back(i);
            }
        } else if (EditsPanel->IsRowEmpty(i) && i != NeverEmptyRow) {
            empty = true;
        }
    }

    bool written = false;
    try {
        // Told before the values are collected: an emptied number cannot be collected at all.
        if (empty) {
            ui::MessageBox(this, "Some items are empty!", ui::mbOK, ui::miWarning);
        } else {
            request->CollectValues();
            if (!request->Request.Active)
                request->Request.Active = 1;
            written = request->Set(false, false);
        }
    } catch (const EInputRefused&) {
        // Its edit's rule has told the user already.
    } catch (const EBadValue& refusal) {
        // Nothing was sent: the user hears which field holds what cannot be written.
        ShowRefusal(refusal);
    } catch (const std::exception& e) {
        request->WriteLogLine(e.what());
    }
    for (int i : leftOut)
        list.Item(i).access &= ~invalid;
    request->Mode = savedMode;

    // A dialog's Set button closes its dialog, only once the write went through.
    if (written && sender != nullptr && ui::Tag(sender) == 1)
        if (ui::CustomForm* form = ui::FormOf(qobject_cast<QWidget*>(sender)))
            form->Close();
}

void TSNMPEditorPanel::ShowRefusal(const EBadValue& refusal)
{
    const int row = refusal.Item();
    QWidget* editor = nullptr;
    std::string text = refusal.Message();
    if (row >= 0 && row < EditsPanel->RowCount()) {
        const UISnmpVar& r = EditsPanel->Rows[static_cast<std::size_t>(row)];
        editor = r.Editor;
        text = r.Label->Caption() + ": " + RefusalHint(refusal.Syntax());
    }
    // The window that shows the rows: a dialog's while a dialog borrows them.
    ui::CustomForm* form = ui::FormOf(EditsPanel);
    ui::MessageBox(form != nullptr ? form->Widget() : this, text, ui::mbOK, ui::miWarning);
    if (editor != nullptr && editor->isVisible() && editor->isEnabled())
        editor->setFocus();
}
