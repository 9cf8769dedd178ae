// The OAM request: "Functions Supported" octets shown as function names in the list rows it adds,
// the other cells as the plain request shows them; a text that is no hexadecimal digits stays.
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueIndex.h"
#include "features/switching/NewRequest2EditsForOAM.h"
#include "snmp/Exception.h"
#include "snmp/VarList.h"
#include "support/FormTest.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

#include <memory>

namespace {

TEST(FunctionNamesOf, EachDigitFromItsHighBitDown)
{
    const std::pair<const char*, const char*> cases[] = {
        {"F0", "Variable Request, Link Monitoring, Remote Loopback, Unidirection"},
        {"A0", "Variable Request, Remote Loopback"},
        {"05", "Link Monitoring, Unidirection"},
        {"a0", "Variable Request, Remote Loopback"},
        {"8001", "Variable Request, Unidirection"},
        {"00", ""},
        {"", ""},
        // Not hexadecimal digits: no names are made up from them.
        {"(NULL)", "(NULL)"},
        {"(NOTDONE)", "(NOTDONE)"},
        {"F0 1", "F0 1"},
    };
    for (const auto& [hex, names] : cases)
        EXPECT_EQ(FunctionNamesOf(hex), names) << hex;
}

class OamRequest : public FormTest {
protected:
    static void SetUpTestSuite() { InitCatalogue(); }
    static void TearDownTestSuite() { FreeCatalogue(); }

    void SetUp() override
    {
        FormTest::SetUp();
        window_ = std::make_unique<QWidget>();
        request_ = std::make_unique<NewRequest2EditsForOAM>(window_.get());
        // The peer table: "IF Index" (index only), then "Functions Supported" at 7.
        const VarDescriptor* table = FindTable("Oid_lacpoam", "1.3.6.1.2.1.158.1.2.1.1", nullptr, 8);
        ASSERT_NE(table, nullptr);
        request_->Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);
        ASSERT_EQ(request_->Request.VarList.Count(), 8);
    }

    void SetValues(const std::string& functions)
    {
        MvSNMPVarList& list = request_->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            list.Item(i).value = i == 7 ? functions : std::to_string(i);
    }

    std::unique_ptr<QWidget> window_;
    std::unique_ptr<NewRequest2EditsForOAM> request_;
};

TEST_F(OamRequest, ListRowsShowTheFunctionNamesAndTheOtherCellsAsTheyCame)
{
    ui::ListView list(window_.get());
    request_->DecodeItemIndex = 7;
    request_->AttachListView(&list);
    for (const char* functions : {"F0", "05", "(NULL)"}) {
        SetValues(functions);
        request_->RowReceived();
    }
    const auto cells = Cells(&list);
    ASSERT_EQ(cells.size(), 3u);
    const std::size_t columns = cells[0].size();
    ASSERT_GE(columns, 2u);
    // The functions are the last column; the cells before it are the plain texts.
    EXPECT_EQ(cells[0].back(), "Variable Request, Link Monitoring, Remote Loopback, Unidirection");
    EXPECT_EQ(cells[1].back(), "Link Monitoring, Unidirection");
    EXPECT_EQ(cells[2].back(), "(NULL)");
    EXPECT_EQ(cells[1][columns - 2], "6");
}

TEST_F(OamRequest, WithoutAListViewNoControlReceivesTheRow)
{
    ui::Edit edit(window_.get());
    request_->DecodeItemIndex = 7;
    request_->BindControl(1, &edit);
    SetValues("F0");
    request_->RowReceived();
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(request_->Request.VarList.Item(7).value, "F0") << "nothing decoded either";
}

TEST_F(OamRequest, AnIndexOutsideTheListIsAnError)
{
    SetValues("F0");
    for (int index : {-1, 8}) {
        request_->DecodeItemIndex = index;
        try {
            request_->BitsToNames();
            ADD_FAILURE() << "no error for " << index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext(), -516) << index;
        }
    }
    request_->DecodeItemIndex = 7;
    request_->BitsToNames();
    EXPECT_EQ(request_->Request.VarList.Item(7).value,
              "Variable Request, Link Monitoring, Remote Loopback, Unidirection");
}

} // namespace
