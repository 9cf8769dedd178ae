#pragma once
// The voice VLAN global settings window (Layer 2 > VLAN > Voice VLAN > Global Settings): the
// voice VLAN's ID and state, its priority, aging time and log state, and while voice VLAN is
// enabled its member and dynamic ports. The switch takes a new ID only while voice VLAN is
// disabled, so Set reads the state first and writes in the order it needs: the ID before the
// state, and no ID change while the feature stays enabled. Everything is synchronous.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_VoiceVLANGlobalForm.h"

#include <QPointer>

#include <memory>

class TVoiceVLANGlobalForm : public ui::Form, public Ui::VoiceVLANGlobalForm, public WindowLifecycle {
public:
    enum GlobalItem { VlanIdItem, GlobalStateItem };
    // Entries of the state combo boxes, in the order of the state's options.
    enum StateIndex { EnabledIndex = 0, DisabledIndex = 1 };

    explicit TVoiceVLANGlobalForm(QWidget* owner = nullptr);
    ~TVoiceVLANGlobalForm() override;

    // The ID and state; priority, aging time and log state; the two port lists.
    std::unique_ptr<MvSNMPRequest2Edits> GlobalRequest;
    std::unique_ptr<MvSNMPRequest2Edits> SettingsRequest;
    std::unique_ptr<MvSNMPRequest2Edits> PortsRequest;
    QPointer<TStackingPortUitForm> MemberPorts;
    QPointer<TStackingPortUitForm> DynamicPorts;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void tempGlobalComboBoxChange(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    void ReadVoiceVlanSettings();
    // The typed priority and aging time, each a value the switch takes; false after the message.
    bool CheckSettings();
    // False when a typed value was refused (its message shown): nothing was written.
    bool WriteVoiceVlanSettings();
    // One SET of the global request with the items given.
    void WriteGlobal(bool vlanId, bool state);
};

// The window while its menu handler shows it.
extern TVoiceVLANGlobalForm* VoiceVLANGlobalForm;
