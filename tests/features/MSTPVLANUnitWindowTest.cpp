// The MSTP instance window against the simulated switch: the VLAN bitmaps shown as list texts,
// Edit writing the checked blocks as bitmaps (and nothing for a text that is no list of its
// block), Add creating an instance with its row status alone, Delete, the editors' states, and
// one listing for two quick reads.

#include "SpanningTreeFixture.h"

#include "features/switching/MSTPVLANUnitForm.h"

#include "snmp/VarList.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <cstdio>

namespace {

const std::string Entry = "1.3.6.1.4.1.171.12.15.2.3.1";

using Table = std::vector<std::vector<std::string>>;

// A 64-octet bitmap with bits first to last set (bit 0: the most significant of octet 0), as
// the journal shows it.
std::string Bitmap(int first, int last)
{
    unsigned char octets[64] = {};
    for (int bit = first; bit <= last; ++bit)
        octets[bit / 8] |= static_cast<unsigned char>(0x80 >> (bit % 8));
    std::string hex;
    for (unsigned char octet : octets) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", octet);
        hex += digits;
    }
    return hex;
}

class MSTPVLANUnitWindow : public SpanningTreeWindowTest {
protected:
    static bool Listed(const TMSTPVLANUnitForm& w, int rows)
    {
        return Quiet(w.Request.get()) && w.ListView1->Count() == rows;
    }
    // No item is left out of the next write.
    static bool AllWritable(const TMSTPVLANUnitForm& w)
    {
        const MvSNMPVarList& list = w.Request->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            if ((list.Item(i).access & invalid) != 0)
                return false;
        return true;
    }
};

TEST_F(MSTPVLANUnitWindow, BitmapsAreListedAsVLANLists)
{
    InWindow<TMSTPVLANUnitForm>([&](TMSTPVLANUnitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        const auto cells = Cells(w.ListView1);
        EXPECT_EQ(cells[0][0], "0");
        EXPECT_EQ(cells[0][1], "1-3,5");
        for (int k = 2; k <= 8; ++k)
            EXPECT_EQ(cells[0][static_cast<std::size_t>(k)], "0") << k;
        EXPECT_EQ(cells[1][2], "600-610");
        EXPECT_EQ(cells[1][8], "4000");
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.grpRule->Caption(), "Instance ID");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Edit writes the checked blocks, as bitmaps, the priority when its box is checked, and the row
// status of the selected instance; nothing else.
TEST_F(MSTPVLANUnitWindow, EditWritesTheCheckedColumnsOfTheSelectedInstance)
{
    struct Case {
        const char* name;
        int row;
        std::function<void(TMSTPVLANUnitForm&)> input;
        std::vector<std::string> set;
    };
    const Case cases[] = {
        {"block 513-1024", 0,
         [](TMSTPVLANUnitForm& w) {
             Click(w.cbxVlanRange2);
             w.VLANRangeEdit2->SetText("");
             TypeInto(w.VLANRangeEdit2, "600-610");
             w.VLANRangeEdit3->SetText("1100"); // not checked: not sent
         },
         {Entry + ".3.0=" + Bitmap(87, 97), Entry + ".24.0=1"}},
        {"no box", 1, [](TMSTPVLANUnitForm&) {}, {Entry + ".24.1=1"}},
        {"priority", 1,
         [](TMSTPVLANUnitForm& w) {
             Click(w.CheckBoxPriority);
             w.PriorityEdit->SetText("");
             TypeInto(w.PriorityEdit, "4096");
         },
         {Entry + ".12.1=4096", Entry + ".24.1=1"}},
    };
    InWindow<TMSTPVLANUnitForm>([&](TMSTPVLANUnitForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
            ClickRow(w.ListView1, c.row);
            c.input(w);
            Click(w.EditButton);
            EXPECT_EQ(SetsOnceThere(1), (Table{c.set}));
            EXPECT_TRUE(AllWritable(w));
            EXPECT_FALSE(w.EditButton->isEnabled());
            EXPECT_TRUE(w.AddButton->isEnabled());
        }
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_EQ(Cells(w.ListView1)[0][2], "600-610");
        EXPECT_EQ(Cells(w.ListView1)[1][11], "4096");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A checked block whose text is no list of that block is refused with the block check's message:
// nothing goes out, what was typed stays, and every column is written again by the next write.
TEST_F(MSTPVLANUnitWindow, ABlockTextThatIsNoListOfItsBlockIsRefused)
{
    InWindow<TMSTPVLANUnitForm>([&](TMSTPVLANUnitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ClickRow(w.ListView1, 0);
        Click(w.cbxVlanRange2);
        for (const char* text : {"9-3", "abc", "10", "600-1100"}) {
            SCOPED_TRACE(text);
            ClearMessageBoxes();
            w.VLANRangeEdit2->SetText(text);
            Click(w.EditButton);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a VLAN list within 513-1024."});
            EXPECT_TRUE(Sets().empty());
            EXPECT_TRUE(AllWritable(w));
            EXPECT_EQ(w.VLANRangeEdit2->Text(), text);
            EXPECT_TRUE(w.EditButton->isEnabled());
        }
        // Corrected, it goes out.
        w.VLANRangeEdit2->SetText("513,1024");
        Click(w.EditButton);
        EXPECT_EQ(SetsOnceThere(1), (Table{{Entry + ".3.0=" + Bitmap(0, 0).replace(126, 2, "01"), Entry + ".24.0=1"}}));
    });
}

// Add writes the new instance's row status alone, Delete its row status "destroy".
TEST_F(MSTPVLANUnitWindow, AddCreatesTheInstanceWithItsRowStatusAloneAndDeleteRemovesIt)
{
    InWindow<TMSTPVLANUnitForm>([&](TMSTPVLANUnitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        TypeInto(w.VIDEdit, "3");
        Click(w.AddButton);
        EXPECT_EQ(SetsOnceThere(1), (Table{{Entry + ".24.3=4"}}));
        EXPECT_EQ(w.VIDEdit->Text(), "");
        EXPECT_TRUE(AllWritable(w));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 3); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"0", "1", "3"}));
        EXPECT_EQ(Cells(w.ListView1)[2][1], "0");

        ClickRow(w.ListView1, 2);
        Click(w.DeleteButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Are you sure to delete it?"});
        EXPECT_EQ(SetsOnceThere(1), (Table{{Entry + ".24.3=6"}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_TRUE(w.VIDEdit->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
    });
}

// A write of Edit or Add that cannot go out (here: no valid address to send to) says why in the
// status line, rather than pass for one that went out; every column is written again later.
TEST_F(MSTPVLANUnitWindow, AWriteThatCannotGoOutSaysWhy)
{
    InWindow<TMSTPVLANUnitForm>([&](TMSTPVLANUnitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        const std::string address = w.Request->Request.Device.Address;
        for (const bool add : {false, true}) {
            SCOPED_TRACE(add ? "Add" : "Edit");
            w.StatusBar1->Panel(0)->SetText("");
            if (add) {
                ClickRow(w.ListView1, -1);
                TypeInto(w.VIDEdit, "4");
            } else {
                ClickRow(w.ListView1, 0);
                Click(w.cbxVlanRange1);
            }
            w.Request->Request.Device.Address = "";
            Click(add ? w.AddButton : w.EditButton);
            w.Request->Request.Device.Address = address;
            EXPECT_FALSE(StatusLine(&w).empty());
            EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
            EXPECT_TRUE(AllWritable(w));
            EXPECT_FALSE(w.EditButton->isEnabled());
        }
    });
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(MSTPVLANUnitWindow, SelectingARowOpensTheWritableColumnsOnly)
{
    InWindow<TMSTPVLANUnitForm>([&](TMSTPVLANUnitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_TRUE(w.VIDEdit->isEnabled());
        EXPECT_FALSE(w.VLANRangeEdit1->isEnabled());
        EXPECT_FALSE(w.EditButton->isEnabled());

        ClickRow(w.ListView1, 1);
        EXPECT_EQ(w.VIDEdit->Text(), "1");
        EXPECT_EQ(w.VLANRangeEdit2->Text(), "600-610");
        for (QWidget* shownOnly : std::initializer_list<QWidget*>{w.VIDEdit, w.TypeComboBox, w.StateComboBox, w.Edit1,
                                                                  w.Edit6, w.Edit11, w.cbxType, w.cbxState, w.CheckBox1})
            EXPECT_FALSE(shownOnly->isEnabled()) << shownOnly->objectName().toStdString();
        for (QWidget* open : std::initializer_list<QWidget*>{w.VLANRangeEdit1, w.cbxVlanRange8, w.PriorityEdit,
                                                             w.CheckBoxPriority})
            EXPECT_TRUE(open->isEnabled()) << open->objectName().toStdString();
        EXPECT_EQ(w.TypeComboBox->Text(), "msti");
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());

        ClickRow(w.ListView1, -1);
        EXPECT_TRUE(w.VIDEdit->isEnabled());
        EXPECT_EQ(w.VIDEdit->Text(), "");
        EXPECT_FALSE(w.VLANRangeEdit2->isEnabled());
        EXPECT_FALSE(w.PriorityEdit->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
    });
}

TEST_F(MSTPVLANUnitWindow, TwoQuickRefreshesListEveryInstanceOnce)
{
    InWindow<TMSTPVLANUnitForm>([&](TMSTPVLANUnitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        sim->Control("delay 200");
        Click(w.GetButton);
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        sim->Control("delay 0");
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"0", "1"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
