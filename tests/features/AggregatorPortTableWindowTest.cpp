// The 802.3ad aggregation port table window against the simulated switch: Edit writes a port's
// five administrative values in one SET and reads the table again; the partner's system
// identifier is checked first; closing waits for the read.

#include "SwitchingFixture.h"

#include "features/switching/AggregatorPortTableForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageControl.h"

#include <algorithm>

namespace {

const std::string Port = "1.2.840.10006.300.43.1.2.1.1.";

using Window = TAggregatorPortTableForm;

class AggregatorPortTableWindow : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"livecounters.dat"}; }

    static void WaitForTable(Window& w)
    {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()) && w.ListView1->Count() > 0; }, 10000))
            << StatusLine(&w);
    }
    static void Retype(ui::Edit* edit, const std::string& text)
    {
        edit->SetText("");
        TypeInto(edit, text);
    }
};

TEST_F(AggregatorPortTableWindow, EditSendsTheFiveAdministrativeValuesOfThePort)
{
    InWindow<Window>([&](Window& w) {
        WaitForTable(w);
        EXPECT_EQ(w.ListView1->ColumnCount(), 24);
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_TRUE(w.CheckBox1->isEnabled() && w.edtPartnerID->isEnabled()) << "usable after the read";
        EXPECT_FALSE(w.CheckBox9->isVisible()) << "the operational states are hidden";

        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_EQ(w.edtActorKey->Text(), "2");
        EXPECT_EQ(w.edtPartnerKey->Text(), "7");
        for (ui::CheckBox* box : {w.CheckBox1, w.CheckBox2, w.CheckBox3, w.CheckBox4, w.CheckBox5, w.CheckBox6,
                                  w.CheckBox7, w.CheckBox8})
            box->SetChecked(false);
        Click(w.CheckBox1); // lacpActivity
        Click(w.CheckBox3); // aggregation
        Retype(w.edtActorKey, "300");
        Retype(w.edtPartnerID, "0a0B0c0D0e0F");
        Click(w.btnEdit);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0});
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].size(), 5u);
        for (const std::string& binding : {Port + "4.2=300", Port + "8.2=0A0B0C0D0E0F", Port + "10.2=7",
                                           Port + "20.2=A0", Port + "22.2=00"})
            EXPECT_NE(std::find(sets[0].begin(), sets[0].end(), binding), sets[0].end()) << binding;
        // Read again: nothing selected, the editors empty.
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_EQ(w.edtActorKey->Text(), "");
        EXPECT_EQ(w.ListView1->Count(), 2);
        ClickRow(w.ListView1, 1);
        EXPECT_EQ(w.edtActorKey->Text(), "300");
        EXPECT_TRUE(w.CheckBox1->Checked() && w.CheckBox3->Checked() && !w.CheckBox2->Checked());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(AggregatorPortTableWindow, ThePartnerSystemIdentifierIsTwelveHexadecimalDigits)
{
    struct Case {
        const char* id;
        bool passes;
    };
    const Case cases[] = {
        {"00-11-22-33-44-55", false}, {"00:11:22:33:44:55", false}, {"001122334455 ", false},
        {" 001122334455", false},     {"00112233445", false},       {"0011223344556", false},
        {"", false},                  {"00112233445G", false},      {"aabbccddeeff", true},
        {"AABBCCDDEEFF", true},
    };
    InWindow<Window>([&](Window& w) {
        WaitForTable(w);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string("\"") + c.id + "\"");
            ClearMessageBoxes();
            ClickRow(w.ListView1, 0);
            w.edtPartnerID->SetText(c.id);
            Click(w.btnEdit);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
            if (c.passes) {
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
                EXPECT_EQ(Sets().size(), 1u);
            } else {
                EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Invalid MAC address"});
                EXPECT_TRUE(Sets().empty());
            }
        }
    });
}

TEST_F(AggregatorPortTableWindow, ClosingWaitsForTheReadOrItsStop)
{
    InWindow<Window>([&](Window& w) {
        WaitForTable(w);
        sim->Control("delay 1500");
        Click(w.GetBtn);
        EXPECT_EQ(w.DataComplete, 0);
        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 5000));
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        EXPECT_TRUE(w.isVisible());
        Click(w.btnStop);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_NE(StatusLine(&w).find("Stop"), std::string::npos) << StatusLine(&w);
        sim->Control("delay 0");
        Click(w.btnClose);
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000)) << "FormClose has run";
        EXPECT_EQ(MessageBoxes().size(), 1u);
    });
}

} // namespace
