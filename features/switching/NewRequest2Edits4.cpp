#include "features/switching/NewRequest2Edits4.h"

#include "snmp/SnmpError.h"
#include "snmp/VarList.h"
#include "ui/ListView.h"

#include <array>

NewRequest2Edits4::NewRequest2Edits4(QWidget* window) : MvSNMPRequest2Edits(window) {}

void NewRequest2Edits4::RowReceived()
{
    if (ListView) {
        if (CapabilitiesItem >= Request.VarList.Count())
            RaiseFrameworkError(MvCode::BadAssociatedItemType);
        std::string& value = Request.VarList.Item(CapabilitiesItem).value;
        value = CapabilityNamesOf(value);
    }
    MvSNMPRequest2Edits::RowReceived();
}

std::string CapabilityNamesOf(const std::string& hex)
{
    struct Capabilities {
        const char* hex;
        const char* names;
    };
    // Every combination of the three bits but none.
    static constexpr std::array<Capabilities, 7> known = {{
        {"E0", "Dot1qTagging,ConfigurableAcceptableFrameTypes,IngressFiltering"},
        {"60", "ConfigurableAcceptableFrameTypes,IngressFiltering"},
        {"A0", "Dot1qTagging,IngressFiltering"},
        {"C0", "Dot1qTagging,ConfigurableAcceptableFrameTypes"},
        {"20", "IngressFiltering"},
        {"80", "Dot1qTagging"},
        {"40", "ConfigurableAcceptableFrameTypes"},
    }};
    for (const Capabilities& capabilities : known)
        if (hex == capabilities.hex)
            return capabilities.names;
    return {};
}
