// The typed fields of the ACL rule windows, ingress, egress and CPU interface filter, against the
// simulated switch: in every field a write carries, an emptied text and one out of range never
// reach the switch (a message names the field and the focus goes back to its edit), and a
// well-formed text goes out exactly as typed.

#include "AclRuleWindowFixture.h"

#include "features/acl/CPUFilterEthernetRuleForm.h"
#include "features/acl/CPUFilterIPRuleForm.h"
#include "features/acl/CPUFilterIPV6RuleForm.h"
#include "features/acl/CPUFilterPktCntRuleForm.h"
#include "features/acl/EgressIPv4RuleForm.h"
#include "features/acl/EgressIPv6RuleForm.h"
#include "features/acl/EgrssEthernetProfileRuleForm.h"
#include "features/acl/EthernetProfileRuleForm.h"
#include "features/acl/IPProfileRuleForm.h"
#include "features/acl/Ipv6RuleForm.h"
#include "features/acl/PktContentRuleForm.h"

#include <algorithm>

namespace {

// Item indices of the protocol lists: the IPv4 rules' and the IPv6 rules'.
enum { IPv4None, IPv4Icmp, IPv4Igmp, IPv4Tcp, IPv4Udp, IPv4ProtocolId };
enum { IPv6None, IPv6Tcp, IPv6Udp, IPv6Icmp };

// One typed field of a rule window.
struct TypedField {
    const char* caption;        // what the message names
    ui::Edit* edit;
    std::function<void()> on;   // brings the field into the write
    long long min, max;         // min > max: an IPv4 address
    std::string emptyMessage;   // the window's own message for an emptied field; "": the typed one
    std::string rangeMessage;   // the window's own message for a number out of range; "": the typed one
    int subId;                  // the column's sub-identifier; 0: a key (its text is the instance)
};

struct RuleWindowFields {
    ui::Button* add;
    // The inputs of a new rule keyed 3/access that passes every check of the window.
    std::function<void(const std::string& access)> newRule;
    std::string entry;
    std::vector<TypedField> fields;
};

constexpr long long IPv4 = 1;
constexpr long long Address = 0; // min > max
constexpr const char* BadAddress = "10.0.0.300";
constexpr const char* GoodAddress = "10.1.2.3";

class AclRuleTypedFields : public AclRuleWindowTest {
protected:
    void SetUp() override
    {
        AclRuleWindowTest::SetUp();
        // One switch serves every rule table: the ingress and egress ones and the CPU filter's.
        sim = std::make_unique<SimSwitch>(SimSwitchOptions{"Kb", {"--data", SimSwitch::DataFile("cpufilter.dat")}});
        requesttest::AimDefaultsAt(*sim);
        DeviceIPText = sim->Address();
    }

    // The inputs of a new egress rule that passes every check: the keys, Permit checked and
    // "permit", no rule target.
    template <class Window>
    static void NewEgress(Window& w, ui::Edit* profile, ui::Edit* access, const std::string& accessText)
    {
        ClickRow(w.ListView1, -1);
        profile->SetText("3");
        access->SetText(accessText);
        w.cbxPermit->SetChecked(true);
        Choose(w.PermitComboBox, "permit");
    }

    static void ChooseIndex(ui::ComboBox* combo, int index)
    {
        combo->SetItemIndex(index);
        ui::Fire(combo->OnChange, static_cast<QObject*>(combo));
    }

    static std::string TypedMessage(const TypedField& f)
    {
        if (f.min > f.max)
            return std::string(f.caption) + ": Please input a valid IP address.";
        return std::string(f.caption) + ": Please input a number between " + std::to_string(f.min) + " and " +
               std::to_string(f.max) + ".";
    }

    // Every field of the window: emptied, out of range, well-formed.
    template <class Window>
    void ExpectTypedFields(Window& w, const RuleWindowFields& c)
    {
        int access = 20;
        for (const TypedField& f : c.fields) {
            SCOPED_TRACE(f.caption);
            const auto attempt = [&](const std::string& text) {
                WaitIdle(w);
                c.newRule(std::to_string(access));
                f.on();
                // The text is put in as a value the window holds, not typed: the input rule's
                // own test when the edit is left stays out of the way.
                c.add->setFocus();
                f.edit->SetText(text);
                ClearMessageBoxes();
                Click(c.add);
            };
            const auto refused = [&](const std::string& text, const std::string& message) {
                SCOPED_TRACE("text \"" + text + "\"");
                attempt(text);
                EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{message});
                EXPECT_EQ(QApplication::focusWidget(), f.edit);
                EXPECT_EQ(f.edit->Text(), text);
                EXPECT_TRUE(sim->TakeSetJournal().empty());
            };
            refused("", f.emptyMessage.empty() ? TypedMessage(f) : f.emptyMessage);
            const bool address = f.min > f.max;
            refused(address ? BadAddress : std::to_string(f.max + 1),
                    address || f.rangeMessage.empty() ? TypedMessage(f) : f.rangeMessage);
            if (f.subId == 0)
                continue;
            const std::string good = address ? GoodAddress : std::to_string(f.max);
            attempt(good);
            ASSERT_TRUE(WaitFor([&] { return !sim->SetJournal().empty(); }, 10000));
            const auto pdus = sim->TakeSetJournal();
            const std::string sent =
                c.entry + "." + std::to_string(f.subId) + ".3." + std::to_string(access) + "=" + good;
            EXPECT_NE(std::find(pdus.front().begin(), pdus.front().end(), sent), pdus.front().end())
                << sent << " not in " << ::testing::PrintToString(pdus.front());
            ++access;
        }
        WaitIdle(w);
    }

    template <class Window>
    Window& OpenRuleWindow()
    {
        Window& w = Open<Window>();
        WaitIdle(w);
        return w;
    }

};

// Shorthands of the rows.
std::function<void()> Nothing() { return [] {}; }
std::function<void()> Check(ui::CheckBox* box) { return [box] { box->SetChecked(true); }; }
std::function<void()> Steps(std::vector<std::function<void()>> steps)
{
    return [steps] {
        for (const auto& step : steps)
            step();
    };
}

} // namespace

TEST_F(AclRuleTypedFields, IngressIPv4Rule)
{
    auto& w = OpenRuleWindow<TIPProfileRuleForm>();
    const std::string empty = "Some check field is empty.";
    const auto protocol = [&](int index) { return [&w, index] { ChooseIndex(w.ProtocolComboBox, index); }; };
    const auto choose = [&](ui::ComboBox* combo, const char* text) { return [combo, text] { Choose(combo, text); }; };
    ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.IPRuleEdit, w.AccessIDEdit, "3", a); },
                          "1.3.6.1.4.1.171.12.9.3.2.1",
                          {
                              {"Profile ID", w.IPRuleEdit, Nothing(), 1, 512, "Mask ID must be set.", "", 0},
                              {"Access ID", w.AccessIDEdit, Nothing(), 0, 256, "Access ID must be set.", "", 0},
                              {"VLAN ID", w.RuleVIDEdit, Steps({Check(w.RuleVLANcbx), Check(w.cbxVID)}), 1, 4094, empty, "", 29},
                              {"Source IP Address", w.SourceIPEdit, Check(w.cbxSourceIP), IPv4, Address, empty, "", 4},
                              // The destination address has no check of the window's own.
                              {"Destination IP Address", w.DestIPEdit, Check(w.cbxDestIP), IPv4, Address, "", "", 5},
                              {"Source IP Mask", w.SourceIPMaskEdit,
                               Steps({Check(w.cbxSourceIP), [&] { w.SourceIPEdit->SetText("10.0.0.0"); }, Check(w.cbxSourceIPMask)}),
                               IPv4, Address, empty, "", 31},
                              {"Destination IP Mask", w.DestIPMaskEdit,
                               Steps({Check(w.cbxDestIP), [&] { w.DestIPEdit->SetText("10.0.0.0"); }, Check(w.cbxDestIPMask)}),
                               IPv4, Address, empty, "", 32},
                              {"DSCP (0-63)", w.DSCPEdit, Check(w.cbxDscp), 0, 63, empty, "", 6},
                              {"Type", w.TypeEdit, Steps({protocol(IPv4Icmp), Check(w.cbxType)}), 0, 255, empty, "", 8},
                              {"Code", w.CodeEdit, Steps({protocol(IPv4Icmp), Check(w.cbxCode)}), 0, 255, empty, "", 9},
                              {"Source Port", w.SourcePortEdit, Steps({protocol(IPv4Tcp), Check(w.cbxSourcePort)}), 0, 65535, empty, "", 10},
                              {"Destination Port", w.DestPortEdit, Steps({protocol(IPv4Udp), Check(w.cbxDestPort)}), 0, 65535, empty, "", 11},
                              {"Flag Bits", w.FlagEdit, Steps({protocol(IPv4Tcp), Check(w.cbxFBs)}), 0, 63, empty, "", 12},
                              {"Protocol ID", w.ProtocolIDEdit, Steps({protocol(IPv4ProtocolId), Check(w.cbxProtocolID)}), 0, 255, empty, "", 13},
                              {"Priority (0-7)", w.PriorityEdit, Steps({choose(w.EnablePriorityComboBox, "enabled"), Check(w.cbxPriority)}),
                               0, 7, empty, "", 16},
                              {"DSCP Value (0-63)", w.DSCPValueEdit,
                               Steps({choose(w.EnableReplaceDSCPComboBox, "enabled"), Check(w.cbxDSCPValue)}), 0, 63, empty, "", 19},
                              {"ToS Value (0-7)", w.TosValueEdit, Steps({choose(w.RepTosStateComboBox, "enabled"), Check(w.cbxRepTosValue)}),
                               0, 7, empty, "", 27},
                              {"VLAN-based VID", w.VLANBasedVIDEdit, Check(w.VLANBaseChkBox), 1, 4094, empty, "", 28},
                          }});
}

TEST_F(AclRuleTypedFields, IngressEthernetRule)
{
    auto& w = OpenRuleWindow<TEthernetProfileRuleForm>();
    const std::string empty = "Some check field is empty.";
    const auto choose = [&](ui::ComboBox* combo, const char* text) { return [combo, text] { Choose(combo, text); }; };
    ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.MaskIDEdit, w.AccessEdit, "3", a); },
                          "1.3.6.1.4.1.171.12.9.3.1.1",
                          {
                              {"Profile ID", w.MaskIDEdit, Nothing(), 1, 512, "Mask ID must be set.", "", 0},
                              {"Access ID", w.AccessEdit, Nothing(), 0, 256, "Access ID must be set.", "", 0},
                              {"VLAN ID", w.RuleVIDEdit, Steps({Check(w.RuleVLANcbx), Check(w.cbxVID)}), 1, 4094, empty, "", 21},
                              {"802.1p", w.IEEE8021pEdit, Check(w.cbxIEEE802dot1P), 0, 7, empty, "", 6},
                              {"Priority (0-7)", w.PriorityEdit, Steps({choose(w.EnablePriorityComboBox, "enabled"), Check(w.cbxPriority)}),
                               0, 7, empty, "Priority value should between 0-7", 9},
                              {"DSCP Value (0-63)", w.DSCPEdit,
                               Steps({choose(w.EnableReplaceDSCPComboBox, "enabled"), Check(w.cbxEnableDSCPValue)}), 0, 63,
                               "Replace DSCP Value should between 0-63.", "Replace DSCP Value should between 0-63.", 12},
                              {"ToS Value (0-7)", w.TosValueEdit, Steps({choose(w.RepTosStateComboBox, "enabled"), Check(w.cbxRepTosValue)}),
                               0, 7, empty, "", 19},
                              {"VLAN-based VID", w.VLANBasedVIDEdit, Check(w.VLANBaseChkBox), 1, 4094, empty, "", 20},
                          }});
}

TEST_F(AclRuleTypedFields, IngressIPv6Rule)
{
    auto& w = OpenRuleWindow<TIpv6RuleForm>();
    const std::string empty = "Some checked field is empty.";
    const auto protocol = [&](int index) { return [&w, index] { ChooseIndex(w.RuleProtoCombox, index); }; };
    const auto choose = [&](ui::ComboBox* combo, const char* text) { return [combo, text] { Choose(combo, text); }; };
    ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.edtRuleID, w.edtRuleAccessID, "3", a); },
                          "1.3.6.1.4.1.171.12.9.3.4.1",
                          {
                              {"Profile ID", w.edtRuleID, Nothing(), 1, 4, "Profile ID must be set.", "", 0},
                              {"Access ID", w.edtRuleAccessID, Nothing(), 0, 256, "Access ID must be set.", "", 0},
                              {"Class (0-255)", w.edtRuleClass, Check(w.cbxRuleClass), 0, 255, empty, "", 3},
                              {"Priority (0-7)", w.PriorityEdit, Steps({choose(w.EnablePriorityComboBox, "enabled"), Check(w.cbxPriority)}),
                               0, 7, empty, "", 8},
                              {"DSCP Value (0-63)", w.DSCPEdit,
                               Steps({choose(w.EnableReplaceDSCPComboBox, "enabled"), Check(w.cbxEnableDSCPValue)}), 0, 63, empty, "", 16},
                              {"ToS Value (0-7)", w.TosValueEdit, Steps({choose(w.RepTosStateComboBox, "enabled"), Check(w.cbxRepTosValue)}),
                               0, 7, empty, "", 18},
                              {"VLAN-based VID", w.VLANBasedVIDEdit, Check(w.VLANBaseChkBox), 1, 4094, "Some check field is empty.", "", 19},
                              {"Source Port", w.SrcPortEdit, Steps({protocol(IPv6Tcp), Check(w.SrcPortChx)}), 0, 65535,
                               "Some checked field is empty", "", 21},
                              {"Destination Port", w.DesPortEdit, Steps({protocol(IPv6Udp), Check(w.DesPortChx)}), 0, 65535,
                               "Some checked field is empty", "", 22},
                              {"ICMP Type", w.edtType, Steps({protocol(IPv6Icmp), Check(w.TypeChx)}), 0, 255, empty, "", 27},
                              {"ICMP Code", w.edtCode, Steps({protocol(IPv6Icmp), Check(w.CodeChx)}), 0, 255, empty, "", 28},
                          }});
}

TEST_F(AclRuleTypedFields, PacketContentRule)
{
    auto& w = OpenRuleWindow<TPktContentRuleForm>();
    const std::string empty = "Some checked field is empty.";
    const auto choose = [&](ui::ComboBox* combo, const char* text) { return [combo, text] { Choose(combo, text); }; };
    ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.edtProfile, w.edtAccess, "3", a); },
                          "1.3.6.1.4.1.171.12.9.3.7.1",
                          {
                              {"Profile ID", w.edtProfile, Nothing(), 1, 512, "IP Rule ID must be set.", "", 0},
                              {"Access ID", w.edtAccess, Nothing(), 0, 256, "IP Rule Access ID must be set.", "", 0},
                              {"Priority (0-7)", w.PriorityEdit, Steps({choose(w.EnablePriorityComboBox, "enabled"), Check(w.cbxPriority)}),
                               0, 7, empty, "", 12},
                              {"DSCP Value (0-63)", w.DSCPEdit,
                               Steps({choose(w.EnableReplaceDSCPComboBox, "enabled"), Check(w.cbxEnableDSCPValue)}), 0, 63, empty, "", 15},
                              // The ToS value has no empty test of the window's own: it used to go out as 0.
                              {"ToS Value (0-7)", w.TosValueEdit, Steps({choose(w.RepTosStateComboBox, "enabled"), Check(w.cbxRepTosValue)}),
                               0, 7, "", "", 22},
                              {"VLAN-based VID", w.VLANBasedVIDEdit, Check(w.VLANBaseChkBox), 1, 4094, "Some check field is empty.", "", 23},
                          }});
}

TEST_F(AclRuleTypedFields, EgressIPv4Rule)
{
    auto& w = OpenRuleWindow<TEgressIPv4RuleForm>();
    const std::string empty = "Some check field is empty.";
    const auto protocol = [&](int index) { return [&w, index] { ChooseIndex(w.ProtocolComboBox, index); }; };
    const auto choose = [&](ui::ComboBox* combo, const char* text) { return [combo, text] { Choose(combo, text); }; };
    ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewEgress(w, w.MaskIDEdit, w.AccessIDEdit, a); },
                          "1.3.6.1.4.1.171.12.89.3.2.1",
                          {
                              {"Profile ID", w.MaskIDEdit, Nothing(), 1, 4, "Profile ID must be set.", "", 0},
                              {"Access ID", w.AccessIDEdit, Nothing(), 0, 128, "Access ID must be set.", "", 0},
                              {"VLAN ID", w.RuleVIDEdit, Steps({Check(w.RuleVLANcbx), Check(w.cbxVID)}), 1, 4094, empty, "", 4},
                              {"Source IP Address", w.SourceIPEdit, Check(w.cbxSourceIP), IPv4, Address, empty, "", 6},
                              {"Destination IP Address", w.DestIPEdit, Check(w.cbxDestIP), IPv4, Address, "", "", 8},
                              {"DSCP (0-63)", w.DSCPEdit, Check(w.cbxDscp), 0, 63, empty, "", 10},
                              {"Type", w.TypeEdit, Steps({protocol(IPv4Icmp), Check(w.cbxType)}), 0, 255, empty, "", 12},
                              {"Code", w.CodeEdit, Steps({protocol(IPv4Icmp), Check(w.cbxCode)}), 0, 255, empty, "", 13},
                              {"Source Port", w.SourcePortEdit, Steps({protocol(IPv4Tcp), Check(w.cbxSourcePort)}), 0, 65535, empty, "", 14},
                              {"Destination Port", w.DestPortEdit, Steps({protocol(IPv4Udp), Check(w.cbxDestPort)}), 0, 65535, empty, "", 16},
                              {"Flag Bits", w.FlagEdit, Steps({protocol(IPv4Tcp), Check(w.cbxFBs)}), 0, 63, empty, "", 18},
                              {"Protocol ID", w.ProtocolIDEdit, Steps({protocol(IPv4ProtocolId), Check(w.cbxProtocolID)}), 0, 255, empty, "", 19},
                              {"VLAN-based VID", w.VLANBasedVIDEdit, Check(w.VLANBaseChkBox), 1, 4094, empty, "", 22},
                              {"Port", w.PortEdit, Check(w.PortChkBox), 1, 384, empty, "", 23},
                              {"Port Group (1-64)", w.PortGroupEdit, Check(w.cbxPortGroup), 1, 64, empty, "", 24},
                              {"Priority (0-7)", w.PriorityEdit, Steps({choose(w.EnablePriorityComboBox, "enabled"), Check(w.cbxPriority)}),
                               0, 7, empty, "", 27},
                              {"DSCP Value (0-63)", w.EnabledDSCPEdit,
                               Steps({choose(w.EnableReplaceDSCPComboBox, "enabled"), Check(w.cbxEnableDSCPValue)}), 0, 63, empty, "", 29},
                          }});
}

TEST_F(AclRuleTypedFields, EgressIPv6Rule)
{
    auto& w = OpenRuleWindow<TEgressIPv6RuleForm>();
    const std::string empty = "Some checked field is empty";
    const auto protocol = [&](int index) { return [&w, index] { ChooseIndex(w.RuleProtoCombox, index); }; };
    const auto choose = [&](ui::ComboBox* combo, const char* text) { return [combo, text] { Choose(combo, text); }; };
    ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewEgress(w, w.edtRuleID, w.edtRuleAccessID, a); },
                          "1.3.6.1.4.1.171.12.89.3.3.1",
                          {
                              {"Profile ID", w.edtRuleID, Nothing(), 1, 4, "Profles ID must be set.", "", 0},
                              {"Access ID", w.edtRuleAccessID, Nothing(), 0, 128, "Access ID must be set.", "", 0},
                              {"Class (0-255)", w.edtRuleClass, Check(w.cbxRuleClass), 0, 255, empty, "", 4},
                              {"ICMP Type", w.edtType, Check(w.TypeChx), 0, 255, empty, "", 10},
                              {"ICMP Code", w.edtCode, Check(w.CodeChx), 0, 255, empty, "", 11},
                              {"Source Port", w.SrcPortEdit, Steps({protocol(IPv6Tcp), Check(w.SrcPortChx)}), 0, 65535, empty, "", 12},
                              {"Destination Port", w.DesPortEdit, Steps({protocol(IPv6Udp), Check(w.DesPortChx)}), 0, 65535, empty, "", 14},
                              {"VLAN-based VID", w.VLANBasedVIDEdit, Check(w.VLANBaseChkBox), 1, 4094, "Some check field is empty", "", 16},
                              {"Port", w.PortEdit, Check(w.PortChkBox), 1, 384, "Some check field is empty", "", 17},
                              {"Port Group (1-64)", w.PortGroupEdit, Check(w.cbxPortGroup), 1, 64, "Some check field is empty", "", 18},
                              {"Priority (0-7)", w.PriorityEdit, Steps({choose(w.EnablePriorityComboBox, "enabled"), Check(w.cbxPriority)}),
                               0, 7, empty, "", 21},
                              {"DSCP Value (0-63)", w.EnabledDSCPEdit,
                               Steps({choose(w.EnableReplaceDSCPComboBox, "enabled"), Check(w.cbxEnableDSCPValue)}), 0, 63, empty, "", 23},
                          }});
}

TEST_F(AclRuleTypedFields, EgressEthernetRule)
{
    auto& w = OpenRuleWindow<TEgrssEthernetProfileRuleForm>();
    const std::string empty = "Some check field is empty.";
    const auto choose = [&](ui::ComboBox* combo, const char* text) { return [combo, text] { Choose(combo, text); }; };
    ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewEgress(w, w.MaskIDEdit, w.AccessEdit, a); },
                          "1.3.6.1.4.1.171.12.89.3.1.1",
                          {
                              {"Profile ID", w.MaskIDEdit, Nothing(), 1, 4, "Profile ID must be set.", "", 0},
                              {"Access ID", w.AccessEdit, Nothing(), 0, 128, "Access ID must be set.", "", 0},
                              {"VLAN ID", w.RuleVIDEdit, Steps({Check(w.RuleVLANcbx), Check(w.cbxVID)}), 1, 4094, empty, "", 4},
                              {"802.1p", w.IEEE8021pEdit, Check(w.cbxIEEE802dot1P), 0, 7, empty, "", 10},
                              {"VLAN-based VID", w.VLANBasedVIDEdit, Check(w.VLANBaseChkBox), 1, 4094, empty,
                               "VLAN-based VID should between 1-4094", 12},
                              {"Port", w.PortEdit, Check(w.PortChkBox), 1, 384, empty, "Port should between 1-384", 13},
                              {"Port Group (1-64)", w.PortGroupEdit, Check(w.cbxPortGroup), 1, 64, empty, "Port Group should between 1-64", 14},
                              {"Priority (0-7)", w.PriorityEdit, Steps({choose(w.EnablePriorityComboBox, "enabled"), Check(w.cbxPriority)}),
                               0, 7, empty, "Priority value should between 0-7", 17},
                              {"DSCP Value (0-63)", w.DSCPEdit,
                               Steps({choose(w.EnableReplaceDSCPComboBox, "enabled"), Check(w.cbxEnableDSCPValue)}), 0, 63, empty,
                               "Replace DSCP Value should between 0-63", 19},
                          }});
}

TEST_F(AclRuleTypedFields, CPUFilterRules)
{
    const std::string empty = "Some check field is empty";
    {
        SCOPED_TRACE("IPv4");
        auto& w = OpenRuleWindow<TCPUFilterIPRuleForm>();
        const auto protocol = [&](int index) { return [&w, index] { ChooseIndex(w.ProtocolComboBox, index); }; };
        ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.ProfileIDEdit, w.AccessEdit, "3", a); },
                              "1.3.6.1.4.1.171.12.9.5.2.1",
                              {
                                  {"Profile ID", w.ProfileIDEdit, Nothing(), 1, 5, "Profile ID must be set.", "", 0},
                                  {"Access ID", w.AccessEdit, Nothing(), 0, 100, "Access ID must be set.", "", 0},
                                  {"Source IP Address", w.SourceIPEdit, Check(w.cbxSourceIP), IPv4, Address, empty, "", 4},
                                  {"Destination IP Address", w.DestIPEdit, Check(w.cbxDestIP), IPv4, Address, empty, "", 5},
                                  {"DSCP (0-63)", w.DSCPEdit, Check(w.cbxDSCP), 0, 63, empty, "", 6},
                                  {"Type (0-255)", w.TypeEdit, Steps({protocol(IPv4Icmp), Check(w.cbxType)}), 0, 255, empty, "", 8},
                                  {"Code (0-255)", w.CodeEdit, Steps({protocol(IPv4Icmp), Check(w.cbxCode)}), 0, 255, empty, "", 9},
                                  {"Source Port (0-65535)", w.SourcePortEdit, Steps({protocol(IPv4Tcp), Check(w.cbxSourcePort)}), 0, 65535,
                                   empty, "", 10},
                                  {"Destination Port (0-65535)", w.DestPortEdit, Steps({protocol(IPv4Udp), Check(w.cbxDestPort)}), 0,
                                   65535, empty, "", 11},
                                  {"Flag Bits", w.FlagEdit, Steps({protocol(IPv4Tcp), Check(w.cbxFBs)}), 0, 63, empty, "", 12},
                                  {"Protocol ID (0-255)", w.ProtocolIDEdit, Steps({protocol(IPv4ProtocolId), Check(w.cbxProtocolID)}), 0,
                                   255, empty, "", 13},
                                  {"VLAN ID", w.RuleVIDEdit, Steps({Check(w.RuleVLANcbx), Check(w.cbxVID)}), 1, 4094, empty, "", 18},
                              }});
        delete &w;
    }
    {
        SCOPED_TRACE("Ethernet");
        auto& w = OpenRuleWindow<TCPUFilterEthernetRuleForm>();
        ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.ProfileIDEdit, w.AccessEdit, "3", a); },
                              "1.3.6.1.4.1.171.12.9.5.1.1",
                              {
                                  {"Profile ID", w.ProfileIDEdit, Nothing(), 1, 5, "Profile ID must be set.", "", 0},
                                  {"Access ID", w.AccessEdit, Nothing(), 0, 100, "Access ID must be set.", "", 0},
                                  {"802.1p", w.IEEE8021pEdit, Check(w.cbxIEEE802dot1P), 0, 7, empty, "", 6},
                                  {"VLAN ID", w.RuleVIDEdit, Steps({Check(w.RuleVLANcbx), Check(w.cbxVID)}), 1, 4094, empty, "", 11},
                              }});
        delete &w;
    }
    {
        SCOPED_TRACE("IPv6");
        auto& w = OpenRuleWindow<TCPUFilterIPV6RuleForm>();
        ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.ProfileIDEdit, w.AccessEdit, "3", a); },
                              "1.3.6.1.4.1.171.12.9.5.4.1",
                              {
                                  {"Profile ID", w.ProfileIDEdit, Nothing(), 1, 5, "Profile ID must be set.", "", 0},
                                  {"Access ID", w.AccessEdit, Nothing(), 0, 100, "Access ID must be set.", "", 0},
                                  {"Class (0-255)", w.ClassEdit, Check(w.cbxClass), 0, 255, empty, "", 3},
                              }});
        delete &w;
    }
    {
        SCOPED_TRACE("packet content");
        auto& w = OpenRuleWindow<TCPUFilterPktCntRuleForm>();
        ExpectTypedFields(w, {w.AddButton, [&](const std::string& a) { NewRule(w, w.ProfileIDEdit, w.AccessEdit, "3", a); },
                              "1.3.6.1.4.1.171.12.9.5.3.1",
                              {
                                  {"Profile ID", w.ProfileIDEdit, Nothing(), 1, 5, "Profile ID must be set.", "", 0},
                                  {"Access ID", w.AccessEdit, Nothing(), 0, 100, "Access ID must be set.", "", 0},
                              }});
        delete &w;
    }
}
