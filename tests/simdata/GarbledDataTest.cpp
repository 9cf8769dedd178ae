// The garbled data of a switch that answers with the wrong things: every generated instance
// changes its type or comes too short, every table gets rows of undecodable indexes, and the
// simulated switch serves the file.

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueIndex.h"
#include "simdata/GarbledData.h"
#include "simdata/SimDataGenerator.h"
#include "support/SimSwitch.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>
#include <sstream>

namespace {

struct Line {
    char type = 0;
    std::string value;
};

// The instances of a data file's text: OID to type and value field.
std::map<std::string, Line> Instances(const std::string& text)
{
    std::map<std::string, Line> instances;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string oid, type, value;
        fields >> oid >> type >> value;
        if (oid.empty() || oid[0] == '#' || oid == "table" || oid == "column")
            continue;
        instances[oid] = {type[0], value};
    }
    return instances;
}

std::size_t Octets(const std::string& hex)
{
    return hex == "\"\"" ? 0 : (hex.size() + 1) / 3;
}

class GarbledData : public testing::Test {
protected:
    void SetUp() override { InitCatalogue(); }
    void TearDown() override { FreeCatalogue(); }
};

TEST_F(GarbledData, EveryValueChangesItsTypeOrComesTooShort)
{
    SimDataGenerator data("Kb");
    // A table keyed by an IPv4 and a MAC address, with a MAC value column, and scalars.
    const SimWindowData arp{.table = FindTable("Oid_arpspoofingprevent", "1.3.6.1.4.1.171.12.62.3.1.1.1"),
                            .kind = MVT_UMV, .keyCount = 2, .statusItem = 3};
    const SimWindowData scalars{.table = FindTable("Oid_ipif", "1.3.6.1.4.1.171.12.84.1.5.1"), .kind = SVT_SV};
    ASSERT_NE(arp.table, nullptr);
    ASSERT_NE(scalars.table, nullptr);
    data.Add(arp);
    data.Add(scalars);

    const std::string text = GarbledText(data);
    EXPECT_EQ(text.find("\ntable "), std::string::npos) << "the declarations would refuse the wrong types";
    const std::map<std::string, Line> garbled = Instances(text);
    const std::map<std::string, Line> generated = Instances(data.Text());
    int shortened = 0, retyped = 0;
    for (const auto& [oid, original] : generated) {
        const auto found = garbled.find(oid);
        if (found == garbled.end())
            continue; // a not-accessible column, never served
        const Line& now = found->second;
        if (now.type == original.type) {
            ASSERT_EQ(now.type, 'x') << oid;
            EXPECT_LT(Octets(now.value), Octets(original.value)) << oid;
            if (Octets(original.value) == 6) {
                EXPECT_EQ(Octets(now.value), 3u) << "a MAC address of three octets: " << oid;
            }
            ++shortened;
        } else {
            ++retyped;
        }
    }
    EXPECT_GT(shortened, 0);
    EXPECT_GT(retyped, 0);

    // Rows of the table whose index is cut short or runs past its end.
    const std::string column = std::string(arp.table[2].oid);
    const std::string firstRow = column + "." + data.RowIndexes(arp).at(0);
    EXPECT_EQ(garbled.count(firstRow.substr(0, firstRow.rfind('.'))), 1u);
    EXPECT_EQ(garbled.count(column + ".250.65.66"), 1u);
    for (const VarDescriptor* item = scalars.table; item->oid != nullptr; ++item)
        if (item->oid[0] != '\0' && data.Cell(std::string(item->oid) + ".0") != nullptr) {
            EXPECT_EQ(garbled.count(std::string(item->oid) + ".250.65.66"), 0u) << "a scalar has no index";
        }

    // The switch serves it.
    QTemporaryDir dir;
    SimSwitch sim({"Kb", {"--data", WriteGarbledFile(data, dir.path().toStdString() + "/garbled.dat")}});
    EXPECT_NE(sim.Control("ping").find("pong"), std::string::npos);
}

} // namespace
