// The IGMP and MLD multicast VLAN windows against the simulated switch: the columns each Add, Set
// and Delete writes (the switch's SET journal), Add's and Set's checks in their order, and which
// editors can be used with a row chosen or without one.

#include "SwitchingFixture.h"

#include "features/switching/IGMPMulticastVlanForm.h"
#include "features/switching/mldMulticastVlanForm.h"

#include "ui/Button.h"
#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <optional>

namespace {

const std::string IGMPEntry = "1.3.6.1.4.1.171.12.64.3.1.1";
const std::string MLDEntry = "1.3.6.1.4.1.171.12.64.3.4.1";

using Table = std::vector<std::vector<std::string>>;

// The hexadecimal form of a text, as the journal shows an octet string.
std::string Hex(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

class MulticastVlanWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"multicast.dat"}; }

    // A click beside the rows, then the VLAN typed as a user would; an empty text types nothing.
    static void TypeVlan(TMulticastVlanForm& w, const std::string& vlan, const std::string& name,
                         const std::string& remap)
    {
        ClickRow(w.findChild<ui::ListView*>(), -1);
        for (const auto& [field, text] :
             std::vector<std::pair<const char*, std::string>>{{"VlanIDEdit", vlan}, {"VlanNameEdit", name},
                                                              {"RemapPriorityEdit", remap}}) {
            auto* edit = Find<ui::Edit>(&w, field);
            edit->SetText("");
            if (!text.empty())
                TypeInto(edit, text);
        }
    }
};

struct AddCase {
    const char* vlan;
    const char* name;
    const char* remap;
    std::vector<int> sourcePorts, untagSourcePorts;
    std::vector<std::string> boxes; // the messages, in order
    std::vector<std::string> set;   // the one SET sent; none when nothing goes out
};

// IGMP Add: its checks in order, each ending the action with nothing sent; a passing Add writes
// the name, the remap priority when one is typed, Replace Priority disabled when none is chosen and
// createAndGo, never a port list, the state, the type or an address.
TEST_F(MulticastVlanWindows, IGMPAddChecksInOrderAndWritesTheNewVlan)
{
    const auto created = [](const std::string& vlan, const std::string& name, const char* remap) {
        std::vector<std::string> set{IGMPEntry + ".2." + vlan + "=" + Hex(name)};
        if (*remap != '\0')
            set.push_back(IGMPEntry + ".10." + vlan + "=" + remap);
        set.push_back(IGMPEntry + ".11." + vlan + "=2");
        set.push_back(IGMPEntry + ".13." + vlan + "=4");
        return set;
    };
    const AddCase cases[] = {
        {"", "", "", {}, {}, {"Multicast VLAN ID need to input."}, {}},
        {"", "v30", "", {}, {}, {"Multicast VLAN ID need to input."}, {}},
        {"30", "", "", {}, {}, {"VLAN Name need to input.."}, {}},
        {"30", "v30", "-1", {}, {}, {}, created("30", "v30", "-1")},
        {"31", "v31", "0", {}, {}, {}, created("31", "v31", "0")},
        {"32", "v32", "7", {}, {}, {}, created("32", "v32", "7")},
        {"33", "v33", "", {}, {}, {}, created("33", "v33", "")},
        {"34", "v34", "5", {1}, {2}, {"The Source Ports and Untag Source Ports can't be Choose at the same time"}, {}},
        // The refused Add left every column writable: this one still sends its columns.
        {"34", "v34", "5", {1}, {}, {}, created("34", "v34", "5")},
    };
    InWindow<TIGMPMulticastVlanForm>([&](TIGMPMulticastVlanForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(w.LV_IGMPMulticastVlanEntry), (std::vector<std::string>{"10", "20"}));
        for (const AddCase& c : cases) {
            SCOPED_TRACE(std::string(c.vlan) + " " + c.name + " " + c.remap);
            ClearMessageBoxes();
            TypeVlan(w, c.vlan, c.name, c.remap);
            TickPorts(w.SourcePorts, c.sourcePorts);
            TickPorts(w.UntagSourcePorts, c.untagSourcePorts);
            Click(w.btnAdd);
            EXPECT_EQ(MessageBoxTexts(), c.boxes);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            const auto sets = Sets();
            if (c.set.empty()) {
                EXPECT_TRUE(sets.empty());
                continue;
            }
            EXPECT_EQ(sets, Table{c.set});
            const auto rows = Cells(w.LV_IGMPMulticastVlanEntry);
            ASSERT_FALSE(rows.empty());
            EXPECT_EQ(rows.back()[0], c.vlan);
            EXPECT_EQ(rows.back()[1], c.name);
            EXPECT_EQ(w.StaticText1->Caption(), std::to_string(rows.size()));
        }

        // The edit's own rule refuses 8: the button does not click, nothing is sent.
        ClearMessageBoxes();
        TypeVlan(w, "35", "v35", "8");
        Click(w.btnAdd);
        EXPECT_FALSE(MessageBoxes().empty());
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.Request->Request.VarList.Item(TMulticastVlanForm::RemapPriorityItem).access, readwrite);
    });
}

// The window's own remap priority check, on the texts the edit's rule would not let through.
TEST_F(FormTest, MulticastVlanRemapPriorityCheck)
{
    struct Case {
        const char* text;
        bool passes;
        const char* after; // the edit's text afterwards
    };
    const Case cases[] = {
        {"none", true, "-1"}, {"-1", true, "-1"}, {"0", true, "0"},  {"7", true, "7"},   {"8", false, "8"},
        {"-2", false, "-2"},  {"10", false, "10"}, {"x", false, "x"}, {"1x", false, "1x"}, {"None", false, "None"},
    };
    ui::Edit edit;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ClearMessageBoxes();
        edit.SetText(c.text);
        EXPECT_EQ(TMulticastVlanForm::CheckRemapPriority(&edit, nullptr), c.passes);
        EXPECT_EQ(edit.Text(), c.after);
        EXPECT_EQ(MessageBoxTexts(),
                  c.passes ? std::vector<std::string>{}
                           : std::vector<std::string>{"Please input a number between -1 and 7"});
    }
}

// IGMP Set writes the chosen VLAN with its four port lists, never the address type, after the
// checks of the name, the whole address text and the remap priority.
TEST_F(MulticastVlanWindows, IGMPSetWritesTheChosenVlanAndRefusesAnAddressWithMore)
{
    InWindow<TIGMPMulticastVlanForm>([&](TIGMPMulticastVlanForm& w) {
        ui::ListView* list = w.LV_IGMPMulticastVlanEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(list, 0);
        EXPECT_EQ(w.VlanNameEdit->Text(), "mvlan10");
        EXPECT_EQ(w.RepalceIPEdit->Text(), "10.0.0.1");
        EXPECT_EQ(TickedPorts(w.MemberPorts), (std::vector<int>{2, 3, 4}));

        // An address followed by more is no address: both messages, nothing sent, the row kept.
        w.RepalceIPEdit->SetText("");
        TypeInto(w.RepalceIPEdit, "192.168.100.100x");
        Click(w.btnSet);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Please input a valid IP", "IP Address in not valid."}));
        EXPECT_TRUE(Sets().empty());
        EXPECT_NE(list->Selected(), nullptr);
        ClearMessageBoxes();

        w.RepalceIPEdit->SetText("192.168.100.100");
        TickPorts(w.TagMemberPorts, {5});
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{IGMPEntry + ".2.10=" + Hex("mvlan10"), IGMPEntry + ".3.10=8000000000000000",
                                  IGMPEntry + ".4.10=7000000000000000", IGMPEntry + ".5.10=0800000000000000",
                                  IGMPEntry + ".6.10=0000000000000000", IGMPEntry + ".7.10=1",
                                  IGMPEntry + ".9.10=C0A86464", IGMPEntry + ".10.10=3", IGMPEntry + ".11.10=1",
                                  IGMPEntry + ".12.10=" + Hex("1-2"), IGMPEntry + ".13.10=1"}}));
        EXPECT_EQ(Cells(list)[0][8], "192.168.100.100");
        EXPECT_EQ(w.VlanIDEdit->Text(), "");
        EXPECT_FALSE(w.btnSet->isEnabled());

        // A row whose name is empty cannot be written: its name edit is off while it is chosen.
        sim->Control("data " + IGMPEntry + ".2.20 s \"\"");
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(list, 1);
        Click(w.btnSet);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"VLAN Name need to input.."}));
        EXPECT_TRUE(Sets().empty());
    });
}

// Delete writes the status alone; the next Set carries the port lists again.
TEST_F(MulticastVlanWindows, DeleteWritesTheStatusAloneAndTheNextSetEverything)
{
    InWindow<TIGMPMulticastVlanForm>([&](TIGMPMulticastVlanForm& w) {
        ui::ListView* list = w.LV_IGMPMulticastVlanEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(list, 1);
        Click(w.btnDelete);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{IGMPEntry + ".13.20=6"}}));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"10"}));
        EXPECT_EQ(w.StaticText1->Caption(), "1");
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());

        ClickRow(list, 0);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        for (const char* column : {".3.10=", ".4.10=", ".5.10=", ".6.10="})
            EXPECT_TRUE(std::any_of(sets[0].begin(), sets[0].end(), [&](const std::string& binding) {
                return binding.starts_with(IGMPEntry + column);
            })) << column;
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// MLD Add needs the VLAN ID alone: the profile list goes as it stands (also empty), Replace
// Priority disabled when none is chosen, createAndGo; MLD Set writes the type ipv6 whatever the
// combo showed, and leaves empty texts out.
TEST_F(MulticastVlanWindows, MLDAddNeedsTheVlanAloneAndSetWritesIpv6)
{
    InWindow<TmldMulticastVlanForm>([&](TmldMulticastVlanForm& w) {
        ui::ListView* list = w.LV_IGMPMulticastVlanEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"30", "31"}));

        TypeVlan(w, "40", "", "");
        Click(w.btnAdd);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{MLDEntry + ".11.40=2", MLDEntry + ".12.40=", MLDEntry + ".13.40=4"}}));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"30", "31", "40"}));

        // VLAN 30 has the type unknown and no address; Set writes ipv6 and leaves the address out.
        ClickRow(list, 0);
        EXPECT_EQ(w.CBoxType->Text(), "unknown");
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{MLDEntry + ".2.30=" + Hex("mld30"), MLDEntry + ".3.30=2000000000000000",
                                  MLDEntry + ".4.30=0C00000000000000", MLDEntry + ".5.30=0000000000000000",
                                  MLDEntry + ".6.30=0000000000000000", MLDEntry + ".7.30=1", MLDEntry + ".8.30=2",
                                  MLDEntry + ".10.30=-1", MLDEntry + ".11.30=2", MLDEntry + ".12.30=" + Hex("2"),
                                  MLDEntry + ".13.30=1"}}));
        EXPECT_EQ(Cells(list)[0][7], "ipv6");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Which editors can be used, and their colours, as the rows are chosen and the type changes.
TEST_F(MulticastVlanWindows, EditorsFollowTheChosenRowAndTheAddressType)
{
    struct Use {
        bool enabled;
        std::optional<ui::Color> colour; // none: not painted by the window
    };
    const Use on{true, ui::clWindow}, off{false, ui::clBtnFace}, menu{false, ui::clMenu}, onAsIs{true, std::nullopt};
    // VLAN ID, name, state, type, address, profiles; Set, Delete, Add.
    struct Situation {
        const char* what;
        std::function<void(TMulticastVlanForm&)> act;
        std::vector<Use> editors;
        std::vector<bool> buttons;
    };
    const auto row = [](int index) {
        return [index](TMulticastVlanForm& w) { ClickRow(w.findChild<ui::ListView*>(), index); };
    };
    const auto beside = row(-1);
    const auto type = [](const char* text) {
        return [text](TMulticastVlanForm& w) { Choose(Find<ui::ComboBox>(&w, "CBoxType"), text); };
    };
    const Situation igmp[] = {
        {"opened", [](TMulticastVlanForm&) {}, {on, on, off, off, off, off}, {false, false, true}},
        {"row", row(0), {off, off, on, on, on, on}, {true, true, false}},
        {"type changed", type("ipv4"), {off, off, on, on, on, on}, {true, true, false}},
        {"beside", beside, {on, on, off, off, off, off}, {false, false, true}},
    };
    const Situation mld[] = {
        {"opened", [](TMulticastVlanForm&) {}, {on, onAsIs, off, off, on, off}, {false, false, true}},
        {"row of type ipv6", row(1), {menu, onAsIs, on, on, on, on}, {true, true, false}},
        {"type unknown", type("unknown"), {menu, onAsIs, on, on, off, on}, {true, true, false}},
        {"type ipv6", type("ipv6"), {menu, onAsIs, on, on, on, on}, {true, true, false}},
        {"row of type unknown", row(0), {menu, onAsIs, on, on, off, on}, {true, true, false}},
        {"beside", beside, {on, onAsIs, off, off, on, off}, {false, false, true}},
    };
    const auto check = [](TMulticastVlanForm& w, const Situation& s) {
        SCOPED_TRACE(s.what);
        s.act(w);
        const char* editors[] = {"VlanIDEdit", "VlanNameEdit", "CBoxState", "CBoxType", "RepalceIPEdit",
                                 "ProfileIDListEdit"};
        for (std::size_t k = 0; k < s.editors.size(); ++k) {
            auto* editor = Find(&w, editors[k]);
            EXPECT_EQ(editor->isEnabled(), s.editors[k].enabled) << editors[k];
            if (s.editors[k].colour) {
                EXPECT_EQ(ui::ColorOf(editor), *s.editors[k].colour) << editors[k];
            }
        }
        const char* buttons[] = {"btnSet", "btnDelete", "btnAdd"};
        for (std::size_t k = 0; k < s.buttons.size(); ++k)
            EXPECT_EQ(Find(&w, buttons[k])->isEnabled(), s.buttons[k]) << buttons[k];
    };
    InWindow<TIGMPMulticastVlanForm>([&](TIGMPMulticastVlanForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        for (const Situation& s : igmp)
            check(w, s);
    });
    InWindow<TmldMulticastVlanForm>([&](TmldMulticastVlanForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        for (const Situation& s : mld)
            check(w, s);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
