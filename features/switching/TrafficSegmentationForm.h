#pragma once
// The traffic segmentation window (Security > Traffic Segmentation Table): for every port of the
// switch, the ports it may forward traffic to. The user picks a port and changes its set; Set
// writes it and the switch's answer brings a new read. One Set per completed read: a second
// Set waits until the read after the first has ended (or Stop). On a switch of no known model
// the window reads nothing.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_TrafficSegmentationForm.h"

#include <QPointer>

#include <cstdint>
#include <memory>

class TTrafficSegmentationForm : public ui::Form, public Ui::TrafficSegmentationForm, public WindowLifecycle {
public:
    enum Item { PortItem, ForwardPortsItem };

    explicit TTrafficSegmentationForm(QWidget* owner = nullptr);
    ~TTrafficSegmentationForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> Ports;
    // 1 once a read has ended; a Set makes it 0 until the read after it has ended.
    std::uint8_t SetReady = 0;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void BT_SetClick(QObject* sender);
    void StopBtnClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void LV_TrafficForwardClick(QObject* sender);
    void LV_TrafficForwardChange(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;

private:
    // No port chosen: the unit and port edits emptied, every box unchecked, Set off.
    void ClearPort();
};
