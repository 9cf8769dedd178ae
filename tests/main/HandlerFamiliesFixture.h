#pragma once
// Menu handlers against a simulated switch serving tests/support/data/handlers.dat: the main
// window started on the switch, its items clicked, the window they open read and closed.

#include "ModalScript.h"
#include "ProgramTest.h"

#include "gui/ConfigForm.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpSettings.h"
#include "support/SimSwitch.h"
#include "ui/CheckBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class HandlerTest : public ProgramTest {
protected:
    static SimSwitchOptions Options(const std::string& model = "Kb", const std::vector<std::string>& data = {})
    {
        SimSwitchOptions options{model, {"--data", SimSwitch::DataFile("handlers.dat")}};
        for (const std::string& file : data)
            options.extraArgs.insert(options.extraArgs.end(), {"--data", SimSwitch::DataFile(file)});
        return options;
    }

    // Whether the item is enabled as it is when shown: Qt greys an item the layout hides,
    // whatever its handler.
    static bool EnabledWhenShown(QAction* item)
    {
        const bool visible = item->isVisible();
        item->setVisible(true);
        const bool enabled = item->isEnabled();
        item->setVisible(visible);
        return enabled;
    }

    // The main window started on the switch over SNMPv3 (which carries the port); the requests
    // made later take the version given (SNMPv2c unless told).
    static std::unique_ptr<StartedMainWindow> StartOn(const SimSwitch& sim, int version = 1)
    {
        auto window = std::make_unique<StartedMainWindow>(std::vector<std::string>{
            "/I" + sim.Address(), "/R" + std::string(SimCredentials::ReadCommunity),
            "/W" + std::string(SimCredentials::WriteCommunity), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
            "/n" + std::string(SimCredentials::NoAuthUser), "/l1"});
        DefaultSecurity.Version = static_cast<std::uint8_t>(version);
        return window;
    }

    // Runs open (a menu click or a handler run by name) and script inside the generated window
    // it opens, once its first read has ended; then closes the window. False when none opened.
    bool InWindow(const std::function<void()>& open, const std::function<void(TConfigForm&)>& script,
                  bool waitForRead = true)
    {
        return RunInModalOf(open, [&](ui::Form* shown) {
            auto* form = dynamic_cast<TConfigForm*>(shown);
            if (form == nullptr) {
                ADD_FAILURE() << "not a generated window";
                return;
            }
            if (waitForRead) {
                EXPECT_TRUE(WaitFor([&] { return ReadEnded(*form); }, 10000)) << StatusLine(form);
            }
            script(*form);
        });
    }

    bool OpenItem(const std::string& item, const std::function<void(TConfigForm&)>& script, bool waitForRead = true)
    {
        return InWindow([&] { ClickMenuItem(MainForm, item); }, script, waitForRead);
    }

    // The window's visible request has answered: its panel's status line says how.
    static bool ReadEnded(TConfigForm& form)
    {
        const MvSNMPRequest2Edits* request = form.CurrentRequest;
        if (request == nullptr || request->Busy)
            return false;
        for (TSNMPPanel* panel : form.findChildren<TSNMPPanel*>())
            if (panel->Edits == request)
                return !StatusLine(panel).empty();
        return false;
    }

    // Whether action opens a modal window (which is closed at once).
    static bool OpensDialog(const std::function<void()>& action)
    {
        return RunInModalOf(action, {});
    }

    template <class Panel>
    static Panel* PanelOf(QWidget* form)
    {
        auto* panel = form->findChild<Panel*>();
        if (panel == nullptr)
            ADD_FAILURE() << "no panel of the expected class";
        return panel;
    }

    // The buttons of a panel's column that show, by name.
    static std::vector<std::string> ShownButtons(TSNMPPanel* panel)
    {
        std::vector<std::string> shown;
        const TCtrlBtnPanel* b = panel->Buttons;
        for (const auto& [name, button] : std::vector<std::pair<std::string, QWidget*>>{
                 {"Refresh", b->RefreshButton}, {"Edit", b->EditButton}, {"Set", b->SetCheckedButton},
                 {"Add", b->AddButton}, {"Delete", b->DeleteButton}, {"Check All", b->CheckAllButton},
                 {"Clear Checks", b->ClearChecksButton}, {"Stop", b->StopButton}, {"Close", b->CloseButton}})
            if (ui::Visible(button))
                shown.push_back(name);
        return shown;
    }

    static std::vector<std::string> EditorTexts(TSNMPEditorPanel* panel)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < panel->EditsPanel->RowCount(); ++i)
            texts.push_back(EditorText(panel->EditsPanel->Rows[static_cast<std::size_t>(i)].Editor));
        return texts;
    }
};
