#pragma once
// The spanning tree bridge settings window (Layer 2 > Spanning Tree > Spanning Tree > STP Control):
// the protocol version, the bridge timers, Max Hops, the transmit hold count and the BPDU
// settings. Set checks the timer relations before it writes, leaves the hello time alone under
// MSTP, and when the switch (with spanning tree enabled) still reports another version after the
// write, holds the user in a progress window while it changes over. Every request is synchronous;
// the window keeps its layout size.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_STP_Info.h"

#include <memory>

struct VarDescriptor;

class TSTP_Info : public ui::Form, public Ui::STP_Info, public WindowLifecycle {
public:
    // Items of the bridge parameters.
    enum BridgeItem { MaxAgeItem, ForwardDelayItem, MaxHopsItem, TxHoldCountItem, ForwardBPDUItem, NNIBPDUItem };

    explicit TSTP_Info(QWidget* owner = nullptr);
    ~TSTP_Info() override;

    std::unique_ptr<MvSNMPRequest2Edits> BridgeParamRequest;
    std::unique_ptr<MvSNMPRequest2Edits> VersionRequest;
    std::unique_ptr<MvSNMPRequest2Edits> HelloTimeRequest;
    // The model's spanning tree state; no variables for a model that is not identified.
    std::unique_ptr<MvSNMPRequest2Edits> STPStateRequest;
    // The hello time as read at opening (and after a write), kept in hellotimevalue.
    std::unique_ptr<MvSNMPRequest2Edits> HelloTimeCopyRequest;
    // The version the switch reports once a Set has written, read beside the one shown.
    std::unique_ptr<MvSNMPRequest2Edits> VersionCheckRequest;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void BT_SetClick(QObject* sender);
    void Combo_STPVersionChange(QObject* sender);
    void Button1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    std::unique_ptr<MvSNMPRequest2Edits> NewRequest(const VarDescriptor* table);
    // Reads a request that exists and has variables.
    void ReadIfAny(const std::unique_ptr<MvSNMPRequest2Edits>& request);
    // The hello-time edit as the version combo asks: empty and disabled under MSTP.
    void ShowHelloTimeState();
    // Whether every request was built (an exception at opening leaves the later ones out).
    bool AllRequestsBuilt() const;
    // The writes of Set in their order; false when a check refused the input.
    bool WriteSettings();
    // After the writes: the progress window while the switch changes its version.
    void WaitForVersionChange();
};

// The window while its menu handler shows it.
extern TSTP_Info* STP_Info;
