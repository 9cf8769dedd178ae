#pragma once
// The ACL windows against a simulated Sorvane-Kb switch, one switch per test: its rule and
// profile tables (sim/data/common.dat), or emptied ones. A window is shown as its menu handler
// shows it (its first read started by its creation), driven as a user would, and the switch's
// SET journal read.

#include "snmp/RequestFixture.h"

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

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class AclWindowTest : public FormTest {
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
        savedDevice_ = DefaultDevice;
        savedSecurity_ = DefaultSecurity;
        DeviceIPText = "";
        ModelNameText = ModelNameCopy = "Sorvane-Kb";
        UnitCount = 1;
    }
    void TearDown() override
    {
        delete window_.data();
        DefaultDevice = savedDevice_;
        DefaultSecurity = savedSecurity_;
        ClearDeviceState();
        sim.reset();
        FormTest::TearDown();
    }

    // The switch, with its tables emptied when asked.
    void StartSwitch(bool emptyTables = false)
    {
        std::vector<std::string> args;
        if (emptyTables)
            args = {"--data", SimSwitch::DataFile("acl-empty.dat")};
        sim = std::make_unique<SimSwitch>(SimSwitchOptions{"Kb", args});
        requesttest::AimDefaultsAt(*sim);
        DeviceIPText = sim->Address();
    }

    // The window made and shown; its first read has started.
    template <class Window>
    Window& Open()
    {
        if (!sim)
            StartSwitch();
        auto* window = new Window(nullptr);
        window_ = window;
        ShowAndActivate(window);
        return *window;
    }

    // One window at a time: the one shown before is closed first. A profile window reads its
    // table synchronously, so its list is complete when it is shown.
    template <class Window>
    Window& Show()
    {
        delete shown_.data();
        Window& w = Open<Window>();
        shown_ = &w;
        EXPECT_TRUE(Idle(w));
        return w;
    }

    // The window's read has ended and its request is idle.
    template <class Window>
    static bool Idle(const Window& w)
    {
        return w.DataComplete == 1 && !WindowLifecycle::Running(w.Request.get());
    }
    template <class Window>
    static void WaitIdle(const Window& w)
    {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }, 10000)) << StatusLine(const_cast<Window*>(&w));
    }

    // A choice made as a user makes it: the entry selected and the list's change event run.
    static void Choose(ui::ComboBox* combo, const std::string& text)
    {
        const int index = combo->IndexOf(text);
        ASSERT_GE(index, 0) << text;
        combo->SetItemIndex(index);
        ui::Fire(combo->OnChange, static_cast<QObject*>(combo));
    }

    // Ticks exactly these ports (1-based) of unit 1.
    static void TickPorts(TStackingPortUitForm* picker, const std::vector<int>& ports)
    {
        picker->UncheckAll();
        for (int port : ports)
            picker->PortBoxes[static_cast<std::size_t>(port - 1)]->SetChecked(true);
    }
    static std::vector<int> TickedPorts(const TStackingPortUitForm* picker)
    {
        std::vector<int> ports;
        for (int k = 0; k < TStackingPortUitForm::PortsPerUnit; ++k)
            if (picker->PortBoxes[static_cast<std::size_t>(k)]->Checked())
                ports.push_back(k + 1);
        return ports;
    }

    // The list's rows as "caption/first sub-item".
    static std::vector<std::string> Keys(const ui::ListView* list)
    {
        std::vector<std::string> keys;
        for (int i = 0; i < list->Count(); ++i)
            keys.push_back(list->Item(i)->Caption() + "/" + list->Item(i)->SubItem(0));
        return keys;
    }

    // The SET PDUs since the last call, as "OID=value" texts.
    std::vector<std::vector<std::string>> Sets() { return sim->TakeSetJournal(); }
    // The same once the switch has received count of them (an asynchronous write is on its way
    // when the click returns).
    std::vector<std::vector<std::string>> SetsReceived(std::size_t count)
    {
        EXPECT_TRUE(WaitFor([&] { return sim->SetJournal().size() >= count; }, 10000));
        return Sets();
    }

    // A figure of the agent's request counts ("getNext", "set" ...).
    int Stat(const std::string& name)
    {
        const std::string stats = sim->Control("stats");
        const std::size_t at = stats.find(name + "=");
        return at == std::string::npos ? -1 : std::stoi(stats.substr(at + name.size() + 1));
    }

    std::unique_ptr<SimSwitch> sim;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> shown_;
    MvSNMPDevice savedDevice_;
    MvSNMPSecurity savedSecurity_;
};
