// One QApplication for every test program: window tests need it, and creating it once keeps
// Qt's global state (fonts, platform plug-in) out of the individual cases.
#include <gtest/gtest.h>

#include <QApplication>
#ifdef SORVANE_TESTS_WITH_UI
#include "ui/Application.h"
#include "ui/MessageBox.h"

#include <iostream>
#endif

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void PrepareEnvironment()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt wants a private runtime directory; tests often run as root without a session.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || access(runtime, W_OK) != 0) {
        const std::string dir = "/tmp/sorvane-test-runtime-" + std::to_string(getuid());
        std::filesystem::create_directories(dir);
        chmod(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    } else {
        chmod(runtime, 0700);
    }
}

} // namespace

int main(int argc, char** argv)
{
    PrepareEnvironment();
    testing::InitGoogleTest(&argc, argv);
#ifdef SORVANE_TESTS_WITH_UI
    ui::Application app(argc, argv);
    // A real message box would wait for a click that never comes offscreen: a box no test
    // expected is logged and answered with its first button (window tests read and answer
    // theirs through FormTest).
    ui::SetMessageBoxHandler([](const ui::MessageBoxCall& call) {
        std::cerr << "message box \"" << call.Caption << "\": " << call.Text << '\n';
        return call.Buttons == ui::mbYesNo || call.Buttons == ui::mbYesNoCancel ? ui::mrYes
                                                                                : ui::mrOk;
    });
#else
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
