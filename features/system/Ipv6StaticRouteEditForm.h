#pragma once
// The dialog of the IPv6 static route window: a route's destination, prefix length, interface
// name and next hop (its keys), metric and backup state; the status is createAndGo. It only adds
// (a route, or the default route with destination and prefix zero): Set checks the mode's input
// and creates the route through the list window's request (ListDialogFrame.h).

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_Ipv6StaticRouteEditForm.h"

class TIpv6StaticRouteForm;

class TIpv6StaticRouteEditForm : public ui::Form, public Ui::Ipv6StaticRouteEditForm, public ListDialogFrame {
public:
    explicit TIpv6StaticRouteEditForm(TIpv6StaticRouteForm* listWindow);

    void FormActivate(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);

    // The checks of the mode in order; a failure has shown its message and, where it says so,
    // moved the focus.
    bool ValidateInputs();

private:
    bool Refuse(const std::string& message, ui::Edit* focus);
};

// The dialog while its list window lives.
extern TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm;
