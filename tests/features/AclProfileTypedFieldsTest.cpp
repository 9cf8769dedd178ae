// The typed fields of the ACL profile windows, ingress and egress, against the simulated switch:
// an emptied or out-of-range number, or an address that is none, never reaches the switch (a
// message, the focus back on the edit, the text kept); a well-formed profile goes out exactly as
// typed, and an enabled mask edit left empty goes out as a zero-length octet string that the
// switch takes.

#include "AclFixture.h"

#include "features/acl/EgressEthetnetProfileForm.h"
#include "features/acl/EgressIPv4ProfileForm.h"
#include "features/acl/EgressIPv6ProfileForm.h"
#include "features/acl/EthernetProfileForm.h"
#include "features/acl/IPProfileForm.h"
#include "features/acl/IPv6ProfileForm.h"
#include "features/acl/PktContentProfileForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"

#include <QApplication>

#include <algorithm>
#include <functional>

namespace {

constexpr const char* IPv4Profile = "1.3.6.1.4.1.171.12.9.2.2.1";
constexpr const char* IPv6Profile = "1.3.6.1.4.1.171.12.9.2.4.1";
constexpr const char* EgressIPv4Profile = "1.3.6.1.4.1.171.12.89.2.2.1";

// Item indices of the IPv4 profiles' lists.
enum { NoProtocol, Icmp, Igmp, Tcp, Udp, ProtocolId };
enum { OtherPorts, DstPorts, SrcPorts, DstSrcPorts };
enum { OtherMasks, DstMask, SrcMask, DstSrcMasks };
constexpr int EnabledOption = 0;
constexpr int DisabledOption = 1;

class AclProfileTypedFields : public AclWindowTest {
protected:
    static void ChooseIndex(ui::ComboBox* combo, int index)
    {
        combo->SetItemIndex(index);
        ui::Fire(combo->OnChange, static_cast<QObject*>(combo));
    }

    // An opened window, its inputs filled by fill, its Add button.
    struct Filled {
        ui::Button* add;
        ui::Edit* edit; // the field of the case, typed last
    };
    using Opener = std::function<Filled(AclProfileTypedFields&)>;

    template <class Window>
    static Opener On(std::function<Filled(Window&)> fill)
    {
        return [fill](AclProfileTypedFields& test) { return fill(test.Show<Window>()); };
    }
};

} // namespace

TEST_F(AclProfileTypedFields, ATypoNeverReachesTheSwitch)
{
    struct Case {
        const char* name;
        Opener open;
        std::string text;
        std::string message;
    };
    const auto number = [](const char* field, int min, int max) {
        return std::string(field) + ": Please input a number between " + std::to_string(min) + " and " +
               std::to_string(max) + ".";
    };
    // The ingress IPv4 window with its Profile ID, the field's option chosen.
    const auto ipv4 = [](std::function<ui::Edit*(TIPProfileForm&)> option) {
        return On<TIPProfileForm>([option](TIPProfileForm& w) {
            w.edtProfileID->SetText("30");
            return Filled{w.BT_Add, option(w)};
        });
    };
    const auto egressIPv4 = [](std::function<ui::Edit*(TEgressIPv4ProfileForm&)> option) {
        return On<TEgressIPv4ProfileForm>([option](TEgressIPv4ProfileForm& w) {
            w.edtProfileID->SetText("3");
            w.edtProfileName->SetText("typo");
            ChooseIndex(w.cbbVlan, DisabledOption);
            return Filled{w.BT_Add, option(w)};
        });
    };
    const auto profileID = [](auto& w) { return w.edtProfileID; };
    const auto flagBitMask = [](auto& w) {
        ChooseIndex(w.cbbUseProType, Tcp);
        ChooseIndex(w.cbbTCPFlagBitOption, EnabledOption);
        return w.edtTCPFlagBitMask;
    };
    const auto protocolID = [](auto& w) {
        ChooseIndex(w.cbbUseProType, ProtocolId);
        ChooseIndex(w.cbbProOption, EnabledOption);
        return w.edtProtoID;
    };
    const auto srcMask = [](auto& w) {
        ChooseIndex(w.cbbIpAddMaskState, SrcMask);
        return w.edtIpAddMaskSrc;
    };
    const auto dstMask = [](auto& w) {
        ChooseIndex(w.cbbIpAddMaskState, DstMask);
        return w.edtIpAddMaskDst;
    };
    const auto ethernet = On<TEthernetProfileForm>([](TEthernetProfileForm& w) { return Filled{w.AddBtn, w.edtProfileID}; });
    const auto egressEthernet = On<TEgressEthetnetProfileForm>([](TEgressEthetnetProfileForm& w) {
        w.edtProfileName->SetText("typo");
        ChooseIndex(w.cbbOptionVLAN, DisabledOption);
        return Filled{w.AddBtn, w.edtProfileID};
    });
    const auto ipv6 = On<TIPv6ProfileForm>([](TIPv6ProfileForm& w) { return Filled{w.AddButton, w.edtMaskID}; });
    const auto egressIPv6 = On<TEgressIPv6ProfileForm>([](TEgressIPv6ProfileForm& w) {
        w.edtProfileName->SetText("typo");
        return Filled{w.AddButton, w.edtMaskID};
    });
    const auto packetContent = [](bool chunkValue) {
        return On<TPktContentProfileForm>([chunkValue](TPktContentProfileForm& w) {
            w.edtProfileID->SetText("30");
            Choose(w.cbbChunk1State, "enabled");
            w.edtChunk1Value->SetText("3");
            w.edtChunk1Offset->SetText("FF");
            return Filled{w.btnAdd, chunkValue ? w.edtChunk1Value : w.edtProfileID};
        });
    };
    const std::string badMask = "Please enter a valid Mask address";
    const Case cases[] = {
        {"IPv4 Profile ID emptied", ipv4(profileID), "", "Profile ID must be set."},
        {"IPv4 Profile ID out of range", ipv4(profileID), "513", number("Profile ID", 1, 512)},
        {"IPv4 Profile ID zero", ipv4(profileID), "0", number("Profile ID", 1, 512)},
        {"IPv4 source mask emptied", ipv4(srcMask), "", badMask},
        {"IPv4 source mask above 255", ipv4(srcMask), "255.255.256.0", badMask},
        // An emptied flag bit mask or protocol ID used to go out as 0.
        {"IPv4 flag bit mask emptied", ipv4(flagBitMask), "", number("TCP Flag Bit Mask", 0, 63)},
        {"IPv4 flag bit mask out of range", ipv4(flagBitMask), "64", number("TCP Flag Bit Mask", 0, 63)},
        {"IPv4 protocol ID emptied", ipv4(protocolID), "", number("Protocol ID", 0, 255)},
        {"IPv4 protocol ID out of range", ipv4(protocolID), "256", number("Protocol ID", 0, 255)},
        {"egress IPv4 Profile ID out of range", egressIPv4(profileID), "5", number("Profile ID", 1, 4)},
        {"egress IPv4 destination mask emptied", egressIPv4(dstMask), "", badMask},
        {"egress IPv4 destination mask above 255", egressIPv4(dstMask), "10.0.0.300", badMask},
        {"egress IPv4 flag bit mask emptied", egressIPv4(flagBitMask), "", number("TCP Flag Bit Mask", 0, 63)},
        {"egress IPv4 flag bit mask out of range", egressIPv4(flagBitMask), "64", number("TCP Flag Bit Mask", 0, 63)},
        {"egress IPv4 protocol ID emptied", egressIPv4(protocolID), "", number("Protocol ID", 0, 255)},
        {"egress IPv4 protocol ID out of range", egressIPv4(protocolID), "256", number("Protocol ID", 0, 255)},
        {"Ethernet Profile ID emptied", ethernet, "", "Profile ID must be set"},
        {"Ethernet Profile ID out of range", ethernet, "513", number("Profile ID", 1, 512)},
        {"egress Ethernet Profile ID out of range", egressEthernet, "5", number("Profile ID", 1, 4)},
        {"IPv6 Profile ID emptied", ipv6, "", "IPv6 Mask ID must be set."},
        {"IPv6 Profile ID out of range", ipv6, "513", number("Profile ID", 1, 512)},
        {"egress IPv6 Profile ID emptied", egressIPv6, "", "IPv6 Profile ID must be set."},
        {"egress IPv6 Profile ID out of range", egressIPv6, "0", number("Profile ID", 1, 4)},
        {"packet content Profile ID out of range", packetContent(false), "513", number("Profile ID", 1, 512)},
        {"packet content chunk value emptied", packetContent(true), "", "Please specify Chunk 1 Value."},
        {"packet content chunk value out of range", packetContent(true), "32", number("Chunk 1 Value", 0, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Filled f = c.open(*this);
        // The text is put in as a value the window holds, not typed: the input rule's own test
        // when the edit is left stays out of the way.
        f.add->setFocus();
        f.edit->SetText(c.text);
        ClearMessageBoxes();
        Click(f.add);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), f.edit);
        EXPECT_EQ(f.edit->Text(), c.text);
        EXPECT_TRUE(sim->SetJournal().empty());
        sim->ClearSetJournal();
    }
}

TEST_F(AclProfileTypedFields, AWellFormedProfileGoesOutAsTyped)
{
    StartSwitch(true); // the ingress IPv4 profiles emptied
    struct Case {
        const char* name;
        Opener open;
        std::string entry;
        std::string id;
        std::vector<SetJournalBinding> sent; // sub-identifier as OID, among the PDU's bindings
    };
    const auto x = [](const char* sub) { return SetJournalBinding{sub, 'x', ""}; };
    const Case cases[] = {
        // An enabled port mask left empty: a zero-length octet string, not a NULL the switch
        // refuses with wrongType.
        {"IPv4 udp source-port mask empty",
         On<TIPProfileForm>([](TIPProfileForm& w) {
             w.edtProfileID->SetText("10");
             ChooseIndex(w.cbbUseProType, Udp);
             ChooseIndex(w.cbbUDPOption, SrcPorts);
             return Filled{w.BT_Add, w.edtTCPUDPSrcMask};
         }),
         IPv4Profile, "10", {{"7", 'i', "5"}, {"11", 'i', "3"}, x("12")}},
        {"IPv4 masks and flag bit mask",
         On<TIPProfileForm>([](TIPProfileForm& w) {
             w.edtProfileID->SetText("11");
             ChooseIndex(w.cbbIpAddMaskState, DstSrcMasks);
             w.edtIpAddMaskSrc->SetText("255.255.255.0");
             w.edtIpAddMaskDst->SetText("255.255.0.0");
             ChooseIndex(w.cbbUseProType, Tcp);
             ChooseIndex(w.cbbTCPFlagBitOption, EnabledOption);
             w.edtTCPFlagBitMask->SetText("63");
             return Filled{w.BT_Add, w.edtTCPFlagBitMask};
         }),
         IPv4Profile, "11", {{"4", 'a', "255.255.255.0"}, {"5", 'a', "255.255.0.0"}, {"15", 'i', "63"}}},
        {"IPv4 protocol ID",
         On<TIPProfileForm>([](TIPProfileForm& w) {
             w.edtProfileID->SetText("12");
             ChooseIndex(w.cbbUseProType, ProtocolId);
             ChooseIndex(w.cbbProOption, EnabledOption);
             w.edtProtoID->SetText("0");
             return Filled{w.BT_Add, w.edtProtoID};
         }),
         IPv4Profile, "12", {{"17", 'i', "0"}}},
        {"egress IPv4 destination mask and flag bit mask",
         On<TEgressIPv4ProfileForm>([](TEgressIPv4ProfileForm& w) {
             w.edtProfileID->SetText("4");
             w.edtProfileName->SetText("flags");
             ChooseIndex(w.cbbVlan, DisabledOption);
             ChooseIndex(w.cbbIpAddMaskState, DstMask);
             w.edtIpAddMaskDst->SetText("255.0.0.0");
             ChooseIndex(w.cbbUseProType, Tcp);
             ChooseIndex(w.cbbTCPFlagBitOption, EnabledOption);
             w.edtTCPFlagBitMask->SetText("0");
             return Filled{w.BT_Add, w.edtTCPFlagBitMask};
         }),
         EgressIPv4Profile, "4", {{"8", 'a', "255.0.0.0"}, {"18", 'i', "0"}}},
        // A protocol ID with an empty user define mask: the mask a zero-length octet string.
        {"egress IPv4 protocol ID, user define mask empty",
         On<TEgressIPv4ProfileForm>([](TEgressIPv4ProfileForm& w) {
             w.edtProfileID->SetText("3");
             w.edtProfileName->SetText("proto6");
             ChooseIndex(w.cbbVlan, DisabledOption);
             ChooseIndex(w.cbbUseProType, ProtocolId);
             ChooseIndex(w.cbbProOption, EnabledOption);
             w.edtProtoID->SetText("6");
             return Filled{w.BT_Add, w.edtProIDMask};
         }),
         EgressIPv4Profile, "3", {{"20", 'i', "6"}, x("21")}},
        // Both port masks enabled by the TCP option and left empty.
        {"IPv6 tcp port masks empty",
         On<TIPv6ProfileForm>([](TIPv6ProfileForm& w) {
             w.edtMaskID->SetText("10");
             ChooseIndex(w.ProtoTypeCombo, TIPv6ProfileForm::TcpProtocol);
             ChooseIndex(w.TCPOptionCombo, TIPv6ProfileForm::DstSrcPorts);
             return Filled{w.AddButton, w.SourcePortEdit};
         }),
         IPv6Profile, "10", {x("14"), x("15")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Filled f = c.open(*this);
        ASSERT_TRUE(f.edit->isEnabled());
        ClearMessageBoxes();
        Click(f.add);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{});
        const std::vector<SetJournalPdu> pdus = sim->SetJournal();
        ASSERT_EQ(pdus.size(), 1u);
        for (SetJournalBinding expected : c.sent) {
            expected.oid = c.entry + "." + expected.oid + "." + c.id;
            EXPECT_NE(std::find(pdus[0].begin(), pdus[0].end(), expected), pdus[0].end())
                << expected.oid << " " << expected.type << " \"" << expected.value << "\"";
        }
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0}) << "the switch took the profile";
        sim->ClearSetJournal();
    }
}
