// Aligned controls, splitters and scroll boxes.
#include "support/FormTest.h"
#include "ui/Align.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/ScrollBox.h"
#include "ui/Splitter.h"

#include <QScrollBar>
#include <QTest>

class Alignment : public FormTest {};

namespace {

ui::Panel* AlignedPanel(QWidget* parent, ui::Align align, int width, int height)
{
    auto* panel = new ui::Panel(parent);
    panel->resize(width, height);
    ui::SetAlign(panel, align);
    return panel;
}

} // namespace

TEST_F(Alignment, ChildrenAreStackedInCreationOrderAtOnce)
{
    ui::Form form;
    form.resize(400, 300);
    ui::Panel* bottom = AlignedPanel(&form, ui::alBottom, 0, 20);
    // Sizes are readable right after adding, before the window was ever shown.
    EXPECT_EQ(bottom->geometry(), QRect(0, 280, 400, 20));
    ui::Panel* column = AlignedPanel(&form, ui::alRight, 116, 0);
    ui::Panel* splitter = AlignedPanel(&form, ui::alRight, 3, 0);
    ui::Panel* top = AlignedPanel(&form, ui::alTop, 0, 40);
    ui::Panel* client = AlignedPanel(&form, ui::alClient, 0, 0);
    EXPECT_EQ(column->geometry(), QRect(284, 40, 116, 240));
    EXPECT_EQ(splitter->geometry(), QRect(281, 40, 3, 240));
    EXPECT_EQ(top->geometry(), QRect(0, 0, 400, 40));
    EXPECT_EQ(client->geometry(), QRect(0, 40, 281, 240));

    // A hidden control gives up its place; a resized one and the parent's size are followed.
    top->hide();
    EXPECT_EQ(client->geometry(), QRect(0, 0, 281, 280));
    ui::SetHeight(bottom, 30);
    EXPECT_EQ(client->geometry(), QRect(0, 0, 281, 270));
    form.resize(500, 300);
    form.Show();
    EXPECT_EQ(column->geometry(), QRect(384, 0, 116, 270));

    // Aligned children of a hidden child follow the child's new size too.
    ui::Panel* inner = AlignedPanel(column, ui::alBottom, 0, 10);
    ui::SetWidth(column, 200);
    EXPECT_EQ(inner->width(), column->contentsRect().width());
}

TEST_F(Alignment, ReparentedControlKeepsItsVisibilityAndAlignment)
{
    ui::Form form, dialog;
    form.resize(300, 200);
    dialog.resize(200, 100);
    ui::Panel* rows = AlignedPanel(&form, ui::alClient, 0, 0);
    rows->hide();
    ShowAndActivate(&dialog);
    ui::SetParent(rows, &dialog);
    EXPECT_FALSE(rows->isVisible());
    rows->show();
    EXPECT_EQ(rows->geometry(), dialog.rect());
    ui::SetParent(rows, &form);
    EXPECT_EQ(rows->parentWidget(), &form);
    EXPECT_FALSE(rows->isHidden()) << "it was visible when it moved";
    EXPECT_EQ(rows->geometry(), form.rect());
}

TEST_F(Alignment, SplitterResizesTheControlBeforeIt)
{
    ui::Form form;
    form.resize(400, 300);
    ui::Panel* column = AlignedPanel(&form, ui::alRight, 100, 0);
    auto* splitter = new ui::Splitter(&form);
    ui::SetAlign(splitter, ui::alRight);
    ui::Panel* client = AlignedPanel(&form, ui::alClient, 0, 0);
    ShowAndActivate(&form);
    EXPECT_EQ(splitter->Neighbour(), column);
    QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(1, 100));
    QTest::mouseMove(splitter, QPoint(-49, 100));
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(-49, 100));
    EXPECT_EQ(column->width(), 150);
    EXPECT_EQ(client->width(), 400 - 150 - 3);
}

TEST_F(Alignment, ScrollBoxHoldsItsChildrenAndScrollsOverThem)
{
    ui::Form form;
    form.resize(300, 200);
    auto* box = new ui::ScrollBox(&form);
    ui::SetAlign(box, ui::alClient);
    auto* panel = new ui::Panel(box);
    EXPECT_EQ(panel->parentWidget(), box->Content());
    ShowAndActivate(&form);
    panel->setGeometry(0, 0, 250, 100);
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
    panel->setGeometry(0, 0, 250, 900);
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    box->verticalScrollBar()->setValue(50);
    box->ScrollToTop();
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    box->SetAutoScroll(false);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}
