#pragma once
// The RSPAN window (Monitoring > Mirror > RSPAN > RSPAN Table): the switch's remote mirroring
// entries, one per VLAN, each with the source ports whose incoming and outgoing traffic is
// mirrored and the redirect ports. Add creates an entry with empty port lists; its ports are
// chosen afterwards with Set, which writes the three lists of the selected entry; Delete
// removes it. The port pickers can be changed only while an entry is selected.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_RSPANForm.h"

#include <QPointer>

#include <memory>

class TRSPANForm : public ui::Form, public Ui::RSPANForm, public WindowLifecycle {
public:
    enum Item { VlanItem, IngressItem, EgressItem, RedirectItem, RowStatusItem };
    // Entries of CBoxStatus, in the order of the Row Status options.
    enum StatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TRSPANForm(QWidget* owner = nullptr);
    ~TRSPANForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> IngressPorts;
    QPointer<TStackingPortUitForm> EgressPorts;
    QPointer<TStackingPortUitForm> RedirectPorts;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ResetInputs();

private:
    // Set and Delete on, Add off while an entry is selected; the opposite without one.
    void RowButtons(bool rowSelected);
    void EnablePickers(bool enabled);
};

// The window while its menu handler shows it.
extern TRSPANForm* RSPANForm;
