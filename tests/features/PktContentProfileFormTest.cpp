// The packet content profile window against the simulated switch: the chunk rules, the checks in
// their order, what Add writes by the chunks enabled, a Profile ID the switch has, and Delete.

#include "AclFixture.h"

#include "features/acl/PktContentProfileForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <QApplication>

#include <functional>

namespace {

constexpr const char* Table = "1.3.6.1.4.1.171.12.9.2.8.1";

std::vector<std::string> Bindings(const std::string& instance, const std::vector<std::string>& sent)
{
    std::vector<std::string> full;
    for (const std::string& s : sent) {
        const std::size_t equals = s.find('=');
        full.push_back(std::string(Table) + "." + s.substr(0, equals) + "." + instance + s.substr(equals));
    }
    return full;
}

class PktContentProfileWindow : public AclWindowTest {
protected:
    TPktContentProfileForm& OpenIdle()
    {
        TPktContentProfileForm& w = Open<TPktContentProfileForm>();
        EXPECT_TRUE(Idle(w));
        return w;
    }
};

TEST_F(PktContentProfileWindow, ListsTheProfilesAndShowsARowWithoutEditingIt)
{
    TPktContentProfileForm& w = OpenIdle();
    ASSERT_EQ(w.ListView1->ColumnCount(), 17);
    EXPECT_EQ(w.ListView1->ColumnCaption(3), "Chunk 1 Offset");
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/enabled", "2/enabled"}));
    EXPECT_EQ(w.Static->Caption(), "2");
    EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-512)");
    EXPECT_TRUE(w.ValueControls.empty());
    // Add mode: every chunk disabled, its edits off.
    EXPECT_TRUE(w.btnAdd->isEnabled());
    EXPECT_FALSE(w.btnDelete->isEnabled());
    EXPECT_EQ(w.cbbChunk1State->Text(), "disabled");
    EXPECT_FALSE(w.edtChunk1Value->isEnabled());
    EXPECT_FALSE(w.edtChunk4Offset->isEnabled());

    ClickRow(w.ListView1, 1);
    EXPECT_FALSE(w.btnAdd->isEnabled());
    EXPECT_TRUE(w.btnDelete->isEnabled());
    EXPECT_FALSE(w.edtProfileID->isEnabled());
    EXPECT_EQ(w.edtChunk2Value->Text(), "31");
    EXPECT_EQ(w.edtChunk2Offset->Text(), "FF000000");
    EXPECT_TRUE(w.edtChunk2Offset->isEnabled());
    EXPECT_FALSE(w.edtChunk3Value->isEnabled());
    EXPECT_FALSE(w.cbbOwner->isEnabled());
    ClickRow(w.ListView1, -1);
    EXPECT_TRUE(w.btnAdd->isEnabled());
    EXPECT_EQ(w.edtChunk2Value->Text(), "");
}

TEST_F(PktContentProfileWindow, AChunkStateEnablesItsValueAndMask)
{
    TPktContentProfileForm& w = OpenIdle();
    Choose(w.cbbChunk3State, "enabled");
    EXPECT_TRUE(w.edtChunk3Value->isEnabled());
    EXPECT_TRUE(w.edtChunk3Offset->isEnabled());
    EXPECT_FALSE(w.edtChunk2Value->isEnabled());
    w.edtChunk3Value->SetText("4");
    w.edtChunk3Offset->SetText("FF");
    Choose(w.cbbChunk3State, "disabled");
    EXPECT_FALSE(w.edtChunk3Value->isEnabled());
    EXPECT_EQ(w.edtChunk3Value->Text(), "");
    EXPECT_EQ(w.edtChunk3Offset->Text(), "");
    Choose(w.cbbChunk3State, "enabled");
    EXPECT_EQ(w.edtChunk3Offset->Text(), "") << "enabled again, empty";
}

// An empty mask, eight hexadecimal digits or fewer pass; more, or any other character, do not.
TEST_F(PktContentProfileWindow, CheckOffsetTextTakesUpToEightHexadecimalDigits)
{
    const std::pair<const char*, bool> cases[] = {
        {"", true},         {"ff00ff00", true},   {"0", true},      {"FFFFFFFF", true}, {"123456789", false},
        {"12G4", false},    {"123G", false},      {"G123", false},  {"0x12", false},    {"12 4", false},
    };
    for (const auto& [text, passes] : cases)
        EXPECT_EQ(TPktContentProfileForm::CheckOffsetText(text), passes) << text;
}

TEST_F(PktContentProfileWindow, AddChecksTheEnabledChunksInOrder)
{
    TPktContentProfileForm& w = OpenIdle();
    struct Case {
        const char* name;
        std::function<void()> fill; // after the Profile ID and chunk 1's state, value and mask
        std::string message;
        ui::Edit* focus;
    };
    const auto chunk1 = [&](const char* value, const char* mask) {
        Choose(w.cbbChunk1State, "enabled");
        w.edtChunk1Value->SetText(value);
        w.edtChunk1Offset->SetText(mask);
    };
    const Case cases[] = {
        {"no chunk", [&] { Choose(w.cbbChunk1State, "disabled"); }, "Please specify at least one Chunk.", nullptr},
        {"no ID", [&] { w.edtProfileID->SetText(""); }, "Profile ID must be set.", w.edtProfileID},
        {"no value", [&] { chunk1("", "FF"); }, "Please specify Chunk 1 Value.", w.edtChunk1Value},
        {"no mask", [&] { chunk1("3", ""); }, "Please specify Chunk 1 Offset.", w.edtChunk1Offset},
        // Code may put in a text the edit's rule would not let a user type.
        {"nine digits", [&] { chunk1("3", "123456789"); }, "Chunk 1 Offset error.", w.edtChunk1Offset},
        {"chunk 4 after chunk 1", [&] {
             chunk1("3", "FF");
             Choose(w.cbbChunk4State, "enabled");
             w.edtChunk4Value->SetText("7");
         },
         "Please specify Chunk 4 Offset.", w.edtChunk4Offset},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClickRow(w.ListView1, -1);
        ClearMessageBoxes();
        w.edtProfileID->SetText("5");
        c.fill();
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
        if (c.focus != nullptr) {
            EXPECT_EQ(QApplication::focusWidget(), c.focus);
        }
        EXPECT_TRUE(Sets().empty());
    }
}

TEST_F(PktContentProfileWindow, AddWritesTheStatesAndTheEnabledChunks)
{
    TPktContentProfileForm& w = OpenIdle();
    w.edtProfileID->SetText("5");
    Choose(w.cbbChunk2State, "enabled");
    w.edtChunk2Value->SetText("3");
    w.edtChunk2Offset->SetText("ff00ff00");
    Click(w.btnAdd);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Sets(), std::vector<std::vector<std::string>>{
                          Bindings("5", {"2=2", "5=1", "6=3", "7=FF00FF00", "8=2", "11=2", "14=4"})});
    EXPECT_EQ(w.ListView1->Count(), 3);
    EXPECT_TRUE(w.btnAdd->isEnabled());
    EXPECT_EQ(w.edtProfileID->Text(), "");

    // A name given is written. The states stay as they were chosen: chunk 2 is still enabled.
    EXPECT_EQ(w.cbbChunk2State->Text(), "enabled");
    Choose(w.cbbChunk2State, "disabled");
    w.edtProfileID->SetText("6");
    Choose(w.cbbChunk1State, "enabled");
    w.edtChunk1Value->SetText("0");
    w.edtChunk1Offset->SetText("0");
    w.edtProfileName->SetText("ab");
    Click(w.btnAdd);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Sets(), std::vector<std::vector<std::string>>{
                          Bindings("6", {"2=1", "3=0", "4=00", "5=2", "8=2", "11=2", "14=4", "17=6162"})});
}

// There is no duplicate test: the switch refuses a profile it has, its message in a box, and the
// access words of the write are back afterwards, so the next Add writes the same columns.
TEST_F(PktContentProfileWindow, AProfileTheSwitchHasIsRefusedByIt)
{
    TPktContentProfileForm& w = OpenIdle();
    for (const char* id : {"1", "7"}) {
        SCOPED_TRACE(id);
        ClearMessageBoxes();
        w.edtProfileID->SetText(id);
        Choose(w.cbbChunk2State, "enabled");
        w.edtChunk2Value->SetText("3");
        w.edtChunk2Offset->SetText("FF");
        Click(w.btnAdd);
        EXPECT_EQ(Sets(), std::vector<std::vector<std::string>>{
                              Bindings(id, {"2=2", "5=1", "6=3", "7=FF", "8=2", "11=2", "14=4"})});
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_EQ(w.edtProfileID->Text(), "");
        if (std::string(id) == "1") {
            ASSERT_EQ(MessageBoxes().size(), 1u);
            EXPECT_NE(MessageBoxes()[0].Text.find("nconsistent"), std::string::npos) << MessageBoxes()[0].Text;
            EXPECT_EQ(w.ListView1->Count(), 2);
        } else {
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
            EXPECT_EQ(w.ListView1->Count(), 3);
        }
    }
}

TEST_F(PktContentProfileWindow, DeleteWritesTheStatusAloneAndReadsTheTableAgain)
{
    TPktContentProfileForm& w = OpenIdle();
    ClickRow(w.ListView1, 0);
    Click(w.btnDelete);
    EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{std::string(Table) + ".14.1=6"}}));
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"2/enabled"}));
    EXPECT_FALSE(w.btnDelete->isEnabled());
    EXPECT_TRUE(w.btnAdd->isEnabled());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
