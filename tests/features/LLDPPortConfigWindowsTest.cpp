// The two LLDP port configuration windows against the simulated switch: the TLVs listed as words,
// the check-box chooser, what Set (Edit) writes, a refused write shown, and the wait for the
// answer ended by Stop or followed by a Close.

#include "LLDPFixture.h"

#include "features/switching/LLDPDot3PortConfigForm.h"
#include "features/switching/LLDPDot3PortConfigurationForm.h"
#include "features/switching/LLDPPortConfigForm.h"
#include "features/switching/LLDPPortConfigurationForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

using Table = std::vector<std::vector<std::string>>;

const std::string Entry = "1.0.8802.1.1.2.1.1.6.1";
const std::string Dot3Entry = "1.0.8802.1.1.2.1.5.4623.1.1.1.1";
const std::string AllFour = " Port Description,System Name,System Description,System Capabilities";

class LLDPPortConfig : public LLDPWindowTest {};

TEST_F(LLDPPortConfig, ListsTheTlvsAsWordsAndWritesThePort)
{
    InWindow<TLLDPPortConfigForm>([&](TLLDPPortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", "txAndrx", "false", AllFour},
                                             {"2", "txOnly", "true", " System Description,System Capabilities"},
                                             {"3", "disabled", "false", " "},
                                             {"4", "rxOnly", "false", " "},
                                             {"5", "txAndrx", "true", AllFour},
                                             {"6", "txAndrx", "false", " "}}));
        EXPECT_EQ(w.StaticText1->Caption(), "6");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.PortEditLabel->isEnabled());

        // The port's settings as the user chose them, the TLVs as one octet.
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_EQ(w.PortText->Caption(), "2");
        EXPECT_EQ(w.TLVsEdit->Text(), " System Description,System Capabilities");
        Choose(w.AdminStateComboBox, "rxOnly");
        Choose(w.NotificationComboBox, "false");
        w.TLVsEdit->SetText("System Name");
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.2=2", Entry + ".3.2=2", Entry + ".4.2=40"}}));
        // The editors were cleared when the write went out; the read after it runs.
        EXPECT_EQ(w.PortText->Caption(), " ");
        EXPECT_EQ(w.TLVsEdit->Text(), "");
        EXPECT_FALSE(w.EditButton->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[1], (std::vector<std::string>{"2", "rxOnly", "false", " System Name"}));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);

        // No word at all: one zero octet, every TLV off.
        ClickRow(w.ListView1, 0);
        w.TLVsEdit->SetText(" ");
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.1=3", Entry + ".3.1=2", Entry + ".4.1=00"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));

        // A port whose TLVs the switch holds in two octets keeps them all.
        ClickRow(w.ListView1, 4);
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.5=3", Entry + ".3.5=1", Entry + ".4.5=F0"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[4][3], AllFour);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The chooser shows the words of the TLVs edit and writes the checked ones back into it; nothing
// is sent before Set.
TEST_F(LLDPPortConfig, TheChooserEditsTheTlvsWords)
{
    InWindow<TLLDPPortConfigForm>([&](TLLDPPortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 1);
        w.TLVsEdit->SetText(" System Name");
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<TLLDPPortConfigurationForm*>(shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Caption(), "Potocol Setting: ");
            EXPECT_FALSE(dialog->portDescCBX->Checked());
            EXPECT_TRUE(dialog->sysNameCBX->Checked());
            EXPECT_FALSE(dialog->sysDescCBX->Checked());
            EXPECT_FALSE(dialog->sysCapCBX->Checked());
            Click(dialog->SetButton);
        });
        Click(w.TLVsEdit);
        EXPECT_EQ(w.TLVsEdit->Text(), " System Name");

        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<TLLDPPortConfigurationForm*>(shown);
            ASSERT_NE(dialog, nullptr);
            Click(dialog->portDescCBX);
            Click(dialog->sysNameCBX);
            Click(dialog->sysCapCBX);
            Click(dialog->SetButton);
        });
        Click(w.TLVsEdit);
        EXPECT_EQ(w.TLVsEdit->Text(), " Port Description,System Capabilities");

        // Close keeps the edit's text; the boxes are clear when the chooser opens on no word.
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<TLLDPPortConfigurationForm*>(shown);
            ASSERT_NE(dialog, nullptr);
            Click(dialog->sysDescCBX);
            Click(dialog->CloseButton);
        });
        Click(w.TLVsEdit);
        EXPECT_EQ(w.TLVsEdit->Text(), " Port Description,System Capabilities");
        w.TLVsEdit->SetText(" ");
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<TLLDPPortConfigurationForm*>(shown);
            ASSERT_NE(dialog, nullptr);
            for (ui::CheckBox* box : {dialog->portDescCBX, dialog->sysNameCBX, dialog->sysDescCBX, dialog->sysCapCBX})
                EXPECT_FALSE(box->Checked()) << box->objectName().toStdString();
            Click(dialog->SetButton);
        });
        Click(w.TLVsEdit);
        EXPECT_EQ(w.TLVsEdit->Text(), " ");
        EXPECT_TRUE(Sets().empty());

        // A click into the edit with no row chosen enables Set, which then does nothing.
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.EditButton->isEnabled());
        RunInNextModal([&](ui::Form* shown) { shown->Close(); });
        Click(w.TLVsEdit);
        EXPECT_TRUE(w.EditButton->isEnabled());
        Click(w.EditButton);
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.DataComplete, 1);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A write the switch refuses is shown in a message box; the table is read again all the same.
TEST_F(LLDPPortConfig, ARefusedWriteIsShownThenTheListIsReadAgain)
{
    InWindow<TLLDPPortConfigForm>([&](TLLDPPortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        const int getNexts = Stat("getnext");
        ClickRow(w.ListView1, 3); // port 4, whose TLVs the switch keeps as they are
        w.TLVsEdit->SetText(" System Name");
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.4=2", Entry + ".3.4=2", Entry + ".4.4=40"}}));
        EXPECT_EQ(MessageBoxes().size(), 1u);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_GT(Stat("getnext"), getNexts);
        EXPECT_EQ(w.ListView1->Count(), 6);
        EXPECT_EQ(Cells(w.ListView1)[3][3], " ");
    });
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

// Stop during the wait ends it; the read after it goes out and ends, and Refresh works again.
TEST_F(LLDPPortConfig, StopDuringTheWaitThenTheReadAndRefresh)
{
    InWindow<TLLDPPortConfigForm>([&](TLLDPPortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 0);
        // The answer is held for 3 s: without Stop the wait lasts until the request's two
        // attempts of 1 s have timed out. Stop, clicked after 0.1 s, ends it well before.
        // Then the switch answers at once again.
        sim->Control("delay 3000");
        QTimer::singleShot(100, &w, [&] { Click(w.StopButton); });
        QElapsedTimer clock;
        clock.start();
        Click(w.EditButton);
        EXPECT_LT(clock.elapsed(), 2000);
        sim->Control("delay 0");
        EXPECT_EQ(w.Request->Request.Active, 1);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()) && w.ListView1->Count() == 6; }, 10000));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_EQ(Sets().size(), 1u);

        sim->Control("delay 0");
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.GetButton);
        EXPECT_EQ(w.DataComplete, 0);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_EQ(w.ListView1->Count(), 6);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Refresh and Set refuse while a read runs; Stop makes the window idle and the next Refresh lists
// every row once, whatever the stopped walk still answers.
TEST_F(LLDPPortConfig, RefreshAfterStopListsEachRowOnce)
{
    InWindow<TLLDPPortConfigForm>([&](TLLDPPortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        sim->Control("delay 100");
        Click(w.GetButton);
        Click(w.GetButton);
        ClickRow(w.ListView1, -1);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        ClickRow(w.ListView1, 0);
        Click(w.EditButton);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
        Click(w.StopButton);
        EXPECT_EQ(w.DataComplete, 1);
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
        EXPECT_TRUE(Sets().empty());
    });
}

TEST_F(LLDPPortConfig, CloseDuringTheWaitClosesAfterTheHandler)
{
    bool openAfterClose = false;
    bool handlerReturned = false;
    const int result = InWindow<TLLDPPortConfigForm>([&](TLLDPPortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 0);
        sim->Control("delay 300");
        QTimer::singleShot(100, &w, [&] {
            Click(w.CloseButton);
            openAfterClose = w.isVisible() && w.Request != nullptr;
        });
        Click(w.EditButton);
        handlerReturned = w.Request != nullptr;
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 10000));
    });
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(handlerReturned);
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(Sets().size(), 1u);
}

class LLDPDot3PortConfig : public LLDPWindowTest {};

// The power-via-MDI word stays through the chooser when the port has it, and only typing adds it;
// Edit writes the TLVs alone.
TEST_F(LLDPDot3PortConfig, ThePowerViaMDIWordAndWhatEditWrites)
{
    InWindow<TLLDPDot3PortConfigForm>([&](TLLDPDot3PortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", " macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize"},
                                             {"2", " powerViaMDI"},
                                             {"3", " "},
                                             {"4", " linkAggregation"}}));
        EXPECT_EQ(w.EditButton->Caption(), "Edit");

        ClickRow(w.ListView1, 1);
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<TLLDPDot3PortConfigurationForm*>(shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Caption(), "LLDP Dot3 Port Configuration Table Setting: " + sim->Address());
            EXPECT_FALSE(dialog->powerViaMDIcbx->isVisible());
            EXPECT_TRUE(dialog->powerViaMDIcbx->Checked());
            Click(dialog->linkAggregationcbx);
            Click(dialog->SetButton);
        });
        Click(w.TLVsEdit);
        EXPECT_EQ(w.TLVsEdit->Text(), " powerViaMDI,linkAggregation");
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Dot3Entry + ".1.2=60"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[1][1], " powerViaMDI,linkAggregation");

        // A port without it: the chooser cannot add it, typing the word does.
        ClickRow(w.ListView1, 3);
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<TLLDPDot3PortConfigurationForm*>(shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_FALSE(dialog->powerViaMDIcbx->isVisible());
            EXPECT_FALSE(dialog->powerViaMDIcbx->Checked());
            Click(dialog->SetButton);
        });
        Click(w.TLVsEdit);
        EXPECT_EQ(w.TLVsEdit->Text(), " linkAggregation");
        TypeInto(w.TLVsEdit, ",powerViaMDI");
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Dot3Entry + ".1.4=60"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));

        // The low bits have no word: the port is written with none.
        ClickRow(w.ListView1, 2);
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Dot3Entry + ".1.3=00"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The request reaches the window it was made for: a window opened beside the one the menu keeps
// writes its own port.
TEST_F(LLDPDot3PortConfig, TheRequestWritesItsOwnWindowsEdit)
{
    TLLDPDot3PortConfigForm other(nullptr);
    other.TLVsEdit->SetText(" maxFrameSize");
    LLDPDot3PortConfigForm = &other;
    InWindow<TLLDPDot3PortConfigForm>([&](TLLDPDot3PortConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 3);
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Dot3Entry + ".1.4=20"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
    });
    LLDPDot3PortConfigForm = nullptr;
}

} // namespace
