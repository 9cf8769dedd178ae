#pragma once
// The dialog of the configuration control window: the selected configuration's ID (shown only)
// and the action to start on it. Set writes the action through the list window's request
// (ListDialogFrame.h); "active" then shows a progress window while the switch activates the
// configuration. The list is not read again: the user refreshes it.

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_MultiConfigControlEditForm.h"

class TMultipleConfigControlForm;

class TMultiConfigControlEditForm : public ui::Form, public Ui::MultiConfigControlEditForm, public ListDialogFrame {
public:
    // The progress window's bar after "active": it closes when the bar is full.
    static constexpr int ProgressMax = 15;

    explicit TMultiConfigControlEditForm(TMultipleConfigControlForm* listWindow);

    void FormShow(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);

private:
    // The fixed wait that covers the switch's activation of a configuration.
    void ShowActivationProgress();
};

// The dialog while its list window lives.
extern TMultiConfigControlEditForm* MultiConfigControlEditForm;
