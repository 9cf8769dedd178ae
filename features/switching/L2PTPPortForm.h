#pragma once
// The L2 protocol tunnel port window (Layer 2 > L2 Protocol Tunnel > Port Entry Table): every
// port's tunnelling role ("none", "uni" or "nni") and, for a UNI port, the protocols it tunnels,
// listed as words. A click into the enabled protocol edit opens a check-box chooser
// (l2PTPPortEditForm.h). Set writes the chosen port and waits for the switch's answer (a refused
// write is shown), then reads the table again; Stop ends a read or the wait
// (features/switching/PortWordListFrame.h).

#include "features/switching/PortWordListFrame.h"

#include "ui_L2PTPPortForm.h"

class TL2PTPPortForm : public TPortWordListFrame, public Ui::L2PTPPortForm {
public:
    enum Item { PortItem, TypeItem, ProtocolItem };
    // The port type that tunnels protocols, at its place in the type list.
    static constexpr int UniIndex = 1;

    explicit TL2PTPPortForm(QWidget* owner = nullptr);

    void TypeComboBoxChange(QObject* sender);

protected:
    void CreateChooser() override;
    ui::Form* Chooser() const override;
    std::unique_ptr<MvSNMPRequest2Edits> CreateRequest() override;
    void BindColumns(MvSNMPRequest2Edits& request) override;
    // The protocol edit is disabled with the rest cleared.
    void ClearEditors() override;
    // The protocol edit follows the chosen port's type.
    void PortChosen() override;
};

// The window while its menu handler shows it.
extern TL2PTPPortForm* L2PTPPortForm;
