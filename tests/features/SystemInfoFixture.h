#pragma once
// The time, SMTP and information windows against a simulated Sorvane-Kb switch serving
// tests/support/data/system-info.dat, one switch per test.

#include "SwitchingFixture.h"

#include <string>

class SystemInfoWindowTest : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"system-info.dat"}; }

    // The SET PDUs since the last call, once the first has reached the switch (an asynchronous
    // write is on its way when the click returns).
    std::vector<std::vector<std::string>> SetsSent()
    {
        WaitFor([&] { return !sim->SetJournal().empty(); }, 5000);
        return Sets();
    }

    // The octets of a text as the SET journal writes them.
    static std::string Hex(const std::string& text)
    {
        static const char digits[] = "0123456789ABCDEF";
        std::string hex;
        for (unsigned char c : text) {
            hex += digits[c >> 4];
            hex += digits[c & 15];
        }
        return hex;
    }
};
