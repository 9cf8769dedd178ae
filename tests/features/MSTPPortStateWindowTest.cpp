// The spanning tree port state window and its edit dialog against the simulated switch: what the
// dialog's Set writes under RSTP and MSTP, a refused write keeping the dialog open, Edit refused
// while a read runs.

#include "SwitchingFixture.h"

#include "features/switching/MSTPPortStateEditForm.h"
#include "features/switching/MSTPPortStateForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.171.12.15.2.4.1";
const std::string VersionOid = "1.3.6.1.4.1.171.12.15.1.2.0";

using Table = std::vector<std::vector<std::string>>;

class MSTPPortStateWindow : public SwitchingWindowTest {
protected:
    // Opens the dialog on the row by a click on Edit (or a double click) and runs script in it.
    void InDialog(TMSTPPortStateForm& w, int row, bool doubleClick,
                  const std::function<void(TMSTPPortStateEditForm&)>& script)
    {
        bool ran = false;
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<TMSTPPortStateEditForm*>(shown);
            ASSERT_NE(dialog, nullptr);
            ran = true;
            script(*dialog);
            if (dialog->Modal() && dialog->ModalResult() == ui::mrNone)
                dialog->Close();
        });
        if (doubleClick) {
            DoubleClickRow(w.lvMSTPPortState, row);
        } else {
            ClickRow(w.lvMSTPPortState, row);
            Click(w.btnEdit);
        }
        EXPECT_TRUE(ran);
    }

    // The SET of the port's settable columns as the switch received it.
    static std::vector<std::string> PortSet(int port, bool adminHelloTime, const std::string& pathCost)
    {
        const std::string p = "." + std::to_string(port) + "=";
        std::vector<std::string> set;
        if (adminHelloTime)
            set.push_back(Entry + ".2" + p + "2");
        for (const std::string& cell : {".4" + p + "1", ".5" + p + pathCost, ".6" + p + "2", ".7" + p + "3",
                                        ".9" + p + "2", ".12" + p + "2", ".13" + p + "2", ".14" + p + "2"})
            set.push_back(Entry + cell);
        return set;
    }
};

TEST_F(MSTPPortStateWindow, UnderRSTPTheWriteLeavesTheAdministrativeHelloTimeOut)
{
    InWindow<TMSTPPortStateForm>([&](TMSTPPortStateForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.PortStateRequest.get()); }));
        EXPECT_EQ(w.lblSTPVersion->Caption(), "rstp");
        EXPECT_EQ(Captions(w.lvMSTPPortState), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
        EXPECT_EQ(w.StaticText1->Caption(), "6");
        EXPECT_EQ(Cells(w.lvMSTPPortState)[1],
                  (std::vector<std::string>{"2", "2", "2", "enabled", "40000", "false", "auto", "false", "auto", "true",
                                            "disabled", "false", "false"}));
        EXPECT_FALSE(w.btnEdit->isEnabled());

        InDialog(w, 1, false, [&](TMSTPPortStateEditForm& d) {
            EXPECT_EQ(d.Caption(), "Port State Information: " + sim->Address() + " (Edit)");
            EXPECT_EQ(d.edtPortIndex->Text(), "2");
            for (QWidget* shownOnly : std::initializer_list<QWidget*>{d.edtPortIndex, d.edtOperHelloTime,
                                                                      d.cbxOperEdgePort, d.cbxOperP2P})
                EXPECT_FALSE(shownOnly->isEnabled()) << shownOnly->objectName().toStdString();
            EXPECT_TRUE(d.edtAdminHelloTime->isEnabled());
            d.edtExtPathCost->SetText("");
            TypeInto(d.edtExtPathCost, "123");
            Click(d.btnEdit);
            EXPECT_NE(d.ModalResult(), ui::mrNone); // accepted: the dialog closes
        });
        EXPECT_EQ(Sets(), (Table{PortSet(2, false, "123")}));
        EXPECT_FALSE(w.btnEdit->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.PortStateRequest.get()); }));
        // The column is read again: its flag is back.
        EXPECT_EQ(w.PortStateRequest->Request.VarList.Item(TMSTPPortStateForm::AdminHelloTimeItem).access, readwrite);
        EXPECT_EQ(Cells(w.lvMSTPPortState)[1][2], "2");
        EXPECT_EQ(Cells(w.lvMSTPPortState)[1][4], "123");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Under MSTP the write carries the administrative hello time; a write the switch refuses is
// shown and the dialog keeps what the user chose, until a write the switch accepts.
TEST_F(MSTPPortStateWindow, UnderMSTPTheWriteCarriesItAndARefusedWriteKeepsTheDialog)
{
    sim->Control("data " + VersionOid + " i 2");
    InWindow<TMSTPPortStateForm>([&](TMSTPPortStateForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.PortStateRequest.get()); }));
        EXPECT_EQ(w.lblSTPVersion->Caption(), "mstp");
        InDialog(w, 3, true, [&](TMSTPPortStateEditForm& d) {
            d.edtAdminHelloTime->SetText("20"); // beyond the switch's 1 to 10
            Click(d.btnEdit);
            EXPECT_EQ(MessageBoxes().size(), 1u);
            EXPECT_EQ(d.ModalResult(), ui::mrNone);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.edtAdminHelloTime->Text(), "20");
            EXPECT_EQ(w.DataComplete, 1);
            d.edtAdminHelloTime->SetText("2");
            Click(d.btnEdit);
            EXPECT_NE(d.ModalResult(), ui::mrNone);
        });
        EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{10, 0})); // wrongValue, then taken
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0].front(), Entry + ".2.4=20");
        EXPECT_EQ(sets[1], PortSet(4, true, "80000"));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.PortStateRequest.get()); }));
    });
}

TEST_F(MSTPPortStateWindow, EditWhileAReadRunsIsRefused)
{
    InWindow<TMSTPPortStateForm>([&](TMSTPPortStateForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.PortStateRequest.get()); }));
        sim->Control("delay 100");
        Click(w.btnRefresh);
        EXPECT_EQ(w.DataComplete, 0);
        ASSERT_TRUE(WaitFor([&] { return w.lvMSTPPortState->Count() >= 1; }));
        ClickRow(w.lvMSTPPortState, 0);
        Click(w.btnEdit);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        // Closing waits for the read too.
        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return MessageBoxTexts().size() == 2; }, 5000));
        EXPECT_EQ(MessageBoxTexts()[1], "Get data not complete");
        EXPECT_TRUE(w.isVisible());
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.PortStateRequest.get()); }));
        Click(w.btnStop);
        EXPECT_EQ(w.lvMSTPPortState->Count(), 6);
    });
    EXPECT_TRUE(Sets().empty());
}

} // namespace
