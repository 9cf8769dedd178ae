#pragma once
// Generated windows against a simulated switch serving tests/support/data/tables.dat: the
// descriptor tables of the tests, requests aimed at the switch, and helpers that read what the
// window shows and what the switch received.

#include "../snmp/RequestFixture.h"

#include "gui/ConfigForm.h"
#include "snmp/DeviceState.h"
#include "snmp/OptionList.h"
#include "snmp/Request2Edits.h"
#include "support/FormTest.h"
#include "support/SimSwitch.h"
#include "support/SnmpTools.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

#include <memory>
#include <string>
#include <vector>

namespace guitest {

inline const OptionItem RowStatusOptions[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {},
};
inline const OptionItem EnabledDisabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {}};
inline const OptionItem ActiveOptions[] = {{1, "active"}, {2, "notInService"}, {}};
inline MvOptionList RowStatusList{RowStatusOptions, 1};
inline MvOptionList EnabledDisabledList{EnabledDisabledOptions, 1};
inline MvOptionList ActiveList{ActiveOptions, 1};

// The writable scalars of tables.dat (.6) and a read-only counter.
inline constexpr const char* NumberOid = "1.3.6.1.3.4242.6.1";
inline constexpr const char* TextOid = "1.3.6.1.3.4242.6.2";
inline constexpr const char* AddressOid = "1.3.6.1.3.4242.6.3";
inline constexpr const char* MacOid = "1.3.6.1.3.4242.6.7";
inline constexpr const char* ModeOid = "1.3.6.1.3.4242.6.8";
inline const VarDescriptor Scalars[] = {
    {NumberOid, "Number", integer, readwrite, nullptr},
    {TextOid, "Text", displaystr, readwrite, nullptr},
    {AddressOid, "Address", ipaddress, readwrite, nullptr},
    {ModeOid, "Mode", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.3.4242.6.9", "Counter", counter, readonly, nullptr},
    {},
};

// The RowStatus table of tables.dat (.10): five rows, the status in column 5.
inline constexpr const char* RowsEntry = "1.3.6.1.3.4242.10.1";
inline constexpr int StatusColumn = 5;
inline const VarDescriptor RowColumns[] = {
    {"1.3.6.1.3.4242.10.1.1", "Index", integer, notaccess, nullptr},
    {"1.3.6.1.3.4242.10.1.2", "Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.3", "Number", integer, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.4", "Address", ipaddress, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.5", "Ports", octetstr, readwrite, nullptr},
    {"1.3.6.1.3.4242.10.1.6", "Status", integer, readwrite, &RowStatusList},
    {},
};

class GuiTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        requesttest::EnsureGlobalSession();
        sim = std::make_unique<SimSwitch>(SimSwitchOptions{"Kb", {"--data", SimSwitch::DataFile("tables.dat")}});
        DeviceIPText = sim->Address();
    }
    void TearDown() override
    {
        sim.reset();
        FormTest::TearDown();
    }

    // A request of the window for the switch, reading the rows of table.
    MvSNMPRequest2Edits* NewRequest(QWidget* window, const VarDescriptor* table, std::uint8_t kind = SVT_SV,
                                    int keyCount = 0)
    {
        auto* edits = new MvSNMPRequest2Edits(window);
        requesttest::AimAt(edits->Request, *sim);
        edits->Request.VarList = MvSNMPVarList(table, kind, keyCount);
        edits->Request.VarList.name = "Test";
        return edits;
    }

    // A table window over the five rows, with Add and Delete as the menu handlers make it.
    TSNMPListViewPanel* MakeRowsWindow(TConfigForm* form, const VarDescriptor* table = RowColumns)
    {
        MvSNMPRequest2Edits* edits = NewRequest(form, table, MVT_FMV, 1);
        TSNMPListViewPanel* panel = form->MakeListView(edits, StatusColumn, "createAndGo", StatusColumn, "destroy");
        form->SetCaption("Rows: " + sim->Address());
        return panel;
    }

    static ui::Edit* EditOf(TEditsPanel* rows, int row)
    {
        return dynamic_cast<ui::Edit*>(rows->Rows.at(static_cast<std::size_t>(row)).Editor);
    }
    static ui::ComboBox* ComboOf(TEditsPanel* rows, int row)
    {
        return dynamic_cast<ui::ComboBox*>(rows->Rows.at(static_cast<std::size_t>(row)).Editor);
    }
    static ui::CheckBox* BoxOf(TEditsPanel* rows, int row)
    {
        return rows->Rows.at(static_cast<std::size_t>(row)).CheckBox;
    }
    // Replaces the text of a row's edit as a user types it.
    static void Retype(TEditsPanel* rows, int row, const std::string& text)
    {
        ui::Edit* edit = EditOf(rows, row);
        edit->selectAll();
        edit->del();
        if (!text.empty())
            TypeInto(edit, text);
    }
    static bool AnyInvalidFlag(const MvSNMPVarList& list)
    {
        for (int i = 0; i < list.Count(); ++i)
            if (list.Item(i).access & invalid)
                return true;
        return false;
    }

    // The bindings of every SET the switch received since the last call, as "OID=value" texts
    // (octet strings in hexadecimal), one vector per PDU.
    std::vector<std::vector<std::string>> TakeJournal()
    {
        std::vector<std::vector<std::string>> pdus;
        for (const SetJournalPdu& pdu : sim->SetJournal()) {
            std::vector<std::string> bindings;
            for (const SetJournalBinding& b : pdu)
                bindings.push_back(b.oid + "=" + b.value);
            pdus.push_back(bindings);
        }
        sim->ClearSetJournal();
        return pdus;
    }

    // The value the switch holds, as snmpget prints it.
    std::string AgentValue(const std::string& oid)
    {
        std::vector<std::string> args = SimSecurityArgs("v2c");
        args.insert(args.end(), {"-Oqv", "-t", "2", sim->Endpoint(), oid});
        ToolResult r = RunSnmpTool("snmpget", args);
        while (!r.output.empty() && (r.output.back() == '\n' || r.output.back() == '\r'))
            r.output.pop_back();
        return r.output;
    }

    std::unique_ptr<SimSwitch> sim;
};

} // namespace guitest
