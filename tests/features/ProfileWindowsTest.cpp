// The Ethernet and IPv6 ACL profile windows, ingress and egress, and the egress IPv4 one against
// the simulated switch: what Add writes by the choices made, the duplicate tests, the checks of
// the masks and names, Delete, and writes that fail.

#include "AclFixture.h"

#include "features/acl/EgressEthetnetProfileForm.h"
#include "features/acl/EgressIPv4ProfileForm.h"
#include "features/acl/EgressIPv6ProfileForm.h"
#include "features/acl/EthernetProfileForm.h"
#include "features/acl/IPv6ProfileForm.h"
#include "features/acl/TextChecks.h"

#include "ui/Button.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/MessageLoop.h"

#include <QApplication>

#include <functional>

namespace {

constexpr const char* EthernetTable = "1.3.6.1.4.1.171.12.9.2.1.1";
constexpr const char* IPv6Table = "1.3.6.1.4.1.171.12.9.2.4.1";
constexpr const char* EgressEthernetTable = "1.3.6.1.4.1.171.12.89.2.1.1";
constexpr const char* EgressIPv4Table = "1.3.6.1.4.1.171.12.89.2.2.1";
constexpr const char* EgressIPv6Table = "1.3.6.1.4.1.171.12.89.2.3.1";

const std::string HalfMask = std::string(16, 'F') + std::string(16, '0');
const std::string HostMask(32, 'F');

// "sub-identifier=value" texts as the journal shows them at the instance of a table.
std::vector<std::string> Bindings(const std::string& table, const std::string& instance,
                                  const std::vector<std::string>& sent)
{
    std::vector<std::string> full;
    for (const std::string& s : sent) {
        const std::size_t equals = s.find('=');
        full.push_back(table + "." + s.substr(0, equals) + "." + instance + s.substr(equals));
    }
    return full;
}

// The parts every profile window has, whatever their names.
struct Parts {
    QWidget* form;
    ui::ListView* list;
    ui::Edit* id;
    ui::Edit* name;
    ui::Button* add;
    ui::Button* del;
};

Parts PartsOf(TEthernetProfileForm& w) { return {&w, w.ListView1, w.edtProfileID, w.edtProfileName, w.AddBtn, w.BT_Delete}; }
Parts PartsOf(TEgressEthetnetProfileForm& w)
{
    return {&w, w.ListView1, w.edtProfileID, w.edtProfileName, w.AddBtn, w.BT_Delete};
}
Parts PartsOf(TIPv6ProfileForm& w) { return {&w, w.ListView1, w.edtMaskID, w.edtProfileName, w.AddButton, w.DeleteButton}; }
Parts PartsOf(TEgressIPv6ProfileForm& w)
{
    return {&w, w.ListView1, w.edtMaskID, w.edtProfileName, w.AddButton, w.DeleteButton};
}
Parts PartsOf(TEgressIPv4ProfileForm& w) { return {&w, w.ListView1, w.edtProfileID, w.edtProfileName, w.BT_Add, w.BT_Delete}; }

class ProfileWindows : public AclWindowTest {
protected:
    // A step of a table case on one window class, run on the window shown.
    using Step = std::function<void(QWidget*)>;
    template <class Window>
    static Step On(std::function<void(Window&)> step)
    {
        return [step](QWidget* form) { step(*dynamic_cast<Window*>(form)); };
    }
    template <class Window>
    static std::function<Parts(ProfileWindows&)> Opener()
    {
        return [](ProfileWindows& test) { return PartsOf(test.Show<Window>()); };
    }
};

// --- what Add writes

TEST_F(ProfileWindows, AddWritesWhatTheChoicesSelect)
{
    struct Case {
        const char* name;
        std::function<Parts(ProfileWindows&)> open;
        Step choose; // before the Profile ID is typed and Add clicked
        const char* table;
        const char* id;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        // The state "other" is written, neither mask; an empty name and VLAN mask stay out.
        {"Ethernet other", Opener<TEthernetProfileForm>(), On<TEthernetProfileForm>([](auto&) {}), EthernetTable, "5",
         {"2=1", "3=1", "6=2", "7=2", "8=4"}},
        {"Ethernet dst-mac-addr after a source was typed", Opener<TEthernetProfileForm>(),
         On<TEthernetProfileForm>([](TEthernetProfileForm& w) {
             Choose(w.cbbMacMaskState, "dst-src-mac-addr");
             w.edtSrcMacMask->SetText("FFFFFF000000");
             w.edtDstMacMask->SetText("00000000FFFF");
             Choose(w.cbbMacMaskState, "dst-mac-addr");
             EXPECT_FALSE(w.edtSrcMacMask->isEnabled());
             EXPECT_EQ(w.edtSrcMacMask->Text(), "");
         }),
         EthernetTable, "6", {"2=1", "3=2", "5=00000000FFFF", "6=2", "7=2", "8=4"}},
        {"Ethernet VLAN disabled", Opener<TEthernetProfileForm>(),
         On<TEthernetProfileForm>([](TEthernetProfileForm& w) {
             w.edtVLANMask->SetText("0FFF");
             Choose(w.cbbOptionVLAN, "disabled");
             Choose(w.cbbOption8021p, "enabled");
         }),
         EthernetTable, "7", {"2=2", "3=1", "6=1", "7=2", "8=4"}},
        {"Ethernet VLAN mask and name", Opener<TEthernetProfileForm>(),
         On<TEthernetProfileForm>([](TEthernetProfileForm& w) {
             w.edtVLANMask->SetText("0FFF");
             w.edtProfileName->SetText("lab");
         }),
         EthernetTable, "8", {"2=1", "3=1", "6=2", "7=2", "8=4", "11=6C6162", "12=0FFF"}},
        {"IPv6 dst-src", Opener<TIPv6ProfileForm>(),
         On<TIPv6ProfileForm>([](TIPv6ProfileForm& w) {
             Choose(w.cbxMaskState, "dst-src-ipv6-addr");
             w.edtSrcMask->SetText(HalfMask);
             w.edtDstMask->SetText(HostMask);
         }),
         IPv6Table, "5", {"2=2", "3=2", "4=4", "5=" + HalfMask, "6=" + HostMask, "7=4"}},
        {"IPv6 icmp", Opener<TIPv6ProfileForm>(),
         On<TIPv6ProfileForm>([](TIPv6ProfileForm& w) {
             Choose(w.ProtoTypeCombo, "icmp");
             Choose(w.ICMPOptionCombo, "type-code");
             EXPECT_FALSE(w.TCPOptionCombo->isEnabled());
             EXPECT_FALSE(w.UDPOptionCombo->isEnabled());
             EXPECT_FALSE(w.SourcePortEdit->isEnabled());
             EXPECT_FALSE(w.DstPortEdit->isEnabled());
             w.edtProfileName->SetText("v6");
         }),
         IPv6Table, "6", {"2=2", "3=2", "7=4", "10=7636", "11=4", "16=4"}},
        {"IPv6 tcp dst-addr", Opener<TIPv6ProfileForm>(),
         On<TIPv6ProfileForm>([](TIPv6ProfileForm& w) {
             Choose(w.ProtoTypeCombo, "tcp");
             Choose(w.TCPOptionCombo, "dst-addr");
             EXPECT_FALSE(w.SourcePortEdit->isEnabled());
             w.DstPortEdit->SetText("00FF");
         }),
         IPv6Table, "7", {"2=2", "3=2", "7=4", "11=2", "12=2", "15=00FF"}},
        {"egress IPv4 dst-src-ip-addr", Opener<TEgressIPv4ProfileForm>(),
         On<TEgressIPv4ProfileForm>([](TEgressIPv4ProfileForm& w) {
             w.edtProfileName->SetText("new");
             w.edtVLANMask->SetText("0FFF");
             Choose(w.cbbIpAddMaskState, "dst-src-ip-addr");
             w.edtIpAddMaskSrc->SetText("255.255.0.0");
             w.edtIpAddMaskDst->SetText("255.0.0.0");
         }),
         EgressIPv4Table, "3", {"2=4", "3=6E6577", "4=1", "5=0FFF", "6=4", "7=255.255.0.0", "8=255.0.0.0", "9=2"}},
        // Row Status comes right after the key in the egress tables.
        {"egress Ethernet", Opener<TEgressEthetnetProfileForm>(),
         On<TEgressEthetnetProfileForm>([](TEgressEthetnetProfileForm& w) {
             w.edtProfileName->SetText("new");
             w.edtVLANMask->SetText("0FFF");
             Choose(w.cbbMacMaskState, "src-mac-addr");
             w.edtSrcMacMask->SetText("FFFFFFFFFFFF");
         }),
         EgressEthernetTable, "3", {"2=4", "3=6E6577", "4=1", "5=0FFF", "6=2", "7=2", "8=3", "9=FFFFFFFFFFFF"}},
        {"egress IPv6", Opener<TEgressIPv6ProfileForm>(),
         On<TEgressIPv6ProfileForm>([](TEgressIPv6ProfileForm& w) {
             w.edtProfileName->SetText("new");
             Choose(w.ProtoTypeCombo, "udp");
             Choose(w.UDPOptionCombo, "src-addr");
             w.SourcePortEdit->SetText("FF00");
         }),
         EgressIPv6Table, "2", {"2=4", "3=6E6577", "4=2", "8=3", "11=3", "12=FF00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parts w = c.open(*this);
        const int listed = w.list->Count();
        c.choose(w.form);
        w.id->SetText(c.id);
        Click(w.add);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        ClearMessageBoxes();
        EXPECT_EQ(Sets(), std::vector<std::vector<std::string>>{Bindings(c.table, c.id, c.sent)});
        // Read again, and back in Add mode.
        EXPECT_EQ(w.list->Count(), listed + 1);
        EXPECT_EQ(w.id->Text(), "");
        EXPECT_TRUE(w.add->isEnabled());
        EXPECT_FALSE(w.del->isEnabled());
    }
}

// --- the duplicate tests

TEST_F(ProfileWindows, ListedProfilesAndNamesAreRefusedBeforeAnythingIsSent)
{
    struct Case {
        const char* name;
        std::function<Parts(ProfileWindows&)> open;
        Step fill; // the inputs but the Profile ID and the name
        const char* id;
        const char* profileName;
        const char* message; // none: sent
        bool focusOnName;
    };
    const Step nothing = [](QWidget*) {};
    const Step vlanMask = On<TEgressIPv4ProfileForm>([](auto& w) { w.edtVLANMask->SetText("0FFF"); });
    const Step ethernetVlanMask = On<TEgressEthetnetProfileForm>([](auto& w) { w.edtVLANMask->SetText("0FFF"); });
    const Case cases[] = {
        // Every Profile ID is tested, "1" too; "01" is another text, which the switch refuses.
        {"Ethernet 1", Opener<TEthernetProfileForm>(), nothing, "1", "",
         "There is already a record with the same Profile ID. Please modify it.", false},
        {"Ethernet 3", Opener<TEthernetProfileForm>(), nothing, "3", "",
         "There is already a record with the same Profile ID. Please modify it.", false},
        // The duplicate test comes first: a missing mask is not reported.
        {"Ethernet 1 without its mask", Opener<TEthernetProfileForm>(),
         On<TEthernetProfileForm>([](auto& w) { Choose(w.cbbMacMaskState, "dst-mac-addr"); }), "1", "",
         "There is already a record with the same Profile ID. Please modify it.", false},
        {"Ethernet 01", Opener<TEthernetProfileForm>(), nothing, "01", "", nullptr, false},
        {"IPv6 2", Opener<TIPv6ProfileForm>(), nothing, "2", "",
         "There is already a record with the same Profile ID. Please modify it.", false},
        {"egress Ethernet ID", Opener<TEgressEthetnetProfileForm>(), nothing, "1", "other",
         "There is already a record with the same Profile ID. Please modified it.", false},
        {"egress Ethernet name", Opener<TEgressEthetnetProfileForm>(), nothing, "3", "eg-vlan",
         "There is already a record with the same Name. Please modified it.", true},
        {"egress IPv4 ID", Opener<TEgressIPv4ProfileForm>(), vlanMask, "2", "other",
         "There is already a record with the same Profile ID. Please modified it.", false},
        {"egress IPv4 name", Opener<TEgressIPv4ProfileForm>(), vlanMask, "3", "eg-ping",
         "There is already a record with the same Profile Name. Please modified it.", true},
        {"egress IPv6 ID", Opener<TEgressIPv6ProfileForm>(), nothing, "3", "other",
         "There is already a record with the same Profile ID. Please modify it.", false},
        {"egress IPv6 name", Opener<TEgressIPv6ProfileForm>(), nothing, "2", "eg-v6",
         "There is already a record with the same Profile Name. Please modify it.", true},
        // A name that is another profile's ID text is a name like any other.
        {"egress IPv4 named 1", Opener<TEgressIPv4ProfileForm>(), vlanMask, "3", "1", nullptr, false},
        {"egress Ethernet named 2", Opener<TEgressEthetnetProfileForm>(), ethernetVlanMask, "4", "2", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        const Parts w = c.open(*this);
        c.fill(w.form);
        w.id->SetText(c.id);
        w.name->SetText(c.profileName);
        Click(w.add);
        const auto sets = Sets();
        if (c.message == nullptr) {
            EXPECT_EQ(sets.size(), 1u);
            continue;
        }
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), c.focusOnName ? w.name : w.id);
        EXPECT_TRUE(sets.empty());
        EXPECT_EQ(w.id->Text(), c.id) << "the inputs are kept";
    }
}

TEST_F(ProfileWindows, ASecondProfileOfTheSameNumberWrittenOtherwiseIsTheSwitchsToRefuse)
{
    TEthernetProfileForm& w = Show<TEthernetProfileForm>();
    w.edtProfileID->SetText("01");
    Click(w.AddBtn);
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].back(), std::string(EthernetTable) + ".8.1=4");
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].Text.find("nconsistent"), std::string::npos) << MessageBoxes()[0].Text;
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/enabled", "3/disabled"}));
}

// --- the checks of the inputs

TEST_F(ProfileWindows, AMacMaskIsCheckedWhenItsEditIsLeft)
{
    TEthernetProfileForm& w = Show<TEthernetProfileForm>();
    Choose(w.cbbMacMaskState, "src-mac-addr");
    for (const char* refused : {"0011-2233-4455", "00112233", "0011223344GG"}) {
        SCOPED_TRACE(refused);
        ClearMessageBoxes();
        w.edtSrcMacMask->SetFocus();
        w.edtSrcMacMask->SetText("");
        TypeInto(w.edtSrcMacMask, refused);
        w.edtProfileID->SetText("5");
        Click(w.AddBtn);
        ui::ProcessMessages();
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Source MAC Address Mask: Please enter a valid MAC address!"});
        EXPECT_EQ(w.edtSrcMacMask->Text(), refused) << "the refused text stays";
        EXPECT_TRUE(Sets().empty());
    }
    ClearMessageBoxes();
    w.edtSrcMacMask->SetText("");
    TypeInto(w.edtSrcMacMask, "0000FFFFFFFF");
    Click(w.AddBtn);
    ui::ProcessMessages();
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Sets(), std::vector<std::vector<std::string>>{
                          Bindings(EthernetTable, "5", {"2=1", "3=3", "4=0000FFFFFFFF", "6=2", "7=2", "8=4"})});
}

TEST_F(ProfileWindows, AddChecksItsInputsInOrder)
{
    struct Case {
        const char* name;
        std::function<Parts(ProfileWindows&)> open;
        Step fill;
        std::string message;
        std::function<QWidget*(QWidget*)> focus; // the control the focus is on afterwards
    };
    const auto ethernet = [](std::function<void(TEthernetProfileForm&)> f) { return On<TEthernetProfileForm>(f); };
    const auto ipv6 = [](std::function<void(TIPv6ProfileForm&)> f) { return On<TIPv6ProfileForm>(f); };
    const auto egressIPv6 = [](std::function<void(TEgressIPv6ProfileForm&)> f) { return On<TEgressIPv6ProfileForm>(f); };
    const auto egressIPv4 = [](std::function<void(TEgressIPv4ProfileForm&)> f) { return On<TEgressIPv4ProfileForm>(f); };
    const auto egressEthernet = [](std::function<void(TEgressEthetnetProfileForm&)> f) {
        return On<TEgressEthetnetProfileForm>(f);
    };
    const std::string badMask = std::string(31, 'F') + "g";
    const std::string colonMask = "fe80:0000:0000:0000:0000:0000:00";
    const Case cases[] = {
        {"Ethernet ID", Opener<TEthernetProfileForm>(), ethernet([](auto& w) { w.edtProfileID->SetText(""); }),
         "Profile ID must be set", [](QWidget* f) -> QWidget* { return dynamic_cast<TEthernetProfileForm*>(f)->edtProfileID; }},
        {"Ethernet destination mask first", Opener<TEthernetProfileForm>(),
         ethernet([](auto& w) { Choose(w.cbbMacMaskState, "dst-src-mac-addr"); }), "Please enter a valid MAC address",
         [](QWidget* f) -> QWidget* { return dynamic_cast<TEthernetProfileForm*>(f)->edtDstMacMask; }},
        {"IPv6 empty destination", Opener<TIPv6ProfileForm>(),
         ipv6([&](auto& w) {
             Choose(w.cbxMaskState, "dst-src-ipv6-addr");
             w.edtSrcMask->SetText(HalfMask);
         }),
         "Some checked field is empty.", [](QWidget* f) -> QWidget* { return dynamic_cast<TIPv6ProfileForm*>(f)->edtDstMask; }},
        {"IPv6 no hexadecimal digit", Opener<TIPv6ProfileForm>(),
         ipv6([&](auto& w) {
             Choose(w.cbxMaskState, "src-ipv6-addr");
             w.edtSrcMask->SetText(badMask);
         }),
         IPv6LengthMessage, [](QWidget* f) -> QWidget* { return dynamic_cast<TIPv6ProfileForm*>(f)->edtSrcMask; }},
        {"IPv6 ID", Opener<TIPv6ProfileForm>(), ipv6([](auto& w) { w.edtMaskID->SetText(""); }),
         "IPv6 Mask ID must be set.", [](QWidget* f) -> QWidget* { return dynamic_cast<TIPv6ProfileForm*>(f)->edtMaskID; }},
        // The egress IPv6 masks are tested as the ingress ones: never sent as other octets.
        {"egress IPv6 no hexadecimal digit", Opener<TEgressIPv6ProfileForm>(),
         egressIPv6([&](auto& w) {
             w.edtProfileName->SetText("new");
             Choose(w.cbxMaskState, "dst-ipv6-addr");
             w.edtDstMask->SetText(badMask);
         }),
         IPv6LengthMessage, [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressIPv6ProfileForm*>(f)->edtDstMask; }},
        {"egress IPv6 colon form", Opener<TEgressIPv6ProfileForm>(),
         egressIPv6([&](auto& w) {
             w.edtProfileName->SetText("new");
             Choose(w.cbxMaskState, "dst-src-ipv6-addr");
             w.edtSrcMask->SetText(colonMask);
             w.edtDstMask->SetText(HostMask);
         }),
         IPv6LengthMessage, [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressIPv6ProfileForm*>(f)->edtSrcMask; }},
        {"egress IPv6 name", Opener<TEgressIPv6ProfileForm>(), egressIPv6([](auto&) {}), "Profile Name must be set.",
         [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressIPv6ProfileForm*>(f)->edtProfileName; }},
        {"egress IPv6 ID", Opener<TEgressIPv6ProfileForm>(), egressIPv6([](auto& w) { w.edtMaskID->SetText(""); }),
         "IPv6 Profile ID must be set.", [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressIPv6ProfileForm*>(f)->edtMaskID; }},
        {"egress IPv4 name", Opener<TEgressIPv4ProfileForm>(), egressIPv4([](auto&) {}), "Profile Name must be set.",
         [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressIPv4ProfileForm*>(f)->edtProfileName; }},
        {"egress IPv4 VLAN mask", Opener<TEgressIPv4ProfileForm>(),
         egressIPv4([](auto& w) { w.edtProfileName->SetText("new"); }), "Please enter VLAN Mask.",
         [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressIPv4ProfileForm*>(f)->edtVLANMask; }},
        {"egress IPv4 source mask first", Opener<TEgressIPv4ProfileForm>(),
         egressIPv4([](auto& w) {
             w.edtProfileName->SetText("new");
             w.edtVLANMask->SetText("0FFF");
             Choose(w.cbbIpAddMaskState, "dst-src-ip-addr");
             w.edtIpAddMaskDst->SetText("255.0.0.0");
         }),
         "Please enter a valid Mask address",
         [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressIPv4ProfileForm*>(f)->edtIpAddMaskSrc; }},
        {"egress Ethernet name", Opener<TEgressEthetnetProfileForm>(), egressEthernet([](auto&) {}),
         "Profile Name must be set",
         [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressEthetnetProfileForm*>(f)->edtProfileName; }},
        {"egress Ethernet VLAN mask", Opener<TEgressEthetnetProfileForm>(),
         egressEthernet([](auto& w) { w.edtProfileName->SetText("new"); }), "Please enter VLAN Mask.",
         [](QWidget* f) -> QWidget* { return dynamic_cast<TEgressEthetnetProfileForm*>(f)->edtVLANMask; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        const Parts w = c.open(*this);
        w.id->SetText("4");
        c.fill(w.form);
        Click(w.add);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), c.focus(w.form));
        EXPECT_TRUE(Sets().empty());
    }
}

// The port masks take hexadecimal digits alone: the octet codec would write any other character
// as the digit 0.
TEST_F(ProfileWindows, PortMasksTakeHexadecimalDigitsAlone)
{
    const auto check = [&](ui::ComboBox* option, ui::ComboBox* protocol, ui::Edit* source, ui::Edit* destination) {
        Choose(option, "dst-src-addr");
        Choose(protocol, "tcp");
        for (ui::Edit* mask : {source, destination}) {
            TypeInto(mask, "1z:2");
            EXPECT_EQ(mask->Text(), "12");
            TypeInto(mask, "34");
        }
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    };
    {
        TIPv6ProfileForm& w = Show<TIPv6ProfileForm>();
        check(w.TCPOptionCombo, w.ProtoTypeCombo, w.SourcePortEdit, w.DstPortEdit);
    }
    TEgressIPv6ProfileForm& w = Show<TEgressIPv6ProfileForm>();
    check(w.TCPOptionCombo, w.ProtoTypeCombo, w.SourcePortEdit, w.DstPortEdit);
    // Four digits or none: a shorter mask is refused when the edit is left.
    w.SourcePortEdit->SetText("");
    TypeInto(w.SourcePortEdit, "A");
    TypeInto(w.edtProfileName, "x");
    ui::ProcessMessages();
    EXPECT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(w.SourcePortEdit->Text(), "A") << "the refused text stays, to be corrected";
}

// --- Delete

TEST_F(ProfileWindows, DeleteWritesTheStatusAloneAndReadsTheTableAgain)
{
    struct Case {
        const char* name;
        std::function<Parts(ProfileWindows&)> open;
        int row;
        const char* table;
        std::string status; // "sub-identifier.instance"
    };
    const Case cases[] = {
        {"Ethernet", Opener<TEthernetProfileForm>(), 1, EthernetTable, "8.3"},
        {"IPv6", Opener<TIPv6ProfileForm>(), 0, IPv6Table, "7.1"},
        {"egress Ethernet", Opener<TEgressEthetnetProfileForm>(), 1, EgressEthernetTable, "2.2"},
        {"egress IPv4", Opener<TEgressIPv4ProfileForm>(), 0, EgressIPv4Table, "2.1"},
        {"egress IPv6", Opener<TEgressIPv6ProfileForm>(), 1, EgressIPv6Table, "2.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parts w = c.open(*this);
        const int listed = w.list->Count();
        ClickRow(w.list, c.row);
        EXPECT_TRUE(w.del->isEnabled());
        EXPECT_FALSE(w.add->isEnabled());
        EXPECT_FALSE(w.id->isEnabled());
        EXPECT_FALSE(w.name->isEnabled());
        Click(w.del);
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{std::string(c.table) + "." + c.status + "=6"}}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        EXPECT_EQ(w.list->Count(), listed - 1);
        EXPECT_FALSE(w.del->isEnabled());
        EXPECT_TRUE(w.add->isEnabled());
        EXPECT_TRUE(w.id->isEnabled());
    }
}

// --- writes that fail

// A write the switch refuses is reported by the request; the window reads the table again and
// is back in Add mode.
TEST_F(ProfileWindows, AWriteTheSwitchRefusesIsShownAndTheTableReadAgain)
{
    struct Case {
        const char* name;
        std::function<Parts(ProfileWindows&)> open;
        Step fill;
        const char* id;
        std::string refused; // the prefix the switch refuses: the new row's status alone
    };
    const Case cases[] = {
        {"Ethernet", Opener<TEthernetProfileForm>(), [](QWidget*) {}, "5", std::string(EthernetTable) + ".8.5"},
        {"egress IPv4", Opener<TEgressIPv4ProfileForm>(), On<TEgressIPv4ProfileForm>([](auto& w) {
             w.edtProfileName->SetText("new");
             w.edtVLANMask->SetText("0FFF");
         }),
         "3", std::string(EgressIPv4Table) + ".2.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        const Parts w = c.open(*this);
        sim->Control("error " + c.refused + " genErr");
        const int listed = w.list->Count();
        c.fill(w.form);
        w.id->SetText(c.id);
        const int reads = Stat("getnext");
        Click(w.add);
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{5});
        sim->ClearSetJournal();
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_NE(MessageBoxes()[0].Text.find("eneral"), std::string::npos) << MessageBoxes()[0].Text;
        EXPECT_GT(Stat("getnext"), reads) << "the table read again";
        EXPECT_EQ(w.list->Count(), listed);
        EXPECT_EQ(w.id->Text(), "");
        sim->Control("reset");
    }
}

// A write that raises before it is sent is never silent: its message stands in the status line
// once the window is back in Add mode (and after the read that follows it, where there is one).
TEST_F(ProfileWindows, AWriteThatRaisesShowsWhyInTheStatusLine)
{
    {
        // A mask the edit's check never saw: no MAC address, so the write cannot be built; the
        // reads go on working.
        TEthernetProfileForm& w = Show<TEthernetProfileForm>();
        Choose(w.cbbMacMaskState, "dst-mac-addr");
        w.edtDstMacMask->SetText("0102");
        w.edtProfileID->SetText("5");
        Click(w.AddBtn);
        EXPECT_TRUE(Sets().empty());
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        const std::string line = StatusLine(&w);
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find("Ok!"), std::string::npos) << line;
        EXPECT_TRUE(w.AddBtn->isEnabled());
        EXPECT_EQ(w.edtProfileID->Text(), "");
        EXPECT_EQ(w.ListView1->Count(), 2);
    }
    {
        // The egress Ethernet window the same way.
        TEgressEthetnetProfileForm& w = Show<TEgressEthetnetProfileForm>();
        w.edtProfileName->SetText("new");
        w.edtVLANMask->SetText("0FFF");
        Choose(w.cbbMacMaskState, "dst-mac-addr");
        w.edtDstMacMask->SetText("0102");
        w.edtProfileID->SetText("3");
        Click(w.AddBtn);
        EXPECT_TRUE(Sets().empty());
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        const std::string line = StatusLine(&w);
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find("Ok!"), std::string::npos) << line;
        EXPECT_TRUE(w.AddBtn->isEnabled());
        EXPECT_EQ(w.edtProfileID->Text(), "");
    }
    // An address that cannot be used: the read after the failed write fails as well, quietly.
    TEgressIPv4ProfileForm& w = Show<TEgressIPv4ProfileForm>();
    w.Request->Request.Device.Address = "no such host name!";
    w.edtProfileID->SetText("3");
    w.edtProfileName->SetText("new");
    w.edtVLANMask->SetText("0FFF");
    Click(w.BT_Add);
    EXPECT_TRUE(Sets().empty());
    const std::string line = StatusLine(&w);
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find("Get:"), std::string::npos) << line;
    EXPECT_TRUE(w.BT_Add->isEnabled());
    w.Request->Request.Device.Address = sim->Address();
    Click(w.BT_Get);
    EXPECT_EQ(w.ListView1->Count(), 2);
}

// --- what the windows show

TEST_F(ProfileWindows, ListsTheirTablesAndShowARowWithoutEditingIt)
{
    {
        TEthernetProfileForm& w = Show<TEthernetProfileForm>();
        ASSERT_EQ(w.ListView1->ColumnCount(), 12);
        EXPECT_EQ(w.ListView1->ColumnCaption(0), "Profile ID ");
        EXPECT_EQ(w.txtEntries->Caption(), "2");
        EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-512)");
        EXPECT_TRUE(w.ValueControls.empty());
        EXPECT_FALSE(ui::Visible(w.SetBtn));
        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.edtProfileName->Text(), "mac-hosts");
        EXPECT_EQ(w.cbbMacMaskState->Text(), "dst-src-mac-addr");
        EXPECT_TRUE(w.edtSrcMacMask->isEnabled());
        EXPECT_EQ(w.edtVLANMask->Text(), "0FFF");
        EXPECT_FALSE(w.cbbOwner->isEnabled());
        ClickRow(w.ListView1, -1);
        EXPECT_TRUE(w.AddBtn->isEnabled());
        EXPECT_EQ(w.edtProfileName->Text(), "");
        EXPECT_EQ(w.cbbMacMaskState->Text(), "dst-src-mac-addr") << "the lists keep their choices";
    }
    {
        TIPv6ProfileForm& w = Show<TIPv6ProfileForm>();
        EXPECT_EQ(w.ListView1->ColumnCount(), 16);
        EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/enable", "2/disable"}));
        EXPECT_EQ(w.Static->Caption(), "2");
        EXPECT_FALSE(ui::Visible(w.EditButton));
        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_EQ(w.ProtoTypeCombo->Text(), "tcp");
        EXPECT_TRUE(w.DstPortEdit->isEnabled());
        EXPECT_FALSE(w.SourcePortEdit->isEnabled());
        EXPECT_TRUE(w.edtEntries->isReadOnly() || !w.edtEntries->isEnabled()) << "shown, never edited";
        ClickRow(w.ListView1, -1);
        EXPECT_EQ(w.ProtoTypeCombo->Text(), "none");
        EXPECT_EQ(w.cbxMaskClass->Text(), "disable");
        EXPECT_FALSE(w.EditButton->isEnabled());
    }
    {
        TEgressEthetnetProfileForm& w = Show<TEgressEthetnetProfileForm>();
        EXPECT_EQ(w.ListView1->ColumnCount(), 11);
        EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-4)");
        EXPECT_FALSE(ui::Visible(w.cbbOwner));
        EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/active", "2/active"}));
    }
    {
        TEgressIPv4ProfileForm& w = Show<TEgressIPv4ProfileForm>();
        ASSERT_EQ(w.ListView1->ColumnCount(), 22);
        EXPECT_EQ(w.ListView1->ColumnCaption(12), "TCP Optio");
        EXPECT_EQ(w.ListView1->ColumnCaption(13), "UDP Optio");
        EXPECT_EQ(w.lblIPIDLabel->Caption(), "Profile ID (1-4)");
        EXPECT_TRUE(w.edtVLANMask->isEnabled()) << "VLAN starts enabled";
        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.cbbUseProType->Text(), "tcp");
        EXPECT_TRUE(w.edtTCPUDPDstPortMask->isEnabled());
    }
    TEgressIPv6ProfileForm& w = Show<TEgressIPv6ProfileForm>();
    EXPECT_EQ(w.ListView1->ColumnCount(), 14);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/active", "3/active"}));
    EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-4)");
}

} // namespace
