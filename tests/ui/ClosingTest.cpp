// The closing rule (a Close asked for inside a handler or an SNMP answer takes effect after it
// has returned), the default sizes of controls made at run time and fixed-size windows.
#include "LayerForm.h"

#include "support/FormTest.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Guard.h"
#include "ui/Handling.h"
#include "ui/MessageLoop.h"

#include <QPointer>

class Closing : public FormTest {};

TEST_F(Closing, ACloseInsideAHandlerTakesEffectAfterItReturned)
{
    TLayerForm form;
    std::vector<std::string> handler;
    form.btnGet->OnClick = [&](QObject*) {
        handler.push_back("before");
        form.Close();
        // Even a handler that dispatches messages after asking sees its window still open.
        ui::WaitUntil([] { return false; }, {}, 50);
        handler.push_back(form.Log.back() == "close" ? "closed" : "still open");
    };
    const int result = RunModal(&form, [&] { Click(&form, "btnGet"); });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(handler, (std::vector<std::string>{"before", "still open"}));
    EXPECT_EQ(form.Log.back(), "close");
}

TEST_F(Closing, ANonModalWindowClosedInsideAHandlerClosesAfterIt)
{
    TLayerForm form;
    ShowAndActivate(&form);
    bool visibleAfterClose = false;
    ui::RunGuarded([&] {
        form.Close();
        ui::ProcessMessages();
        visibleAfterClose = form.isVisible();
    });
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_TRUE(WaitFor([&] { return !form.isVisible(); }, 5000));
    EXPECT_EQ(form.Log.back(), "close");

    // Outside any handling the close is immediate, as before.
    form.Show();
    form.Close();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Closing, AnAnswersHandlingCountsAndAModalLoopCountsFromZero)
{
    TLayerForm outer;
    TLayerForm inner;
    bool closedInsideAnswer = true;
    RunModal(&outer, [&] {
        {
            // As the SNMP pump marks an answer's handling.
            ui::HandlingScope answer;
            outer.Close();
            ui::WaitUntil([] { return false; }, {}, 30);
            closedInsideAnswer = outer.Log.back() == "close";
        }
    });
    EXPECT_FALSE(closedInsideAnswer);
    EXPECT_FALSE(outer.isVisible());

    // A window shown modally from a handler closes inside that handler's own modal loop.
    bool innerClosedFirst = false;
    TLayerForm opener;
    opener.btnGet->OnClick = [&](QObject*) {
        RunModal(&inner, [&] { Click(&inner, "btnClose"); }, 5000);
        innerClosedFirst = inner.Log.back() == "close" && opener.Log.back() != "close";
    };
    RunModal(&opener, [&] {
        Click(&opener, "btnGet");
        opener.Close();
    });
    EXPECT_TRUE(innerClosedFirst);
}

TEST_F(Closing, ControlsMadeAtRunTimeHaveTheClassLibrarysSizes)
{
    QWidget parent;
    struct Case {
        const char* name;
        QWidget* control;
        QSize size;
    };
    const std::vector<Case> cases = {
        {"edit", new ui::Edit(&parent), QSize(121, 21)},
        {"drop-down list", new ui::ComboBox(&parent), QSize(145, 21)},
        {"check box", new ui::CheckBox(&parent), QSize(97, 17)},
        {"bitmap button", new ui::BitmapButton(&parent), QSize(75, 25)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.control->size(), c.size) << c.name;
}

TEST_F(Closing, DialogAndSingleBordersKeepTheSizeCodeGives)
{
    for (auto style : {ui::bsDialog, ui::bsSingle}) {
        TLayerForm form;
        form.SetBorderStyle(style);
        form.SetClientWidth(300);
        form.SetClientHeight(120);
        EXPECT_EQ(form.size(), QSize(300, 120));
        EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the user cannot resize it";
        ui::SetBounds(&form, 10, 10, 200, 90);
        EXPECT_EQ(form.maximumSize().width(), form.width());
    }
    TLayerForm sizeable;
    sizeable.SetBorderStyle(ui::bsDialog);
    sizeable.SetBorderStyle(ui::bsSizeable);
    EXPECT_NE(sizeable.minimumSize(), sizeable.maximumSize());
}

// A bordered form with an owner is a window of its own (a progress window over the window that
// opened it), never a control inside its owner; a borderless one is placed into a control.
TEST_F(Closing, BorderedFormsWithAnOwnerStayWindows)
{
    TLayerForm owner;
    for (auto style : {ui::bsDialog, ui::bsSingle, ui::bsSizeable, ui::bsToolWindow}) {
        TLayerForm form(&owner);
        form.SetBorderStyle(ui::bsToolWindow);
        form.SetBorderStyle(style);
        EXPECT_TRUE(form.isWindow()) << style;
        EXPECT_EQ(form.parentWidget(), &owner) << style;
    }
    TLayerForm embedded(&owner);
    embedded.SetBorderStyle(ui::bsNone);
    EXPECT_FALSE(embedded.isWindow());
}
