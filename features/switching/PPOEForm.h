#pragma once
// The PPPoE circuit ID window (Network Application > PPPoE Management > Circuit ID Insert Port
// Table): per port, whether the switch inserts a circuit ID into PPPoE frames, which one (its IP
// address, its MAC address or a user-defined string) and that string. Edit (or a double click)
// shows the selected port in the dialog TPPOEEditForm, whose Set Checked writes the columns whose
// boxes are ticked. A click in the list stops a read that still runs; the rows it brought stay.
// The window follows the list window frame (ListWindowFrame.h) and keeps its layout size.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_PPOEForm.h"

class TPPOEForm : public ui::Form, public Ui::PPOEForm, public ListWindowFrame {
public:
    // Items of the circuit ID port table.
    enum Item { IndexItem, StateItem, CircuitIDItem, UDFStringItem };

    explicit TPPOEForm(QWidget* owner = nullptr);
    ~TPPOEForm() override;

    void FormCreate(QObject* sender);
    void btnRefreshClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1DblClick(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    void OpenEditDialog();
};

// The window while its menu handler shows it.
extern TPPOEForm* PPOEForm;
