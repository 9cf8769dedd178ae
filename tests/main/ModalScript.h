#pragma once
// Runs a script inside the modal window an action opens, as a user would act in it.
//
// The script never runs inside an SNMP answer: a list view dispatches messages between the rows
// of a walk, and a script that waited there for the walk would wait for the very tick it
// interrupts. The poll skips such moments.

#include "snmp/SnmpEventProcessor.h"
#include "ui/Form.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>

// Runs action; once a modal window other than the one active before shows, runs script in it
// and closes it (unless the script did). Returns whether a window opened before action returned.
inline bool RunInModalOf(const std::function<void()>& action, const std::function<void(ui::Form*)>& script)
{
    bool opened = false;
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (opened || (SnmpEventProcessor != nullptr && !SnmpEventProcessor->Enabled()))
            return;
        auto* shown = dynamic_cast<ui::Form*>(QApplication::activeModalWidget());
        if (shown == nullptr || shown == before.data())
            return;
        opened = true;
        const QPointer<ui::Form> window = shown;
        if (script)
            script(shown);
        if (window != nullptr && window->isVisible())
            window->Close();
    });
    poll.start(5);
    action();
    return opened;
}
