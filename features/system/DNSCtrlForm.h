#pragma once
// The DNS relay static table window (Layer 3 > DNS Relay > Static Settings): the domain names the
// switch's DNS relay answers itself, from its model's table. Add opens the dialog TDNSCtrlAddForm,
// which creates an entry; Delete makes the selected entry invalid. The window follows the list
// window frame (ListWindowFrame.h) without DataComplete: Add and Delete stop a read that runs,
// and the window may close while a read runs.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_DNSCtrlForm.h"

class TDNSCtrlForm : public ui::Form, public Ui::DNSCtrlForm, public ListWindowFrame {
public:
    // Items of the DNS relay static table; name and address are the keys.
    enum Item { NameItem, AddressItem, StateItem };
    // Indices of the State combo box: "invalid" and "valid".
    enum StateIndex { InvalidIndex = 0, ValidIndex = 1 };

    explicit TDNSCtrlForm(QWidget* owner = nullptr);
    ~TDNSCtrlForm() override;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TDNSCtrlForm* DNSCtrlForm;
