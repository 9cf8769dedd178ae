#pragma once
// The IPv6 static route window (Layer 3 > IPv6 Static Route): the switch's IPv6 static routes.
// Add and Add Default open the dialog TIpv6StaticRouteEditForm, which creates a route; Delete
// destroys the selected route. The window follows the list window frame (ListWindowFrame.h)
// without DataComplete: its request's busy flag alone refuses work, and it may close while a
// read runs.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_Ipv6StaticRouteForm.h"

class TIpv6StaticRouteForm : public ui::Form, public Ui::Ipv6StaticRouteForm, public ListWindowFrame {
public:
    // Items of the IPv6 static route table; the first four are the keys.
    enum Item { DestinationItem, PrefixItem, InterfaceItem, NextHopItem, MetricItem, ProtocolItem, StatusItem, BackupItem };
    // The dialog's modes.
    enum DialogMode { AddMode = 1, DefaultRouteMode = 2 };
    // Indices of the Status combo box: "createAndGo" and "destroy".
    enum StatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };
    // Index of the Backup State combo box: "none".
    static constexpr int NoBackupIndex = 2;

    explicit TIpv6StaticRouteForm(QWidget* owner = nullptr);
    ~TIpv6StaticRouteForm() override;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnAddDefaultClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    void OpenAddDialog(int mode, const std::string& suffix);
};

// The window while its menu handler shows it.
extern TIpv6StaticRouteForm* Ipv6StaticRouteForm;
