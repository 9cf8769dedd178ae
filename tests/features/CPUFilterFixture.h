#pragma once
// The CPU interface filter rule windows against a simulated Sorvane-Kb switch serving their four
// tables (tests/support/data/cpufilter.dat). Their request is synchronous: a window has read its
// table when it opens, and every write and read has ended when a click returns.

#include "AclRuleWindowFixture.h"

#include "ui/StatusBar.h"

#include <string>
#include <vector>

class CPUFilterWindowTest : public AclRuleWindowTest {
protected:
    static constexpr const char* IPv4Rule = "1.3.6.1.4.1.171.12.9.5.2.1";
    static constexpr const char* EthernetRule = "1.3.6.1.4.1.171.12.9.5.1.1";
    static constexpr const char* IPv6Rule = "1.3.6.1.4.1.171.12.9.5.4.1";
    static constexpr const char* PacketContentRule = "1.3.6.1.4.1.171.12.9.5.3.1";

    // The switch with the four tables, and the data files given after them.
    void StartCPUFilterSwitch(const std::vector<std::string>& more = {})
    {
        std::vector<std::string> args = {"--data", SimSwitch::DataFile("cpufilter.dat")};
        for (const std::string& file : more)
            args.insert(args.end(), {"--data", SimSwitch::DataFile(file)});
        sim = std::make_unique<SimSwitch>(SimSwitchOptions{"Kb", args});
        requesttest::AimDefaultsAt(*sim);
        DeviceIPText = sim->Address();
    }

    // The window opened as its menu item opens it: its table read before it shows.
    template <class Window>
    Window& OpenWindow()
    {
        if (!sim)
            StartCPUFilterSwitch();
        return Open<Window>();
    }

    // What panel 0 shows, and the simple text the panel bar keeps without showing it.
    static std::string Panel0(QWidget* w) { return w->findChild<ui::StatusBar*>("StatusBar1")->Panel(0)->Text(); }
    static std::string HiddenLine(QWidget* w) { return w->findChild<ui::StatusBar*>("StatusBar1")->SimpleText(); }

    // The SET PDUs, one text per PDU: its bindings under entry as "column.instance=value".
    static std::vector<std::string> Columns(const std::vector<std::vector<std::string>>& pdus, const std::string& entry)
    {
        std::vector<std::string> out;
        for (const auto& pdu : pdus) {
            std::string line;
            for (const std::string& binding : pdu) {
                std::string rest = binding.rfind(entry + ".", 0) == 0 ? binding.substr(entry.size() + 1) : binding;
                line += (line.empty() ? "" : " ") + rest;
            }
            out.push_back(line);
        }
        return out;
    }
};
