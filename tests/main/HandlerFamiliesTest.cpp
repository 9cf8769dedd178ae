// Each handler family on its telling member, through the menu against the simulated switch.
#include "HandlerFamiliesFixture.h"

#include "ui/PageControl.h"

#include <algorithm>

namespace {

using Journal = std::vector<std::vector<std::string>>;

TEST_F(HandlerTest, ScalarWindowReadsItsRowsUnderTheAddressCaption)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenItem("BasicInfo1", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "Basic Information: " + sim.Address());
        EXPECT_EQ(EditorTexts(PanelOf<TSNMPEditorPanel>(&form)),
                  (std::vector<std::string>{"snmp-ip", "not-in-use", "other"}));
        EXPECT_EQ(ConfigForm, &form) << "the handler keeps its window there while it is shown";
    }));
    EXPECT_EQ(ConfigForm, nullptr);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(HandlerTest, ReadOnlyScalarWindowOffersRefreshAndCloseOnly)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenItem("ACLInformation1", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "ACL Global Settings: " + sim.Address());
        auto* panel = PanelOf<TSNMPEditorPanel>(&form);
        EXPECT_EQ(EditorTexts(panel), (std::vector<std::string>{"40", "216"}));
        EXPECT_EQ(ShownButtons(panel), (std::vector<std::string>{"Refresh", "Close"}));
    }));
}

TEST_F(HandlerTest, TrapTableAddsAndDeletesWithItsOwnStatusTextsAndNoEdit)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    const std::string status = "1.3.6.1.4.1.171.12.1.4.2.1.5.";
    EXPECT_TRUE(OpenItem("AgentTrapManagement1", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "Trap Management Table: " + sim.Address());
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ui::ListView* list = panel->ListViewPanel->ListView;
        EXPECT_EQ(ShownButtons(panel), (std::vector<std::string>{"Refresh", "Add", "Delete", "Close"}));
        ASSERT_EQ(list->Count(), 2);

        ClickRow(list, 0);
        Click(panel->Buttons->DeleteButton);
        EXPECT_EQ(sim.TakeSetJournal(), (Journal{{status + "1=2"}})) << "disabled";
        ASSERT_TRUE(WaitFor([&] { return list->Count() == 1 && !form.CurrentRequest->Busy; }));

        EXPECT_TRUE(RunInModalOf([&] { Click(panel->Buttons->AddButton); }, [&](ui::Form*) {
            TEditsPanel* rows = panel->EditsPanel;
            TypeInto(rows->Rows[0].Editor, "3");
            TypeInto(rows->Rows[1].Editor, "10.0.0.3");
            TypeInto(rows->Rows[2].Editor, "trap");
            rows->Rows[1].CheckBox->SetChecked(true);
            rows->Rows[2].CheckBox->SetChecked(true);
            Click(EnclosingSNMPPanel(rows->Rows[1].Editor)->Buttons->SetCheckedButton);
        }));
        const Journal added = sim.TakeSetJournal();
        ASSERT_EQ(added.size(), 1U) << LastMessageBoxText();
        EXPECT_NE(std::find(added[0].begin(), added[0].end(), status + "3=3"), added[0].end()) << "enabled";
        ASSERT_TRUE(WaitFor([&] { return list->Count() == 2 && !form.CurrentRequest->Busy; }));

        EXPECT_FALSE(OpensDialog([&] { DoubleClickRow(list, 0); })) << "a double click opens nothing";
    }));
}

TEST_F(HandlerTest, HiddenEditStillEditsOnADoubleClick)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenItem("HibernationTable1", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "Power Saving Hibernation Table: " + sim.Address());
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_EQ(ShownButtons(panel), (std::vector<std::string>{"Refresh", "Add", "Delete", "Close"}));
        EXPECT_EQ(Cells(panel->ListViewPanel->ListView),
                  (std::vector<std::vector<std::string>>{{"day", "notInService"}, {"night", "active"}}));
        EXPECT_TRUE(OpensDialog([&] { DoubleClickRow(panel->ListViewPanel->ListView, 1); }));
    }));
}

TEST_F(HandlerTest, ModelDependentWindowReadsTheIdentifiedModelsTable)
{
    for (const auto& [model, ports] : std::vector<std::pair<std::string, std::string>>{
             {"Ka", "11"}, {"Kb", "12"}, {"Kc", "13"}, {"Kd", "14"}}) {
        SCOPED_TRACE(model);
        SimSwitch sim(Options(model));
        const auto window = StartOn(sim);
        EXPECT_TRUE(OpenItem("DeviceInformation1", [&](TConfigForm& form) {
            EXPECT_EQ(form.Caption(), "Device Information: " + sim.Address());
            EXPECT_EQ(EditorTexts(PanelOf<TSNMPEditorPanel>(&form)),
                      (std::vector<std::string>{ports, ports.substr(1)}));
        }));
    }
}

TEST_F(HandlerTest, ModelDependentWindowOnAnUnidentifiedSwitchOpensEmptyAndSilent)
{
    SimSwitch sim(Options("Kb", {"identify-other-series.dat"}));
    const auto window = StartOn(sim);
    ASSERT_EQ(ModelNumberOf(ModuleOIDText), 0);
    EXPECT_TRUE(OpenItem(
        "DeviceInformation1",
        [&](TConfigForm& form) {
            EXPECT_EQ(form.Caption(), "Device Information: " + sim.Address());
            EXPECT_EQ(PanelOf<TSNMPEditorPanel>(&form)->EditsPanel->RowCount(), 0);
            EXPECT_EQ(form.Requests.at(0)->Request.VarList.Count(), 0);
        },
        false));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(HandlerTest, PagedWindowBuildsItsThreePages)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenItem("DHCPv6RelaySettings1", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "DHCPv6 Relay Settings: " + sim.Address());
        EXPECT_EQ(form.width(), 650) << "the frame is not known before the window shows";
        ASSERT_EQ(form.Pages->PageCount(), 3);
        EXPECT_EQ(EditorTexts(PanelOf<TSNMPEditorPanel>(form.Pages->Page(0))), (std::vector<std::string>{"4", "enabled"}));
        auto* control = PanelOf<TSNMPListViewPanel>(form.Pages->Page(1));
        auto* information = PanelOf<TSNMPListViewPanel>(form.Pages->Page(2));
        EXPECT_EQ(ShownButtons(control), (std::vector<std::string>{"Refresh", "Edit", "Close"}));
        EXPECT_EQ(ShownButtons(information), (std::vector<std::string>{"Refresh", "Add", "Delete", "Stop", "Close"}));
        EXPECT_FALSE(information->ListViewPanel->ListView->OnDblClick) << "no double-click edit";
    }));
}

TEST_F(HandlerTest, AnyHandlerRunsByNameWhateverItsItem)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    // Hidden in the layout: the window opens all the same when the handler is run.
    MainForm->Menu().Item("BasicInfo1")->setVisible(false);
    EXPECT_TRUE(InWindow([] { MainForm->RunHandlerNamed("basicinfo1click"); },
                         [&](TConfigForm& form) { EXPECT_EQ(form.Caption(), "Basic Information: " + sim.Address()); }));
    EXPECT_THROW(MainForm->RunHandlerNamed("NoSuchHandler1Click"), std::logic_error);
}

} // namespace
