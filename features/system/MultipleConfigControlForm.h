#pragma once
// The configuration control window (System > Agent Management > Multiple Configuration
// Management > Settings): the switch's stored configurations, each with its pending action.
// Edit opens the dialog TMultiConfigControlEditForm, which starts an action on the selected
// configuration. The window follows the list window frame (ListWindowFrame.h) without
// DataComplete, Add or Delete; its request allows a slow switch 3 s an attempt.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_MultipleConfigControlForm.h"

class TMultipleConfigControlForm : public ui::Form, public Ui::MultipleConfigControlForm, public ListWindowFrame {
public:
    // Items of the configuration control table; the ID is the key.
    enum Item { ControlIdItem, ActionItem };
    // The request's time-out, hundredths of a second.
    static constexpr int Timeout = 300;

    explicit TMultipleConfigControlForm(QWidget* owner = nullptr);
    ~TMultipleConfigControlForm() override;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1DblClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TMultipleConfigControlForm* MultipleConfigControlForm;
