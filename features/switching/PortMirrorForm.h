#pragma once
// The port mirror window (Monitoring > Mirror > Port Mirror Table): the switch's one mirroring
// entry, its target port, the source ports whose incoming and outgoing traffic is copied to it,
// and its state. The window reads and writes synchronously and keeps no list; Set checks the
// target and writes the entry in three SETs in a fixed order (target and state, ingress ports,
// egress ports), each reporting its own result. On a switch of no known model it reads nothing.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_PortMirrorForm.h"

#include <QPointer>

#include <initializer_list>
#include <memory>

class TPortMirrorForm : public ui::Form, public Ui::PortMirrorForm, public WindowLifecycle {
public:
    // Items of the mirroring scalars.
    enum Item { TargetPortItem, IngressItem, EgressItem, StateItem };

    explicit TPortMirrorForm(QWidget* owner = nullptr);
    ~TPortMirrorForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> IngressPorts;
    QPointer<TStackingPortUitForm> EgressPorts;

    void FormCreate(QObject* sender);
    void BT_RefreshClick(QObject* sender);
    void BT_SetClick(QObject* sender);
    void Button1Click(QObject* sender);
    // The global target port in ET_TargetPort, shown as unit and port.
    void ET_TargetPortChange(QObject* sender);
    void UnitEditKeyPress(QObject* sender, char& key);
    void PortEditKeyPress(QObject* sender, char& key);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // Set's checks of the typed target port; false after the window's message.
    bool CheckTargetPort(int port);
    // The two messages of a target port that is no port of the pickers.
    void RefusePort();
    void FocusPort();
    // One SET of the items given; the other items stay out of it.
    void WriteOnly(std::initializer_list<int> items);
};
