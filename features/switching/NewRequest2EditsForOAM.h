#pragma once
// The request of the two 802.3 OAM list windows (the OAM table and its peer table): a list row's
// "Functions Supported" octets are shown as the names of the supported OAM functions.
//
//     auto* edits = new NewRequest2EditsForOAM(form);
//     edits->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
//     edits->DecodeItemIndex = 6;                    // before the first read
//     form->MakeListView(edits, -1, {}, -1, {});

#include "snmp/Request2Edits.h"

#include <cstdint>
#include <string>

class NewRequest2EditsForOAM : public MvSNMPRequest2Edits {
public:
    explicit NewRequest2EditsForOAM(QWidget* window);

    // A new request for the window, for the handler rows that name it.
    static MvSNMPRequest2Edits* Create(QWidget* window);

    // The item whose value is decoded; unset (-1) until the creator sets it.
    std::int32_t DecodeItemIndex = -1;

    // With a list view: the item decoded, then the row added (no window messages dispatched).
    // Without one nothing happens: no control receives the values.
    void RowReceived() override;

    // Rewrites the value text of the item at DecodeItemIndex with FunctionNamesOf. An index
    // outside the variable list raises the framework's error -516.
    void BitsToNames();
};

// The OAM functions whose bits are set in an octet string's hexadecimal text, each digit from its
// most significant bit down: 8 "Variable Request", 4 "Link Monitoring", 2 "Remote Loopback",
// 1 "Unidirection", joined by ", " ("F0" gives all four, "05" the last two, "00" and "" nothing).
// A text that is not made of hexadecimal digits ("(NULL)", a finished column's "(NOTDONE)") is
// returned as it is.
std::string FunctionNamesOf(const std::string& hex);
