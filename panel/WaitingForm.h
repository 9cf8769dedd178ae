#pragma once
// The refresh window: a small modal window with a moving bar. On its first activation it makes
// its host read the stacking information again and rebuild the front panels, then closes
// itself; nothing it meets escapes it.

#include "ui/Events.h"
#include "ui/Form.h"

#include "ui_WaitingForm.h"

#include <cstdint>

class PanelHost;

namespace ui {
class Timer;
}

class TWaitingForm : public ui::Form, public Ui::WaitingForm {
public:
    // The owner is the host (the main window); the window is centred on it.
    explicit TWaitingForm(QWidget* owner);

    ui::Timer* Timer1;             // moves the bar; off until the first activation
    std::uint8_t Activated = 0;    // the work has started

    void FormCreate(QObject* sender);
    void FormActivate(QObject* sender);
    void Timer1Timer(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    PanelHost* host_;
};

// The refresh window while its host shows it.
extern TWaitingForm* WaitingForm;
