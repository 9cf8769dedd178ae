#include "gui/ListViewPanel.h"

#include "gui/CtrlBtnPanel.h"

#include "snmp/Request2Edits.h"

#include "ui/Align.h"
#include "ui/Control.h"

#include <algorithm>

namespace {

constexpr int PixelsPerCaptionCharacter = 8;
constexpr int MaxListWidth = 450;
constexpr int ListHeight = 350;

} // namespace

TListViewPanel::TListViewPanel(QWidget* owner, MvSNMPRequest2Edits* edits) : ui::Panel(owner)
{
    SetBevelOuter(ui::bvNone);
    ListView = new ui::ListView(this);
    ListView->setFrameShape(QFrame::NoFrame);
    edits->AttachListView(ListView, false);
    std::size_t characters = 0;
    for (int c = 0; c < ListView->ColumnCount(); ++c)
        characters += ListView->ColumnCaption(c).size();
    const int border = ListView->frameWidth();
    const int width = std::min(static_cast<int>(characters) * PixelsPerCaptionCharacter + 2 * border,
                               MaxListWidth);
    ui::SetBounds(this, 0, 0, width, ListHeight);
    ui::SetAlign(ListView, ui::alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column)
{
    column->SamplesLabel->show();
    column->CountText->show();
    column->RefreshButton->show();
    column->EditButton->show();
    column->EditButton->setEnabled(false);
    column->CloseButton->show();
    column->DeleteButton->setEnabled(false);
    column->AddButton->setVisible(AddIndex != -1);
    column->DeleteButton->setVisible(DeleteIndex != -1);
    column->SetCheckedButton->hide();
    column->CheckAllButton->hide();
    column->ClearChecksButton->hide();
    column->StopButton->hide();
    column->ArrangeButtons();
}
