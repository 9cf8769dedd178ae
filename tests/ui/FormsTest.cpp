// Forms: the layout, the modal loop, closing, the events of a window's life, posted messages,
// position and scale.
#include "LayerForm.h"

#include "support/FormTest.h"
#include "ui/Align.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/MainWindow.h"
#include "ui/MessageLoop.h"
#include "ui/Scale.h"
#include "ui/StatusBar.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

class Forms : public FormTest {};

TEST_F(Forms, LayoutGivesNamedComponentsWithTheirSettings)
{
    TLayerForm form;
    EXPECT_EQ(form.Caption(), "Layer Form");
    auto* edit = Find<ui::Edit>(&form, "VlanIDEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit, form.VlanIDEdit);
    EXPECT_EQ(ui::Tag(edit), 7);
    EXPECT_EQ(edit->MaxLength(), 4);
    EXPECT_EQ(form.FindComponent("NoSuchControl"), nullptr);
    EXPECT_EQ(form.CBoxStatus->ItemIndex(), -1) << "a combo box of a layout starts unselected";
    EXPECT_EQ(form.btnOk->ModalResult(), ui::mrOk);
    // Aligned from the layout: the panel on top, the buttons on the right, the status bar at the
    // bottom, the list in the rest; placed before the window is ever shown.
    EXPECT_EQ(form.TopPanel->geometry(), QRect(0, 0, 420, 40));
    EXPECT_EQ(form.StatusBar1->geometry(), QRect(0, 280, 420, 20));
    EXPECT_EQ(form.ButtonPanel->geometry(), QRect(320, 40, 100, 240));
    EXPECT_EQ(form.LV_Entry->geometry(), QRect(0, 40, 320, 240));
    EXPECT_EQ(form.LV_Entry->ColumnCount(), 3);
    EXPECT_EQ(form.LV_Entry->ColumnWidth(0), 0);
    EXPECT_EQ(form.LV_Entry->ColumnCaption(2), "Name");
}

TEST_F(Forms, ModalLoopDeliversThePostedMessageAndReturnsTheButtonsResult)
{
    TLayerForm form;
    EXPECT_EQ(form.Log, (std::vector<std::string>{"create"}));
    std::vector<std::string> seen;
    const int result = RunModal(&form, [&] {
        seen = form.Log;
        Click(&form, "btnOk");
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(seen, (std::vector<std::string>{"create", "show", "activate", "refresh"}));
    EXPECT_EQ(form.Log.back(), "close");
    EXPECT_EQ(std::count(form.Log.begin(), form.Log.end(), "activate"), 1)
        << "the first show and the platform's own activation count once";
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Forms, EveryWayOfClosingGoesThroughTheCloseQuery)
{
    struct Case {
        const char* name;
        std::function<void(TLayerForm&)> close;
    };
    const std::vector<Case> cases = {
        {"Close button", [](TLayerForm& f) { Click(&f, "btnClose"); }},
        {"Esc", [](TLayerForm& f) { PressKey(Qt::Key_Escape, &f); }},
        {"window close button", [](TLayerForm& f) { f.close(); }},
        {"posted WM_CLOSE", [](TLayerForm& f) { f.PostMessage(ui::WM_CLOSE); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLayerForm form;
        form.AllowClose = false;
        const int result = RunModal(&form, [&] {
            c.close(form);
            WaitFor([&] { return form.Log.back() == "closequery"; }, 5000);
            ui::ProcessMessages();
            EXPECT_TRUE(form.isVisible()) << "the refused close keeps the window open";
            form.AllowClose = true;
            c.close(form);
        });
        EXPECT_EQ(result, ui::mrCancel);
        EXPECT_EQ(std::count(form.Log.begin(), form.Log.end(), "closequery"), 2);
    }
}

TEST_F(Forms, CloseActionNoneKeepsTheWindowOpen)
{
    TLayerForm form;
    form.Action = ui::caNone;
    RunModal(&form, [&] {
        Click(&form, "btnClose");
        WaitFor([&] { return form.Log.back() == "close"; }, 5000);
        ui::ProcessMessages();
        EXPECT_TRUE(form.Modal());
        form.Action = ui::caHide;
        Click(&form, "btnClose");
    });
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Forms, CloseActionFreeDeletesTheWindowOnceEvenWhenTheOpenerDeletesIt)
{
    // The opener deletes the window after ShowModal, as menu handlers do.
    auto* form = new TLayerForm;
    form->Action = ui::caFree;
    RunModal(form, [&] { Click(form, "btnClose"); });
    delete form;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Nobody deletes it: it goes by itself once its message has been handled.
    QPointer<TLayerForm> orphan = new TLayerForm;
    orphan->Action = ui::caFree;
    orphan->Show();
    orphan->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(orphan.isNull());
}

TEST_F(Forms, ExceptionInTheCreationEventIsShownAndTheWindowStillOpens)
{
    struct Failing : ui::Form {
        Failing()
        {
            OnCreate = [](QObject*) { throw std::runtime_error("Bad format specifier"); };
            DoCreate();
        }
    } form;
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Bad format specifier."});
    EXPECT_EQ(MessageBoxes().at(0).Caption, "Sorvane-Series");
}

TEST_F(Forms, PositionCentresOnTheScreenOrOnTheOwner)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ui::Form owner;
    owner.setGeometry(100, 100, 400, 300);
    owner.Show();
    TLayerForm centred;
    centred.SetPosition(ui::poScreenCenter);
    centred.Show();
    EXPECT_EQ(centred.frameGeometry().center(), screen.center());

    TLayerForm onOwner(&owner);
    onOwner.SetPosition(ui::poOwnerFormCenter);
    onOwner.Show();
    EXPECT_LE((onOwner.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
              2);
}

TEST_F(Forms, ScaleFactorFollowsTheScreensPixelsPerInch)
{
    struct Case {
        int ppi;
        float scale;
        int scaled450;
        QSize window; // a 500 x 501 window scaled for the screen
    };
    for (const Case& c : {Case{96, 1.0f, 450, {500, 501}}, Case{120, 1.25f, 562, {625, 626}}}) {
        SCOPED_TRACE(c.ppi);
        ui::ForcePixelsPerInch(c.ppi);
        EXPECT_EQ(ui::DPIScale(), c.scale);
        EXPECT_EQ(ui::Scaled(450), c.scaled450);
        ui::Form form;
        form.resize(500, 501);
        form.ScaleForScreen();
        EXPECT_EQ(form.size(), c.window);
    }
    ui::ForcePixelsPerInch(0);
    EXPECT_EQ(ui::ScreenPixelsPerInch(), 96) << "the offscreen screen";
}

TEST_F(Forms, MainWindowClientAreaAndEndOfProgram)
{
    ui::MainWindow main;
    EXPECT_EQ(ui::MainForm(), &main);
    main.SetClientHeight(138);
    main.SetClientWidth(768);
    EXPECT_EQ(main.ClientHeight(), 138);
    auto* status = new ui::StatusBar(&main);
    EXPECT_EQ(status->parentWidget(), main.centralWidget());
    EXPECT_EQ(status->geometry(), QRect(0, 118, 768, 20));

    // Closing it asks the message loop to end; the request belongs to that run and is gone
    // when it returns, so nothing ends a later loop. The watchdog is an object of this test:
    // a timer left running would end whatever loop runs when it fires.
    bool askedToEnd = false;
    QTimer::singleShot(0, &main, [&] {
        main.Close();
        askedToEnd = ui::Terminated();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(ui::Run(), 0);
    EXPECT_TRUE(askedToEnd);
    EXPECT_FALSE(ui::Terminated());
}

// The program asked to end before its loop runs (no parameters): that run returns at once, and
// a window shown modally afterwards still runs its own loop until it closes.
TEST_F(Forms, AnEndAskedBeforeTheRunEndsThatRunOnly)
{
    ui::Terminate();
    EXPECT_EQ(ui::Run(), 0);
    EXPECT_FALSE(ui::Terminated());
    TLayerForm form;
    bool ranInside = false;
    const int result = RunModal(&form, [&] {
        ranInside = true;
        form.Close();
    });
    EXPECT_TRUE(ranInside);
    EXPECT_EQ(result, ui::mrCancel);
}
