#pragma once
// The dialog of the IPv4 static route window: a route's destination, mask and next hop (its
// keys), backup state and metric; the status is the window's choice ("valid" for an added route,
// the row's own in the edit mode). Its controls are bound to the list window's request; Set checks
// the mode's input and writes the route through that request (ListDialogFrame.h).

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_IpStaticRouteEditForm.h"

class TIpStaticRouteForm;

class TIpStaticRouteEditForm : public ui::Form, public Ui::IpStaticRouteEditForm, public ListDialogFrame {
public:
    explicit TIpStaticRouteEditForm(TIpStaticRouteForm* listWindow);

    void FormActivate(QObject* sender);
    void SetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);

    // The checks of each mode, in order; each failure has shown its message (where it has one)
    // and moved the focus. The add checks may close the dialog (a default route asked for).
    bool ValidateEdit();
    bool ValidateAdd();
    bool ValidateDefaultRoute();

private:
    // The default-route question at the destination or the mask: OK closes the dialog without a
    // write, Cancel puts the focus into edit. Either way the check fails.
    bool AskDefaultRoute(ui::Edit* edit);
    // The next hop checks both add modes share; fullStop: the add mode's "Set." message.
    bool ValidateNextHop(bool fullStop);
    // An empty metric passes; otherwise 1 to 65535, else message.
    bool ValidateMetric(const std::string& message);
    bool Refuse(const std::string& message, ui::Edit* focus);
};

// The dialog while its list window lives.
extern TIpStaticRouteEditForm* IpStaticRouteEditForm;
