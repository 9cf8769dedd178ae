#pragma once
// The PAE-over-LAN frame statistics window (Security > 802.1X > MAC-based Authentication > PAE
// Over LAN Frames Statistic Table): the EAPOL frame counters of each authenticated MAC address on
// each port, keyed by MAC address and port. It only reads, synchronously.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_MacStatisticTableForm.h"

#include <memory>

class TMacStatisticTableForm : public ui::Form, public Ui::MacStatisticTableForm, public WindowLifecycle {
public:
    explicit TMacStatisticTableForm(QWidget* owner = nullptr);
    ~TMacStatisticTableForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void Button1Click(QObject* sender);
    void ListView1Changing(QObject* sender, ui::ListItem* item);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TMacStatisticTableForm* MacStatisticTableForm;
