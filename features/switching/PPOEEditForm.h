#pragma once
// The edit dialog of the PPPoE circuit ID window (PPOEForm.h): one port's state, circuit ID and
// user-defined string, each with a box that says whether Set Checked writes it. The string is
// written only with the circuit ID "udf-string". Set Checked waits for the switch's answer and
// closes once the switch took the port's settings; a refusal or a failure keeps the dialog open
// with what the user chose (ListDialogFrame.h). Closing the dialog clears the boxes.

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_PPOEEditForm.h"

class TPPOEForm;

class TPPOEEditForm : public ui::Form, public Ui::PPOEEditForm, public ListDialogFrame {
public:
    // Made by the circuit ID window, its owner.
    explicit TPPOEEditForm(TPPOEForm* listWindow);
    ~TPPOEEditForm() override;

    void FormActivate(QObject* sender);
    void cbxCircuitIDChange(QObject* sender);
    void ChangeSetState(QObject* sender);
    void CheckAllBtnClick(QObject* sender);
    void ClearBtnClick(QObject* sender);
    void SetCheckedClick(QObject* sender);
    void CloseBtnClick(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);

private:
    TPPOEForm* window_;
};

// The dialog while its list window lives.
extern TPPOEEditForm* PPOEEditForm;
