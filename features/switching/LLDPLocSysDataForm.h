#pragma once
// The LLDP local system data window (Layer 2 > LLDP > Local System Data > System Data): the
// switch's own chassis ID and its subtype, system name and description, and its supported and
// enabled system capabilities as words. Read-only; Refresh reads it again.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_LLDPLocSysDataForm.h"

#include <memory>
#include <string>

class TLLDPLocSysDataForm : public ui::Form, public Ui::LLDPLocSysDataForm, public WindowLifecycle {
public:
    enum Item { SubtypeItem, IDItem, SysNameItem, SysDescItem, CapSupportedItem, CapEnabledItem };

    explicit TLLDPLocSysDataForm(QWidget* owner = nullptr);
    ~TLLDPLocSysDataForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // At the end of every read: the capabilities decoded.
    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;
    // The capability edits show the words of the values the hidden texts hold; the name's hint.
    void DecodeCapabilities();
    // The system name as its hint, a line break after every 99 characters.
    void SetNameHint();
};

// The text broken into lines for a hint: a line feed at every 100th position of the text as it
// grows, so a name of 250 characters shows lines of 99, 99 and 52.
std::string NameHintOf(const std::string& name);

// The window while its menu handler shows it.
extern TLLDPLocSysDataForm* LLDPLocSysDataForm;
