#pragma once
// The button column on the right of every generated panel: always the same eleven controls,
// of which the owning panel shows some; the shown ones are stacked from the top in a fixed
// order. Button pictures are optional files of the current directory.

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Panel.h"

#include <vector>

class TCtrlBtnPanel : public ui::Panel {
    Q_OBJECT
public:
    // Builds the column on owner, aligned right, 116 wide.
    explicit TCtrlBtnPanel(QWidget* owner);

    ui::Label* HiddenLabel;
    ui::Label* SamplesLabel;
    ui::StaticText* CountText;   // the number of rows of a list
    ui::BitmapButton* RefreshButton;
    ui::BitmapButton* EditButton;
    ui::BitmapButton* SetCheckedButton;
    ui::BitmapButton* AddButton;
    ui::BitmapButton* DeleteButton;
    ui::BitmapButton* CheckAllButton;
    ui::BitmapButton* ClearChecksButton;
    ui::BitmapButton* CloseButton;
    ui::BitmapButton* StopButton;
    int LeftMargin = 10;
    int TopMargin = 10;
    // The stacking order: count above "Samples", Stop above Close.
    std::vector<QWidget*> ButtonOrder;

    // Stacks the visible controls 5 apart from the top, 96 wide; hidden ones take no room.
    // Call it after changing which controls are visible.
    void ArrangeButtons();

    // The column's own height as ArrangeButtons left it: bottom of Close + 10.
    int ArrangedHeight() const { return arrangedHeight_; }

private:
    void LoadPictures();

    int arrangedHeight_ = 0;
};
