// Text at the edge, the exception guard, message boxes, the message loop helpers and other
// programs.
#include "LayerForm.h"

#include "support/FormTest.h"
#include "ui/Application.h"
#include "ui/Guard.h"
#include "ui/MainWindow.h"
#include "ui/MenuItem.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/Process.h"
#include "ui/Text.h"
#include "ui/Timer.h"

#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

class Layer : public FormTest {};

// Stands in for the desktop's viewer of local files.
class HelpViewer : public QObject {
    Q_OBJECT
public:
    QUrl opened;
    Q_INVOKABLE void open(const QUrl& url) { opened = url; }
};

TEST_F(Layer, BytesBecomeTextAsUtf8OrElseLatin1)
{
    struct Case {
        std::string bytes;
        QString text;
    };
    const std::vector<Case> cases = {
        {"Get: Ok!", "Get: Ok!"},
        {"caf\xC3\xA9", QString::fromUtf8("café")},
        {"caf\xE9", QString::fromLatin1("caf\xE9")},            // a Latin-1 agent text
        {"\xC0\xAF", QString::fromLatin1("\xC0\xAF")},          // overlong: not UTF-8
        {"a\xE2\x82", QString::fromLatin1("a\xE2\x82")},        // cut sequence
        {"\xF0\x9F\x98\x80!", QString::fromUtf8("\xF0\x9F\x98\x80!")},
        {std::string("a\0b", 3), QString(QChar('a')) + QChar(0) + QChar('b')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::ToQString(c.bytes), c.text) << c.bytes;
    }
    EXPECT_EQ(ui::ToStdString(QString::fromUtf8("café")), "caf\xC3\xA9");
}

TEST_F(Layer, EscapedExceptionIsShownWithAFullStopAndTheProgramGoesOn)
{
    struct Case {
        std::string message, shown;
    };
    for (const Case& c : {Case{"'abc' is not a valid integer value",
                               "'abc' is not a valid integer value."},
                          Case{"Getting SNMP Data!", "Getting SNMP Data!"},
                          Case{"Done.", "Done."}, Case{"", ""}}) {
        ClearMessageBoxes();
        EXPECT_FALSE(ui::RunGuarded([&] { throw std::runtime_error(c.message); }));
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(MessageBoxes()[0].Text, c.shown);
        EXPECT_EQ(MessageBoxes()[0].Icon, ui::miError);
    }

    // The backstop: a handler Qt runs without the layer's guard.
    ClearMessageBoxes();
    bool after = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("Please initial close form"); });
    QTimer::singleShot(1, [&] { after = true; });
    EXPECT_TRUE(WaitFor([&] { return after; }, 5000));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please initial close form."});
}

TEST_F(Layer, MessageBoxesCarryTheTitleTheOwnerAndTheAnswer)
{
    TLayerForm form;
    AnswerNextMessageBox(ui::mrCancel);
    EXPECT_FALSE(ui::Confirm(&form, "Are you sure to delete it?"));
    EXPECT_EQ(ui::MessageBox(&form, "Some items are empty!", ui::mbOK, ui::miWarning), ui::mrOk);
    ui::ShowMessage(&form, "Get data not complete");
    ui::MessageBox(nullptr, "Ok!", ui::mbOK, ui::miNone, "SNMP");
    ASSERT_EQ(MessageBoxes().size(), 4u);
    EXPECT_EQ(MessageBoxes()[0].Buttons, ui::mbOKCancel);
    EXPECT_EQ(MessageBoxes()[0].Owner, &form);
    EXPECT_EQ(MessageBoxes()[1].Icon, ui::miWarning);
    EXPECT_EQ(MessageBoxes()[2].Caption, "Sorvane-Series");
    EXPECT_EQ(MessageBoxes()[3].Caption, "SNMP");
}

TEST_F(Layer, MenuItemClickRunsUnderTheGuard)
{
    ui::MainWindow main;
    QMenu* system = main.menuBar()->addMenu("System");
    QAction* item = system->addAction("Basic Information");
    item->setObjectName("BasicInfo1");
    int clicks = 0;
    ui::SetMenuClick(item, [&](QObject* sender) {
        EXPECT_EQ(sender, item);
        if (++clicks == 2)
            throw std::runtime_error("Get data not complete");
    });
    ClickMenuItem(&main, "BasicInfo1");
    ClickMenuItem(&main, "BasicInfo1");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete."});
    ui::SetMenuClick(item, nullptr);
    item->trigger();
    EXPECT_EQ(clicks, 2);
}

TEST_F(Layer, WaitRunsTheStepSoAWaitInsideATimerTickEnds)
{
    // The pump's tick stops its timer while it runs; a wait inside it only sees answers that
    // the step processes.
    ui::Timer pump;
    pump.SetInterval(1);
    int answers = 0;
    bool waited = false;
    pump.OnTimer = [&](QObject*) {
        pump.SetEnabled(false);
        waited = ui::WaitUntil([&] { return answers >= 3; }, [&] { ++answers; }, 10000);
    };
    EXPECT_TRUE(WaitFor([&] { return waited; }, 10000));
    EXPECT_FALSE(ui::WaitUntil([] { return false; }, {}, 20)) << "the time-out ends the wait";
}

TEST_F(Layer, ProcessMessagesDeliversPostedMessages)
{
    TLayerForm form;
    form.PostMessage(WM_LAYER_REFRESH);
    ui::ProcessMessages();
    EXPECT_EQ(std::count(form.Log.begin(), form.Log.end(), "refresh"), 2);
}

TEST_F(Layer, StartsProgramsWithTheirArgumentsAndOpensTheHelpFile)
{
    QTemporaryDir dir;
    const std::string marker = dir.filePath("started").toStdString();
    ASSERT_TRUE(ui::StartProgram("/bin/sh", {"-c", "echo \"$1\" > \"$2\"", "sh", "/I10.90.90.90",
                                             marker}));
    EXPECT_TRUE(WaitFor([&] { return QFile::exists(QString::fromStdString(marker)); }, 10000));
    EXPECT_FALSE(ui::StartProgram("sorvane-no-such-program", {}));

    TLayerForm form;
    EXPECT_FALSE(ui::OpenHelpFile(&form, dir.filePath("missing.hlp").toStdString()));
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].Text.find("missing.hlp"), std::string::npos);
    EXPECT_EQ(MessageBoxes()[0].Owner, &form);

    // An existing file goes to the desktop's viewer.
    HelpViewer viewer;
    const QString help = dir.filePath("help.hlp");
    QFile(help).open(QIODevice::WriteOnly);
    QDesktopServices::setUrlHandler("file", &viewer, "open");
    EXPECT_TRUE(ui::OpenHelpFile(&form, help.toStdString()));
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(viewer.opened, QUrl::fromLocalFile(help));
}

#include "LayerTest.moc"
