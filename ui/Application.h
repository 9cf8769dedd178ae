#pragma once
// The program's application object: the exception backstop of the event loop, the application
// title that captions message boxes, the main window and the end of the program.

#include <QApplication>

#include <string>

namespace ui {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    // Delivers every event; an exception that escapes a handler is shown in a message box and
    // the program goes on (handlers the layer runs for users are guarded already, ui/Guard.h).
    bool notify(QObject* receiver, QEvent* event) override;
};

// The title that captions message boxes; "Sorvane-Series" until set.
std::string ApplicationTitle();
void SetApplicationTitle(const std::string& title);

// The main window: windows positioned at the main window's centre centre on it; closing it ends
// the program. The first main window made becomes it.
QWidget* MainForm();
void SetMainForm(QWidget* form);

// Shows the main window and runs the message loop until the program is asked to end; the
// request to end is gone when Run returns.
int Run();

// Asks the message loop to end once the messages already waiting have been handled; asked
// before Run, Run returns after its first round of messages.
void Terminate();
bool Terminated();

} // namespace ui
