// The typed numbers, addresses and dates of the system windows that write from their own edits,
// against the simulated switch: per window and typed field, an emptied and an out-of-range or
// malformed text is refused with a message and the focus on its edit, the text kept and nothing
// in the switch's SET journal; a well-formed text goes out exactly as typed.

#include "IPWindowsFixture.h"

#include "features/system/CurrentTimeForm.h"
#include "features/system/LogSaveControlForm.h"
#include "features/system/MultpAuthGuestVlanForm.h"
#include "features/system/PortSecurityGlobalSettingsForm.h"
#include "features/system/PortSecurityVLANOnPortForm.h"
#include "features/system/PortSecurityVLANTableForm.h"
#include "features/system/SMTPControlForm.h"
#include "features/system/SSLManagementForm.h"
#include "features/system/SafeguardCtrlForm.h"
#include "features/system/ServerInformationForm.h"
#include "features/system/TCPWEBForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

#include <map>

namespace {

using Pdus = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

// One typed text in one edit: the messages it draws (none: it goes out) and the SETs it makes.
struct Typed {
    const char* edit; // the edit's component name
    std::string text;
    Texts messages;
    Pdus sent;
};

// The message of a refused number, as the windows word it.
std::string Between(const std::string& field, int low, int high)
{
    return field + ": Please input a number between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

class ScalarTypedValues : public IPWindowTest {
protected:
    std::vector<std::string> DataFiles() const override
    {
        return {"system-info.dat", "management-access.dat", "portsecurity-safeguard.dat", "aaa-servers.dat",
                "systemlists.dat", "guest-vlans.dat"};
    }

    void SetUp() override
    {
        IPWindowTest::SetUp();
        ModelNameCopy = "Sorvane-Kb";
    }

    // Opens the window once and tries each row in it, as typed text that the edit's input rule let
// through: the well-formed texts of defaults typed
    // first, then the row's text in its edit; prepare ticks and chooses what the write needs,
    // set clicks the window's button. Waits for the window's request to settle after each.
    template <class Window>
    void TryRows(const std::vector<Typed>& rows, const std::map<std::string, std::string>& defaults,
                 const std::function<void(Window&, const Typed&)>& prepare,
                 const std::function<void(Window&)>& set)
    {
        InWindow<Window>([&](Window& w) {
            for (const Typed& row : rows) {
                SCOPED_TRACE(std::string(row.edit) + " \"" + row.text + "\"");
                ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
                // The edit a refusal gave the focus gives it up empty, so that its own input
                // rule has nothing to say when the next row's clicks move the focus.
                if (auto* focused = dynamic_cast<ui::Edit*>(w.focusWidget())) {
                    focused->SetText("");
                    focused->clearFocus();
                }
                ClearMessageBoxes();
                Sets();
                prepare(w, row);
                for (const auto& [name, text] : defaults)
                    Find<ui::Edit>(&w, name)->SetText(text);
                auto* edit = Find<ui::Edit>(&w, row.edit);
                ASSERT_NE(edit, nullptr);
                edit->SetText(row.text);
                set(w);
                EXPECT_EQ(MessageBoxTexts(), row.messages);
                if (row.messages.empty()) {
                    EXPECT_EQ(SetsOnceThere(row.sent.size()), row.sent);
                } else {
                    EXPECT_EQ(w.focusWidget(), edit);
                    EXPECT_EQ(edit->Text(), row.text);
                    ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
                    EXPECT_TRUE(Sets().empty());
                }
            }
        });
    }
};

TEST_F(ScalarTypedValues, CurrentTime)
{
    const std::string clock = "1.3.6.1.4.1.171.12.10.2.0";
    const std::string refused = "Current Clock: Please input a valid date and time, e.g.: 2007-5-26,15:30:15.0.";
    TryRows<TCurrentTimeForm>(
        {
            {"currentclockEdit", "", {"The Current Edit should not be empty!"}, {}},
            {"currentclockEdit", "abc", {refused}, {}},
            {"currentclockEdit", "2007-13-45,25:61:61.0", {refused}, {}},
            {"currentclockEdit", "2007-2-29,1:00:00.0", {refused}, {}},
            {"currentclockEdit", "2007-4-31,1:00:00.0", {refused}, {}},
            {"currentclockEdit", "2007-5-26,15:30:15", {refused}, {}},
            {"currentclockEdit", "2007-5-26 15:30:15.0", {refused}, {}},
            {"currentclockEdit", "2008-2-29,23:59:60.9", {}, {{clock + "=07D8021D173B3C092B0000"}}},
            {"currentclockEdit", "2007-5-26,15:30:15.0", {}, {{clock + "=07D7051A0F1E0F002B0000"}}},
        },
        {}, [](TCurrentTimeForm&, const Typed&) {}, [](TCurrentTimeForm& w) { Click(w.SetButton); });
}

TEST_F(ScalarTypedValues, TelnetAndWebPorts)
{
    const std::string servers = "1.3.6.1.4.1.171.11.133.2.1.2.1.2";
    TryRows<TTCPWEBForm>(
        {
            {"TCPPortEdit", "", {Between("Telnet Port", 1, 65535)}, {}},
            {"TCPPortEdit", "65536", {Between("Telnet Port", 1, 65535)}, {}},
            {"WebPortEdit", "0", {Between("Web Port", 1, 65535)}, {}},
            {"TCPPortEdit", "2323", {}, {{servers + ".14.2.0=2323"}}},
        },
        {},
        [](TTCPWEBForm& w, const Typed& row) {
            Click(w.ClearButton);
            Click(std::string(row.edit) == "TCPPortEdit" ? w.CheckBox2 : w.CheckBox4);
        },
        [](TTCPWEBForm& w) { Click(w.SetButton); });
}

TEST_F(ScalarTypedValues, SslCacheTimeout)
{
    const std::string ssl = "1.3.6.1.4.1.171.12.7.1";
    TryRows<TSSLManagementForm>(
        {
            {"edtCacheTimeOut", "59", {Between("Cache Timeout", 60, 86400)}, {}},
            {"edtCacheTimeOut", "86401", {Between("Cache Timeout", 60, 86400)}, {}},
            {"edtCacheTimeOut", "-600", {Between("Cache Timeout", 60, 86400)}, {}},
            {"edtCacheTimeOut", "600", {}, {{ssl + ".1.0=3", ssl + ".2.0=60", ssl + ".3.0=600"}}},
        },
        {},
        [](TSSLManagementForm& w, const Typed&) {
            w.cbxciphersuites1->SetItemIndex(0);
            w.cbxciphersuites2->SetItemIndex(1);
            w.cbxciphersuites3->SetItemIndex(1);
            w.cbxciphersuites4->SetItemIndex(0);
        },
        [](TSSLManagementForm& w) { Click(w.btnSet); });
}

TEST_F(ScalarTypedValues, LogSaveInterval)
{
    const std::string refused = Between("Log SaveTime Interval", 1, 65535);
    TryRows<TLogSaveControlForm>(
        {
            {"EdLogSavetimeInterval", "", {refused}, {}},
            {"EdLogSavetimeInterval", "0", {refused}, {}},
            {"EdLogSavetimeInterval", "65536", {refused}, {}},
            {"EdLogSavetimeInterval", "120", {}, {{"1.3.6.1.4.1.171.12.12.3.1.0=1", "1.3.6.1.4.1.171.12.12.3.2.0=120"}}},
        },
        {}, [](TLogSaveControlForm& w, const Typed&) { Choose(w.cbxLogSaveMethod, "time-interval"); },
        [](TLogSaveControlForm& w) { Click(w.btnSet); });
}

TEST_F(ScalarTypedValues, SmtpPorts)
{
    const std::string smtp = "1.3.6.1.4.1.171.12.29.1";
    TryRows<TSMTPControlForm>(
        {
            {"Ed_SourcePort", "", {Between("Server Port", 0, 65535)}, {}},
            {"Ed_SourcePort", "65536", {Between("Server Port", 0, 65535)}, {}},
            {"EditIPv6Port", "", {Between("IPv6 Port", 0, 65535)}, {}},
            {"EditIPv6Port", "-1", {Between("IPv6 Port", 0, 65535)}, {}},
            {"Ed_SourcePort", "587", {}, {{smtp + ".3.0=587"}}},
        },
        {},
        [](TSMTPControlForm& w, const Typed& row) {
            ASSERT_TRUE(WaitFor([&] { return !w.Ed_SourceAddress->Text().empty(); }));
            Click(w.Clear_All);
            Click(std::string(row.edit) == "Ed_SourcePort" ? w.CheckBox3 : w.CheckBox10);
        },
        [](TSMTPControlForm& w) { Click(w.Btn_Set); });
}

TEST_F(ScalarTypedValues, SafeguardThresholds)
{
    const std::string safeguard = "1.3.6.1.4.1.171.12.19.2";
    TryRows<TSafeguardCtrlForm>(
        {
            {"edtRising", "", {"Rising Threshold should between 20-100"}, {}},
            {"edtRising", "-30", {"Rising Threshold should between 20-100"}, {}},
            {"edtRising", "101", {"Rising Threshold should between 20-100"}, {}},
            {"edtFalling", "19", {"Falling Threshold should between 20-100"}, {}},
            {"edtRising", "80", {}, {{safeguard + ".1.0=80"}}},
        },
        {},
        [](TSafeguardCtrlForm& w, const Typed& row) {
            w.btnClearCheckClick(w.btnClearCheck);
            (std::string(row.edit) == "edtRising" ? w.ckRising : w.ckFalling)->SetChecked(true);
        },
        [](TSafeguardCtrlForm& w) { Click(w.btnSet); });
}

TEST_F(ScalarTypedValues, PortSecurityLimits)
{
    const std::string global = "1.3.6.1.4.1.171.12.63.1";
    TryRows<TPortSecurityGlobalSettingsForm>(
        {
            {"EdSystemMaxLearnAddress", "", {"Please input a Max. Learn Address number."}, {}},
            {"EdSystemMaxLearnAddress", "0", {Between("System Max Learn Address", 1, 3328)}, {}},
            {"EdSystemMaxLearnAddress", "3329", {Between("System Max Learn Address", 1, 3328)}, {}},
            {"EdSystemMaxLearnAddress", "100", {}, {{global + ".2.0=100", global + ".1.0=2"}}},
        },
        {}, [](TPortSecurityGlobalSettingsForm& w, const Typed&) { w.CBoxNolimit->SetChecked(false); },
        [](TPortSecurityGlobalSettingsForm& w) { Click(w.btnSet); });

    const std::string vlans = "1.3.6.1.4.1.171.12.63.3.2.1.1";
    TryRows<TPortSecurityVLANTableForm>(
        {
            {"MaxLearnAddressEdit", "", {"Please input a Max. Learn Address number."}, {}},
            {"MaxLearnAddressEdit", "3329", {Between("Max Learn Address", 0, 3328)}, {}},
            {"MaxLearnAddressEdit", "-2", {Between("Max Learn Address", 0, 3328)}, {}},
            {"MaxLearnAddressEdit", "32", {}, {{vlans + ".2.20=32", vlans + ".3.20=1"}}},
        },
        {},
        [](TPortSecurityVLANTableForm& w, const Typed&) {
            ASSERT_TRUE(WaitFor([&] { return w.DataComplete == 1 && w.ListView1->Count() == 3; }));
            ClickRow(w.ListView1, 2); // VLAN 20
            w.CBoxNolimit->SetChecked(false);
        },
        [](TPortSecurityVLANTableForm& w) { Click(w.SetButton); });

    const std::string vlanPorts = "1.3.6.1.4.1.171.12.63.3.3.1.1";
    TryRows<TPortSecurityVLANOnPortForm>(
        {
            {"PortEdit", "0", {"Please input a valid Port number."}, {}},
            {"VIDEdit", "", {"Please input a VLAN ID."}, {}},
            {"VIDEdit", "4095", {Between("VLAN ID", 1, 4094)}, {}},
            {"MaxLearnAddressEdit", "", {"Please input a Max. Learn Address number."}, {}},
            {"MaxLearnAddressEdit", "3329", {Between("Max. Learn Address", 0, 3328)}, {}},
            {"MaxLearnAddressEdit", "16", {}, {{vlanPorts + ".1.5.30=16"}}},
        },
        {{"PortEdit", "5"}, {"VIDEdit", "30"}, {"MaxLearnAddressEdit", "16"}},
        [](TPortSecurityVLANOnPortForm& w, const Typed&) { w.CBoxNolimit->SetChecked(false); },
        [](TPortSecurityVLANOnPortForm& w) { Click(w.AddButton); });
}

TEST_F(ScalarTypedValues, MultipleAuthenticationGuestVlanId)
{
    const std::string entry = "1.3.6.1.4.1.171.12.3.11.2.1";
    TryRows<TMultpAuthGuestVlanForm>(
        {
            {"VIDEdit", "", {"Please input a VLAN ID."}, {}},
            {"VIDEdit", "0", {Between("Guest VLAN ID", 1, 4094)}, {}},
            {"VIDEdit", "4095", {Between("Guest VLAN ID", 1, 4094)}, {}},
            {"VIDEdit", "30", {}, {{entry + ".3.30=4"}, {entry + ".2.30=0000000000000000"}}},
        },
        {}, [](TMultpAuthGuestVlanForm&, const Typed&) {}, [](TMultpAuthGuestVlanForm& w) { Click(w.ADDButton); });
}

// An emptied value is left to the switch; a typed one is a number within its range.
TEST_F(ScalarTypedValues, AuthenticationServerValues)
{
    const std::string servers = "1.3.6.1.4.1.171.12.5.10.1";
    const std::string row = ".10.90.90.7.1";
    TryRows<TServerInformationForm>(
        {
            {"PortEdit", "65536", {Between("Authentication Port", 1, 65535)}, {}},
            {"PortEdit", "0", {Between("Authentication Port", 1, 65535)}, {}},
            {"TimeoutEdit", "256", {Between("Timeout", 1, 255)}, {}},
            {"RetryCEdit", "0", {Between("Retry Count", 1, 255)}, {}},
            {"RetryCEdit", "-1", {Between("Retry Count", 1, 255)}, {}},
            {"TimeoutEdit", "", {}, {{servers + ".3" + row + "=49", servers + ".6" + row + "=3", servers + ".7" + row + "=4"}}},
        },
        {{"IPEdit", "10.90.90.7"}, {"PortEdit", "49"}, {"TimeoutEdit", "7"}, {"RetryCEdit", "3"}, {"KeyEdit", ""}},
        [](TServerInformationForm& w, const Typed&) {
            w.ProtocolComboBox->SetItemIndex(w.ProtocolComboBox->IndexOf("tacacs"));
        },
        [](TServerInformationForm& w) { Click(w.AddButton); });
}

} // namespace
