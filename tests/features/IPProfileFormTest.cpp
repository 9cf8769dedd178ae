// The ingress IPv4 ACL profile window against the simulated switch: the list, what a new
// profile's write carries by the choices made, the duplicate test, Delete, and a write that
// fails before it is sent.

#include "AclFixture.h"

#include "features/acl/IPProfileForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <functional>

namespace {

constexpr const char* Profile = "1.3.6.1.4.1.171.12.9.2.2.1";

std::string Cell(int subId, const std::string& instance)
{
    return std::string(Profile) + "." + std::to_string(subId) + "." + instance;
}

class IPv4ProfileWindow : public AclWindowTest {
protected:
    TIPProfileForm& OpenIdle()
    {
        // Every read is synchronous: the list is there when the window is.
        TIPProfileForm& w = Open<TIPProfileForm>();
        EXPECT_TRUE(Idle(w));
        return w;
    }
};

TEST_F(IPv4ProfileWindow, ListsTheProfilesAndShowsARowWithoutEditingIt)
{
    TIPProfileForm& w = OpenIdle();
    ASSERT_EQ(w.ListView1->ColumnCount(), 23);
    EXPECT_EQ(w.ListView1->ColumnCaption(22), "VLAN Mask");
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/disabled", "2/enabled"}));
    EXPECT_EQ(w.txtEntries->Caption(), "2");
    EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-512)");
    EXPECT_FALSE(ui::Visible(w.edtSrcMacAddrMask));
    EXPECT_EQ(w.cbbOwner->y(), w.edtSrcMacAddrMask->y());
    EXPECT_EQ(w.OtherGroupBox->height(), 60);
    EXPECT_TRUE(w.BT_Add->isEnabled());
    EXPECT_FALSE(w.BT_Delete->isEnabled());

    ClickRow(w.ListView1, 0);
    EXPECT_TRUE(w.BT_Delete->isEnabled());
    EXPECT_FALSE(w.BT_Add->isEnabled());
    EXPECT_FALSE(w.edtProfileID->isEnabled());
    EXPECT_FALSE(w.edtProfileName->isEnabled());
    EXPECT_EQ(w.edtProfileName->Text(), "web-servers");
    EXPECT_EQ(w.cbbUseProType->Text(), "tcp");
    EXPECT_TRUE(w.edtTCPFlagBitMask->isEnabled());
    EXPECT_TRUE(w.edtIpAddMaskSrc->isEnabled());
    EXPECT_FALSE(w.edtIpAddMaskDst->isEnabled());
    EXPECT_FALSE(w.cbbOwner->isEnabled());
    ClickRow(w.ListView1, -1);
    EXPECT_TRUE(w.BT_Add->isEnabled());
    EXPECT_EQ(w.edtProfileID->Text(), "");
    EXPECT_EQ(w.cbbUseProType->Text(), "none");
}

TEST_F(IPv4ProfileWindow, AnEmptyTableListsNothing)
{
    StartSwitch(true);
    TIPProfileForm& w = OpenIdle();
    EXPECT_EQ(w.ListView1->Count(), 0);
    EXPECT_EQ(w.txtEntries->Caption(), "0");
    EXPECT_FALSE(w.BT_Delete->isEnabled());
}

// What Add writes follows from the choices: the mask state, the protocol and its options, and
// the optional texts.
TEST_F(IPv4ProfileWindow, AddWritesWhatTheChoicesSelect)
{
    TIPProfileForm& w = OpenIdle();
    struct Case {
        const char* profile;
        std::function<void()> choose;
        std::vector<std::string> sent; // "sub-identifier=value" at the profile's instance
    };
    const Case cases[] = {
        {"5", [] {}, {"2=2", "6=2", "19=4"}},
        {"6",
         [&] {
             Choose(w.cbbIpAddMaskState, "src-ip-addr");
             w.edtIpAddMaskSrc->SetText("255.255.0.0");
         },
         {"2=2", "3=3", "4=255.255.0.0", "6=2", "19=4"}},
        {"7",
         [&] {
             Choose(w.cbbIpAddMaskState, "dst-src-ip-addr");
             w.edtIpAddMaskSrc->SetText("255.255.0.0");
             w.edtIpAddMaskDst->SetText("255.0.0.0");
         },
         {"2=2", "3=4", "4=255.255.0.0", "5=255.0.0.0", "6=2", "19=4"}},
        {"8",
         [&] {
             Choose(w.cbbUseProType, "tcp");
             Choose(w.cbbTCPOption, "dst-addr");
             w.edtTCPUDPDstPortMask->SetText("00FF");
             Choose(w.cbbTCPFlagBitOption, "enabled");
             w.edtTCPFlagBitMask->SetText("12");
         },
         {"2=2", "6=2", "7=4", "10=2", "13=00FF", "14=1", "15=12", "19=4"}},
        {"9",
         [&] {
             Choose(w.cbbVlan, "enabled");
             w.edtVLANMask->SetText("0FFF");
             Choose(w.cbbUseProType, "protocolID");
             Choose(w.cbbProOption, "enabled");
             w.edtProtoID->SetText("6");
             w.edtProfileName->SetText("web");
         },
         // The empty user mask stays out.
         {"2=1", "6=2", "7=6", "16=1", "17=6", "19=4", "23=776562", "24=0FFF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        c.choose();
        w.edtProfileID->SetText(c.profile);
        Click(w.BT_Add);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        std::vector<std::string> expected;
        for (const std::string& s : c.sent)
            expected.push_back(std::string(Profile) + "." + s.substr(0, s.find('=')) + "." + c.profile + s.substr(s.find('=')));
        EXPECT_EQ(Sets(), std::vector<std::vector<std::string>>{expected});
        // Read again and back in Add mode.
        EXPECT_EQ(w.ListView1->Item(w.ListView1->Count() - 1)->Caption(), c.profile);
        EXPECT_EQ(w.edtProfileID->Text(), "");
        EXPECT_EQ(w.cbbUseProType->Text(), "none");
    }
    // The source mask edit of the TCP destination option was off and empty.
    Choose(w.cbbUseProType, "tcp");
    w.edtTCPUDPSrcMask->SetText("1234");
    Choose(w.cbbTCPOption, "dst-addr");
    EXPECT_FALSE(w.edtTCPUDPSrcMask->isEnabled());
    EXPECT_EQ(w.edtTCPUDPSrcMask->Text(), "");
}

TEST_F(IPv4ProfileWindow, AMaskStateNeedsItsMasks)
{
    TIPProfileForm& w = OpenIdle();
    w.edtProfileID->SetText("5");
    Choose(w.cbbIpAddMaskState, "dst-src-ip-addr");
    w.edtIpAddMaskDst->SetText("255.0.0.0");
    Click(w.BT_Add);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please enter a valid Mask address"});
    EXPECT_EQ(QApplication::focusWidget(), w.edtIpAddMaskSrc);
    ClearMessageBoxes();
    w.edtProfileID->SetText("");
    Click(w.BT_Add);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Profile ID must be set."});
    EXPECT_TRUE(Sets().empty());
}

// Every listed Profile ID is a duplicate, "2" too; the same number written otherwise is not
// (the switch then refuses to create the row it has).
TEST_F(IPv4ProfileWindow, EveryListedProfileIsADuplicate)
{
    TIPProfileForm& w = OpenIdle();
    for (const char* listed : {"1", "2"}) {
        SCOPED_TRACE(listed);
        ClearMessageBoxes();
        w.edtProfileID->SetText(listed);
        Click(w.BT_Add);
        EXPECT_EQ(MessageBoxTexts(),
                  std::vector<std::string>{"There is already a record with the same IP Mask ID. Please modify it."});
        EXPECT_EQ(QApplication::focusWidget(), w.edtProfileID);
        EXPECT_TRUE(Sets().empty());
    }
    ClearMessageBoxes();
    w.edtProfileID->SetText("02");
    Click(w.BT_Add);
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].back(), Cell(19, "2") + "=4");
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].Text.find("nconsistent"), std::string::npos) << MessageBoxes()[0].Text;
    EXPECT_EQ(w.ListView1->Count(), 2);
}

TEST_F(IPv4ProfileWindow, DeleteWritesTheStatusAlone)
{
    TIPProfileForm& w = OpenIdle();
    ClickRow(w.ListView1, 1);
    Click(w.BT_Delete);
    EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Cell(19, "2") + "=6"}}));
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/disabled"}));
    EXPECT_FALSE(w.BT_Delete->isEnabled());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A write that raises before it is sent is not silent: its message stands in the status line
// after the read that follows it.
TEST_F(IPv4ProfileWindow, AWriteThatFailsShowsWhy)
{
    TIPProfileForm& w = OpenIdle();
    w.Request->Request.Device.Address = "no such host name!";
    w.edtProfileID->SetText("5");
    Click(w.BT_Add);
    EXPECT_TRUE(Sets().empty());
    const std::string line = StatusLine(&w);
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find("Get:"), std::string::npos) << line;
    EXPECT_TRUE(w.BT_Add->isEnabled());
    EXPECT_EQ(w.edtProfileID->Text(), "");
    // Once the address is usable again the window works as before.
    w.Request->Request.Device.Address = sim->Address();
    Click(w.BT_Get);
    EXPECT_EQ(w.ListView1->Count(), 2);
}

} // namespace
