#include "gui/CtrlBtnPanel.h"

#include "ui/Align.h"
#include "ui/Control.h"
#include "ui/Text.h"

#include <QDir>
#include <QFileInfo>

#include <string>
#include <utility>

namespace {

constexpr int ControlWidth = 96;
constexpr int Gap = 5;

ui::BitmapButton* NewButton(QWidget* column, const char* caption)
{
    auto* button = new ui::BitmapButton(column);
    button->SetCaption(caption);
    return button;
}

} // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : ui::Panel(owner)
{
    CountText = new ui::StaticText(this);
    CountText->SetCaption("0");
    CountText->SetAutoSize(false);
    CountText->SetAlignment(ui::taCenter);
    SamplesLabel = new ui::Label(this);
    SamplesLabel->SetCaption("Samples");
    SamplesLabel->SetAutoSize(false);
    SamplesLabel->SetAlignment(ui::taCenter);
    ButtonOrder = {CountText, SamplesLabel};

    RefreshButton = NewButton(this, "Refresh");
    EditButton = NewButton(this, "Edit");
    SetCheckedButton = NewButton(this, "Set Checked");
    AddButton = NewButton(this, "Add");
    DeleteButton = NewButton(this, "Delete");
    CheckAllButton = NewButton(this, "Check All");
    ClearChecksButton = NewButton(this, "Clear Checks");
    StopButton = NewButton(this, "Stop");
    CloseButton = NewButton(this, "Close");
    HiddenLabel = new ui::Label(this);
    HiddenLabel->hide();
    ButtonOrder.insert(ButtonOrder.end(),
                       {RefreshButton, EditButton, SetCheckedButton, AddButton, DeleteButton,
                        CheckAllButton, ClearChecksButton, StopButton, CloseButton, HiddenLabel});

    LoadPictures();
    LeftMargin = 10;
    TopMargin = 10;
    AddButton->hide();
    DeleteButton->hide();
    StopButton->hide();
    ArrangeButtons();
    ui::SetWidth(this, 2 * LeftMargin + RefreshButton->width());
    ui::SetAlign(this, ui::alRight);
}

void TCtrlBtnPanel::LoadPictures()
{
    const std::pair<ui::BitmapButton*, const char*> pictures[] = {
        {RefreshButton, "Get.bmp"},       {EditButton, "Set.bmp"},
        {SetCheckedButton, "SetCheck.bmp"}, {AddButton, "Add.bmp"},
        {DeleteButton, "Delete.bmp"},     {CheckAllButton, "SelectAll.bmp"},
        {ClearChecksButton, "SelectNone.bmp"}, {CloseButton, "Close.bmp"},
        {StopButton, "Stop.bmp"},
    };
    const QString dir = QDir::currentPath();
    for (const auto& [button, file] : pictures) {
        const QString path = dir + "/" + file;
        if (!QFileInfo(path).isFile())
            continue;
        // A picture that cannot be read ends the step: this button and the later ones keep
        // their captions. The caption goes only once its picture is there.
        if (!button->LoadGlyph(ui::ToStdString(path)))
            return;
        button->SetCaption("");
    }
}

void TCtrlBtnPanel::ArrangeButtons()
{
    int y = TopMargin;
    for (QWidget* control : ButtonOrder) {
        ui::SetBounds(control, LeftMargin, y, ControlWidth, control->height());
        if (ui::Visible(control))
            y = control->y() + control->height() + Gap;
    }
    arrangedHeight_ = CloseButton->y() + CloseButton->height() + 10;
    ui::SetHeight(this, arrangedHeight_);
}
