// The AAA server group window against the simulated switch: the groups and the members of the
// selected one, Add and its checks, Delete and the built-in groups it refuses, and the reads that
// Refresh, Add and Delete start while a walk runs, which list every group once.

#include "IPWindowsFixture.h"

#include "features/system/ServerGroupForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Groups = "1.3.6.1.4.1.171.12.5.9.1";

using Rows = std::vector<std::vector<std::string>>;
using Names = std::vector<std::string>;

// The instance of a group: the name's length, then its characters.
std::string NameIndex(const std::string& name)
{
    std::string index = std::to_string(name.size());
    for (unsigned char c : name)
        index += "." + std::to_string(c);
    return index;
}

class ServerGroupWindow : public IPWindowTest {
protected:
    using Window = TServerGroupForm;

    std::vector<std::string> DataFiles() const override { return {"aaa-servers.dat"}; }

    static bool Listed(Window& w, int rows) { return Quiet(w.Request.get()) && w.ListView2->Count() == rows; }

    // A group without members, served from now on.
    void ServeGroup(const std::string& name)
    {
        const std::string index = NameIndex(name);
        ASSERT_EQ(sim->Control("data " + Groups + ".1." + index + " s \"" + name + "\""), "ok");
        for (int column = 2; column <= 17; ++column) {
            const bool address = column % 2 == 0;
            ASSERT_EQ(sim->Control("data " + Groups + "." + std::to_string(column) + "." + index +
                                   (address ? " a 0.0.0.0" : " i 5")),
                      "ok");
        }
        ASSERT_EQ(sim->Control("data " + Groups + ".18." + index + " i 1"), "ok");
    }
    // The group is no longer served.
    void RemoveGroup(const std::string& name)
    {
        for (int column = 1; column <= 18; ++column)
            ASSERT_EQ(sim->Control("data remove " + Groups + "." + std::to_string(column) + "." + NameIndex(name)),
                      "ok");
    }

    static std::string FocusName(QWidget* form)
    {
        QWidget* focus = form->focusWidget();
        return focus == nullptr ? "" : focus->objectName().toStdString();
    }
};

TEST_F(ServerGroupWindow, ListsTheGroupsAndShowsTheMembersOfTheSelectedOne)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 5); }));
        EXPECT_EQ(Captions(w.ListView2), (Names{"ops", "radius", "tacacs", "tacacs+", "xtacacs"}));
        EXPECT_EQ(w.Static->Caption(), "5");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.EditButton->isVisible());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_TRUE(w.edtServerName->isEnabled());

        ClickRow(w.ListView2, 0);
        EXPECT_EQ(w.edtServerName->Text(), "ops");
        const std::vector<std::pair<std::string, std::string>> members = {
            {"10.90.90.1", "radius"}, {"10.90.90.2", "tacacs-plus"}, {"0.0.0.0", "none"}, {"0.0.0.0", "none"},
            {"0.0.0.0", "none"},      {"0.0.0.0", "none"},           {"0.0.0.0", "none"}, {"0.0.0.0", "none"}};
        for (std::size_t k = 0; k < members.size(); ++k) {
            SCOPED_TRACE(k + 1);
            EXPECT_EQ(w.MemberAddresses[k]->Text(), members[k].first);
            EXPECT_EQ(w.MemberProtocols[k]->Text(), members[k].second);
            EXPECT_FALSE(w.MemberAddresses[k]->isEnabled());
            EXPECT_FALSE(w.MemberProtocols[k]->isEnabled());
        }
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.edtServerName->isEnabled());

        // Beside the rows: a new name may be typed; the members are emptied and stay read-only.
        ClickRow(w.ListView2, -1);
        EXPECT_EQ(w.edtServerName->Text(), "");
        for (ui::Edit* address : w.MemberAddresses)
            EXPECT_EQ(address->Text(), "");
        EXPECT_TRUE(w.edtServerName->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.edtIP1->isEnabled());
    });
}

// The built-in groups, in any case, are refused without a write; a group of the user's goes with
// Row Status destroy alone, and the list is read again.
TEST_F(ServerGroupWindow, DeleteRefusesTheBuiltInGroups)
{
    ServeGroup("RADIUS");
    ServeGroup("Tacacs-Plus");
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 7); }));
        for (const char* name : {"RADIUS", "Tacacs-Plus", "radius", "tacacs", "tacacs+", "xtacacs"}) {
            SCOPED_TRACE(name);
            ClearMessageBoxes();
            const int row = RowOf(w.ListView2, name);
            ASSERT_GE(row, 0);
            ClickRow(w.ListView2, row);
            ASSERT_TRUE(w.DeleteButton->isEnabled());
            Click(w.DeleteButton);
            EXPECT_EQ(MessageBoxTexts(), Names{"Default Server Group can not be deleted."});
            EXPECT_TRUE(Sets().empty());
        }
        ClearMessageBoxes();
        ClickRow(w.ListView2, RowOf(w.ListView2, "ops"));
        Click(w.DeleteButton);
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Groups + ".18." + NameIndex("ops") + "=6"}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 6); }));
        EXPECT_EQ(RowOf(w.ListView2, "ops"), -1);
        EXPECT_EQ(w.Static->Caption(), "6");
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// An empty name is refused first, a listed one next (the focus goes to the name both times); a
// built-in name that is not listed is created with createAndGo alone.
TEST_F(ServerGroupWindow, AddChecksTheNameThenCreatesTheGroup)
{
    RemoveGroup("tacacs");
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 4); }));
        const struct {
            const char* name;
            const char* message;
        } refused[] = {
            {"", "Server Group Name can not be null."},
            {"ops", "Has already a record with the same Server Group Name. Please change it."},
        };
        for (const auto& c : refused) {
            SCOPED_TRACE(c.name);
            ClearMessageBoxes();
            w.edtServerName->SetText(c.name);
            w.GetButton->setFocus();
            Click(w.AddButton);
            EXPECT_EQ(MessageBoxTexts(), Names{c.message});
            EXPECT_EQ(FocusName(&w), "edtServerName");
            EXPECT_TRUE(Sets().empty());
        }
        ClearMessageBoxes();
        w.edtServerName->SetText("");
        TypeInto(w.edtServerName, "tacacs");
        Click(w.AddButton);
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Groups + ".18." + NameIndex("tacacs") + "=4"}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 5); }));
        EXPECT_EQ(Captions(w.ListView2), (Names{"ops", "radius", "tacacs", "tacacs+", "xtacacs"}));
        EXPECT_EQ(w.edtServerName->Text(), "");
        EXPECT_EQ(w.Static->Caption(), "5");
        EXPECT_TRUE(WaitFor([&] { return StatusLine(&w).find("Get: Ok!") != std::string::npos; }));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// Refresh, Add and Delete read at once, also while a slow walk runs: the newer read takes over
// and every group is listed once.
TEST_F(ServerGroupWindow, ReadsStartedDuringAWalkListEachGroupOnce)
{
    InWindow<Window>([&](Window& w) {
        ui::ListView* list = w.ListView2;
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 5); }));
        sim->Control("delay 150");
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        TypeInto(w.edtServerName, "lab");
        Click(w.AddButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Rows{{Groups + ".18." + NameIndex("lab") + "=4"}}));
        EXPECT_EQ(Captions(list), (Names{"lab", "ops", "radius", "tacacs", "tacacs+", "xtacacs"}));
        EXPECT_EQ(w.Static->Caption(), "6");

        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 2; }));
        ASSERT_EQ(list->Item(1)->Caption(), "ops");
        ClickRow(list, 1);
        Click(w.DeleteButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Rows{{Groups + ".18." + NameIndex("ops") + "=6"}}));
        EXPECT_EQ(Captions(list), (Names{"lab", "radius", "tacacs", "tacacs+", "xtacacs"}));
        EXPECT_EQ(w.Static->Caption(), "5");
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

} // namespace
