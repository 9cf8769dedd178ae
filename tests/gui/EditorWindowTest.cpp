// The editor window: it reads by itself, writes the checked rows, and leaves the request as it
// found it whatever the outcome.
#include "GuiFixture.h"

#include "ui/MessageBox.h"

#include <functional>

using namespace guitest;

namespace {

class EditorWindow : public GuiTest {
protected:
    // An editor window over the scalars, shown modally while script runs.
    void RunEditor(const std::function<void(TConfigForm&, TSNMPEditorPanel&)>& script,
                   const VarDescriptor* table = Scalars)
    {
        TConfigForm form;
        MvSNMPRequest2Edits* edits = NewRequest(&form, table);
        TSNMPEditorPanel* panel = form.MakeEditor(edits);
        form.SetCaption("Scalars: " + sim->Address());
        RunModal(&form, [&] {
            script(form, *panel);
            form.Close();
        });
    }
};

TEST_F(EditorWindow, ReadsWithoutAClickAndWritesWhatTheTableOfCasesChecks)
{
    struct Case {
        const char* name;
        std::function<void(TSNMPEditorPanel&)> act;
        std::vector<std::vector<std::string>> sent;
        const char* message;   // a message box, or none
        const char* number;    // what the switch holds afterwards
        const char* text;
    };
    const std::vector<Case> cases = {
        {"two checked rows written",
         [](TSNMPEditorPanel& p) {
             Retype(p.EditsPanel, 0, "42");
             Retype(p.EditsPanel, 1, "hello");
             Click(BoxOf(p.EditsPanel, 0));
             Click(BoxOf(p.EditsPanel, 1));
         },
         {{"1.3.6.1.3.4242.6.1.0=42", "1.3.6.1.3.4242.6.2.0=68656C6C6F"}}, nullptr, "42", "\"hello\""},
        {"an unchecked row is not sent",
         [](TSNMPEditorPanel& p) {
             Retype(p.EditsPanel, 0, "43");
             Retype(p.EditsPanel, 1, "only");
             Click(BoxOf(p.EditsPanel, 1));
         },
         {{"1.3.6.1.3.4242.6.2.0=6F6E6C79"}}, nullptr, "5", "\"only\""},
        {"a checked empty row is refused",
         [](TSNMPEditorPanel& p) {
             Retype(p.EditsPanel, 1, "");
             Click(BoxOf(p.EditsPanel, 1));
         },
         {}, "Some items are empty!", "5", "\"text\""},
        {"Tag 99 lets a row be sent empty",
         [](TSNMPEditorPanel& p) {
             ui::SetTag(EditOf(p.EditsPanel, 1), 99);
             Retype(p.EditsPanel, 1, "");
             Click(BoxOf(p.EditsPanel, 1));
         },
         {{"1.3.6.1.3.4242.6.2.0="}}, nullptr, "5", "\"\""},
        {"a value the switch refuses",
         [](TSNMPEditorPanel& p) {
             Retype(p.EditsPanel, 0, "200");
             Click(BoxOf(p.EditsPanel, 0));
         },
         {{"1.3.6.1.3.4242.6.1.0=200"}}, "", "5", "\"text\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        TakeJournal();
        RunEditor([&](TConfigForm& form, TSNMPEditorPanel& panel) {
            MvSNMPRequest2Edits* edits = form.Requests.at(0);
            ASSERT_TRUE(WaitFor([&] { return EditOf(panel.EditsPanel, 0)->Text() == "5" && !edits->Busy; }, 10000))
                << "the window reads by itself";
            EXPECT_EQ(EditOf(panel.EditsPanel, 1)->Text(), "text");
            EXPECT_EQ(ComboOf(panel.EditsPanel, 3)->Text(), "enabled");
            EXPECT_FALSE(panel.Buttons->SetCheckedButton->isEnabled()) << "nothing checked yet";
            c.act(panel);
            ASSERT_TRUE(panel.Buttons->SetCheckedButton->isEnabled());
            Click(panel.Buttons->SetCheckedButton);
            EXPECT_FALSE(AnyInvalidFlag(edits->Request.VarList));
            EXPECT_EQ(edits->Mode, 1) << "the mode as before";
        });
        EXPECT_EQ(TakeJournal(), c.sent);
        if (c.message == nullptr)
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        else if (*c.message != '\0')
            EXPECT_EQ(LastMessageBoxText(), c.message);
        else
            EXPECT_FALSE(MessageBoxes().empty()) << "the refusal is shown";
        EXPECT_EQ(AgentValue("1.3.6.1.3.4242.6.1.0"), c.number);
        EXPECT_EQ(AgentValue("1.3.6.1.3.4242.6.2.0"), c.text);
        // The next case starts from the original values.
        sim->Control("data 1.3.6.1.3.4242.6.1.0 i 5 rw range=0..100");
        sim->Control("data 1.3.6.1.3.4242.6.2.0 s \"text\" rw size=0..32");
    }
}

TEST_F(EditorWindow, CheckAllAndClearChecks)
{
    RunEditor([&](TConfigForm&, TSNMPEditorPanel& panel) {
        TEditsPanel* rows = panel.EditsPanel;
        EXPECT_FALSE(ui::Visible(BoxOf(rows, 4))) << "a read-only row has no box";
        Click(panel.Buttons->CheckAllButton);
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(BoxOf(rows, i)->Checked()) << i;
        EXPECT_FALSE(BoxOf(rows, 4)->Checked());
        EXPECT_TRUE(panel.Buttons->SetCheckedButton->isEnabled());
        Click(panel.Buttons->ClearChecksButton);
        EXPECT_FALSE(panel.Buttons->SetCheckedButton->isEnabled()) << "Clear Checks leaves nothing to send";
    });
    EXPECT_TRUE(TakeJournal().empty());
}

const VarDescriptor OneWritableRow[] = {
    {ModeOid, "State", integer, readwrite, &ActiveList},
    {"1.3.6.1.3.4242.6.9", "Counter", counter, readonly, nullptr},
    {},
};

TEST_F(EditorWindow, OneRowEditorHasNoBoxesAndLeavesAnActiveRowOut)
{
    RunEditor(
        [&](TConfigForm& form, TSNMPEditorPanel& panel) {
            TEditsPanel* rows = panel.EditsPanel;
            EXPECT_FALSE(ui::Visible(BoxOf(rows, 0)));
            EXPECT_TRUE(BoxOf(rows, 0)->Checked()) << "the one row is sent by Set";
            EXPECT_EQ(panel.Buttons->SetCheckedButton->Caption(), "Set");
            EXPECT_TRUE(panel.Buttons->SetCheckedButton->isEnabled());
            EXPECT_FALSE(ui::Visible(panel.Buttons->CheckAllButton));
            ASSERT_TRUE(WaitFor([&] { return ComboOf(rows, 0)->Text() == "active" && !form.Requests[0]->Busy; }));
            Click(panel.Buttons->SetCheckedButton);
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
            const auto sent = TakeJournal();
            for (const auto& pdu : sent)
                EXPECT_TRUE(pdu.empty()) << "a row reading \"active\" is not sent";
            ComboOf(rows, 0)->SetItemIndex(1);
            Click(panel.Buttons->SetCheckedButton);
        },
        OneWritableRow);
    EXPECT_EQ(TakeJournal(), (std::vector<std::vector<std::string>>{{"1.3.6.1.3.4242.6.8.0=2"}}));
}

TEST_F(EditorWindow, AnEmptyAddressIsRefusedByNameAndTheNextSetStillWrites)
{
    RunEditor([&](TConfigForm& form, TSNMPEditorPanel& panel) {
        TEditsPanel* rows = panel.EditsPanel;
        MvSNMPRequest2Edits* edits = form.Requests[0];
        ASSERT_TRUE(WaitFor([&] { return EditOf(rows, 2)->Text() == "192.168.0.1" && !edits->Busy; }));
        Retype(rows, 2, "");
        Click(BoxOf(rows, 2));
        ui::SetTag(EditOf(rows, 2), 99);   // not refused as empty: the conversion refuses it
        Click(panel.Buttons->SetCheckedButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Address: Please input a valid IP address."});
        EXPECT_FALSE(AnyInvalidFlag(edits->Request.VarList));
        EXPECT_EQ(edits->Mode, 1);
        EXPECT_TRUE(TakeJournal().empty());

        Retype(rows, 2, "10.1.2.3");
        Click(BoxOf(rows, 0));
        Click(panel.Buttons->SetCheckedButton);
        EXPECT_EQ(TakeJournal(), (std::vector<std::vector<std::string>>{
                                     {"1.3.6.1.3.4242.6.1.0=5", "1.3.6.1.3.4242.6.3.0=10.1.2.3"}}));
    });
}

TEST_F(EditorWindow, MacTextsReachTheSwitchAsSixOctets)
{
    static const VarDescriptor MacRow[] = {
        {MacOid, "MAC", macaddress, readwrite, nullptr},
        {NumberOid, "Number", integer, readwrite, nullptr},
        {},
    };
    struct Case {
        const char* typed;
        const char* sent;   // none: refused
    };
    const Case cases[] = {
        {"00-11-22-33-44-5F", "00112233445F"},
        {"0a:1b:2c:3d:4e:5f", "0A1B2C3D4E5F"},
        {"001122334455", "001122334455"},
        {"00-11-22-33-44", nullptr},
        {"00-11-22-33-44-55-66", nullptr},
        {"00-11-22-33-44-5G", nullptr},
    };
    RunEditor(
        [&](TConfigForm& form, TSNMPEditorPanel& panel) {
            TEditsPanel* rows = panel.EditsPanel;
            ASSERT_TRUE(WaitFor([&] { return !EditOf(rows, 0)->Text().empty() && !form.Requests[0]->Busy; }));
            Click(BoxOf(rows, 0));
            for (const Case& c : cases) {
                SCOPED_TRACE(c.typed);
                EditOf(rows, 0)->SetText(c.typed);
                Click(panel.Buttons->SetCheckedButton);
                const auto sent = TakeJournal();
                if (c.sent != nullptr) {
                    EXPECT_EQ(sent, (std::vector<std::vector<std::string>>{{std::string(MacOid) + ".0=" + c.sent}}))
                        << StatusLine(&form) << " " << LastMessageBoxText();
                } else {
                    EXPECT_TRUE(sent.empty());
                    EXPECT_EQ(LastMessageBoxText(), "MAC: Please input a valid MAC address.");
                    ClearMessageBoxes();
                }
            }
        },
        MacRow);
}

} // namespace
