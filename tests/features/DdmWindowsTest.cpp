// The four DDM windows against a simulated switch serving their tables: each opens modally on its
// table under the caption with the address, the three tables 450 scaled high without Add and
// Delete, and the settings' Set Checked writes the three scalars where they were read.
#include "../snmp/RequestFixture.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueIndex.h"
#include "features/switching/DdmWindows.h"
#include "gui/ConfigForm.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpSettings.h"
#include "support/FormTest.h"
#include "simdata/SimDataGenerator.h"
#include "ui/CheckBox.h"

#include <QTemporaryDir>

#include <memory>

namespace {

struct DdmCase {
    void (*open)(const std::string&, float);
    const char* title;
    const char* keyOid;
    std::uint8_t kind;
    int keys;
};

const DdmCase Cases[] = {
    {OpenDDMInformationSettings, "DDM Information Settings", "1.3.6.1.4.1.171.12.72.1.1", MVT_FMV, 0},
    {OpenDDMStatusTable, "DDM Status Table", "1.3.6.1.4.1.171.12.72.2.1.1.1.1", MVT_FMV, 1},
    {OpenDDMThresholdManagementTable, "DDM Threshold Management Table", "1.3.6.1.4.1.171.12.72.3.1.1.1.1", MVT_UMV, 2},
    {OpenDDMPortManagementTable, "DDM Port Management Table", "1.3.6.1.4.1.171.12.72.3.2.2.1.1", MVT_UMV, 1},
};

class DdmWindows : public FormTest {
protected:
    static void SetUpTestSuite()
    {
        requesttest::EnsureGlobalSession();
        InitCatalogue();
        SimDataGenerator data("Kb");
        for (const DdmCase& c : Cases)
            data.Add({.table = FindTable("Oid_ddm", c.keyOid), .kind = c.kind, .keyCount = c.keys});
        static QTemporaryDir dir;
        sim_ = new SimSwitch({"Kb", {"--data", data.WriteFile(dir.path().toStdString() + "/ddm.dat")}});
        saved_ = {DefaultDevice, DefaultSecurity};
        requesttest::AimDefaultsAt(*sim_);
    }
    static void TearDownTestSuite()
    {
        DefaultDevice = saved_.first;
        DefaultSecurity = saved_.second;
        delete sim_;
        FreeCatalogue();
    }

    // Runs the case's function at the scale and script inside its window once its read ended.
    static void InWindow(const DdmCase& c, float scale, const std::function<void(TConfigForm&, TSNMPPanel&)>& script)
    {
        bool ran = false;
        RunInNextModal([&](ui::Form* shown) {
            auto* form = dynamic_cast<TConfigForm*>(shown);
            ASSERT_NE(form, nullptr);
            auto* panel = form->findChild<TSNMPPanel*>();
            ASSERT_NE(panel, nullptr);
            ASSERT_TRUE(WaitFor([&] { return !form->Requests.at(0)->Busy && !StatusLine(form).empty(); }, 10000));
            ran = true;
            script(*form, *panel);
            form->Close();
        });
        c.open(sim_->Address(), scale);
        EXPECT_TRUE(ran);
    }

    static inline SimSwitch* sim_ = nullptr;
    static inline std::pair<MvSNMPDevice, MvSNMPSecurity> saved_;
};

TEST_F(DdmWindows, EachOpensItsTableUnderItsCaption)
{
    for (float scale : {1.0f, 1.25f}) {
        for (const DdmCase& c : Cases) {
            SCOPED_TRACE(std::string(c.title) + " at " + std::to_string(scale));
            InWindow(c, scale, [&](TConfigForm& form, TSNMPPanel& panel) {
                EXPECT_EQ(form.Caption(), std::string(c.title) + ": " + sim_->Address());
                EXPECT_EQ(StatusLine(&form).find("Ok!") != std::string::npos, true) << StatusLine(&form);
                EXPECT_FALSE(ui::Visible(panel.Buttons->AddButton));
                EXPECT_FALSE(ui::Visible(panel.Buttons->DeleteButton));
                if (c.keys > 0) {
                    auto* list = form.findChild<TSNMPListViewPanel*>();
                    ASSERT_NE(list, nullptr);
                    EXPECT_EQ(list->ListViewPanel->ListView->Count(), 3);
                    EXPECT_EQ(form.height(), scale == 1.0f ? 450 : 562);
                } else {
                    EXPECT_NE(form.findChild<TSNMPEditorPanel*>(), nullptr);
                }
            });
        }
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(DdmWindows, SettingsWriteTheirScalarsWhereTheyWereRead)
{
    sim_->ClearSetJournal();
    InWindow(Cases[0], 1.0f, [&](TConfigForm&, TSNMPPanel& panel) {
        auto* editor = dynamic_cast<TSNMPEditorPanel*>(&panel);
        ASSERT_NE(editor, nullptr);
        for (int i = 0; i < 3; ++i)
            editor->EditsPanel->Rows[static_cast<std::size_t>(i)].CheckBox->SetChecked(true);
        Click(panel.Buttons->SetCheckedButton);
        ASSERT_TRUE(WaitFor([&] { return !sim_->SetJournal().empty(); }, 10000));
    });
    const auto journal = sim_->SetJournal();
    ASSERT_EQ(journal.size(), 1u) << LastMessageBoxText();
    ASSERT_EQ(journal[0].size(), 3u);
    EXPECT_EQ(journal[0][0].oid, "1.3.6.1.4.1.171.12.72.1.1.0");
    EXPECT_EQ(journal[0][1].oid, "1.3.6.1.4.1.171.12.72.1.2.0");
    EXPECT_EQ(journal[0][2].oid, "1.3.6.1.4.1.171.12.72.1.3.0");
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
