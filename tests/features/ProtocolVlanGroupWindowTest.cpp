// The protocol VLAN group window against the simulated switch: its synchronous reads and
// writes, Add's checks, the protocol value as hexadecimal octets of the row index, and Delete
// of the selected group only.

#include "SwitchingFixture.h"

#include "features/switching/ProtocolVLANGroupForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string GroupEntry = "1.3.6.1.2.1.17.7.1.5.1.1";

using Table = std::vector<std::vector<std::string>>;

class ProtocolVlanGroupWindow : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"vlan.dat"}; }

    // A new group typed into the editors: the frame type's index (-1 none), value and group ID.
    static void TypeGroup(TProtocolVLANGroupForm& w, int type, const std::string& value, const std::string& id)
    {
        w.TypeComboBox->SetItemIndex(type);
        w.ValueEdit->SetText("");
        w.IDEdit->SetText("");
        if (!value.empty())
            TypeInto(w.ValueEdit, value);
        if (!id.empty())
            TypeInto(w.IDEdit, id);
    }
};

TEST_F(ProtocolVlanGroupWindow, ListsAddsAndDeletesGroups)
{
    InWindow<TProtocolVLANGroupForm>([&](TProtocolVLANGroupForm& w) {
        ui::ListView* list = w.ListView1;
        // The read is over when the window has opened.
        EXPECT_EQ(Cells(list), (Table{{"ethernet", "86DD", "2", "active"}, {"rfc1042", "0806", "5", "active"}}));
        EXPECT_EQ(w.Static->Caption(), "2");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.RowComboBox->isVisible());

        // "0800" of ethernet in group 3: the row 1, 2 octets 08 00.
        TypeGroup(w, 0, "0800", "3");
        Click(w.AddButton);
        EXPECT_EQ(Sets(), (Table{{GroupEntry + ".3.1.2.8.0=3", GroupEntry + ".4.1.2.8.0=4"}}));
        ASSERT_EQ(list->Count(), 3);
        EXPECT_EQ(Cells(list)[0], (std::vector<std::string>{"ethernet", "0800", "3", "active"}));
        EXPECT_EQ(w.ValueEdit->Text(), "");
        EXPECT_EQ(w.TypeComboBox->ItemIndex(), -1);

        // An odd count gives the first digit an octet of its own.
        TypeGroup(w, 1, "806", "4");
        Click(w.AddButton);
        EXPECT_EQ(Sets(), (Table{{GroupEntry + ".3.2.2.8.6=4", GroupEntry + ".4.2.2.8.6=4"}}));
        EXPECT_EQ(MessageBoxes().size(), 1u) << "the switch has the group 0806 of rfc1042";

        // A selected group: its keys shown and fixed; Delete writes destroy alone.
        ClickRow(list, 1);
        EXPECT_EQ(w.ValueEdit->Text(), "86DD");
        EXPECT_FALSE(w.ValueEdit->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        Click(w.DeleteButton);
        EXPECT_EQ(Sets(), (Table{{GroupEntry + ".4.1.2.134.221=6"}}));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"ethernet", "rfc1042"}));
        EXPECT_EQ(w.Request->Request.VarList.Item(TProtocolVLANGroupForm::GroupIdItem).access, readwrite);
        EXPECT_TRUE(w.ValueEdit->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_EQ(w.Static->Caption(), "2");
    });
}

struct AddCase {
    int type;
    const char* value;
    const char* id;
    const char* message;
};

// Add's checks, in their order; nothing goes out after a message.
TEST_F(ProtocolVlanGroupWindow, AddChecksTheTypedGroup)
{
    const AddCase cases[] = {
        {-1, "", "", "Template Frame Type must be set."},
        {-1, "0800", "3", "Template Frame Type must be set."},
        {0, "", "", "Template Protocol Value must be set."},
        {2, "", "3", "Template Protocol Value must be set."},
        {0, "0800", "", "Group ID must be set."},
    };
    InWindow<TProtocolVLANGroupForm>([&](TProtocolVLANGroupForm& w) {
        for (const AddCase& c : cases) {
            SCOPED_TRACE(std::to_string(c.type) + " " + c.value + " " + c.id);
            ClearMessageBoxes();
            TypeGroup(w, c.type, c.value, c.id);
            Click(w.AddButton);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
            EXPECT_TRUE(Sets().empty());
        }
    });
}

// The protocol value takes hexadecimal digits only: anything else stands for no octet.
TEST_F(ProtocolVlanGroupWindow, TheProtocolValueIsHexadecimal)
{
    InWindow<TProtocolVLANGroupForm>([&](TProtocolVLANGroupForm& w) {
        const int beeps = BeepCount();
        TypeInto(w.ValueEdit, "08x0");
        EXPECT_EQ(w.ValueEdit->Text(), "080");
        EXPECT_GT(BeepCount(), beeps);
        TypeInto(w.ValueEdit, "00");
        EXPECT_EQ(w.ValueEdit->Text(), "0800") << "four digits at most";
    });
}

// After a failed Add the table is read again all the same.
TEST_F(ProtocolVlanGroupWindow, ARefusedAddReadsTheTableAgain)
{
    InWindow<TProtocolVLANGroupForm>([&](TProtocolVLANGroupForm& w) {
        const int walks = Stat("getnext");
        TypeGroup(w, 0, "86DD", "7");
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses().size(), 1u);
        EXPECT_GT(Stat("getnext"), walks);
        EXPECT_EQ(Cells(w.ListView1)[0][2], "2");
    });
}

// Refresh leaves no row selected, so Delete has nothing to delete: the keys typed since name
// another group, which stays.
TEST_F(ProtocolVlanGroupWindow, DeleteWritesNothingWithoutASelectedRow)
{
    InWindow<TProtocolVLANGroupForm>([&](TProtocolVLANGroupForm& w) {
        ClickRow(w.ListView1, 0);
        ASSERT_TRUE(w.DeleteButton->isEnabled());
        Click(w.GetButton);
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(w.TypeComboBox->isEnabled());
        TypeGroup(w, 1, "0806", "5");
        w.DeleteButtonClick(nullptr);
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.ListView1->Count(), 2);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
