// The hand-made switching windows against the simulated switch, as a user who makes typos would
// use them: every typed number or address that a write sends, emptied or out of its range, is
// refused with a message that names the field, the focus goes back to its edit, what was typed
// stays, and the switch receives nothing; a well-formed text goes out exactly as typed. Also: the
// PPPoE circuit ID window writes only a port the user chose.

#include "SpanningTreeFixture.h"

#include "features/switching/AggregatorPortTableForm.h"
#include "features/switching/IGMPSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MLDSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MSTPVLANUnitForm.h"
#include "features/switching/PPOEEditForm.h"
#include "features/switching/PPOEForm.h"
#include "features/switching/STP_Info.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

#include <QApplication>

#include <algorithm>
#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Type = std::function<void()>;

// What the window builders below do as a user would (the fixture's helpers, reached statically).
struct User : SpanningTreeWindowTest {
    using FormTest::Click;
    using FormTest::ClickRow;
    using FormTest::TypeInto;
    using FormTest::WaitFor;
};

// One typed field of a window's write.
struct TypedField {
    std::string Field;                              // the caption the message names
    std::function<ui::Edit*(ui::Form&)> Edit;       // the window's edit (or its open dialog's)
    std::vector<std::string> Refused;               // texts that must not go out
    std::string Good;                               // a well-formed text
    std::string Written;                            // the binding Good gives in the journal
    std::string EmptyMessage = {};                  // the window's own message for an empty text
};

// One window: its data, how it is made, and how a user brings it to a write.
struct WindowCase {
    std::string Name;
    std::string Data; // the file of tests/support/data the switch serves
    std::function<ui::Form*()> Make;
    // Chooses the row and types well-formed values, runs type (which puts the field's text in),
    // presses the write's button and waits until the window is quiet again.
    std::function<void(ui::Form&, const Type& type)> Write;
    std::vector<TypedField> Fields;
};

void PrintTo(const WindowCase& c, std::ostream* out) { *out << c.Name; }

template <class Window>
std::function<ui::Form*()> Make()
{
    return [] { return new Window(nullptr); };
}

// The edit named by a member of the window.
template <class Window>
std::function<ui::Edit*(ui::Form&)> EditOf(ui::Edit* Window::*member)
{
    return [member](ui::Form& form) { return dynamic_cast<Window&>(form).*member; };
}

template <class Window>
std::function<void(ui::Form&, const Type&)> WriteIn(std::function<void(Window&, const Type&)> write)
{
    return [write](ui::Form& form, const Type& type) { write(dynamic_cast<Window&>(form), type); };
}

void Retype(ui::Edit* edit, const std::string& text)
{
    edit->SetText("");
    User::TypeInto(edit, text);
}

bool WaitQuiet(const MvSNMPRequest2Controls* request)
{
    return User::WaitFor([&] { return !WindowLifecycle::Running(request); }, 10000);
}

const std::string MstpInstance = "1.3.6.1.4.1.171.12.15.2.3.1";
const std::string LacpPort = "1.2.840.10006.300.43.1.2.1.1";
const std::string Stp = "1.3.6.1.4.1.171.12.15.1";
const std::string IGMPUpstream = "1.3.6.1.4.1.171.12.80.3.1.1.1";
const std::string MLDUpstream = "1.3.6.1.4.1.171.12.80.3.2.1.1";
const char* const StpEmpty = "Don't Leave Empty Fileds.";

// The MSTP instance table: Edit of instance 1 with its priority box ticked, Add of an instance.
WindowCase MstpInstanceEdit()
{
    using W = TMSTPVLANUnitForm;
    return {"MSTPInstanceEdit", "spanning-tree-qos.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()) &&
                                                           w.ListView1->Count() >= 2; }));
                User::ClickRow(w.ListView1, 1);
                w.CheckBoxPriority->SetChecked(true);
                type();
                User::Click(w.EditButton);
                WaitQuiet(w.Request.get());
            }),
            {{"Priority", EditOf(&W::PriorityEdit), {"", "61441", "-1"}, "4096",
              MstpInstance + ".12.1=4096"}}};
}

WindowCase MstpInstanceAdd()
{
    using W = TMSTPVLANUnitForm;
    return {"MSTPInstanceAdd", "spanning-tree-qos.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()) &&
                                                           w.ListView1->Count() >= 2; }));
                type();
                User::Click(w.AddButton);
                WaitQuiet(w.Request.get());
            }),
            {{"Instance ID", EditOf(&W::VIDEdit), {"", "8", "0"}, "3", MstpInstance + ".24.3=4"}}};
}

// The link aggregation port table: Edit of port 2.
WindowCase AggregatorPort()
{
    using W = TAggregatorPortTableForm;
    return {"AggregatorPort", "livecounters.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                ASSERT_TRUE(User::WaitFor([&] { return w.DataComplete == 1 && w.ListView1->Count() == 2; }));
                User::ClickRow(w.ListView1, 1);
                w.edtPartnerID->SetText("0a0B0c0D0e0F");
                type();
                User::Click(w.btnEdit);
                User::WaitFor([&] { return w.DataComplete == 1 && !WindowLifecycle::Running(w.Request.get()); });
            }),
            {{"Actor Admin Key", EditOf(&W::edtActorKey), {"", "65536"}, "300", LacpPort + ".4.2=300"},
             {"Partner Admin Key", EditOf(&W::edtPartnerKey), {"", "70000"}, "9", LacpPort + ".10.2=9"}}};
}

// The spanning tree bridge settings under RSTP: the timers, hops and hold count.
WindowCase StpBridge()
{
    using W = TSTP_Info;
    return {"STPBridgeSettings", "spanning-tree-qos.dat", Make<W>(),
            WriteIn<W>([](W& w, const Type& type) {
                w.ET_AgingTime->SetText("2000");
                w.ET_ForwardDelay->SetText("1500");
                w.ET_HelloTime->SetText("150");
                w.ET_Priority->SetText("20");
                w.ED_TxHoldCount->SetText("3");
                // The focus moves on from the full ones, then rests on no edit: the window's
                // checks meet the texts below, not the edits' input rules.
                QApplication::processEvents();
                w.setFocus();
                QApplication::processEvents();
                type();
                User::Click(w.BT_Set);
            }),
            // Texts short of an edit's full length: a full one moves the focus on, and the edit's
            // input rule refuses it as the focus leaves.
            {{"Max Age", EditOf(&W::ET_AgingTime), {"", "599"}, "1800", Stp + ".3.0=1800", StpEmpty},
             // Below 400 the timer relation refuses first ("Data Error.").
             {"Forward Delay", EditOf(&W::ET_ForwardDelay), {""}, "1600", Stp + ".5.0=1600", StpEmpty},
             {"Max Hops", EditOf(&W::ET_Priority), {"", "5"}, "30", Stp + ".6.0=30", StpEmpty},
             {"TX Hold Count", EditOf(&W::ED_TxHoldCount), {"", "0"}, "5", Stp + ".7.0=5"},
             {"Hello Time", EditOf(&W::ET_HelloTime), {"", "99"}, "200", Stp + ".4.0=200", StpEmpty}}};
}

// The proxy upstream interface windows: Set of the chosen row.
template <class W>
std::function<void(ui::Form&, const Type&)> UpstreamSet(int rows)
{
    return WriteIn<W>([rows](W& w, const Type& type) {
        ASSERT_TRUE(User::WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()) &&
                                                   w.ListView1->Count() == rows; }));
        User::ClickRow(w.ListView1, 0);
        type();
        User::Click(w.btnSet);
        WaitQuiet(w.Request.get());
    });
}

WindowCase IGMPProxyUpstream()
{
    using W = TIGMPSnoopingProxyUpstreamInterfaceForm;
    return {"IGMPProxyUpstream", "multicast.dat", Make<W>(), UpstreamSet<W>(2),
            {{"Index", EditOf(&W::IndexEdit), {"", "-1"}, "2", IGMPUpstream + ".2.2=10"},
             {"VLAN ID", EditOf(&W::VIDEdit), {"", "0", "4095"}, "11", IGMPUpstream + ".2.1=11"},
             {"Unsolicited Report Interval", EditOf(&W::IntervalTime), {"", "26"}, "20", IGMPUpstream + ".5.1=20"},
             {"Source IP", EditOf(&W::edtIPAddress), {"", "10.0.0.300", "10.0.0", "10.0.0.1.2"}, "10.0.0.44",
              IGMPUpstream + ".6.1=10.0.0.44"}}};
}

WindowCase MLDProxyUpstream()
{
    using W = TMLDSnoopingProxyUpstreamInterfaceForm;
    return {"MLDProxyUpstream", "multicast.dat", Make<W>(), UpstreamSet<W>(1),
            {{"VLAN ID", EditOf(&W::VIDEdit), {"", "4095"}, "31", MLDUpstream + ".2.1=31"},
             {"Source IP", EditOf(&W::edtIPAddress), {"", "2001", "20010DB800000000000000000000000G"},
              "20010DB8000000000000000000000002", MLDUpstream + ".6.1=20010DB8000000000000000000000002"}}};
}

std::vector<WindowCase> Cases()
{
    return {MstpInstanceEdit(), MstpInstanceAdd(), AggregatorPort(), StpBridge(), IGMPProxyUpstream(),
            MLDProxyUpstream()};
}

class SwitchingTypedValues : public SpanningTreeWindowTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    std::vector<std::string> DataFiles() const override { return {GetParam().Data}; }

    // The text in the edit, as pasted; a text of the rule's full length moves the focus on, as
    // typing it would.
    static void Put(ui::Edit* edit, const std::string& text)
    {
        edit->SetText(text);
        QApplication::processEvents();
    }

    // The user puts a good text in and leaves the edit, whose input rule then has nothing to
    // refuse: the next refusal is the window's own check, not the rule's when the focus moves.
    static void Corrected(ui::Form& w, ui::Edit* edit, const std::string& good)
    {
        edit->SetText(good);
        w.setFocus();
        QApplication::processEvents();
    }

    // The SETs the switch received, once at least one is there (or after a while).
    std::vector<std::vector<std::string>> SetsOnceAny() { return SetsOnceThere(1); }
};

TEST_P(SwitchingTypedValues, ATypedValueGoesOutAsTypedOrNotAtAll)
{
    const WindowCase& c = GetParam();
    std::unique_ptr<ui::Form> window(c.Make());
    ui::Form* w = window.get();
    RunModal(w, [&] {
        for (const TypedField& f : c.Fields) {
            for (const std::string& text : f.Refused) {
                SCOPED_TRACE(f.Field + ": \"" + text + "\"");
                ClearMessageBoxes();
                ui::Edit* edit = nullptr;
                c.Write(*w, [&] {
                    edit = f.Edit(*w);
                    Put(edit, text);
                });
                ASSERT_NE(edit, nullptr);
                // Whatever a write would have sent has arrived by now.
                WaitFor([] { return false; }, 300);
                EXPECT_TRUE(Sets().empty());
                EXPECT_EQ(edit->Text(), text) << "what was typed stays";
                if (text.empty() && !f.EmptyMessage.empty()) {
                    const std::vector<std::string> boxes = MessageBoxTexts();
                    EXPECT_TRUE(StatusLine(w).find(f.EmptyMessage) != std::string::npos ||
                                boxes == std::vector<std::string>{f.EmptyMessage})
                        << StatusLine(w) << " / " << LastMessageBoxText();
                    Corrected(*w, edit, f.Good);
                    continue;
                }
                ASSERT_EQ(MessageBoxes().size(), 1u) << ::testing::PrintToString(MessageBoxTexts());
                EXPECT_EQ(LastMessageBoxText().rfind(f.Field + ": ", 0), 0u) << LastMessageBoxText();
                EXPECT_EQ(QApplication::focusWidget(), edit) << "the focus is back in the edit";
                Corrected(*w, edit, f.Good);
            }
            SCOPED_TRACE(f.Field + ": \"" + f.Good + "\"");
            ClearMessageBoxes();
            c.Write(*w, [&] { Put(f.Edit(*w), f.Good); });
            const auto sets = SetsOnceAny();
            EXPECT_TRUE(std::any_of(sets.begin(), sets.end(), [&](const std::vector<std::string>& set) {
                return std::find(set.begin(), set.end(), f.Written) != set.end();
            })) << f.Written;
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        }
        if (w->Modal() && w->ModalResult() == ui::mrNone) {
            w->OnCloseQuery = nullptr;
            w->Close();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Windows, SwitchingTypedValues, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return info.param.Name; });

// The PPPoE circuit ID window: a click beside the rows chooses no port, so Edit stays off and
// neither Edit nor a double click opens the dialog; Set Checked writes the chosen port alone.
class PPOEChosenPort : public SpanningTreeWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"nlb-colormap-pppoe.dat"}; }
};

TEST_F(PPOEChosenPort, EditAndSetCheckedWriteOnlyAPortTheUserChose)
{
    InWindow<TPPOEForm>([&](TPPOEForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ASSERT_EQ(w.ListView1->Count(), 4);
        // The port chosen: its row alone.
        RunInNextModal([&](ui::Form* shown) {
            auto* d = dynamic_cast<TPPOEEditForm*>(shown);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->EditIndex->Text(), "2");
            Click(d->CheckBox1);
            Click(d->SetChecked);
        });
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnEdit->isEnabled());
        Click(w.btnEdit);
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 1u);
        EXPECT_EQ(sets[0][0].rfind("1.3.6.1.4.1.171.12.79.1.2.1.1.2.2=", 0), 0u) << sets[0][0];
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));

        // Beside the rows: no port, so no Edit and no dialog, whichever way it is asked for.
        ClickRow(w.ListView1, 1);
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(OpensModalWindow([&] { DoubleClickRow(w.ListView1, -1); }));
        EXPECT_FALSE(OpensModalWindow([&] { w.btnEditClick(w.btnEdit); }));
        EXPECT_TRUE(Sets().empty());
    });
}

} // namespace
