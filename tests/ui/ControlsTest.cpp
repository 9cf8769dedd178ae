// Controls and the event semantics the windows rely on.
#include "LayerForm.h"

#include "support/FormTest.h"
#include "ui/Beep.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/Memo.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"
#include "ui/RadioGroup.h"
#include "ui/Shape.h"
#include "ui/StatusBar.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

class Controls : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        form_ = std::make_unique<TLayerForm>();
        ShowAndActivate(form_.get());
    }
    TLayerForm& form() { return *form_; }

private:
    std::unique_ptr<TLayerForm> form_;
};

TEST_F(Controls, EditChangeFiresForTypingAndForTextSetByCode)
{
    ui::Edit* edit = form().NameEdit;
    int changes = 0;
    edit->OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, edit);
        ++changes;
    };
    TypeInto(edit, "ab");
    EXPECT_EQ(changes, 2);
    edit->SetText("ab");
    EXPECT_EQ(changes, 2) << "the same text is no change";
    edit->SetText("xyz");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit->Text(), "xyz");
}

// A click into an edit is an event of its own (a window opens a chooser from it); typing is not
// one, nor is a press that is released away from the edit.
TEST_F(Controls, EditClickFiresOnTheReleaseOverTheEdit)
{
    ui::Edit* edit = form().NameEdit;
    int clicks = 0;
    edit->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, edit);
        ++clicks;
    };
    Click(edit);
    EXPECT_EQ(clicks, 1);
    TypeInto(edit, "ab");
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(edit, Qt::LeftButton, {}, edit->rect().center());
    QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(edit->width() + 20, edit->height() + 20));
    QTest::mouseClick(edit, Qt::RightButton, {}, edit->rect().center());
    EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, EditMaxLengthLimitsTypingOnly)
{
    ui::Edit* edit = form().VlanIDEdit; // MaxLength 4 in the layout
    TypeInto(edit, "123456");
    EXPECT_EQ(edit->Text(), "1234");
    edit->SetText("1,2,3,4");
    EXPECT_EQ(edit->Text(), "1,2,3,4") << "code may set a longer text";
    edit->SetText("");
    edit->SetMaxLength(0);
    TypeInto(edit, std::string(40, '9'));
    EXPECT_EQ(edit->Text().size(), 40u) << "0 means no limit";
}

TEST_F(Controls, EditKeyPressCanDropKeysWithABeep)
{
    ui::Edit* edit = form().NameEdit;
    edit->OnKeyPress = [](QObject*, char& key) {
        if ((key < '0' || key > '9') && key != 8) {
            key = 0;
            ui::Beep();
        }
    };
    TypeInto(edit, "1a2-");
    PressKey(Qt::Key_Backspace, edit);
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_EQ(BeepCount(), 2);
}

TEST_F(Controls, EditExitFiresWhenTheFocusMovesOnAndMayTakeItBack)
{
    ui::Edit* vlan = form().VlanIDEdit;
    ui::Edit* name = form().NameEdit;
    int vlanExits = 0, nameExits = 0;
    bool refuse = true;
    vlan->OnExit = [&](QObject*) {
        ++vlanExits;
        if (refuse)
            vlan->SetFocus(); // a failed check takes the focus back
    };
    name->OnExit = [&](QObject*) { ++nameExits; };
    TypeInto(vlan, "5");
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(vlanExits, 1);
    EXPECT_EQ(QApplication::focusWidget(), vlan);
    EXPECT_EQ(nameExits, 0) << "the edit the focus only passed through was never left";
    refuse = false;
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(vlanExits, 2);
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(Controls, ComboChangeFiresOnlyForAUsersChoice)
{
    ui::ComboBox* combo = form().CBoxStatus;
    int changes = 0;
    combo->OnChange = [&](QObject*) { ++changes; };
    combo->SetItemIndex(1);
    combo->SetText("destroy");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, 0);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);

    ui::ComboBox fresh(form().TopPanel);
    fresh.AddItem("enabled");
    fresh.AddItem("disabled");
    EXPECT_EQ(fresh.ItemIndex(), -1) << "adding entries selects none";
    fresh.SetStyle(ui::csDropDown);
    fresh.OnChange = [&](QObject*) { ++changes; };
    TypeInto(&fresh, "ab");
    EXPECT_EQ(changes, 3) << "typing into a drop-down is a change";

    // A layout makes the box a drop-down with Qt's own property, then loads it.
    ui::ComboBox laidOut(form().TopPanel);
    laidOut.setEditable(true);
    laidOut.Loaded();
    laidOut.OnChange = [&](QObject*) { ++changes; };
    TypeInto(&laidOut, "12");
    EXPECT_EQ(changes, 5) << "typing into a laid-out drop-down is a change";
}

TEST_F(Controls, CheckBoxClickFiresForEveryChangeOfState)
{
    ui::CheckBox* box = form().CheckBox1;
    std::vector<bool> seen;
    box->OnClick = [&](QObject*) { seen.push_back(box->Checked()); };
    Click(box);
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));

    // From code the handler's exception reaches the caller; from a click it is shown.
    box->OnClick = [](QObject*) { throw std::runtime_error("Getting SNMP Data!"); };
    EXPECT_THROW(box->SetChecked(true), std::runtime_error);
    Click(box);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Getting SNMP Data!"});
}

TEST_F(Controls, RadioButtonsAndRadioGroup)
{
    ui::RadioButton first(form().TopPanel), second(form().TopPanel);
    first.SetCaption("IGMP");
    second.SetCaption("MLD");
    first.setGeometry(0, 0, 60, 20);
    second.setGeometry(60, 0, 60, 20);
    int clicks = 0;
    second.OnClick = [&](QObject*) { ++clicks; };
    first.SetChecked(true);
    Click(&second);
    EXPECT_FALSE(first.Checked());
    EXPECT_EQ(clicks, 1);
    second.SetChecked(false);
    EXPECT_FALSE(second.Checked()) << "code can clear a radio button";

    ui::RadioGroup group(form().ButtonPanel);
    group.setGeometry(0, 120, 100, 90);
    group.SetItems({"IGMP", "MLD", "none"});
    std::vector<int> seen;
    group.OnClick = [&](QObject*) { seen.push_back(group.ItemIndex()); };
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(0);
    group.SetItemIndex(0);
    Click(group.findChildren<QRadioButton*>().at(2));
    EXPECT_EQ(seen, (std::vector<int>{0, 2}));
    EXPECT_EQ(group.ItemText(1), "MLD");
}

TEST_F(Controls, PageControlChangeFiresOnlyForAUsersChoice)
{
    ui::PageControl pages(form().LV_Entry->parentWidget());
    pages.setGeometry(0, 0, 300, 200);
    pages.show();
    auto* ports = new ui::TabSheet(&pages, "Member Ports");
    auto* forbidden = new ui::TabSheet(&pages, "Forbidden Ports");
    auto* hidden = new ui::TabSheet(&pages, "Unit2");
    int changes = 0;
    pages.OnChange = [&](QObject*) { ++changes; };
    pages.SetActivePage(hidden);
    EXPECT_EQ(changes, 0);
    const QRect tab = pages.tabBar()->tabRect(forbidden->PageIndex());
    QTest::mouseClick(pages.tabBar(), Qt::LeftButton, {}, tab.center());
    EXPECT_EQ(pages.ActivePage(), forbidden);
    EXPECT_EQ(changes, 1);

    // Units picked by the window: their tabs hidden, the chosen page still shows.
    ports->SetTabVisible(false);
    forbidden->SetTabVisible(false);
    hidden->SetTabVisible(false);
    pages.SetActivePage(ports);
    EXPECT_TRUE(ports->isVisible());
    EXPECT_FALSE(ports->TabVisible());
    EXPECT_EQ(ports->Caption(), "Member Ports");
    EXPECT_EQ(changes, 1);

    // The only page, its tab hidden while it is the active one: made active again, it shows.
    ui::PageControl single(form().TopPanel);
    auto* unit = new ui::TabSheet(&single, "Unit1");
    unit->SetTabVisible(false);
    single.SetActivePage(unit);
    EXPECT_TRUE(unit->isVisible());
}

TEST_F(Controls, StatusBarPanelsAndSimpleText)
{
    ui::StatusBar* bar = form().StatusBar1; // one panel of 200 in the layout
    ASSERT_EQ(bar->PanelCount(), 1);
    form().btnGet->Click();
    EXPECT_EQ(StatusLine(&form()), "Get: Ok!");
    ui::StatusBar simple(form().TopPanel);
    simple.SetSimpleText("Stop, SNMP Request is not active.");
    EXPECT_EQ(StatusLine(form().TopPanel), "Stop, SNMP Request is not active.");
    EXPECT_EQ(simple.geometry().bottom(), form().TopPanel->contentsRect().bottom());
}

TEST_F(Controls, ProgressBarStepWrapsPastTheMaximum)
{
    struct Case {
        int position, max, step, expected;
    };
    ui::ProgressBar bar(form().TopPanel);
    for (const Case& c : {Case{0, 80, 2, 2}, Case{580, 600, 20, 600}, Case{600, 600, 20, 20},
                          Case{590, 600, 20, 10}}) {
        bar.SetMax(c.max);
        bar.SetStep(c.step);
        bar.SetPosition(c.position);
        bar.StepIt();
        EXPECT_EQ(bar.Position(), c.expected) << c.position << " + " << c.step;
    }
}

TEST_F(Controls, TimerTicksUntilItsIntervalIsZeroAndSurvivesAnException)
{
    ui::Timer timer;
    int ticks = 0;
    timer.OnTimer = [&](QObject*) {
        if (++ticks == 1)
            throw std::runtime_error("LED poll failed");
    };
    timer.SetInterval(5);
    EXPECT_TRUE(WaitFor([&] { return ticks >= 3; }, 10000));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"LED poll failed."});
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    timer.SetInterval(5);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
}

TEST_F(Controls, PicturesShapesAndRegions)
{
    QTemporaryDir dir;
    const QString jpeg = dir.filePath("panel.jpg");
    QImage picture(80, 9, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    ASSERT_TRUE(picture.save(jpeg, "JPG"));
    ui::Image image(form().TopPanel);
    EXPECT_TRUE(image.LoadFromFile(jpeg.toStdString()));
    EXPECT_EQ(image.Picture().size(), QSize(80, 9));
    EXPECT_FALSE(image.LoadFromFile(dir.filePath("missing.jpg").toStdString()));
    EXPECT_EQ(image.Picture().size(), QSize(80, 9)) << "a failed load keeps the picture";

    // A glyph whose bottom-left colour is transparent.
    const QString bmp = dir.filePath("Get.bmp");
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::magenta);
    glyph.setPixelColor(8, 8, Qt::black);
    ASSERT_TRUE(glyph.save(bmp, "BMP"));
    ui::BitmapButton button(form().ButtonPanel);
    EXPECT_FALSE(button.LoadGlyph(dir.filePath("Set.bmp").toStdString()));
    EXPECT_FALSE(button.HasGlyph());
    EXPECT_TRUE(button.LoadGlyph(bmp.toStdString()));
    const QImage shown = button.icon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 15)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(8, 8)), 255);

    ui::Shape led(form().TopPanel);
    led.resize(20, 20);
    led.SetType(ui::stCircle);
    led.SetBrushColor(ui::clLime);
    led.SetPenColor(ui::clLime);
    const QImage painted = led.grab().toImage();
    EXPECT_EQ(painted.pixelColor(10, 10), QColor(0, 255, 0));
    EXPECT_NE(painted.pixelColor(0, 0), QColor(0, 255, 0));

    ui::Panel place(form().TopPanel);
    place.resize(6, 6);
    ui::SetWindowRegion(&place, {{3, 0}, {0, 6}, {6, 6}});
    EXPECT_TRUE(place.mask().contains(QPoint(3, 4)));
    EXPECT_FALSE(place.mask().contains(QPoint(0, 0)));
}

TEST_F(Controls, CommonPropertiesOfEveryControl)
{
    ui::Edit* edit = form().NameEdit;
    EXPECT_EQ(ui::Tag(edit), 0);
    ui::SetTag(edit, 99);
    EXPECT_EQ(ui::Tag(edit), 99);
    EXPECT_EQ(ui::ColorOf(edit), ui::clWindow);
    ui::SetColor(edit, ui::clMenu);
    EXPECT_EQ(ui::ColorOf(edit), ui::clMenu);
    EXPECT_EQ(edit->palette().color(QPalette::Base), ui::ToQColor(ui::clMenu));
    ui::SetColor(form().TopPanel, ui::clRed);
    EXPECT_EQ(form().TopPanel->palette().color(QPalette::Window), QColor(255, 0, 0));
    ui::SetHint(form().LV_Entry, "Port\t  1\n");
    EXPECT_EQ(ui::Hint(form().LV_Entry), "Port\t  1\n");
    ui::SetShowHint(form().LV_Entry, false);
    EXPECT_TRUE(form().LV_Entry->toolTip().isEmpty());

    ui::Memo memo(form().TopPanel);
    memo.AddLine("Get: Ok! Receive at 14:03:59.");
    memo.AddLine("Set: Ok! Receive at 14:04:00.");
    EXPECT_EQ(memo.Lines().size(), 2u);
    EXPECT_EQ(memo.Lines()[1], "Set: Ok! Receive at 14:04:00.");
}
