// The typed addresses of the list windows' dialogs against the simulated switch: an emptied, a
// malformed or a missing address is refused with a message that names the field and the focus
// on its edit, and nothing reaches the switch; a well-formed one goes out exactly as typed.

#include "IPWindowsFixture.h"

#include "features/system/IPCtrlEdtForm.h"
#include "features/system/IpCtrlForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Edit.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string Interfaces = "1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1";

// The instance of an interface name: its length, then its characters.
std::string Named(const std::string& name)
{
    std::string index = std::to_string(name.size());
    for (unsigned char c : name)
        index += "." + std::to_string(c);
    return index;
}

class ListDialogTypedValues : public IPWindowTest {};

// The IP interface dialog, in both modes, with only its address and mask ticked: an emptied or
// missing address or mask is told by name; the request's own refusal is never all the user sees.
TEST_F(ListDialogTypedValues, IpInterfaceDialog)
{
    using Window = TIpCtrlForm;
    using Dialog = TIPCtrlEdtForm;
    struct Case {
        const char* name;
        bool add; // an Add of "IP3", else an Edit of "Mgmt"
        const char* address;
        const char* mask;
        std::vector<std::string> messages;
        const char* focus; // the edit that has the focus after the refusal
        Rows sent;
    };
    const std::string mgmt = Named("Mgmt");
    const std::string ip3 = Named("IP3");
    const std::string refusedAddress = "IP Address: Please input a valid IP address.";
    const std::string refusedMask = "Subnet Mask: Please input a valid IP address.";
    const Case cases[] = {
        {"edit: both emptied", false, "", "", {refusedAddress}, "edtIPAddr", {}},
        {"edit: address emptied", false, "", "255.255.255.0", {"Please input a valid IP."}, "edtIPAddr", {}},
        {"edit: mask emptied", false, "10.9.9.9", "", {"Please input valid Subnet Mask."}, "edtMask", {}},
        {"edit: address above 255", false, "10.0.0.300", "255.255.255.0", {"Please input a valid IP."}, "edtIPAddr", {}},
        {"edit: well-formed", false, "10.9.9.9", "255.255.255.0", {}, nullptr,
         {{Interfaces + ".3." + mgmt + "=10.9.9.9", Interfaces + ".4." + mgmt + "=255.255.255.0",
           Interfaces + ".16." + mgmt + "=1"}}},
        {"add: address without a mask", true, "10.8.8.8", "", {refusedMask}, "edtMask", {}},
        {"add: mask above 255", true, "10.8.8.8", "255.255.255.256", {refusedMask}, "edtMask", {}},
        {"add: address above 255", true, "10.8.8.300", "255.255.255.0", {refusedAddress}, "edtIPAddr", {}},
        {"add: mask without an address", true, "", "255.255.255.0", {refusedAddress}, "edtIPAddr", {}},
        {"add: well-formed", true, "10.8.8.8", "255.255.255.0", {}, nullptr,
         {{Interfaces + ".3." + ip3 + "=10.8.8.8", Interfaces + ".4." + ip3 + "=255.255.255.0",
           Interfaces + ".16." + ip3 + "=4"}}},
    };
    InWindow<Window>([&](Window& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
            ClearMessageBoxes();
            const auto open = [&] {
                if (c.add)
                    Click(w.btnAdd);
                else
                    DoubleClickRow(w.ListView1, RowOf(w.ListView1, "Mgmt"));
            };
            InDialog<Dialog>(open, [&](Dialog& d) {
                if (c.add) {
                    d.edtInterface->SetText("IP3");
                    d.edtVlan->SetText("v3");
                }
                d.edtIPAddr->SetText(c.address);
                d.edtMask->SetText(c.mask);
                for (ui::CheckBox* box : {d.CheckBox4, d.CheckBox6, d.CheckBox7, d.CheckBox8, d.CheckBox_Option12State,
                                          d.CheckBox_HostName, d.CheckBox11, d.CheckBox12, d.CheckBox16})
                    box->SetChecked(false);
                d.CheckBox2->SetChecked(true);
                d.CheckBox3->SetChecked(true);
                Click(d.btnSet);
                EXPECT_EQ(MessageBoxTexts(), c.messages);
                EXPECT_EQ(Closing(d), c.messages.empty());
                if (c.focus != nullptr) {
                    ASSERT_NE(d.focusWidget(), nullptr);
                    EXPECT_EQ(d.focusWidget()->objectName().toStdString(), c.focus);
                    EXPECT_EQ(d.edtIPAddr->Text(), c.address);
                    EXPECT_EQ(d.edtMask->Text(), c.mask);
                }
            });
            EXPECT_EQ(Sets(), c.sent);
        }
    });
}

} // namespace
