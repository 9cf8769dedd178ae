#pragma once
// The 802.1p colour map window (QoS > 802.1p > 802.1p Color Map Control Table): for every port
// and 802.1p priority the drop-precedence colour the switch gives its frames. A selected row's
// colour can be changed; its port and priority are shown, never edited. Set waits for the
// switch's answer, shows it, and reads the table again; Stop ends a read and makes the window
// idle at once.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_Qos8021pMapColorControlForm.h"

#include <memory>

class TQos8021pMapColorControlForm : public ui::Form, public Ui::Qos8021pMapColorControlForm, public WindowLifecycle {
public:
    // Items of the colour map table.
    enum Item { PortItem, PriorityItem, ColorItem };

    explicit TQos8021pMapColorControlForm(QWidget* owner = nullptr);
    ~TQos8021pMapColorControlForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void RefreshButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The editors emptied, Set off, the row count shown.
    void ResetInputs();

private:
    // Set off, and the keys with their labels, which are never edited.
    void DisableKeysAndSet();
};

// The window while its menu handler shows it.
extern TQos8021pMapColorControlForm* Qos8021pMapColorControlForm;
