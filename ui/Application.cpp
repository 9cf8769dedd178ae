#include "ui/Application.h"

#include "ui/Form.h"
#include "ui/Guard.h"

#include <QFont>
#include <QPointer>

namespace ui {

namespace {

std::string& Title()
{
    static std::string title = "Sorvane-Series";
    return title;
}

QPointer<QWidget>& TheMainForm()
{
    static QPointer<QWidget> form;
    return form;
}

bool& TerminatedFlag()
{
    static bool terminated = false;
    return terminated;
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // The fixed window layouts were drawn for an 8 point dialog font. The family is named, not
    // left to the desktop's choice of sans serif, so that every text fits its place on every
    // display (scripts/install-deps installs it; the window tests measure with it).
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    QApplication::setFont(font);
    // The program ends when its main window closes (Terminate), not when a dialog is the last
    // window to go.
    setQuitOnLastWindowClosed(false);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException("Unknown exception");
    }
    return false;
}

std::string ApplicationTitle()
{
    return Title();
}

void SetApplicationTitle(const std::string& title)
{
    Title() = title;
}

QWidget* MainForm()
{
    return TheMainForm().data();
}

void SetMainForm(QWidget* form)
{
    TheMainForm() = form;
}

int Run()
{
    // The request to end belongs to this run: a program run again in the same process (the
    // tests run it many times) starts with none.
    struct EndOfRun {
        ~EndOfRun() { TerminatedFlag() = false; }
    } endOfRun;
    if (Terminated()) {
        // Asked to end before the loop ran: the waiting messages are still handled. The request
        // is withdrawn first, so that the end it queued finds nothing to end: run with no loop
        // running, it would end every loop of the process before it starts.
        TerminatedFlag() = false;
        QCoreApplication::processEvents();
        return 0;
    }
    if (QWidget* form = MainForm()) {
        if (auto* custom = dynamic_cast<CustomForm*>(form))
            custom->Show();
        else
            form->show();
    }
    return QApplication::exec();
}

void Terminate()
{
    TerminatedFlag() = true;
    // Queued, so the messages already waiting are handled first. exit, not quit: quit would
    // first ask every window to close. Only while the request stands: once its run has
    // returned there is nothing left to end.
    QMetaObject::invokeMethod(
        qApp,
        [] {
            if (TerminatedFlag())
                QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
}

bool Terminated()
{
    return TerminatedFlag();
}

} // namespace ui
