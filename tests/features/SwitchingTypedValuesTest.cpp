// The hand-made switching windows against the simulated switch, as a user who makes typos would
// use them: every typed number or address that a write sends, emptied or out of its range, is
// refused with a message that names the field, the focus goes back to its edit, what was typed
// stays, and the switch receives nothing; a well-formed text goes out exactly as typed. Also: the
// PPPoE circuit ID window writes only a port the user chose.

#include "SpanningTreeFixture.h"

#include "features/switching/AggregatorPortTableForm.h"
#include "features/switching/ERPSSubRingForm.h"
#include "features/switching/ERPSubRingEditForm.h"
#include "features/switching/GARPForm.h"
#include "features/switching/IGMPMulticastVlanForm.h"
#include "features/switching/IGMPSnoopingStaticGroupForm.h"
#include "features/switching/MSTPPortStateEditForm.h"
#include "features/switching/MSTPPortStateForm.h"
#include "features/switching/NLBMulticastFDBForm.h"
#include "features/switching/PortTrunkForm.h"
#include "features/switching/PrivateVLANForm.h"
#include "features/switching/ProtocolVLANGroupForm.h"
#include "features/switching/RSPANForm.h"
#include "features/switching/SecondaryVlanForm.h"
#include "features/switching/VLanPortInfomationForm.h"
#include "features/switching/VlanStaticForm.h"
#include "features/switching/VoiceVLANGlobalForm.h"
#include "features/switching/mldMulticastVlanForm.h"
#include "features/switching/IGMPSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MLDSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MSTPVLANUnitForm.h"
#include "features/switching/MulticastFilterInformationForm.h"
#include "features/switching/UnicastFilterInformationForm.h"
#include "features/switching/PPOEEditForm.h"
#include "features/switching/PPOEForm.h"
#include "features/switching/STP_Info.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

#include <QApplication>

#include <algorithm>
#include <functional>
#include <ostream>
#include <memory>
#include <utility>
#include <string>
#include <vector>

namespace {

using Type = std::function<void()>;

// What the window builders below do as a user would (the fixture's helpers, reached statically).
struct User : SpanningTreeWindowTest {
    using FormTest::Click;
    using FormTest::ClickRow;
    using FormTest::DoubleClickRow;
    using FormTest::RunInNextModal;
    using SwitchingWindowTest::TickPorts;
    using FormTest::TypeInto;
    using FormTest::WaitFor;
};

// One typed field of a window's write.
struct TypedField {
    std::string Field;                              // the caption the message names
    std::function<ui::Edit*(ui::Form&)> Edit;       // the window's edit (or its open dialog's)
    std::vector<std::string> Refused;               // texts that must not go out
    std::string Good;                               // a well-formed text
    std::string Written;                            // the binding Good gives in the journal
    std::string EmptyMessage = {};                  // the window's own message for an empty text
    std::string Message = {};                       // the window's own message for the others
};

// One window: its data, how it is made, and how a user brings it to a write.
struct WindowCase {
    std::string Name;
    std::string Data; // the file of tests/support/data the switch serves
    std::function<ui::Form*()> Make;
    // Chooses the row and types well-formed values, runs type (which puts the field's text in),
    // presses the write's button, waits until the window is quiet again and runs pressed (while
    // a dialog that writes is still shown).
    std::function<void(ui::Form&, const Type& type, const Type& pressed)> Write;
    std::vector<TypedField> Fields;
};

void PrintTo(const WindowCase& c, std::ostream* out) { *out << c.Name; }

template <class Window>
std::function<ui::Form*()> Make()
{
    return [] { return new Window(nullptr); };
}

// The edit named by a member of the window.
template <class Window>
std::function<ui::Edit*(ui::Form&)> EditOf(ui::Edit* Window::*member)
{
    return [member](ui::Form& form) { return dynamic_cast<Window&>(form).*member; };
}

template <class Window>
std::function<void(ui::Form&, const Type&, const Type&)> WriteIn(std::function<void(Window&, const Type&)> write)
{
    return [write](ui::Form& form, const Type& type, const Type& pressed) {
        write(dynamic_cast<Window&>(form), type);
        pressed();
    };
}

bool WaitQuiet(const MvSNMPRequest2Controls* request)
{
    return User::WaitFor([&] { return !WindowLifecycle::Running(request); }, 10000);
}

const std::string MstpInstance = "1.3.6.1.4.1.171.12.15.2.3.1";
const std::string LacpPort = "1.2.840.10006.300.43.1.2.1.1";
const std::string Stp = "1.3.6.1.4.1.171.12.15.1";
const std::string IGMPUpstream = "1.3.6.1.4.1.171.12.80.3.1.1.1";
const std::string MLDUpstream = "1.3.6.1.4.1.171.12.80.3.2.1.1";
const char* const StpEmpty = "Don't Leave Empty Fileds.";

// The MSTP instance table: Edit of instance 1 with its priority box ticked, Add of an instance.
WindowCase MstpInstanceEdit()
{
    using W = TMSTPVLANUnitForm;
    return {"MSTPInstanceEdit", "spanning-tree-qos.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()) &&
                                                           w.ListView1->Count() >= 2; }));
                User::ClickRow(w.ListView1, 1);
                w.CheckBoxPriority->SetChecked(true);
                type();
                User::Click(w.EditButton);
                WaitQuiet(w.Request.get());
            }),
            {{"Priority", EditOf(&W::PriorityEdit), {"", "61441", "-1"}, "4096",
              MstpInstance + ".12.1=4096"}}};
}

WindowCase MstpInstanceAdd()
{
    using W = TMSTPVLANUnitForm;
    return {"MSTPInstanceAdd", "spanning-tree-qos.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()) &&
                                                           w.ListView1->Count() >= 2; }));
                type();
                User::Click(w.AddButton);
                WaitQuiet(w.Request.get());
            }),
            {{"Instance ID", EditOf(&W::VIDEdit), {"", "8", "0"}, "3", MstpInstance + ".24.3=4"}}};
}

// The link aggregation port table: Edit of port 2.
WindowCase AggregatorPort()
{
    using W = TAggregatorPortTableForm;
    return {"AggregatorPort", "livecounters.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && w.ListView1->Count() == 2; }));
                User::ClickRow(w.ListView1, 1);
                w.edtPartnerID->SetText("0a0B0c0D0e0F");
                type();
                User::Click(w.btnEdit);
                User::WaitFor([&] { return w.DataComplete == 1 && !WindowLifecycle::Running(w.Request.get()); });
            }),
            {{"Actor Admin Key", EditOf(&W::edtActorKey), {"", "65536"}, "300", LacpPort + ".4.2=300"},
             {"Partner Admin Key", EditOf(&W::edtPartnerKey), {"", "70000"}, "9", LacpPort + ".10.2=9"}}};
}

// The spanning tree bridge settings under RSTP: the timers, hops and hold count.
WindowCase StpBridge()
{
    using W = TSTP_Info;
    return {"STPBridgeSettings", "spanning-tree-qos.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                w.ET_AgingTime->SetText("2000");
                w.ET_ForwardDelay->SetText("1500");
                w.ET_HelloTime->SetText("150");
                w.ET_Priority->SetText("20");
                w.ED_TxHoldCount->SetText("3");
                // The focus moves on from the full ones, then rests on no edit: the window's
                // checks meet the texts below, not the edits' input rules.
                QApplication::processEvents();
                w.setFocus();
                QApplication::processEvents();
                type();
                User::Click(w.BT_Set);
            }),
            // Texts short of an edit's full length: a full one moves the focus on, and the edit's
            // input rule refuses it as the focus leaves.
            {{"Max Age", EditOf(&W::ET_AgingTime), {"", "599"}, "1800", Stp + ".3.0=1800", StpEmpty},
             // Below 400 the timer relation refuses first ("Data Error.").
             {"Forward Delay", EditOf(&W::ET_ForwardDelay), {""}, "1600", Stp + ".5.0=1600", StpEmpty},
             {"Max Hops", EditOf(&W::ET_Priority), {"", "5"}, "30", Stp + ".6.0=30", StpEmpty},
             {"TX Hold Count", EditOf(&W::ED_TxHoldCount), {"", "0"}, "5", Stp + ".7.0=5"},
             {"Hello Time", EditOf(&W::ET_HelloTime), {"", "99"}, "200", Stp + ".4.0=200", StpEmpty}}};
}

// The proxy upstream interface windows: Set of the chosen row.
template <class W>
std::function<void(ui::Form&, const Type&, const Type&)> UpstreamSet(int rows)
{
    return WriteIn<W>([rows](W& w, const Type& type) {
        ASSERT_TRUE(User::WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()) &&
                                                   w.ListView1->Count() == rows; }));
        User::ClickRow(w.ListView1, 0);
        type();
        User::Click(w.btnSet);
        WaitQuiet(w.Request.get());
    });
}

WindowCase IGMPProxyUpstream()
{
    using W = TIGMPSnoopingProxyUpstreamInterfaceForm;
    return {"IGMPProxyUpstream", "multicast.dat", Make<W>(), UpstreamSet<W>(2),
            {{"Index", EditOf(&W::IndexEdit), {"", "-1"}, "2", IGMPUpstream + ".2.2=10"},
             {"VLAN ID", EditOf(&W::VIDEdit), {"", "0", "4095"}, "11", IGMPUpstream + ".2.1=11"},
             {"Unsolicited Report Interval", EditOf(&W::IntervalTime), {"", "26"}, "20", IGMPUpstream + ".5.1=20"},
             {"Source IP", EditOf(&W::edtIPAddress), {"", "10.0.0.300", "10.0.0", "10.0.0.1.2"}, "10.0.0.44",
              IGMPUpstream + ".6.1=10.0.0.44"}}};
}

WindowCase MLDProxyUpstream()
{
    using W = TMLDSnoopingProxyUpstreamInterfaceForm;
    return {"MLDProxyUpstream", "multicast.dat", Make<W>(), UpstreamSet<W>(1),
            {{"VLAN ID", EditOf(&W::VIDEdit), {"", "4095"}, "31", MLDUpstream + ".2.1=31"},
             {"Source IP", EditOf(&W::edtIPAddress), {"", "2001", "20010DB800000000000000000000000G"},
              "20010DB8000000000000000000000002", MLDUpstream + ".6.1=20010DB8000000000000000000000002"}}};
}


// Each Add of the windows below creates a row of its own: the keys typed before the field are new
// every time.
std::function<std::string()> Counter(int first)
{
    auto next = std::make_shared<int>(first);
    return [next] { return std::to_string((*next)++); };
}

bool Quiet(const MvSNMPRequest2Controls* request) { return !WindowLifecycle::Running(request); }

const std::string GarpEntry = "1.3.6.1.2.1.17.6.1.3.1.1";
const std::string PortVlanEntry = "1.3.6.1.2.1.17.7.1.4.5.1";
const std::string Voice = "1.3.6.1.4.1.171.12.74";
const std::string RspanEntry = "1.3.6.1.4.1.171.12.68.3.1.1";
const std::string StaticVlanEntry = "1.3.6.1.2.1.17.7.1.4.3.1";
const std::string PrivateEntry = "1.3.6.1.4.1.171.12.69.3.1.1";
const std::string SecondaryEntry = "1.3.6.1.4.1.171.12.69.3.2.1";
const std::string GroupEntry = "1.3.6.1.2.1.17.7.1.5.1.1";
const std::string Trunk = "1.3.6.1.4.1.171.11.133.2.1.2.9.3.1";
const std::string SubRingEntry = "1.3.6.1.4.1.171.12.78.3.2.1";
const std::string MstpPort = "1.3.6.1.4.1.171.12.15.2.4.1";
const std::string StaticGroupEntry = "1.3.6.1.4.1.171.12.73.3.1.2.1";
const std::string NlbMulticast = "1.3.6.1.4.1.171.12.77.3.2.1";
const std::string IGMPVlanEntry = "1.3.6.1.4.1.171.12.64.3.1.1";
const std::string MLDVlanEntry = "1.3.6.1.4.1.171.12.64.3.4.1";

// The GARP timer window: Set of port 2.
WindowCase GarpTimers()
{
    using W = TGARPForm;
    return {"GARPTimers", "vlan.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()) &&
                                                       w.LV_dot1dPortGarpEntry->Count() == 4; }));
                User::ClickRow(w.LV_dot1dPortGarpEntry, 1);
                type();
                User::Click(w.SetBtn);
                User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); });
            }),
            {{"GARP Join Time", EditOf(&W::GarpJoinTime), {"", "99", "100001"}, "300", GarpEntry + ".1.2=300"},
             {"GARP Leave Time", EditOf(&W::GarpLeaveTime), {"", "0"}, "700", GarpEntry + ".2.2=700"},
             {"GARP Leave All Time", EditOf(&W::GarpLeaveAllTime), {""}, "20000", GarpEntry + ".3.2=20000"}}};
}

// The 802.1Q port VLAN window: Set of port 3.
WindowCase PortVlan()
{
    using W = TVLanPortInfomationForm;
    return {"PortVLAN", "vlan.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor(
                    [&] { return Quiet(w.Request.get()) && w.LV_dot1qPortVlanEntry->Count() == 4; }));
                User::ClickRow(w.LV_dot1qPortVlanEntry, 2);
                type();
                User::Click(w.SetBtn);
                WaitQuiet(w.Request.get());
            }),
            {{"Port VLAN ID", EditOf(&W::PortVLanID), {"", "0", "4095"}, "20", PortVlanEntry + ".1.3=20"}}};
}

// The voice VLAN settings: priority and aging time.
WindowCase VoiceVlanSettings()
{
    using W = TVoiceVLANGlobalForm;
    return {"VoiceVLANSettings", "portwindows.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                type();
                User::Click(w.btnSet);
            }),
            {{"Priority", EditOf(&W::PriorityEdit), {"", "8"}, "6", Voice + ".1.3.0=6"},
             {"Aging Time", EditOf(&W::agTimeEdit), {"", "0", "65536"}, "720", Voice + ".1.4.0=720"}}};
}

// The RSPAN window: Add of an entry.
WindowCase RspanAdd()
{
    using W = TRSPANForm;
    return {"RSPANAdd", "portwindows.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); }));
                type();
                User::Click(w.btnAdd);
                User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); });
            }),
            {{"VLAN ID", EditOf(&W::ED_VLANID), {"", "0", "4095"}, "100", RspanEntry + ".5.100=4",
              "VLAN ID need to input."}}};
}

// The static VLAN table: Add of a VLAN.
WindowCase StaticVlanAdd()
{
    using W = TVlanStaticForm;
    return {"StaticVLANAdd", "vlan.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); }));
                type();
                User::Click(w.AddBtn);
                User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); });
            }),
            {{"VLAN ID", EditOf(&W::ED_VLANID), {"", "1", "4095"}, "300", StaticVlanEntry + ".5.300=4",
              "Please input VLAN ID."}}};
}

// The private VLAN table: Add of a VLAN by its name.
WindowCase PrivateVlanAdd()
{
    using W = TPrivateVLANForm;
    return {"PrivateVLANAdd", "vlan.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()) && w.lvData->Count() >= 1; }));
                w.edtVLAN->SetText("pv200");
                type();
                User::Click(w.btnSet);
                WaitQuiet(w.Request.get());
            }),
            {{"VLAN ID", EditOf(&W::edtVID), {"", "1", "4095"}, "200", PrivateEntry + ".5.200=4",
              "Please input VLAN ID first."}}};
}

// The secondary VLAN table: Add of a community VLAN.
WindowCase SecondaryVlanAdd()
{
    using W = TSecondaryVlanForm;
    auto secondary = Counter(110);
    return {"SecondaryVLANAdd", "vlan.dat", Make<W>(),
            WriteIn<W>([secondary](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()) && w.lvData->Count() >= 2; }));
                w.edtPrivateVID->SetText("100");
                w.edtSecondVID->SetText(secondary());
                w.cbbVLANType->SetItemIndex(1);
                type();
                User::Click(w.btnSet);
                WaitQuiet(w.Request.get());
            }),
            {{"Private VLAN ID", EditOf(&W::edtPrivateVID), {"", "1", "4095"}, "100",
              SecondaryEntry + ".4.100.113=4", "Please input Private VLAN ID first."},
             {"Secondary VLAN ID", EditOf(&W::edtSecondVID), {"", "1", "4095"}, "103", SecondaryEntry + ".4.100.103=4",
              "Please input Second VLAN ID."}}};
}

// The protocol VLAN group window: Add of an ethernet group.
WindowCase ProtocolVlanGroupAdd()
{
    using W = TProtocolVLANGroupForm;
    return {"ProtocolVLANGroupAdd", "vlan.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()); }));
                w.TypeComboBox->SetItemIndex(0);
                w.ValueEdit->SetText("0800");
                type();
                User::Click(w.AddButton);
                WaitQuiet(w.Request.get());
            }),
            {{"Group ID", EditOf(&W::IDEdit), {"", "0", "17"}, "3", GroupEntry + ".3.1.2.8.0=3",
              "Group ID must be set."}}};
}

// The port trunk window: Add of trunk 5 with ports 5 and 6.
WindowCase PortTrunkAdd()
{
    using W = TPortTrunkForm;
    return {"PortTrunkAdd", "portwindows.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()) && w.LV_PortTrunk->Count() >= 2; }));
                User::ClickRow(w.LV_PortTrunk, -1);
                w.PortEdit->SetText("5");
                w.Combo_Type->SetText("lacp");
                User::TickPorts(w.MemberPorts, {5, 6});
                type();
                User::Click(w.BT_Set);
                WaitQuiet(w.Request.get());
            }),
            {{"Index", EditOf(&W::ED_Index), {"", "0", "14"}, "5", Trunk + ".7.5=4",
              "The index should not be empty."}}};
}

// The ERPS sub-ring window: Add in its dialog.
ui::Edit* SubRingDialogEdit(ui::Edit* TERPSubRingEditForm::*member)
{
    return ::ERPSubRingEditForm == nullptr ? nullptr : ::ERPSubRingEditForm->*member;
}

WindowCase SubRingAdd()
{
    using W = TERPSSubRingForm;
    auto ring = Counter(60);
    return {"ERPSSubRingAdd", "erps-l2ptp.dat", Make<W>(),
            [ring](ui::Form& form, const Type& type, const Type& pressed) {
                auto& w = dynamic_cast<W&>(form);
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() >= 3; }));
                User::RunInNextModal([&](ui::Form* shown) {
                    auto* d = dynamic_cast<TERPSubRingEditForm*>(shown);
                    ASSERT_NE(d, nullptr);
                    d->EditVID->SetText("10");
                    d->SubRingEdit->SetText(ring());
                    type();
                    User::Click(d->btnEdit);
                    pressed();
                    if (d->Modal() && d->ModalResult() == ui::mrNone)
                        d->Close();
                }, 5000);
                User::Click(w.btnAdd);
                WaitQuiet(w.Request.get());
            },
            {{"RAPS VLAN ID", [](ui::Form&) { return SubRingDialogEdit(&TERPSubRingEditForm::EditVID); },
              {"", "0", "4095"}, "11", SubRingEntry + ".4.11.63=4", "Please input RAPS VLAN ID."},
             {"Sub-Ring RAPS VLAN ID", [](ui::Form&) { return SubRingDialogEdit(&TERPSubRingEditForm::SubRingEdit); },
              {"", "4095"}, "70", SubRingEntry + ".4.10.70=4", "Please input Sub-Ring RAPS VLAN ID."}}};
}

// The MSTP port window: the dialog's Set for port 4 under RSTP.
WindowCase MstpPortEdit()
{
    using W = TMSTPPortStateForm;
    return {"MSTPPortEdit", "switching.dat", Make<W>(),
            [](ui::Form& form, const Type& type, const Type& pressed) {
                auto& w = dynamic_cast<W&>(form);
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.PortStateRequest.get()); }));
                User::RunInNextModal([&](ui::Form* shown) {
                    auto* d = dynamic_cast<TMSTPPortStateEditForm*>(shown);
                    ASSERT_NE(d, nullptr);
                    type();
                    User::Click(d->btnEdit);
                    pressed();
                    if (d->Modal() && d->ModalResult() == ui::mrNone)
                        d->Close();
                }, 5000);
                // After a Set the Edit button waits for another choice: the port is chosen again.
                User::DoubleClickRow(w.lvMSTPPortState, 3);
                User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.PortStateRequest.get()); });
            },
            {{"External Path Cost",
              [](ui::Form&) { return ::MSTPPortStateEditForm == nullptr ? nullptr : ::MSTPPortStateEditForm->edtExtPathCost; },
              {"", "2147483648"}, "90000", MstpPort + ".5.4=90000"}}};
}

// The IGMP static group window: Add of a group on port 3.
WindowCase StaticGroupAdd()
{
    using W = TIGMPSnoopingStaticGroupForm;
    auto group = Counter(1);
    return {"IGMPStaticGroupAdd", "switching.dat", Make<W>(),
            WriteIn<W>([group](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); }));
                User::ClickRow(w.LV_IGMPStaticGroupEntry, -1);
                w.VlanIDEdit->SetText("3");
                w.RepalceIPEdit->SetText("230.1.1." + group());
                User::TickPorts(w.MemberPorts, {3});
                type();
                User::Click(w.btnAdd);
                User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); });
            }),
            {{"VLAN ID", EditOf(&W::VlanIDEdit), {"", "0", "4095"}, "4", StaticGroupEntry + ".100.4.230.1.1.4=4",
              "Multicast VLAN ID need to input."}}};
}

// The NLB multicast forwarding table: Add of an entry.
WindowCase NlbMulticastAdd()
{
    using W = TNLBMulticastFDBForm;
    return {"NLBMulticastAdd", "nlb-colormap-pppoe.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()) && w.LV_NLBMulticastFDBEntry->Count() >= 2; }));
                w.UnicastAddress->SetText("03BF0A0000AA");
                User::TickPorts(w.Ports, {3});
                type();
                User::Click(w.AddBtn);
                WaitQuiet(w.Request.get());
            }),
            {{"VLAN ID", EditOf(&W::ED_UnicastVID), {"", "0", "4095"}, "10",
              NlbMulticast + ".4.10.3.191.10.0.0.170=4", "Please input VLAN ID and MAC Address."}}};
}

// The static filter windows: Add of an entry with its two keys, a VLAN ID and a MAC address of
// twelve hexadecimal digits.
const std::string UnicastFilter = "1.3.6.1.2.1.17.7.1.3.1.1";
const std::string MulticastFilter = "1.3.6.1.2.1.17.7.1.3.2.1";

WindowCase UnicastFilterAdd()
{
    using W = TUnicastFilterInformationForm;
    auto vlan = Counter(20);
    return {"UnicastFilterAdd", "switching.dat", Make<W>(),
            WriteIn<W>([vlan](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()) && w.LV_dot1qStaticUnicastEntry->Count() >= 2; }));
                User::ClickRow(w.LV_dot1qStaticUnicastEntry, -1);
                w.ED_UnicastVID->SetText(vlan());
                w.UnicastAddress->SetText("0A0B0C0D0E0F");
                User::TickPorts(w.Ports, {4});
                type();
                User::Click(w.ADDBtn);
                WaitQuiet(w.Request.get());
            }),
            {{"VLAN ID", EditOf(&W::ED_UnicastVID), {"", "0", "4095"}, "4094",
              UnicastFilter + ".4.4094.10.11.12.13.14.15.0=3", "Please input VLAN ID and MAC Address."},
             {"MAC Address", EditOf(&W::UnicastAddress), {"", "0A0B0C0D0E", "0A0B0C0D0E0F00"},
              "00AABBCCDDEE", UnicastFilter + ".4.27.0.170.187.204.221.238.0=3", "Please input VLAN ID and MAC Address."}}};
}

WindowCase MulticastFilterAdd()
{
    using W = TMulticastFilterInformationForm;
    auto vlan = Counter(30);
    return {"MulticastFilterAdd", "switching.dat", Make<W>(),
            WriteIn<W>([vlan](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return Quiet(w.Request.get()) && w.LV_dot1qStaticMulticastEntry->Count() >= 1; }));
                User::ClickRow(w.LV_dot1qStaticMulticastEntry, -1);
                w.ED_MulticastVID->SetText(vlan());
                w.ED_MACAddress->SetText("01005E7F0001");
                User::TickPorts(w.Ports, {1});
                type();
                User::Click(w.AddBtn);
                WaitQuiet(w.Request.get());
            }),
            {{"VLAN ID", EditOf(&W::ED_MulticastVID), {"", "0", "4095"}, "4094",
              MulticastFilter + ".5.4094.1.0.94.127.0.1.0=3"},
             {"MAC Address", EditOf(&W::ED_MACAddress), {"", "01005E7F00", "01005E7F0001FF"}, "01005E7F0002",
              MulticastFilter + ".5.37.1.0.94.127.0.2.0=3"}}};
}

// The multicast VLAN windows: Add of a VLAN (IGMP with its name; MLD with a remap priority when
// one is typed).
WindowCase IGMPMulticastVlanAdd()
{
    using W = TIGMPMulticastVlanForm;
    return {"IGMPMulticastVLANAdd", "multicast.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); }));
                w.VlanNameEdit->SetText("v30");
                type();
                User::Click(w.btnAdd);
                User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); });
            }),
            {{"VLAN ID", EditOf(&W::VlanIDEdit), {"", "1", "4095"}, "30", IGMPVlanEntry + ".13.30=4",
              "Multicast VLAN ID need to input."}}};
}

WindowCase MLDMulticastVlanAdd()
{
    using W = TmldMulticastVlanForm;
    auto vlan = Counter(50);
    return {"MLDMulticastVLANAdd", "multicast.dat", Make<W>(),
            WriteIn<W>([vlan](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); }));
                w.VlanIDEdit->SetText(vlan());
                type();
                User::Click(w.btnAdd);
                User::WaitFor([&] { return w.DataComplete == 1 && Quiet(w.Request.get()); });
            }),
            {{"VLAN ID", EditOf(&W::VlanIDEdit), {"", "1", "4095"}, "40", MLDVlanEntry + ".13.40=4",
              "Multicast VLAN ID need to input."},
             {"Remap Priority", EditOf(&W::RemapPriorityEdit), {"8", "-2"}, "5", MLDVlanEntry + ".10.56=5", "",
              "Please input a number between -1 and 7"}}};
}

std::vector<WindowCase> Cases()
{
    return {MstpInstanceEdit(),    MstpInstanceAdd(),  AggregatorPort(),       StpBridge(),
            IGMPProxyUpstream(),   MLDProxyUpstream(), GarpTimers(),           PortVlan(),
            VoiceVlanSettings(),   RspanAdd(),         StaticVlanAdd(),        PrivateVlanAdd(),
            SecondaryVlanAdd(),    ProtocolVlanGroupAdd(), PortTrunkAdd(),     SubRingAdd(),
            MstpPortEdit(),        StaticGroupAdd(),   NlbMulticastAdd(),      IGMPMulticastVlanAdd(),
            MLDMulticastVlanAdd(), UnicastFilterAdd(), MulticastFilterAdd()};
}

class SwitchingTypedValues : public SpanningTreeWindowTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    std::vector<std::string> DataFiles() const override { return {GetParam().Data}; }

    // The text in the edit, as pasted; a text of the rule's full length moves the focus on, as
    // typing it would.
    static void Put(ui::Edit* edit, const std::string& text)
    {
        edit->SetText(text);
        QApplication::processEvents();
    }

    // The user puts a good text in and leaves the edit, whose input rule then has nothing to
    // refuse: the next refusal is the window's own check, not the rule's when the focus moves.
    static void Corrected(QWidget& w, ui::Edit* edit, const std::string& good)
    {
        edit->SetText(good);
        w.setFocus();
        QApplication::processEvents();
    }

    // Nothing went out, what was typed stays, and the user was told: by the window's own message
    // for an empty text where it has one, else by one that names the field, with the focus back.
    void ExpectRefused(ui::Form& w, const TypedField& f, ui::Edit* edit, const std::string& text)
    {
        ASSERT_NE(edit, nullptr);
        // Whatever a write would have sent has arrived by now.
        WaitFor([] { return false; }, 300);
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(edit->Text(), text) << "what was typed stays";
        if (text.empty() && !f.EmptyMessage.empty()) {
            EXPECT_TRUE(StatusLine(&w).find(f.EmptyMessage) != std::string::npos ||
                        MessageBoxTexts() == std::vector<std::string>{f.EmptyMessage})
                << StatusLine(&w) << " / " << LastMessageBoxText();
        } else {
            ASSERT_EQ(MessageBoxes().size(), 1u) << ::testing::PrintToString(MessageBoxTexts());
            if (f.Message.empty())
                EXPECT_EQ(LastMessageBoxText().rfind(f.Field + ": ", 0), 0u) << LastMessageBoxText();
            else
                EXPECT_EQ(LastMessageBoxText(), f.Message);
            // The edit that has its window's focus (the message box may still hold the activation).
            EXPECT_EQ(edit->window()->focusWidget(), edit) << "the focus is back in the edit";
        }
        Corrected(*edit->window(), edit, f.Good);
    }

    // The SETs the switch received, once at least one is there (or after a while).
    std::vector<std::vector<std::string>> SetsOnceAny() { return SetsOnceThere(1); }
};

TEST_P(SwitchingTypedValues, ATypedValueGoesOutAsTypedOrNotAtAll)
{
    const WindowCase& c = GetParam();
    std::unique_ptr<ui::Form> window(c.Make());
    ui::Form* w = window.get();
    RunModal(w, [&] {
        for (const TypedField& f : c.Fields) {
            for (const std::string& text : f.Refused) {
                SCOPED_TRACE(f.Field + ": \"" + text + "\"");
                ClearMessageBoxes();
                ui::Edit* edit = nullptr;
                bool pressed = false;
                c.Write(
                    *w,
                    [&] {
                        edit = f.Edit(*w);
                        Put(edit, text);
                    },
                    [&] {
                        pressed = true;
                        ExpectRefused(*w, f, edit, text);
                    });
                EXPECT_TRUE(pressed);
            }
            SCOPED_TRACE(f.Field + ": \"" + f.Good + "\"");
            ClearMessageBoxes();
            c.Write(*w, [&] { Put(f.Edit(*w), f.Good); }, [] {});
            const auto sets = SetsOnceAny();
            EXPECT_TRUE(std::any_of(sets.begin(), sets.end(), [&](const std::vector<std::string>& set) {
                return std::find(set.begin(), set.end(), f.Written) != set.end();
            })) << f.Written;
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        }
        if (w->Modal() && w->ModalResult() == ui::mrNone) {
            w->OnCloseQuery = nullptr;
            w->Close();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Windows, SwitchingTypedValues, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return info.param.Name; });

// The PPPoE circuit ID window: a click beside the rows chooses no port, so Edit stays off and
// neither Edit nor a double click opens the dialog; Set Checked writes the chosen port alone.
class PPOEChosenPort : public SpanningTreeWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"nlb-colormap-pppoe.dat"}; }
};

TEST_F(PPOEChosenPort, EditAndSetCheckedWriteOnlyAPortTheUserChose)
{
    InWindow<TPPOEForm>([&](TPPOEForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ASSERT_EQ(w.ListView1->Count(), 4);
        // The port chosen: its row alone.
        RunInNextModal([&](ui::Form* shown) {
            auto* d = dynamic_cast<TPPOEEditForm*>(shown);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->EditIndex->Text(), "2");
            Click(d->CheckBox1);
            Click(d->SetChecked);
        });
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnEdit->isEnabled());
        Click(w.btnEdit);
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 1u);
        EXPECT_EQ(sets[0][0].rfind("1.3.6.1.4.1.171.12.79.1.2.1.1.2.2=", 0), 0u) << sets[0][0];
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));

        // Beside the rows: no port, so no Edit and no dialog, whichever way it is asked for.
        ClickRow(w.ListView1, 1);
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(OpensModalWindow([&] { DoubleClickRow(w.ListView1, -1); }));
        EXPECT_FALSE(OpensModalWindow([&] { w.btnEditClick(w.btnEdit); }));
        EXPECT_TRUE(Sets().empty());
    });
}

} // namespace
