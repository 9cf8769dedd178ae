#pragma once
// The frame of the three LLDP-Dot1 TX windows: a table keyed by port and by a protocol index or a
// VLAN ID, with one true/false column that says whether the port transmits that TLV. Set writes
// the chosen row's value and waits for the switch's answer (a refused write is shown), then
// reads the table again; Stop ends a read or the wait. A window names its table and the captions
// of its second key and of its TX column:
//
//     TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(QWidget* owner)
//         : TLLDPDot1TxFrame(owner, {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Index", "Protocol TX"}) {}

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_LLDPDot1TxFrame.h"

#include <memory>

struct Dot1TxSettings {
    const char* TableOid;  // the table's key OID in Oid_lldp (catalogue/CatalogueIndex.h)
    const char* KeyLabel;  // the caption of the second key
    const char* TxLabel;   // the caption of the TX column
};

class TLLDPDot1TxFrame : public ui::Form, public Ui::LLDPDot1TxFrame, public WindowLifecycle {
public:
    enum Item { PortItem, IndexItem, TxItem };

    ~TLLDPDot1TxFrame() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void RefreshButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The editors as with no row chosen.
    void ResetInputs();

protected:
    TLLDPDot1TxFrame(QWidget* owner, const Dot1TxSettings& settings);

private:
    Dot1TxSettings settings_;
};
