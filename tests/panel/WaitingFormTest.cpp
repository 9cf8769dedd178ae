// The refresh window on a fake host: what its first activation makes the host do, and its bar.

#include "FakeHost.h"

#include "panel/WaitingForm.h"

#include "support/FormTest.h"
#include "ui/ModalResult.h"
#include "ui/Timer.h"

#include <QPointer>

#include <string>
#include <vector>

namespace {

class WaitingFormTest : public FormTest {};

struct RefreshCase {
    const char* what;
    bool firstRefresh;
    bool stackingReadSucceeds;
    bool rebuildFails;
    std::vector<std::string> calls;
};

TEST_F(WaitingFormTest, TheFirstActivationRefreshesThroughTheHostAndCloses)
{
    const RefreshCase cases[] = {
        {"refresh", false, true, false, {"LoadStackingInfo", "ClosePanels", "RebuildPanels", "HideUnitMenus"}},
        {"stacking read fails", false, false, false, {"LoadStackingInfo"}},
        {"first refresh flag set", true, true, false, {"LoadStackingInfo", "RebuildPanels", "HideUnitMenus"}},
        {"rebuild raises", false, true, true, {"LoadStackingInfo", "ClosePanels", "RebuildPanels"}},
    };
    for (const RefreshCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost host;
        host.firstRefresh = c.firstRefresh;
        host.stackingReadSucceeds = c.stackingReadSucceeds;
        host.rebuildFails = c.rebuildFails;
        host.show();
        WaitingForm = new TWaitingForm(&host);
        RunModal(WaitingForm, [] {}, 10000);
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_TRUE(WaitingForm->Activated);
        EXPECT_FALSE(WaitingForm->Timer1->Enabled()) << "closing stops the bar";
        delete WaitingForm;
        WaitingForm = nullptr;
    }
    EXPECT_TRUE(MessageBoxes().empty()) << "nothing escapes the window";
}

TEST_F(WaitingFormTest, ALaterActivationDoesNothing)
{
    FakeHost host;
    TWaitingForm form(&host);
    form.FormActivate(&form);
    form.FormActivate(&form);
    EXPECT_EQ(host.calls.size(), 4u);
    EXPECT_TRUE(form.Timer1->Enabled());
}

TEST_F(WaitingFormTest, LayoutAndBar)
{
    FakeHost host;
    TWaitingForm form(&host);
    EXPECT_EQ(form.Caption(), "Refreshing panel");
    EXPECT_EQ(form.ClientWidth(), 396);
    EXPECT_EQ(form.ClientHeight(), 24);
    EXPECT_EQ(form.ProgressBar1->Min(), 0);
    EXPECT_EQ(form.ProgressBar1->Max(), 600);
    EXPECT_EQ(form.Timer1->Interval(), 1000);
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_FALSE(form.Activated);

    form.Timer1Timer(form.Timer1);
    EXPECT_EQ(form.ProgressBar1->Position(), 20);
    form.ProgressBar1->SetPosition(580);
    form.Timer1Timer(form.Timer1);
    EXPECT_EQ(form.ProgressBar1->Position(), 0) << "the bar wraps at its maximum";
}

} // namespace
