// Typed values in the generated windows: an emptied, foreign or out-of-range text in a number,
// address or date row sends nothing, and a message names the row and gives its editor the focus;
// a well-formed text goes to the switch as exactly what was typed.
#include "GuiFixture.h"

#include <QApplication>

using namespace guitest;

namespace {

using Journal = std::vector<std::vector<std::string>>;

// The scalars with a date in the writable string object (eleven octets fit its 32).
const VarDescriptor TypedScalars[] = {
    {NumberOid, "Number", integer, readwrite, nullptr},
    {AddressOid, "Address", ipaddress, readwrite, nullptr},
    {TextOid, "Date", datetime, readwrite, nullptr},
    {"1.3.6.1.3.4242.6.4", "Count", uinteger, readwrite, nullptr},
    {},
};

// The five rows with a date in the name column (its 16 octets hold eleven).
const VarDescriptor TypedColumns[] = {
    {"1.3.6.1.3.4242.10.1.1", "Index", integer, notaccess, nullptr},
    {"1.3.6.1.3.4242.10.1.2", "Date", datetime, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.3", "Number", integer, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.4", "Address", ipaddress, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.5", "Ports", octetstr, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.6", "Status", integer, readwrite, &RowStatusList},
    {},
};

enum class Window { Editor, TableEdit, TableAdd };

constexpr const char* NumberHint = "Please input a number between -2147483648 and 2147483647.";
constexpr const char* AddressHint = "Please input a valid IP address.";
// The address rows' own input rule refuses as the focus leaves them.
constexpr const char* AddressRule = "Please input a valid IP.";
constexpr const char* DateHint = "Please input a valid date and time.";
constexpr const char* EmptyRows = "Some items are empty!";

struct Case {
    const char* name;
    Window window;
    int row;
    std::string typed;
    bool optional;            // the row may be sent empty (Tag 99)
    std::string message;      // "": written
    Journal sent;
};

class TypedFields : public GuiTest {
protected:
    // Types the case's text into its row, ticks the row and clicks Set; true when the Set
    // refused it and the dialog or window is still open with the text and the focus on it.
    void TypeAndSet(TEditsPanel* rows, const Case& c, ui::Form* window)
    {
        ui::Edit* edit = EditOf(rows, c.row);
        if (c.optional)
            ui::SetTag(edit, 99);
        // The row ticked first, then the text typed: leaving the edit is the press on Set.
        if (c.window != Window::TableAdd || c.row != 0)
            Click(BoxOf(rows, c.row));
        Retype(rows, c.row, c.typed);
        Click(EnclosingSNMPPanel(edit)->Buttons->SetCheckedButton);
        if (c.message.empty())
            return;
        QApplication::processEvents();
        EXPECT_TRUE(window->isVisible()) << "the window stays open";
        EXPECT_EQ(edit->Text(), c.typed) << "the text stays as typed";
        if (c.message != EmptyRows) {
            EXPECT_EQ(QApplication::focusWidget(), edit) << "the focus goes to the row";
        }
        window->Close();
    }

    void Run(const Case& c)
    {
        TConfigForm form;
        if (c.window == Window::Editor) {
            MvSNMPRequest2Edits* edits = NewRequest(&form, TypedScalars);
            TSNMPEditorPanel* panel = form.MakeEditor(edits);
            form.SetCaption("Scalars: " + sim->Address());
            RunModal(&form, [&] {
                ASSERT_TRUE(WaitFor([&] { return !EditOf(panel->EditsPanel, 0)->Text().empty() && !edits->Busy; }));
                TypeAndSet(panel->EditsPanel, c, &form);
                if (form.isVisible())
                    form.Close();
            });
            return;
        }
        TSNMPListViewPanel* panel = MakeRowsWindow(&form, TypedColumns);
        RunModal(&form, [&] {
            ASSERT_TRUE(WaitFor([&] { return !form.Requests[0]->Busy && panel->ListViewPanel->ListView->Count() == 5; }));
            TakeJournal();
            RunInNextModal([&](ui::Form* dialog) {
                if (c.window == Window::TableAdd) {
                    // A whole new row around the one field of the case.
                    TEditsPanel* rows = panel->EditsPanel;
                    Retype(rows, 0, "7");
                    Retype(rows, 1, "2024-1-2,3:4:5.6");
                    Retype(rows, 2, "70");
                    Retype(rows, 3, "10.0.0.7");
                    Retype(rows, 4, "0102030405060708");
                    for (int i = 1; i <= 4; ++i)
                        if (i != c.row)
                            Click(BoxOf(rows, i));
                }
                TypeAndSet(panel->EditsPanel, c, dialog);
            });
            if (c.window == Window::TableEdit) {
                ClickRow(panel->ListViewPanel->ListView, 2);
                Click(panel->Buttons->EditButton);
            } else {
                Click(panel->Buttons->AddButton);
            }
            form.Close();
        });
    }
};

TEST_F(TypedFields, RefusedTextsSendNothingAndNameTheFieldWellFormedOnesGoOutExactly)
{
    const std::string number = std::string(NumberOid) + ".0=";
    const std::string address = std::string(AddressOid) + ".0=";
    const std::string date = std::string(TextOid) + ".0=";
    const std::vector<Case> cases = {
        // The editor window over scalars.
        {"emptied number", Window::Editor, 0, "", false, EmptyRows, {}},
        {"emptied optional number", Window::Editor, 0, "", true, "Number: " + std::string(NumberHint), {}},
        {"number above its syntax", Window::Editor, 0, "2147483648", false, "Number: " + std::string(NumberHint), {}},
        {"number with a letter", Window::Editor, 0, "4x", false, "Number: " + std::string(NumberHint), {}},
        {"number", Window::Editor, 0, "42", false, "", {{number + "42"}}},
        {"emptied optional address", Window::Editor, 1, "", true, "Address: " + std::string(AddressHint), {}},
        {"address field above 255", Window::Editor, 1, "10.0.0.300", false, "Address: " + std::string(AddressRule), {}},
        {"address", Window::Editor, 1, "10.0.0.44", false, "", {{address + "10.0.0.44"}}},
        {"emptied optional date", Window::Editor, 2, "", true, "Date: " + std::string(DateHint), {}},
        {"date that does not exist", Window::Editor, 2, "2007-13-45,25:61:61.0", false,
         "Date: " + std::string(DateHint), {}},
        {"date text", Window::Editor, 2, "abc", false, "Date: " + std::string(DateHint), {}},
        {"date", Window::Editor, 2, "2007-12-31,23:59:59.9", false, "", {{date + "07D70C1F173B3B092B0000"}}},
        {"negative count", Window::Editor, 3, "-1", false,
         "Count: Please input a number between 0 and 4294967295.", {}},
        // The Edit dialog of a table window.
        {"edited number above its syntax", Window::TableEdit, 2, "99999999999", false,
         "Number: " + std::string(NumberHint), {}},
        {"edited address field above 255", Window::TableEdit, 3, "300.0.0.1", false,
         "Address: " + std::string(AddressRule), {}},
        {"edited date in February", Window::TableEdit, 1, "2023-2-29,0:0:0.0", false, "Date: " + std::string(DateHint),
         {}},
        {"edited address", Window::TableEdit, 3, "10.0.0.33", false, "", {{"1.3.6.1.3.4242.10.1.4.3=10.0.0.33"}}},
        // The Add dialog: the key names the new row.
        {"key above its syntax", Window::TableAdd, 0, "4294967297", false, "Index: " + std::string(NumberHint), {}},
        {"added number out of range", Window::TableAdd, 2, "-2147483649", false, "Number: " + std::string(NumberHint),
         {}},
        {"added address", Window::TableAdd, 3, "10.0.0.77", false, "",
         {{"1.3.6.1.3.4242.10.1.2.7=07E80102030405062B0000", "1.3.6.1.3.4242.10.1.3.7=70",
           "1.3.6.1.3.4242.10.1.4.7=10.0.0.77", "1.3.6.1.3.4242.10.1.5.7=0102030405060708",
           "1.3.6.1.3.4242.10.1.6.7=4"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        TakeJournal();
        Run(c);
        EXPECT_EQ(TakeJournal(), c.sent);
        if (c.message.empty()) {
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        } else {
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
        }
    }
}

// The address row's input rule refuses a text as the focus leaves it (here to the row's box): the
// text stays as typed, so the Set that follows cannot write the value read before; the message
// names the row each time.
TEST_F(TypedFields, ARefusalOnLeavingTheEditKeepsTheTextAndTheNextSetSendsNothing)
{
    TConfigForm form;
    MvSNMPRequest2Edits* edits = NewRequest(&form, TypedScalars);
    TSNMPEditorPanel* panel = form.MakeEditor(edits);
    RunModal(&form, [&] {
        TEditsPanel* rows = panel->EditsPanel;
        ASSERT_TRUE(WaitFor([&] { return EditOf(rows, 1)->Text() == "192.168.0.1" && !edits->Busy; }));
        TakeJournal();
        ClearMessageBoxes();
        Retype(rows, 1, "10.0.0.300");
        Click(BoxOf(rows, 1));
        QApplication::processEvents();
        EXPECT_EQ(EditOf(rows, 1)->Text(), "10.0.0.300");
        EXPECT_EQ(QApplication::focusWidget(), EditOf(rows, 1));
        Click(panel->Buttons->SetCheckedButton);
        QApplication::processEvents();
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>(2, "Address: Please input a valid IP.")));
        EXPECT_EQ(EditOf(rows, 1)->Text(), "10.0.0.300");
        EXPECT_TRUE(TakeJournal().empty());

        // Corrected, the same Set writes what is typed now.
        Retype(rows, 1, "10.0.0.45");
        Click(panel->Buttons->SetCheckedButton);
        EXPECT_EQ(TakeJournal(), (Journal{{std::string(AddressOid) + ".0=10.0.0.45"}}));
        form.Close();
    });
}

} // namespace
