// The equipment, probe information and About windows: the About box names the identified model
// and shows the long release on Shift+Alt+F3; the probe window shows the fixed capabilities,
// writes its reset control and puts exceptions where they are seen; the equipment window shows
// its capacity text and its Set sends nothing.

#include "SystemInfoFixture.h"

#include "features/system/AboutForm.h"
#include "features/system/EquipmentBasicInfoForm.h"
#include "features/system/ProbeBasicInformationForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Scale.h"
#include "ui/StatusBar.h"

#include <QTest>

namespace {

using Table = std::vector<std::vector<std::string>>;

class InformationWindows : public SystemInfoWindowTest {
protected:
    void TearDown() override
    {
        ui::ForcePixelsPerInch(0);
        SystemInfoWindowTest::TearDown();
    }
};

TEST_F(InformationWindows, TheAboutBoxNamesTheModel)
{
    struct Case {
        const char* objectID;
        const char* label;
        const char* caption;
    };
    const Case cases[] = {
        {"1.3.6.1.4.1.171.10.133.1.1", "Marvost Sorvane-Ka Management Module", "About Sorvane-Ka Module"},
        {"1.3.6.1.4.1.171.10.133.2.1", "Marvost Sorvane-Kb Management Module", "About Sorvane-Kb Module"},
        {"1.3.6.1.4.1.171.10.133.3.1", "Marvost Sorvane-Kc Management Module", "About Sorvane-Kc Module"},
        {"1.3.6.1.4.1.171.10.133.4.1", "Marvost Sorvane-Kd Management Module", "About Sorvane-Kd Module"},
        {"1.3.6.1.4.1.171.10.133.2.1.0", "Marvost Pryle C1 Series Management Module", "About Pryle C1 Series Module"},
        {"", "Marvost Pryle C1 Series Management Module", "About Pryle C1 Series Module"},
    };
    ui::ForcePixelsPerInch(120); // the box keeps its size
    for (const Case& c : cases) {
        SCOPED_TRACE(c.objectID);
        ModuleOIDText = c.objectID;
        InWindow<TAboutForm>([&](TAboutForm& w) {
            ASSERT_TRUE(WaitFor([&] { return w.Image1->isVisible(); }));
            EXPECT_EQ(w.AboutLabel->Caption(), c.label);
            EXPECT_EQ(w.Caption(), c.caption);
            EXPECT_EQ(w.VersionLabel->Caption(), "Release Version 1.1 ");
            EXPECT_EQ(w.ClientWidth(), 343);
            EXPECT_EQ(w.ClientHeight(), 105);
            EXPECT_EQ(w.Image1->Picture().size(), QSize(32, 32));
        });
    }
}

// Shift+Alt+F3 on OK shows the long release; F3 alone or with Shift does not. OK closes the box.
TEST_F(InformationWindows, ShiftAltF3ShowsTheLongRelease)
{
    struct Case {
        Qt::KeyboardModifiers held;
        const char* version;
    };
    const Case cases[] = {
        {Qt::NoModifier, "Release Version 1.1 "},
        {Qt::ShiftModifier, "Release Version 1.1 "},
        {Qt::AltModifier, "Release Version 1.1 "},
        {Qt::ShiftModifier | Qt::AltModifier, "Release Version 1.10R15."},
        {Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, "Release Version 1.10R15."},
    };
    for (const Case& c : cases) {
        bool closed = false;
        InWindow<TAboutForm>([&](TAboutForm& w) {
            QTest::keyClick(w.BT_Ok, Qt::Key_F3, c.held);
            EXPECT_EQ(w.VersionLabel->Caption(), c.version);
            Click(w.BT_Ok);
            closed = WaitFor([&] { return w.ModalResult() != ui::mrNone; }, 5000);
        });
        EXPECT_TRUE(closed);
    }
}

// The probe: the fixed capabilities whatever the probe reports (that goes into the hidden edit),
// the revisions, Set writes the reset control; an exception shows in the status line.
TEST_F(InformationWindows, ProbeShowsTheFixedCapabilitiesAndWritesItsReset)
{
    InWindow<TProbeBasicInformationForm>([&](TProbeBasicInformationForm& w) {
        EXPECT_EQ(w.stCap->Caption(), "etherStats,historyControl,etherHistory,alarm,event,probeConfig");
        EXPECT_EQ(w.edtCap->Text(), "0F00");
        EXPECT_FALSE(w.edtCap->isVisibleTo(&w));
        EXPECT_EQ(w.stSoftware->Caption(), "1.10R15");
        EXPECT_EQ(w.stHardware->Caption(), "A1");
        EXPECT_EQ(w.cbxReset->Text(), "running");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);

        for (const char* choice : {"warmBoot", "coldBoot"}) {
            Choose(w.cbxReset, choice);
            Click(w.btnSet);
        }
        EXPECT_EQ(Sets(), (Table{{"1.3.6.1.2.1.16.19.5.0=2"}, {"1.3.6.1.2.1.16.19.5.0=3"}}));
        EXPECT_NE(StatusLine(&w).find("Set: Ok!"), std::string::npos);

        // A framework exception (no device address) lands in the one panel, where it is seen.
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.btnGet);
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_EQ(w.StatusBar1->SimpleText(), "");
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.btnSet);
        EXPECT_FALSE(StatusLine(&w).empty());
        w.Request->Request.Device.Address = address;
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(InformationWindows, EquipmentShowsItsCapacityTextAndItsSetSendsNothing)
{
    InWindow<TEquipmentBasicInfoForm>([&](TEquipmentBasicInfoForm& w) {
        EXPECT_EQ(w.Edit1->Text(), "Fan, Redundant Power");
        for (ui::ComboBox* list : {w.cbxStackMode, w.cbxTopology, w.ForceMasterRoleComboBox, w.TrapStateCbx, w.LogStateCbx})
            EXPECT_EQ(list->ItemCount(), 0);
        EXPECT_FALSE(w.cbxTopology->isEnabled());
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        Click(w.bbtnSet);
        Click(w.BitBtn1);
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

    // An exception of the first read is shown by the layer, and the window opens all the same.
    const std::string address = DefaultDevice.Address;
    DefaultDevice.Address = "";
    bool opened = false;
    InWindow<TEquipmentBasicInfoForm>([&](TEquipmentBasicInfoForm& w) {
        opened = true;
        EXPECT_EQ(w.Edit1->Text(), "Fan, Redundant Power");
    });
    DefaultDevice.Address = address;
    EXPECT_TRUE(opened);
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

} // namespace
