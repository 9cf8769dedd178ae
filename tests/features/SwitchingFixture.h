#pragma once
// The switching windows against a simulated Sorvane-Kb switch serving
// tests/support/data/switching.dat (or the data files a fixture names), one switch per test: a
// window opened modally as its menu handler opens it, a script run inside it, and what the switch
// received.

#include "../snmp/RequestFixture.h"

#include "catalogue/Catalogue.h"
#include "features/common/WindowLifecycle.h"
#include "gui/StackingPortUitForm.h"
#include "snmp/DeviceState.h"
#include "snmp/SnmpSettings.h"
#include "support/FormTest.h"
#include "support/SimSwitch.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Events.h"
#include "ui/ListView.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class SwitchingWindowTest : public FormTest {
protected:
    static void SetUpTestSuite()
    {
        requesttest::EnsureGlobalSession();
        InitCatalogue();
    }
    static void TearDownTestSuite() { FreeCatalogue(); }

    void SetUp() override
    {
        FormTest::SetUp();
        std::vector<std::string> args;
        for (const std::string& file : DataFiles())
            args.insert(args.end(), {"--data", SimSwitch::DataFile(file)});
        sim = std::make_unique<SimSwitch>(SimSwitchOptions{"Kb", args});
        savedDevice_ = DefaultDevice;
        savedSecurity_ = DefaultSecurity;
        savedTimeout_ = DefaultTimeout;
        requesttest::AimDefaultsAt(*sim);
        DeviceIPText = sim->Address();
        ModelNameText = "Sorvane-Kb";
        UnitCount = 1;
    }
    // The data files of tests/support/data the switch serves.
    virtual std::vector<std::string> DataFiles() const { return {"switching.dat"}; }

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
    // open afterwards (and not closing) is closed. Returns the modal result.
    template <class Window>
    int InWindow(const std::function<void(Window&)>& script)
    {
        auto window = std::make_unique<Window>(nullptr);
        Window* w = window.get();
        return RunModal(w, [&] {
            script(*w);
            if (w->Modal() && w->ModalResult() == ui::mrNone) {
                w->OnCloseQuery = nullptr;
                w->Close();
            }
        });
    }

    // The window's read has ended and its request is idle.
    template <class Window>
    static bool Idle(Window& w, const MvSNMPRequest2Controls* request)
    {
        return w.DataComplete == 1 && !WindowLifecycle::Running(request);
    }
    static bool Quiet(const MvSNMPRequest2Controls* request) { return !WindowLifecycle::Running(request); }

    // Ticks exactly these ports (1-based) of the picker.
    static void TickPorts(TStackingPortUitForm* picker, const std::vector<int>& ports)
    {
        picker->UncheckAll();
        for (int port : ports)
            picker->PortBoxes[static_cast<std::size_t>(port - 1)]->SetChecked(true);
    }
    // The ticked ports (1-based) of the picker's unit 1.
    static std::vector<int> TickedPorts(const TStackingPortUitForm* picker)
    {
        std::vector<int> ports;
        for (int k = 0; k < TStackingPortUitForm::PortsPerUnit; ++k)
            if (picker->PortBoxes[static_cast<std::size_t>(k)]->Checked())
                ports.push_back(k + 1);
        return ports;
    }

    // Chooses the entry as a user would: its change handler runs.
    static void Choose(ui::ComboBox* combo, const std::string& text)
    {
        const int index = combo->IndexOf(text);
        ASSERT_GE(index, 0) << text;
        combo->SetItemIndex(index);
        ui::Fire(combo->OnChange, static_cast<QObject*>(combo));
    }

    // The SET PDUs since the last call, as "OID=value" texts.
    std::vector<std::vector<std::string>> Sets() { return sim->TakeSetJournal(); }

    // A figure of the agent's request counts ("getNext", "set" ...).
    int Stat(const std::string& name)
    {
        const std::string stats = sim->Control("stats");
        const std::size_t at = stats.find(name + "=");
        return at == std::string::npos ? -1 : std::stoi(stats.substr(at + name.size() + 1));
    }

    // The first column of every row.
    static std::vector<std::string> Captions(const ui::ListView* list)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < list->Count(); ++i)
            captions.push_back(list->Item(i)->Caption());
        return captions;
    }

    std::unique_ptr<SimSwitch> sim;

private:
    MvSNMPDevice savedDevice_;
    MvSNMPSecurity savedSecurity_;
    int savedTimeout_ = 0;
};
