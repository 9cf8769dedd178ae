#pragma once
// Fixture: the whole program run in a directory of its own (its boots counter, its message
// files), with a script run while its main window is shown.

#include "main/MainUnit.h"
#include "main/Startup.h"
#include "snmp/GlobalSession.h"
#include "snmp/SnmpError.h"
#include "snmplib/Snmp.h"
#include "support/FormTest.h"
#include "ui/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

class ProgramTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }

    void TearDown() override
    {
        QDir::setCurrent(previous_);
        CommonMessages.Reset();
        FormTest::TearDown();
    }

    // Runs the program; whileShown runs once its main window is shown, then the window closes.
    int Run(const std::vector<std::string>& parameters,
            const std::function<void()>& whileShown = {})
    {
        shown_ = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (MainForm == nullptr || !MainForm->isVisible())
                return;
            poll.stop();
            shown_ = true;
            if (whileShown)
                whileShown();
            MainForm->Close();
        });
        poll.start();
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the program did not end";
            QCoreApplication::exit(1);
        });
        watchdog.start(60000);
        const int result = RunProgram(parameters);
        // The session lives until the process ends; each run here makes a new one.
        delete GlobalSnmpSession;
        GlobalSnmpSession = nullptr;
        return result;
    }

    QTemporaryDir dir_;
    QString previous_;
    bool shown_ = false;
};

// The main window made for the parameters as the program makes it, without the message loop:
// its creation event has run when the constructor returns. The module-level objects live as
// long as it does.
class StartedMainWindow {
public:
    explicit StartedMainWindow(const std::vector<std::string>& parameters)
    {
        SetCommandLineParameters(parameters);
        InitProgramModules();
        MainForm = new TMainForm(nullptr);
    }
    ~StartedMainWindow()
    {
        // A window that asked the program to end (no parameters) ends the run the program
        // would have made, as the program does, so the request does not outlive the test.
        if (ui::Terminated())
            ui::Run();
        delete MainForm;
        MainForm = nullptr;
        FreeProgramModules();
        delete GlobalSnmpSession;
        GlobalSnmpSession = nullptr;
    }
    StartedMainWindow(const StartedMainWindow&) = delete;
    StartedMainWindow& operator=(const StartedMainWindow&) = delete;

    TMainForm* operator->() const { return MainForm; }
};
