#pragma once
// The IP and system list windows against a simulated Sorvane-Kb switch serving
// tests/support/data/iplists.dat (or the files a suite names), one switch per test: a window
// opened modally as its menu handler opens it, a script run inside it and inside the dialogs it
// opens, and what the switch received.

#include "../snmp/RequestFixture.h"

#include "catalogue/Catalogue.h"
#include "features/common/WindowLifecycle.h"
#include "snmp/DeviceState.h"
#include "snmp/SnmpSettings.h"
#include "support/FormTest.h"
#include "support/SimSwitch.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Events.h"
#include "ui/Guard.h"
#include "ui/ListView.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class IPWindowTest : public FormTest {
protected:
    static constexpr const char* KbObjectID = "1.3.6.1.4.1.171.10.133.2.1";

    static void SetUpTestSuite()
    {
        requesttest::EnsureGlobalSession();
        InitCatalogue();
    }
    static void TearDownTestSuite() { FreeCatalogue(); }

    void SetUp() override
    {
        FormTest::SetUp();
        SimSwitchOptions options{"Kb", {}};
        for (const std::string& file : DataFiles())
            options.extraArgs.insert(options.extraArgs.end(), {"--data", SimSwitch::DataFile(file)});
        sim = std::make_unique<SimSwitch>(options);
        savedDevice_ = DefaultDevice;
        savedSecurity_ = DefaultSecurity;
        savedTimeout_ = DefaultTimeout;
        requesttest::AimDefaultsAt(*sim);
        DeviceIPText = sim->Address();
        ModuleOIDText = KbObjectID;
        ModelNameText = "Sorvane-Kb";
        UnitCount = 1;
    }
    // The switch's data files beside the model's.
    virtual std::vector<std::string> DataFiles() const { return {"iplists.dat"}; }

    void TearDown() override
    {
        DefaultDevice = savedDevice_;
        DefaultSecurity = savedSecurity_;
        DefaultTimeout = savedTimeout_;
        ClearDeviceState();
        sim.reset();
        FormTest::TearDown();
    }

    // Makes the window, shows it modally and runs script inside its modal loop; a window still
    // open afterwards is closed. Returns the modal result.
    template <class Window>
    int InWindow(const std::function<void(Window&)>& script)
    {
        auto window = std::make_unique<Window>(nullptr);
        Window* w = window.get();
        return RunModal(w, [&] {
            script(*w);
            if (w->Modal()) {
                w->OnCloseQuery = nullptr;
                w->Close();
            }
        });
    }

    // Runs open (a click that opens a dialog) and script inside the dialog that opens; the script
    // leaves the dialog open or closed, and a dialog still open afterwards is closed with its
    // Close button.
    template <class Dialog>
    static void InDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& script)
    {
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<Dialog*>(shown);
            if (dialog == nullptr) {
                ADD_FAILURE() << "another window opened";
                shown->Close();
                return;
            }
            script(*dialog);
            if (!Closing(*dialog)) {
                QWidget* close = dialog->template findChild<QWidget*>("CloseButton");
                Click(close != nullptr ? close : dialog->template findChild<QWidget*>("btnClose"));
            }
        });
        open();
    }
    // The same, opened by a click on button (an invisible one: its click run in code).
    template <class Dialog>
    static void InDialog(ui::Button* button, const std::function<void(Dialog&)>& script)
    {
        InDialog<Dialog>(
            [button] {
                if (button->isVisible())
                    Click(button);
                else
                    ui::RunGuarded([button] { button->Click(); });
            },
            script);
    }

    // Whether the modal window is on its way out: its Close takes effect once the handler (or
    // the script) that asked for it has returned.
    static bool Closing(const ui::Form& form) { return form.ModalResult() != ui::mrNone; }
    // Asks the modal window to close and lets its close query answer: false when it refused.
    static bool CloseAndAnswer(ui::Form& form)
    {
        form.Close();
        WaitFor([] { return false; }, 100);
        return Closing(form);
    }

    // The window's read has ended and its request is idle.
    template <class Window>
    static bool Idle(Window& w)
    {
        return w.DataComplete == 1 && !WindowLifecycle::Running(w.Request.get());
    }
    static bool Quiet(const MvSNMPRequest2Controls* request) { return !WindowLifecycle::Running(request); }

    // The SET PDUs since the last call, as "OID=value" texts.
    std::vector<std::vector<std::string>> Sets() { return sim->TakeSetJournal(); }
    // The same once count PDUs are there (a write the window does not wait for), at most 5 s.
    std::vector<std::vector<std::string>> SetsOnceThere(std::size_t count)
    {
        WaitFor([&] { return sim->SetJournal().size() >= count; }, 5000);
        return Sets();
    }

    // A figure of the agent's request counts ("getNext", "set" ...).
    int Stat(const std::string& name)
    {
        const std::string stats = sim->Control("stats");
        const std::size_t at = stats.find(name + "=");
        return at == std::string::npos ? -1 : std::stoi(stats.substr(at + name.size() + 1));
    }

    // Picks the entry as a user does: its change handler runs.
    static void Choose(ui::ComboBox* combo, const std::string& text)
    {
        const int index = combo->IndexOf(text);
        ASSERT_GE(index, 0) << text;
        combo->SetItemIndex(index);
        ui::Fire(combo->OnChange, static_cast<QObject*>(combo));
    }

    // The first column of every row.
    static std::vector<std::string> Captions(const ui::ListView* list)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < list->Count(); ++i)
            captions.push_back(list->Item(i)->Caption());
        return captions;
    }
    // The row whose caption is caption, or -1.
    static int RowOf(const ui::ListView* list, const std::string& caption)
    {
        for (int i = 0; i < list->Count(); ++i)
            if (list->Item(i)->Caption() == caption)
                return i;
        return -1;
    }

    std::unique_ptr<SimSwitch> sim;

private:
    MvSNMPDevice savedDevice_;
    MvSNMPSecurity savedSecurity_;
    int savedTimeout_ = 0;
};
