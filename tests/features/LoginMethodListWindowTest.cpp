// The method list window against the simulated switch, in both modes: the lists, the row
// states, the method-order question and what Add and Edit then send, the server group rule,
// the name checks before any question, Delete, and the enable lists with local-enabled.

#include "ManagementAccessFixture.h"

#include "features/system/LoginMethodListForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <memory>

namespace {

const std::string Login = "1.3.6.1.4.1.171.12.5.3.1";
const std::string Enable = "1.3.6.1.4.1.171.12.5.4.1";

using Pdus = std::vector<std::vector<std::string>>;
using Window = TLoginMethodListForm;

class LoginMethodListWindow : public ManagementAccessWindowTest {
protected:
    // The window in its mode, shown modally with script run inside it.
    void InList(int mode, const std::function<void(Window&)>& script)
    {
        auto window = std::make_unique<Window>(nullptr, mode);
        Window* w = window.get();
        RunModal(w, [&] {
            script(*w);
            if (w->Modal())
                w->Close();
        });
    }
    // The methods chosen as a user does ("" leaves the type at the entry the reset chose).
    static void Methods(Window& w, const std::vector<std::string>& types)
    {
        ui::ComboBox* combos[] = {w.ComboBoxType1, w.ComboBoxType2, w.ComboBoxType3, w.ComboBoxType4};
        for (std::size_t k = 0; k < types.size(); ++k)
            if (!types[k].empty())
                Choose(combos[k], types[k]);
    }
    static bool NoSelectionState(const Window& w)
    {
        return !w.EditButton->isEnabled() && !w.DeleteButton->isEnabled() && w.ListnameEdit->isEnabled() &&
               w.AddButton->isEnabled() && w.ListnameEdit->Text().empty();
    }
    static std::string At(const std::string& table, int column, const std::string& name)
    {
        return table + "." + std::to_string(column) + "." + Key(name);
    }
};

TEST_F(LoginMethodListWindow, ListsTheLoginListsAndKeepsDefault)
{
    InList(Window::LoginLists, [&](Window& w) {
        EXPECT_EQ(w.Caption(), "Login Method List");
        EXPECT_EQ(w.width(), 634);
        EXPECT_EQ(w.height(), 327);
        ui::ListView* list = w.ListView1;
        EXPECT_EQ(list->ColumnCaption(0), "Login Method List Name");
        EXPECT_EQ(Cells(list), (Pdus{{"Console", "server-group", "Group1", "radius", "", "local", "", "other", "",
                                      "active"},
                                     {"default", "local", "", "other", "", "other", "", "other", "", "active"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(NoSelectionState(w));

        // "default" may be edited, not deleted.
        ClickRow(list, 1);
        EXPECT_EQ(w.ListnameEdit->Text(), "default");
        EXPECT_EQ(w.ComboBoxType1->Text(), "local");
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.ListnameEdit->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());
        ClickRow(list, 0);
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        ClickRow(list, -1);
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());

        // Delete asks, then writes destroy alone and reads the lists again.
        ClickRow(list, 0);
        Click(w.DeleteButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Are you sure to delete it?"});
        EXPECT_EQ(Sets(), (Pdus{{At(Login, 10, "Console") + "=6"}}));
        EXPECT_EQ(Captions(list), std::vector<std::string>{"default"});
        EXPECT_EQ(w.StaticText1->Caption(), "1");
        EXPECT_TRUE(NoSelectionState(w));
    });
}

// A method after the first local or none is never tried: the question, and what Add sends.
TEST_F(LoginMethodListWindow, AddAsksAboutMethodsAfterLocalOrNone)
{
    const struct {
        const char* name;
        std::vector<std::string> types;
        bool asked;
        int answer;
        Pdus sent;
    } cases[] = {
        {"LocalFirst", {"local", "radius"}, true, ui::mrYes,
         {{At(Login, 2, "LocalFirst") + "=6", At(Login, 10, "LocalFirst") + "=4"}}},
        {"Declined", {"local", "radius"}, true, ui::mrNo, {}},
        {"NoneFirst", {"none", "other", "other", "other"}, false, 0,
         {{At(Login, 2, "NoneFirst") + "=8", At(Login, 10, "NoneFirst") + "=4"}}},
        {"SkipOther", {"tacacs", "other", "radius", "local"}, false, 0,
         {{At(Login, 2, "SkipOther") + "=1", At(Login, 6, "SkipOther") + "=4", At(Login, 8, "SkipOther") + "=6",
           At(Login, 10, "SkipOther") + "=4"}}},
        {"NoneThenLocal", {"none", "tacacs-plus", "", "local"}, true, ui::mrYes,
         {{At(Login, 2, "NoneThenLocal") + "=8", At(Login, 10, "NoneThenLocal") + "=4"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        InList(Window::LoginLists, [&](Window& w) {
            w.ListnameEdit->SetText(c.name);
            Methods(w, c.types);
            if (c.asked)
                AnswerNextMessageBox(c.answer);
            Click(w.AddButton);
            EXPECT_EQ(MessageBoxTexts(), c.asked ? std::vector<std::string>{Window::OrderQuestion}
                                                 : std::vector<std::string>{});
            EXPECT_EQ(Sets(), c.sent);
            if (c.sent.empty()) {
                EXPECT_EQ(w.ListnameEdit->Text(), c.name) << "nothing sent, nothing lost";
                return;
            }
            EXPECT_NE(RowOf(w.ListView1, c.name), -1) << "read again";
            EXPECT_TRUE(NoSelectionState(w));
            EXPECT_EQ(w.ComboBoxType1->Text(), "other");
        });
    }
}

// Only a server-group method names a server group: a change of type empties the edit.
TEST_F(LoginMethodListWindow, TheServerGroupFollowsTheType)
{
    InList(Window::LoginLists, [&](Window& w) {
        w.ListnameEdit->SetText("Radius");
        Choose(w.ComboBoxType1, "server-group");
        EXPECT_TRUE(w.Server1Edit->isEnabled());
        w.Server1Edit->SetText("Group2");
        Choose(w.ComboBoxType1, "radius");
        EXPECT_EQ(w.Server1Edit->Text(), "");
        EXPECT_FALSE(w.Server1Edit->isEnabled());
        Choose(w.ComboBoxType2, "server-group");
        w.Server2Edit->SetText("Group2");
        Click(w.AddButton);
        EXPECT_EQ(Sets(), (Pdus{{At(Login, 2, "Radius") + "=4", At(Login, 4, "Radius") + "=5",
                                 At(Login, 5, "Radius") + "=" + Hex("Group2"), At(Login, 10, "Radius") + "=4"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A list the switch refuses is shown in a message box and stays in the editors to be mended;
// the lists are read again.
TEST_F(LoginMethodListWindow, ARefusedAddKeepsWhatWasTyped)
{
    const std::string status = At(Login, 10, "Refused");
    sim->Control("error " + status + " commitFailed");
    InList(Window::LoginLists, [&](Window& w) {
        w.ListnameEdit->SetText("Refused");
        Choose(w.ComboBoxType1, "server-group");
        w.Server1Edit->SetText("Group9");
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxes().size(), 1U);
        const Pdus sent{{At(Login, 2, "Refused") + "=5", At(Login, 3, "Refused") + "=" + Hex("Group9"), status + "=4"}};
        EXPECT_EQ(Sets(), sent);
        EXPECT_EQ(RowOf(w.ListView1, "Refused"), -1);
        EXPECT_EQ(w.ListnameEdit->Text(), "Refused");
        EXPECT_EQ(w.ComboBoxType1->Text(), "server-group");
        EXPECT_EQ(w.Server1Edit->Text(), "Group9");
        EXPECT_TRUE(w.AddButton->isEnabled());

        sim->Control("error " + status + " off");
        Click(w.AddButton);
        EXPECT_EQ(Sets(), sent);
        EXPECT_NE(RowOf(w.ListView1, "Refused"), -1);
        EXPECT_TRUE(NoSelectionState(w));
    });
}

TEST_F(LoginMethodListWindow, TheNameIsCheckedBeforeAnyQuestion)
{
    InList(Window::LoginLists, [&](Window& w) {
        Methods(w, {"local", "radius"});
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Name must be set."});
        EXPECT_EQ(w.focusWidget(), w.ListnameEdit);
        ClearMessageBoxes();
        w.ListnameEdit->SetText("default");
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Has already a record with the same Login Method List "
                                                              "Name. Please Change Login Method List Name."});
    });
    EXPECT_TRUE(Sets().empty());
}

// Edit sends the types as shown and the server groups that are not empty, never the status;
// after Yes the methods that are never tried stay as they are on the switch.
TEST_F(LoginMethodListWindow, EditSendsTheMethodsOfTheSelectedList)
{
    InList(Window::LoginLists, [&](Window& w) {
        ClickRow(w.ListView1, RowOf(w.ListView1, "Console"));
        ASSERT_EQ(w.Server1Edit->Text(), "Group1");
        Choose(w.ComboBoxType2, "none");
        Click(w.EditButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{Window::OrderQuestion});
        EXPECT_EQ(Sets(), (Pdus{{At(Login, 2, "Console") + "=5", At(Login, 3, "Console") + "=" + Hex("Group1"),
                                 At(Login, 4, "Console") + "=8"}}));
        EXPECT_EQ(Cells(w.ListView1)[static_cast<std::size_t>(RowOf(w.ListView1, "Console"))],
                  (std::vector<std::string>{"Console", "server-group", "Group1", "none", "", "local", "", "other", "",
                                            "active"}));
        EXPECT_TRUE(NoSelectionState(w));

        // A list in order: all four types go out, "other" as well.
        ClearMessageBoxes();
        ClickRow(w.ListView1, RowOf(w.ListView1, "default"));
        Choose(w.ComboBoxType1, "radius");
        Choose(w.ComboBoxType2, "local");
        Click(w.EditButton);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        EXPECT_EQ(Sets(), (Pdus{{At(Login, 2, "default") + "=4", At(Login, 4, "default") + "=6",
                                 At(Login, 6, "default") + "=9", At(Login, 8, "default") + "=9"}}));
    });
}

TEST_F(LoginMethodListWindow, TheEnableModeListsTheEnableLists)
{
    InList(Window::EnableLists, [&](Window& w) {
        EXPECT_EQ(w.ListView1->ColumnCaption(0), "Enable Method List Name");
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"Admins", "default"}));
        EXPECT_EQ(w.ComboBoxType1->IndexOf("local-enabled"), Window::LocalIndex);
        EXPECT_EQ(w.ComboBoxType1->IndexOf("local"), -1);
        w.ListnameEdit->SetText("Ops");
        Methods(w, {"local-enabled", "radius"});
        AnswerNextMessageBox(ui::mrYes);
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{Window::OrderQuestion});
        EXPECT_EQ(Sets(), (Pdus{{At(Enable, 2, "Ops") + "=7", At(Enable, 10, "Ops") + "=4"}}));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"Ops", "Admins", "default"}));
    });
}

} // namespace
