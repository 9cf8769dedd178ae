#pragma once
// The port security VLAN table window (Security > Port Security > VLAN Table): per VLAN the most
// MAC addresses the switch learns (-1, "No Limit", for none) and a control that clears what it
// learnt. The table is read in the background; Set writes the selected VLAN's row, waiting for
// the switch's answer, and reads the table again. While a read runs the window refuses Refresh
// and Set; Stop ends the read at its next answer.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_PortSecurityVLANTableForm.h"

#include <memory>

class TPortSecurityVLANTableForm : public ui::Form, public Ui::PortSecurityVLANTableForm, public WindowLifecycle {
public:
    enum Item { VlanItem, MaxLearnAddressItem, ClearControlItem };

    explicit TPortSecurityVLANTableForm(QWidget* owner = nullptr);
    ~TPortSecurityVLANTableForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void CBoxNolimitClick(QObject* sender);
    void RefreshButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TPortSecurityVLANTableForm* PortSecurityVLANTableForm;
