#pragma once
// The request of the 802.1p port capability window: a list row's capabilities octet becomes the
// names of the capabilities it marks before the row is added.
//
//     auto request = std::make_unique<NewRequest2Edits4>(window);
//     request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);   // item 1: the capabilities
//     request->AttachListView(list);

#include "snmp/Request2Edits.h"

#include <string>

class NewRequest2Edits4 : public MvSNMPRequest2Edits {
public:
    // The item that holds the capabilities.
    static constexpr int CapabilitiesItem = 1;

    explicit NewRequest2Edits4(QWidget* window);

    // With a list view: the capabilities item's text becomes its names, then the row is added as
    // every request adds it.
    void RowReceived() override;
};

// The capability names of a capabilities value text (upper-case hexadecimal, two digits per
// octet), compared as a whole: bit 0x80 "Dot1qTagging", 0x40 "ConfigurableAcceptableFrameTypes",
// 0x20 "IngressFiltering", named in that order and joined by ","; any other text, "00" and a
// longer octet string among them, gives "".
std::string CapabilityNamesOf(const std::string& hex);
