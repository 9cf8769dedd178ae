#pragma once
// The Ethernet ACL profile windows, ingress and egress: one profile frame whose write names its
// columns itself. The MAC address mask state enables the source and destination masks (each
// checked as twelve hexadecimal digits when its edit is left), VLAN "enabled" the VLAN mask.
// A new profile is tested for a duplicate before its inputs are checked. A window hands over its
// option controls and the columns of its masks with UseOptions, after UseComponents, and binds
// and checks its own table.

#include "features/acl/AclProfileFrame.h"

struct EthernetProfileOptions {
    ui::ComboBox* Vlan = nullptr;
    ui::Edit* VLANMask = nullptr;
    ui::ComboBox* MaskState = nullptr;
    ui::Edit* SrcMacMask = nullptr;
    ui::Edit* DstMacMask = nullptr;
    ui::ComboBox* Dot1p = nullptr;
    ui::ComboBox* EthernetType = nullptr;
    ui::Edit* RuleEntries = nullptr;
    // The columns of the masks in the window's table.
    int VLANMaskColumn = -1;
    int SrcMacMaskColumn = -1;
    int DstMacMaskColumn = -1;
};

class TEthernetProfileFrame : public TAclProfileFrame {
public:
    // Item indices of the mask state list.
    enum MaskState { OtherState, DstState, SrcState, DstSrcState };

    // The enabling rules, each the change handler of its list.
    void cbbMacMaskStateChange(QObject* sender);
    void cbbOptionVLANChange(QObject* sender);

    // Add: the duplicate tests, createAndGo, then the checks and the write.
    void BT_AddClick(QObject* sender) override;

    void ClearInputs() override;
    void ResetInputs() override;
    // A Row Status of destroy deletes the selected profile instead.
    void SendProfile() override;
    // The VLAN mask unless VLAN is enabled and the mask given; the MAC masks the state selects
    // and that are given; then the window's optional edits.
    void MarkSkippedColumns(SkippedColumns& skipped) override;

protected:
    using TAclProfileFrame::TAclProfileFrame;

    void UseOptions(EthernetProfileOptions options);
    const EthernetProfileOptions& Options() const { return o_; }

    void DefaultIndices() override;
    void SelectionRules() override;

    // "Get data not complet" while the request runs (a synchronous request never lets it).
    bool RefuseWhileBusy();
    // The masks the mask state selects are given (the destination first): otherwise the focus
    // on the first empty one and "Please enter a valid MAC address".
    bool CheckMacMasks();

private:
    bool RequireMask(ui::Edit* edit);

    EthernetProfileOptions o_;
};
