#include "gui/RequestIdle.h"

#include "snmp/Request2Controls.h"
#include "snmplib/Snmp.h"

#include "ui/Guard.h"
#include "ui/Handling.h"
#include "ui/MessageLoop.h"

#include <QPointer>
#include <QWidget>

void WhenRequestIdle(MvSNMPRequest2Controls& request, QWidget* window, const std::function<void()>& action)
{
    request.Request.Active = 0;
    if (request.Busy && ui::HandlingNested()) {
        const QPointer<QWidget> shown(window);
        MvSNMPRequest2Controls* stopped = &request;
        ui::RunWhenIdle(
            ui::ModalLevel(), [shown] { return !shown.isNull() && shown->isVisible(); },
            [stopped, window, action] { ui::RunGuarded([&] { WhenRequestIdle(*stopped, window, action); }); });
        return;
    }
    // The wait may still run inside the pump's tick of another request's answer, whose timer is
    // stopped meanwhile: it processes the SNMP events itself.
    ui::WaitUntil([&request] { return !request.Busy; }, [] { SNMPProcessPendingEvents(); });
    request.Request.Active = 1;
    action();
}
