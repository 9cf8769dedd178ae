// Delete in the list windows whose Add dialog shares the controls that hold the selected row's
// keys: select a row, open Add and type another row's keys, close the dialog, Delete. Only the
// selected row goes, whatever the dialog left in the controls.

#include "IPWindowsFixture.h"

#include "features/system/DNSCtrlAddForm.h"
#include "features/system/DNSCtrlForm.h"
#include "features/system/Ipv6StaticRouteEditForm.h"
#include "features/system/Ipv6StaticRouteForm.h"
#include "features/system/LogHostEditForm.h"
#include "features/system/SystemLogHostForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

#include <functional>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Sub-identifiers of hexadecimal octets, and of a text with its length.
std::string Octets(const std::string& hex)
{
    std::string index;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        index += "." + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    return index;
}
std::string Text(const std::string& text)
{
    std::string index = "." + std::to_string(text.size());
    for (unsigned char c : text)
        index += "." + std::to_string(c);
    return index;
}

class ListDialogStaleKeys : public IPWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"systemlists.dat"}; }

    // Selects the first of the window's two rows, opens Add (typing the second row's keys into
    // the dialog, which is closed without a write), then Deletes: expected is what the switch
    // receives, and the second row alone is left.
    template <class Window, class Dialog>
    void SelectAddCloseDelete(const std::function<ui::Button*(Window&)>& add,
                              const std::function<ui::Button*(Window&)>& del,
                              const std::function<void(Dialog&)>& typeOtherKeys, const Rows& expected)
    {
        InWindow<Window>([&](Window& w) {
            ui::ListView* list = w.ListView1;
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
            const std::string other = list->Item(1)->Caption();
            ClickRow(list, 0);
            InDialog<Dialog>(add(w), [&](Dialog& d) { typeOtherKeys(d); });
            EXPECT_EQ(list->Selected(), list->Item(0)) << "Add leaves the selection as it was";
            Click(del(w));
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 1; }));
            EXPECT_EQ(Sets(), expected);
            EXPECT_EQ(Captions(list), std::vector<std::string>{other});
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        });
    }
};

TEST_F(ListDialogStaleKeys, DeleteRemovesTheSelectedRowAfterAnAddDialog)
{
    const std::string route = Octets("20010DB8000000000000000000000000") + ".32" + Text("ip2") +
                              Octets("FE800000000000000000000000000001");
    struct Case {
        const char* window;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"IPv6 static route",
         [&] {
             SelectAddCloseDelete<TIpv6StaticRouteForm, TIpv6StaticRouteEditForm>(
                 [](TIpv6StaticRouteForm& w) { return w.btnAdd; }, [](TIpv6StaticRouteForm& w) { return w.btnDelete; },
                 [](TIpv6StaticRouteEditForm& d) {
                     d.edtDst->SetText("20010DB8000100000000000000000000");
                     d.edtPrefix->SetText("48");
                     d.edtInterface->SetText("System");
                     d.edtNextHop->SetText("FE800000000000000000000000000002");
                 },
                 Rows{{"1.3.6.1.4.1.171.12.26.3.1.1.8" + route + "=6", "1.3.6.1.4.1.171.12.26.3.1.1.9" + route + "=3"}});
         }},
        {"DNS relay",
         [&] {
             SelectAddCloseDelete<TDNSCtrlForm, TDNSCtrlAddForm>(
                 [](TDNSCtrlForm& w) { return w.btnAdd; }, [](TDNSCtrlForm& w) { return w.btnDelete; },
                 [](TDNSCtrlAddForm& d) {
                     d.edtName->SetText("host.lab");
                     d.edtIP->SetText("10.0.0.1");
                 },
                 Rows{{"1.3.6.1.4.1.171.11.133.2.3.3.2.6.1.3" + Text("ns.lab") + ".10.0.0.53=2"}});
         }},
        {"syslog server",
         [&] {
             SelectAddCloseDelete<TSystemLogHostForm, TLogHostEditForm>(
                 [](TSystemLogHostForm& w) { return w.AddButton; }, [](TSystemLogHostForm& w) { return w.DeleteButton; },
                 [](TLogHostEditForm& d) {
                     d.cbxIndex->SetItemIndex(1);
                     d.IPAddrEdit->SetText("10.0.90.2");
                 },
                 Rows{{"1.3.6.1.4.1.171.12.12.2.1.7.1=6"}});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        c.run();
    }
}

} // namespace
