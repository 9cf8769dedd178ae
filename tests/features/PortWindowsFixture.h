#pragma once
// The port windows (mirroring, trunking, segmentation, RSPAN, voice VLAN, EEE) against a
// simulated Sorvane-Kb switch serving tests/support/data/portwindows.dat, identified as the
// main window identifies it.

#include "SwitchingFixture.h"

#include <set>

class PortWindowTest : public SwitchingWindowTest {
protected:
    static constexpr const char* KaOid = "1.3.6.1.4.1.171.10.133.1.1";
    static constexpr const char* KbOid = "1.3.6.1.4.1.171.10.133.2.1";

    std::vector<std::string> DataFiles() const override { return {"portwindows.dat"}; }
    void SetUp() override
    {
        SwitchingWindowTest::SetUp();
        ModuleOIDText = KbOid;
    }

    // One line of the data-file format, applied to the running switch.
    void Serve(const std::string& line) { sim->Control("data " + line); }

    // Every row of the list is there once (by its first column).
    static bool EachRowOnce(const ui::ListView* list)
    {
        std::set<std::string> keys;
        for (const auto& row : Cells(list))
            keys.insert(row[0]);
        return keys.size() == static_cast<std::size_t>(list->Count());
    }
};
