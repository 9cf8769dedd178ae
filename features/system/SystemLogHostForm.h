#pragma once
// The syslog server window (System > System Log > Server Table): the switch's syslog servers,
// four at most. Add and Edit open the dialog TLogHostEditForm, which writes a server; Delete
// destroys the selected server. The window follows the list window frame (ListWindowFrame.h)
// without DataComplete: its request's busy flag alone refuses Delete and the dialog's Add, and it
// may close while a read runs.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_SystemLogHostForm.h"

class TSystemLogHostForm : public ui::Form, public Ui::SystemLogHostForm, public ListWindowFrame {
public:
    // Items of the syslog server table; the index is the key.
    enum Item { IndexItem, FacilityItem, SeverityItem, PortItem, StateItem, RowStatusItem, AddressTypeItem, AddressItem };
    // The dialog's modes.
    enum DialogMode { EditMode = 1, AddMode = 2 };
    // Indices of the Row Status combo box: "createAndGo" and "destroy".
    enum RowStatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TSystemLogHostForm(QWidget* owner = nullptr);
    ~TSystemLogHostForm() override;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void AddButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void DeleteButtonClick(QObject* sender);
    void Button1Click(QObject* sender);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void ListView1DblClick(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // Edit and Delete on exactly while a row is selected.
    void RowButtons(bool rowSelected);
};

// The window while its menu handler shows it.
extern TSystemLogHostForm* SystemLogHostForm;
