// The port-list windows after a start whose identification raised (an address that cannot be
// used): no unit was counted, yet each opens from its menu item, says that nothing could be read
// and closes through its Close button.
#include "ProgramTest.h"

#include "snmp/DeviceState.h"
#include "ui/Button.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTimer>

namespace {

class FailedIdentificationWindows : public ProgramTest {};

TEST_F(FailedIdentificationWindows, PortListWindowsOpenSayWhyAndClose)
{
    for (const char* address : {"/I999.999.999.999", "/Iswitch-a.invalid"}) {
        SCOPED_TRACE(address);
        const StartedMainWindow window({address, "/v1"});
        ASSERT_EQ(UnitCount, 0) << "identification raised before the units were counted";
        ASSERT_NE(MainForm->StatusBar->Panel(0)->Text(), "");
        for (const char* item : {"NDSpfooing1", "PermitTable1", "DHCPOfferPermitTable1", "PermitTable122"}) {
            SCOPED_TRACE(item);
            bool opened = false;
            QPointer<ui::Form> form;
            RunInNextModal([&](ui::Form* shown) {
                opened = true;
                form = shown;
                EXPECT_TRUE(WaitFor([&] { return !StatusLine(shown).empty(); }, 10000));
                auto* close = Find<QAbstractButton>(shown, "btnClose");
                ASSERT_NE(close, nullptr);
                Click(close);
                // A window that stays open ends the test's wait, not the run.
                QTimer::singleShot(10000, shown, [form] {
                    ADD_FAILURE() << "the window did not close";
                    form->SetModalResult(ui::mrAbort);
                });
            });
            ClickMenuItem(MainForm, item);
            EXPECT_TRUE(form.isNull()) << "the handler has freed its window";
            EXPECT_TRUE(opened);
        }
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    }
}

} // namespace
