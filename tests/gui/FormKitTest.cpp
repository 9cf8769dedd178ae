// The form kit without an agent: ports of a model, the port picker in a window, the base form's
// scaling, control groups and input checks, and the form-wide input operations.

#include "RuleTestForm.h"

#include "support/FormTest.h"

#include "gui/BasicForm.h"
#include "gui/PortFunctions.h"
#include "gui/StackingPortUitForm.h"

#include "snmp/DeviceState.h"

#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/Scale.h"

#include <memory>
#include <string>
#include <vector>

namespace {

TEST(PortCountOfModel, EveryModelInAnyLetterCase)
{
    const std::pair<const char*, int> cases[] = {
        {"Sorvane-Ka", 10}, {"Sorvane-Kb", 26}, {"Sorvane-Kc", 26}, {"Sorvane-Kd", 24},
        {"sorvane-kd", 24}, {"SORVANE-KA", 10}, {"", 0},          {"Sorvane-K", 0},
        {"Sorvane-Kb ", 0},
    };
    for (const auto& [model, ports] : cases)
        EXPECT_EQ(PortCountOfModel(model), ports) << '"' << model << '"';
}

TEST(PortBitIndexText, TheSixtyFourBitsInOrder)
{
    const std::string text = PortBitIndexText();
    EXPECT_EQ(text.substr(0, 10), "0,1,2,3,4,");
    EXPECT_EQ(text.substr(text.size() - 6), ",62,63");
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 63);
}

// A window with the base form and nothing else, at a size of the test's choice.
class TPlainBasicForm : public TBasicForm {
public:
    TPlainBasicForm(int width, int height)
    {
        resize(width, height);
        InitBasicForm();
    }
};

class FormKit : public FormTest {
protected:
    void TearDown() override
    {
        ClearDeviceState();
        ui::ForcePixelsPerInch(0);
        FormTest::TearDown();
    }

    static std::vector<int> VisibleBoxes(const TStackingPortUitForm& picker)
    {
        std::vector<int> visible;
        for (std::size_t k = 0; k < picker.PortBoxes.size(); ++k)
            if (ui::Visible(picker.PortBoxes[k]))
                visible.push_back(static_cast<int>(k) + 1);
        return visible;
    }

    static std::vector<int> Range(int first, int last)
    {
        std::vector<int> numbers;
        for (int n = first; n <= last; ++n)
            numbers.push_back(n);
        return numbers;
    }

    // A rule window whose picker shows the model.
    static std::unique_ptr<TRuleTestForm> RuleForm(const std::string& model)
    {
        ModelNameCopy = model;
        return std::make_unique<TRuleTestForm>();
    }
};

TEST_F(FormKit, ThePickerShowsUnitOneWithTheModelsPorts)
{
    auto form = RuleForm("Sorvane-Kb");
    TStackingPortUitForm& picker = *form->PortSelector;
    ASSERT_EQ(picker.PortBoxes.size(), 6u * 64);
    ASSERT_EQ(picker.UnitTabs.size(), 6u);
    EXPECT_EQ(VisibleBoxes(picker), Range(1, 26));
    EXPECT_EQ(picker.UnitTabs[0]->Caption(), "Unit1 Sorvane-Kb");
    EXPECT_EQ(picker.UnitPageControl->ActivePage(), picker.UnitTabs[0].data());
    for (int unit = 0; unit < 6; ++unit) {
        EXPECT_FALSE(picker.UnitTabs[unit]->TabVisible()) << unit;
        if (unit > 0) {
            EXPECT_EQ(picker.UnitTabs[unit]->Caption(), "Unit" + std::to_string(unit + 1));
        }
    }
    // The picker fills its panel; the box captions count from 1 in every unit.
    EXPECT_EQ(picker.geometry(), form->PortPanel->contentsRect());
    EXPECT_EQ(picker.PortBoxes[64]->Caption(), "1");
    EXPECT_EQ(picker.PortBoxes[127]->Caption(), "64");

    // Only the model's ports are checked and counted: the hidden ones would go out in the list.
    picker.CheckAll();
    EXPECT_EQ(picker.CountChecked(), 26);
    EXPECT_FALSE(picker.PortBoxes[26]->Checked());
    picker.UncheckAll();
    EXPECT_EQ(picker.CountChecked(), 0);
    picker.DisableAll();
    EXPECT_FALSE(picker.PortBoxes[300]->isEnabled());
    picker.EnableAll();
    EXPECT_TRUE(picker.PortBoxes[300]->isEnabled());
}

TEST_F(FormKit, TheSmallestModelShowsTenBoxesAndAnUnknownOneNone)
{
    auto ka = RuleForm("Sorvane-Ka");
    EXPECT_EQ(VisibleBoxes(*ka->PortSelector), Range(1, 10));
    ka->PortSelector->CheckAll();
    EXPECT_EQ(ka->PortSelector->CountChecked(), 10);

    auto unknown = RuleForm("Sorvane-Kz");
    EXPECT_TRUE(VisibleBoxes(*unknown->PortSelector).empty());
    EXPECT_EQ(unknown->PortSelector->UnitTabs[0]->Caption(), "Unit1 Sorvane-Kz");
    EXPECT_EQ(unknown->PortSelector->UnitPageControl->ActivePage(), unknown->PortSelector->UnitTabs[0].data());
    unknown->PortSelector->CheckAll();
    EXPECT_EQ(unknown->PortSelector->CountChecked(), 0);
}

TEST_F(FormKit, ShowingAUnitThatIsNotThereChangesNothing)
{
    auto form = RuleForm("Sorvane-Kb");
    TStackingPortUitForm& picker = *form->PortSelector;
    for (const char* unit : {"7", "0", "x", ""}) {
        picker.ShowUnit(unit, "Sorvane-Kb", 1, 64);
        EXPECT_EQ(VisibleBoxes(picker), Range(1, 26)) << unit;
        EXPECT_EQ(picker.UnitPageControl->ActivePage(), picker.UnitTabs[0].data()) << unit;
        for (int u = 1; u < 6; ++u)
            EXPECT_EQ(picker.UnitTabs[u]->Caption(), "Unit" + std::to_string(u + 1)) << unit;
    }
    picker.ShowUnit("2", "Sorvane-Kb", 1, 3);
    EXPECT_EQ(picker.UnitPageControl->ActivePage(), picker.UnitTabs[1].data());
    EXPECT_EQ(picker.UnitTabs[1]->Caption(), "Unit2 Sorvane-Kb");
    EXPECT_FALSE(picker.UnitTabs[1]->TabVisible());
    std::vector<int> visible = Range(1, 26);
    for (int port : {65, 66, 67})
        visible.push_back(port);
    EXPECT_EQ(VisibleBoxes(picker), visible);
    // Unit 1's count stays with unit 1.
    picker.CheckAll();
    EXPECT_EQ(picker.CountChecked(), 26);
}

struct BoxPlace {
    int perLine;
    int port;
    int left;
    int line;
    int width;
};

TEST_F(FormKit, PortBoxesStandInLinesOfTheGivenLength)
{
    const BoxPlace places[] = {
        {12, 1, 20, 0, 32},  {12, 2, 60, 0, 32},  {12, 10, 380, 0, 40}, {12, 12, 460, 0, 40},
        {12, 13, 20, 1, 40}, {12, 26, 60, 2, 40}, {14, 14, 540, 0, 40}, {14, 15, 20, 1, 40},
        {14, 64, 300, 4, 40},
    };
    for (const BoxPlace& place : places) {
        TStackingPortUitForm picker;
        picker.AddUnit("Unit1", 1, 64, place.perLine);
        const ui::CheckBox* box = picker.PortBoxes[static_cast<std::size_t>(place.port - 1)];
        const int height = ui::DefaultCheckBoxHeight;
        EXPECT_EQ(box->geometry(), QRect(place.left, place.line * height + 4, place.width, height))
            << place.perLine << " a line, port " << place.port;
        EXPECT_FALSE(ui::Visible(box));
    }
}

TEST_F(FormKit, APageOfPortsForEachStackingUnit)
{
    ModelNameText = "Sorvane-Kd";
    UnitCount = 3;
    ui::Form form;
    auto* pages = new ui::PageControl(&form);
    ui::SetBounds(pages, 0, 0, 560, 300);
    new ui::TabSheet(pages, "General");
    auto* picker = new TStackingPortUitForm(&form);
    AddUnitPortsTab("Ports", picker, pages);

    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->PageCaption(pages->Page(1)), "Ports");
    EXPECT_TRUE(pages->TabVisible(pages->Page(1)));
    EXPECT_EQ(picker->parentWidget(), pages->Page(1));
    EXPECT_EQ(picker->UnitTabs.size(), 3u);
    EXPECT_EQ(picker->UnitTabs[0]->Caption(), "Unit1 Sorvane-Kd");
    EXPECT_EQ(VisibleBoxes(*picker), Range(1, 24));
    const std::vector<ui::CheckBox*> unit2 = picker->UnitBoxes(2);
    ASSERT_EQ(unit2.size(), 64u);
    EXPECT_EQ(unit2.front(), picker->PortBoxes[64]);
    EXPECT_EQ(unit2.back(), picker->PortBoxes[127]);
    EXPECT_TRUE(picker->UnitBoxes(4).empty());
    EXPECT_TRUE(picker->UnitBoxes(0).empty());
}

// A start-up that failed before it counted the units (no model either): unit 1 is still there,
// with no port shown.
TEST_F(FormKit, AUnitOfPortsWhenNoUnitWasCounted)
{
    ModelNameText.clear();
    UnitCount = 0;
    ui::Form form;
    auto* pages = new ui::PageControl(&form);
    auto* picker = new TStackingPortUitForm(&form);
    AddUnitPortsTab("Ports", picker, pages);
    EXPECT_EQ(picker->UnitTabs.size(), 1u);
    EXPECT_EQ(picker->UnitBoxes(1).size(), 64u);
    EXPECT_TRUE(VisibleBoxes(*picker).empty());
    EXPECT_EQ(picker->CountChecked(), 0);
}

TEST_F(FormKit, APickerFreesOnlyWhatItStillHolds)
{
    auto picker = std::make_unique<TStackingPortUitForm>();
    picker->AddUnit("Unit1", 1, 64, 12);
    picker->AddUnit("Unit2", 65, 64, 12);
    delete picker->UnitTabs[0].data();
    EXPECT_EQ(picker->UnitPageControl->PageCount(), 1);
    picker.reset(); // the sanitizers watch for a second free

    // A window that freed its picker no longer points at it.
    auto form = RuleForm("Sorvane-Kb");
    delete form->PortSelector.data();
    EXPECT_TRUE(form->PortSelector.isNull());
    EXPECT_FALSE(form->RequireOnePort());
    EXPECT_EQ(LastMessageBoxText(), "You must choose at least 1 port!");
}

TEST_F(FormKit, TheBaseFormScalesOnAScreenThatIsNotNinetySixPixelsPerInch)
{
    struct Case {
        int ppi, width, height, scaledWidth, scaledHeight;
    };
    for (const Case& c : {Case{120, 500, 300, 625, 375}, Case{120, 501, 300, 626, 375}, Case{96, 500, 300, 500, 300}}) {
        ui::ForcePixelsPerInch(c.ppi);
        TPlainBasicForm form(c.width, c.height);
        EXPECT_EQ(form.size(), QSize(c.scaledWidth, c.scaledHeight)) << c.ppi << " " << c.width;
        EXPECT_EQ(form.Position(), ui::poMainFormCenter);
        EXPECT_EQ(form.PortBitsText, PortBitIndexText());
    }
}

TEST_F(FormKit, RequireOnePortCountsOnlyUnitOne)
{
    auto form = RuleForm("Sorvane-Kb");
    TStackingPortUitForm& picker = *form->PortSelector;
    picker.PortBoxes[64]->SetChecked(true); // unit 2, port 1
    EXPECT_FALSE(form->RequireOnePort());
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"You must choose at least 1 port!"});
    picker.PortBoxes[25]->SetChecked(true);
    EXPECT_TRUE(form->RequireOnePort());
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

TEST_F(FormKit, ControlGroupsByKindAndTag)
{
    auto form = RuleForm("Sorvane-Kb");
    form->NameEdit->SetText("abc");
    form->NameCheck->SetChecked(true);
    form->NumberRadio->SetChecked(true);

    TBasicForm::DisableControls({form->NameEdit, form->NameCheck, form->NumberRadio, form->StatusCombo,
                                 form->PortPanel});
    EXPECT_FALSE(form->NameEdit->isEnabled());
    EXPECT_EQ(form->NameEdit->Text(), "");
    EXPECT_EQ(ui::ColorOf(form->NameEdit), ui::clMenu);
    EXPECT_FALSE(form->NameCheck->isEnabled());
    EXPECT_FALSE(form->NameCheck->Checked());
    EXPECT_FALSE(form->NumberRadio->Checked());
    EXPECT_FALSE(form->StatusCombo->isEnabled());
    EXPECT_EQ(ui::ColorOf(form->StatusCombo), ui::clMenu);
    EXPECT_TRUE(form->PortPanel->isEnabled()); // another kind: left alone

    TBasicForm::EnableControls({form->NameEdit, form->NameCheck, form->NumberRadio, form->StatusCombo});
    EXPECT_TRUE(form->NameEdit->isEnabled());
    EXPECT_EQ(ui::ColorOf(form->NameEdit), ui::clWindow);
    EXPECT_TRUE(form->NameCheck->isEnabled());
    EXPECT_EQ(ui::ColorOf(form->StatusCombo), ui::clWindow);

    // Tag 5 is carried by the number's edit only; its column has a box (a radio button).
    form->NumberEdit->SetText("12");
    form->DisableByTag(5);
    EXPECT_FALSE(form->NumberEdit->isEnabled());
    EXPECT_EQ(form->NumberEdit->Text(), "");
    EXPECT_TRUE(form->NumberRadio->isEnabled());
    form->EnableByTag(5);
    EXPECT_TRUE(form->NumberEdit->isEnabled());
    // The note's column has no box: its controls are passed over.
    ui::SetTag(form->NoteEdit, 9);
    form->DisableByTag(9);
    EXPECT_TRUE(form->NoteEdit->isEnabled());

    TBasicForm::MakeReadOnlyControls({form->NoteEdit, form->StatusCombo});
    EXPECT_TRUE(form->NoteEdit->ReadOnly());
    EXPECT_EQ(form->NoteEdit->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(ui::ColorOf(form->NoteEdit), ui::clBtnFace);
    EXPECT_FALSE(form->StatusCombo->isEnabled());

    form->NameEdit->SetText("x");
    form->StatusCombo->SetItemIndex(2);
    TBasicForm::ClearValues(form->ValueControls);
    EXPECT_EQ(form->NameEdit->Text(), "");
    EXPECT_EQ(form->StatusCombo->ItemIndex(), 0);

    form->NameCheck->setEnabled(false);
    TBasicForm::CheckAllEnabled(form->CheckBoxes);
    EXPECT_FALSE(form->NameCheck->Checked());
    EXPECT_TRUE(form->PortsCheck->Checked());
    form->NameCheck->setEnabled(true);
    form->NameCheck->SetChecked(true);
    TBasicForm::UncheckAll(form->CheckBoxes);
    EXPECT_FALSE(form->NameCheck->Checked());
    EXPECT_FALSE(form->PortsCheck->Checked());
}

TEST_F(FormKit, RequiredTextsNameTheirMessageAndTakeTheFocus)
{
    auto form = RuleForm("Sorvane-Kb");
    ShowAndActivate(form.get());
    EXPECT_TRUE(form->RequireText(nullptr, "Name?"));
    EXPECT_TRUE(form->RequireTextIfChecked(form->NameCheck, form->NameEdit, "Name?"));
    form->NameCheck->SetChecked(true);
    EXPECT_FALSE(form->RequireTextIfChecked(form->NameCheck, form->NameEdit, "Name?"));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Name?"});
    EXPECT_TRUE(WaitFor([&] { return form->NameEdit->hasFocus(); }, 5000));

    form->NoteEdit->setEnabled(false);
    EXPECT_FALSE(form->RequireText(form->NoteEdit, "Note?"));
    EXPECT_EQ(LastMessageBoxText(), "Note?");
    EXPECT_FALSE(form->NoteEdit->hasFocus());
    form->NameEdit->SetText("n");
    EXPECT_TRUE(form->RequireTextIfChecked(form->NameCheck, form->NameEdit, "Name?"));
    EXPECT_EQ(MessageBoxes().size(), 2u);
}

struct CheckCase {
    const char* text;
    bool accepted;
    const char* message; // the message box of a refusal; none for the dotted address
};

TEST_F(FormKit, AddressChecksWithTheirMessages)
{
    ui::Form form;
    auto* edit = new ui::Edit(&form);
    const auto run = [&](bool (*check)(QWidget*), const char* name, const std::vector<CheckCase>& cases) {
        for (const CheckCase& c : cases) {
            ClearMessageBoxes();
            edit->SetText(c.text);
            bool accepted = !c.accepted;
            EXPECT_NO_THROW(accepted = check(edit)) << name << " " << c.text;
            EXPECT_EQ(accepted, c.accepted) << name << " \"" << c.text << '"';
            const std::vector<std::string> expected = c.message ? std::vector<std::string>{c.message}
                                                                : std::vector<std::string>{};
            EXPECT_EQ(MessageBoxTexts(), expected) << name << " \"" << c.text << '"';
        }
    };
    const char* bad = "Please enter a valid MAC address!";
    run(&TBasicForm::CheckPlainMACText, "plain",
        {{"0011223344AA", true, nullptr},
         {"aabbccddeeff", true, nullptr},
         {"00-11-22-33-44-55", false, bad},
         {"00.11.22.33.44.55", false, bad},
         {"0011223344A", false, bad},
         {"0011223344AG", false, bad},
         {"", false, bad}});
    run(&TBasicForm::CheckSeparatedMACText, "separated",
        {{"0A-1B-2C-3D-4E-5F", true, nullptr},
         {"0A1-1B-2C-3D-4E-5F", true, nullptr},
         {"0a.1b.2c.3d.4e.5f", true, nullptr},
         {"0A1B2C3D4E5F", true, nullptr},
         {"0A-1B-2C-3D-4E", false, bad},
         {"0A--1B-2C-3D-4E", false, bad},
         {"0A-1B-2C-3D-4E-5", false, bad},
         {"0A-1B-2C-3D-4E-5G", false, bad},
         {"0A1B2C3D4E5", false, bad},
         {"", false, "Please enter a valid MAC Address"}});
    run(&TBasicForm::CheckDottedIPv4Text, "dotted",
        {{"1.2.3.4", true, nullptr},
         {"255.255.255.255", true, nullptr},
         {"1.2.3", false, nullptr},
         {"1.2.3.256", false, nullptr},
         {"1.2.3.-5", false, nullptr},
         {"1.2.3.x", false, nullptr},
         {"1.2.3.$A", false, nullptr},
         {"+1.2.3.4", false, nullptr},
         {"1.2.3.4.5", false, nullptr},
         {"", false, nullptr}});
}

TEST_F(FormKit, FormWideInputsLeaveAnEmbeddedPickerAlone)
{
    auto form = RuleForm("Sorvane-Kb");
    TStackingPortUitForm& picker = *form->PortSelector;
    picker.PortBoxes[0]->SetChecked(true);
    form->NameEdit->SetText("abc");
    form->StatusCombo->SetItemIndex(3);
    form->NameCheck->SetChecked(true);

    // Without the check-box flag every box of the form is set.
    ResetFormInputs(form.get(), true, true, false);
    EXPECT_EQ(form->NameEdit->Text(), "");
    EXPECT_EQ(form->StatusCombo->ItemIndex(), 0);
    EXPECT_TRUE(form->NameCheck->Checked());
    EXPECT_TRUE(form->PortsCheck->Checked());
    EXPECT_TRUE(picker.PortBoxes[0]->Checked());
    EXPECT_FALSE(picker.PortBoxes[1]->Checked());
    ResetFormInputs(form.get(), false, false, true);
    EXPECT_FALSE(form->NameCheck->Checked());
    EXPECT_TRUE(picker.PortBoxes[0]->Checked());

    DisableFormInputs(form.get(), true, false, true);
    EXPECT_FALSE(form->NameEdit->isEnabled());
    EXPECT_EQ(ui::ColorOf(form->NameEdit), ui::clBtnFace);
    EXPECT_TRUE(form->StatusCombo->isEnabled());
    EXPECT_FALSE(form->PortsCheck->isEnabled());
    EXPECT_TRUE(picker.PortBoxes[0]->isEnabled());
    EnableFormInputs(form.get(), true, true, true);
    EXPECT_TRUE(form->NameEdit->isEnabled());
    EXPECT_EQ(ui::ColorOf(form->NameEdit), ui::clWindow);
    EXPECT_TRUE(form->PortsCheck->isEnabled());
}

} // namespace
