#pragma once
// The About box (Help > About): the managed model's name and the module's release. The model is
// known from the switch's sysObjectID text; an unidentified switch leaves the design texts.
// Shift+Alt+F3 on the OK button shows the long form of the release. The box keeps its size.

#include "ui/Form.h"

#include "ui_AboutForm.h"

#include <QImage>

#include <string>

class TAboutForm : public ui::Form, public Ui::AboutForm {
public:
    explicit TAboutForm(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void FormActivate(QObject* sender);
    void BT_OkClick(QObject* sender);
    void BT_OkKeyDown(QObject* sender, int& key, int shift);

    // The box's 32 x 32 picture: a small switch with its port row and a lit LED.
    static QImage Picture();
};

// The box while its menu handler shows it.
extern TAboutForm* AboutForm;
