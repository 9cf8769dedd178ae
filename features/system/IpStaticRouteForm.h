#pragma once
// The IPv4 static route window (Layer 3 > IP Management > IP Static Routing Table): the static
// routes of the switch's model table. Add, Add Default Route and the edit mode open the dialog
// TIpStaticRouteEditForm, which writes the route; Delete writes the selected route's status
// "invalid". The window follows the list window frame (ListWindowFrame.h) with DataComplete and
// its close guard. The edit mode is reached only through the invisible Edit button.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_IpStaticRouteForm.h"

class TIpStaticRouteForm : public ui::Form, public Ui::IpStaticRouteForm, public ListWindowFrame {
public:
    // Items of the static route table.
    enum Item { DestinationItem, MaskItem, NextHopItem, BackupStateItem, MetricItem, StatusItem };
    // The dialog's modes.
    enum DialogMode { EditMode = 1, AddMode = 2, DefaultRouteMode = 3 };
    // Indices of the status combo box: "invalid" and "valid".
    enum StatusIndex { InvalidIndex = 1, ValidIndex = 2 };

    explicit TIpStaticRouteForm(QWidget* owner = nullptr);
    ~TIpStaticRouteForm() override;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void AddButtonClick(QObject* sender);
    void btnDefaultRouteClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void DeleteButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The end of every read: Add Default Route enabled, the window idle.
    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;

private:
    // Edit and Delete on exactly while a row is selected.
    void RowButtons(bool rowSelected);
    // After a dialog: no selection, Edit and Delete off.
    void Deselected();
};

// The window while its menu handler shows it.
extern TIpStaticRouteForm* IpStaticRouteForm;
