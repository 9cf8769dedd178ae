#include "ui/MainWindow.h"

#include "ui/Align.h"
#include "ui/Application.h"
#include "ui/Control.h"

#include <QMenuBar>

namespace ui {

MainWindow::MainWindow(QWidget* owner) : QMainWindow(owner), CustomForm(this)
{
    setCentralWidget(new QWidget(this));
    if (MainForm() == nullptr)
        SetMainForm(this);
}

MainWindow::~MainWindow()
{
    if (MainForm() == this)
        SetMainForm(nullptr);
}

int MainWindow::MenuHeight() const
{
    QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (bar == nullptr || bar->isHidden() || bar->actions().isEmpty())
        return 0;
    return bar->sizeHint().height();
}

int MainWindow::ClientHeight() const
{
    return height() - MenuHeight();
}

void MainWindow::SetClientWidth(int width)
{
    Resize(this, width, height());
    FitCentralWidget();
}

void MainWindow::SetClientHeight(int height)
{
    Resize(this, width(), height + MenuHeight());
    FitCentralWidget();
}

void MainWindow::FitCentralWidget()
{
    // Qt lays the window out when it is shown; code reads the client area before that.
    if (QWidget* central = centralWidget()) {
        central->setGeometry(0, MenuHeight(), width(), ClientHeight());
        Realign(central);
    }
}

} // namespace ui
