#include "features/switching/DdmWindows.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/ConfigForm.h"
#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"
#include "snmp/VarList.h"
#include "ui/Control.h"

#include <memory>

namespace {

// The settings are three scalars read as the one row of a walk.
constexpr DdmWindow InformationSettings{"DDM Information Settings", "1.3.6.1.4.1.171.12.72.1.1", MVT_FMV, 0, false};
constexpr DdmWindow StatusTable{"DDM Status Table", "1.3.6.1.4.1.171.12.72.2.1.1.1.1", MVT_FMV, 1, true};
constexpr DdmWindow ThresholdManagementTable{"DDM Threshold Management Table", "1.3.6.1.4.1.171.12.72.3.1.1.1.1",
                                             MVT_UMV, 2, true};
constexpr DdmWindow PortManagementTable{"DDM Port Management Table", "1.3.6.1.4.1.171.12.72.3.2.2.1.1", MVT_UMV, 1,
                                        true};

void Open(const DdmWindow& window, const std::string& address, float scale)
{
    const VarDescriptor* table = FindTable("Oid_ddm", window.keyOid);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table for ") + window.title);
    std::unique_ptr<TConfigForm> form(new TConfigForm(nullptr));
    // The window owns the request once the layout call has taken it.
    auto* edits = new MvSNMPRequest2Edits(form.get());
    edits->Request.VarList = MvSNMPVarList(table, window.kind, window.keys);
    try {
        if (window.list)
            form->MakeListView(edits, -1, std::nullopt, -1, std::nullopt);
        else
            form->MakeEditor(edits);
    } catch (...) {
        bool owned = false;
        for (MvSNMPRequest2Edits* request : form->Requests)
            owned = owned || request == edits;
        if (!owned)
            delete edits;
        throw;
    }
    if (window.list)
        ui::SetHeight(form.get(), static_cast<int>(scale * 450));
    form->SetCaption(std::string(window.title) + ": " + address);
    form->ShowModal();
}

} // namespace

void OpenDDMInformationSettings(const std::string& address, float scale)
{
    Open(InformationSettings, address, scale);
}

void OpenDDMStatusTable(const std::string& address, float scale)
{
    Open(StatusTable, address, scale);
}

void OpenDDMThresholdManagementTable(const std::string& address, float scale)
{
    Open(ThresholdManagementTable, address, scale);
}

void OpenDDMPortManagementTable(const std::string& address, float scale)
{
    Open(PortManagementTable, address, scale);
}

std::span<const DdmWindow> DdmWindows()
{
    static constexpr DdmWindow windows[] = {InformationSettings, StatusTable, ThresholdManagementTable,
                                            PortManagementTable};
    return windows;
}
