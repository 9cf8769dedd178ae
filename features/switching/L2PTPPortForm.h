#pragma once
// The L2 protocol tunnel port window (Layer 2 > L2 Protocol Tunnel > Port Entry Table): every
// port's tunnelling role ("none", "uni" or "nni") and, for a UNI port, the protocols it tunnels,
// listed as words. A click into the enabled protocol edit opens a check-box chooser
// (l2PTPPortEditForm.h). Set writes the chosen port and waits for the switch's answer (a refused
// write is shown), then reads the table again; Stop ends a read or the wait.

#include "features/common/WindowLifecycle.h"
#include "features/switching/NewRequest2EditsForL2PTP.h"

#include "ui/Form.h"

#include "ui_L2PTPPortForm.h"

#include <memory>

class TL2PTPPortForm : public ui::Form, public Ui::L2PTPPortForm, public WindowLifecycle {
public:
    enum Item { PortItem, TypeItem, ProtocolItem };
    // The port type that tunnels protocols, at its place in the type list.
    static constexpr int UniIndex = 1;

    explicit TL2PTPPortForm(QWidget* owner = nullptr);
    ~TL2PTPPortForm() override;

    std::unique_ptr<NewRequest2EditsForL2PTP> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void TypeComboBoxChange(QObject* sender);
    void ProtocolEditClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The editors as with no port chosen.
    void ResetInputs();
};

// The window while its menu handler shows it.
extern TL2PTPPortForm* L2PTPPortForm;
