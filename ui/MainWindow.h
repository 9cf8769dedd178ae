#pragma once
// The program's main window: a form with a menu bar above its client area (the central
// widget). The first one made becomes the application's main window; closing it ends the
// program.

#include "ui/Form.h"

#include <QMainWindow>

namespace ui {

class MainWindow : public QMainWindow, public CustomForm {
public:
    explicit MainWindow(QWidget* owner = nullptr);
    ~MainWindow() override;

    // The client area is the central widget: the window less its menu bar.
    int ClientHeight() const override;
    void SetClientWidth(int width) override;
    void SetClientHeight(int height) override;

private:
    int MenuHeight() const;
    void FitCentralWidget();
};

} // namespace ui
