#pragma once
// The port security VLAN-on-port window (Security > Port Security > VLAN On Port): per port within
// a VLAN the most MAC addresses the switch learns (-1, "No Limit", for none). The table is read in
// the background. Add writes the limit of a port and VLAN the list does not show yet (the switch
// makes the row), Set the selected row's; each stops a read that runs, waits for the switch's
// answer and reads the table again.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_PortSecurityVLANOnPortForm.h"

#include <memory>

class TPortSecurityVLANOnPortForm : public ui::Form, public Ui::PortSecurityVLANOnPortForm, public WindowLifecycle {
public:
    enum Item { PortItem, VlanItem, MaxLearnAddressItem };

    explicit TPortSecurityVLANOnPortForm(QWidget* owner = nullptr);
    ~TPortSecurityVLANOnPortForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void CBoxNolimitClick(QObject* sender);
    void RefreshButtonClick(QObject* sender);
    void AddButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // Back to adding: no row chosen, the edits empty and open.
    void ResetInputs();

private:
    // The message, and the focus to the edit where the user can type; false.
    bool Refuse(const char* message, QWidget* edit);
    // The VLAN ID and the limit as the switch takes them; otherwise the message that names the
    // field, the focus on its edit, and false.
    bool CheckTypedValues();
    // The row's limit written, waiting for the answer, then the table read again.
    void WriteRow();
};

// The window while its menu handler shows it.
extern TPortSecurityVLANOnPortForm* PortSecurityVLANOnPortForm;
