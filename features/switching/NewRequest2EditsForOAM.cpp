#include "features/switching/NewRequest2EditsForOAM.h"

#include "snmp/SnmpError.h"
#include "snmp/VarList.h"
#include "ui/ListView.h"

#include <algorithm>
#include <cctype>

NewRequest2EditsForOAM::NewRequest2EditsForOAM(QWidget* window) : MvSNMPRequest2Edits(window) {}

MvSNMPRequest2Edits* NewRequest2EditsForOAM::Create(QWidget* window)
{
    return new NewRequest2EditsForOAM(window);
}

void NewRequest2EditsForOAM::RowReceived()
{
    if (!ListView)
        return;
    BitsToNames();
    AddListRow();
}

void NewRequest2EditsForOAM::BitsToNames()
{
    if (DecodeItemIndex < 0 || DecodeItemIndex >= Request.VarList.Count())
        RaiseFrameworkError(MvCode::BadAssociatedItemType);
    std::string& value = Request.VarList.Item(DecodeItemIndex).value;
    value = FunctionNamesOf(value);
}

std::string FunctionNamesOf(const std::string& hex)
{
    // Any other character would be read as a made-up digit and give names the switch never sent.
    if (!std::all_of(hex.begin(), hex.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return hex;
    static const char* const names[] = {"Variable Request", "Link Monitoring", "Remote Loopback", "Unidirection"};
    std::string text;
    for (const char c : hex) {
        const int upper = std::toupper(static_cast<unsigned char>(c));
        const int digit = upper <= '9' ? upper - '0' : upper - 'A' + 10;
        for (int bit = 0; bit < 4; ++bit)
            if ((digit & (8 >> bit)) != 0)
                text += std::string(text.empty() ? "" : ", ") + names[bit];
    }
    return text;
}
