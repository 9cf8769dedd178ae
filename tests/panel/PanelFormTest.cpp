// The model front panels against the simulated switch: what a panel shows for a fixed LED value,
// the combo-port and uplink decisions, and closing.

#include "FakeHost.h"
#include "PanelFixture.h"

#include "panel/PanelSorvaneKaForm.h"
#include "panel/PanelSorvaneKbForm.h"
#include "panel/PanelSorvaneKdForm.h"

#include "snmp/DeviceState.h"
#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Image.h"
#include "ui/Panel.h"
#include "ui/Timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>

#include <functional>
#include <memory>
#include <regex>

namespace {

constexpr std::int32_t Picture = -1; // the probe shows the device picture, no LED
constexpr std::int32_t Black = 0;
constexpr std::int32_t Lime = 0x00FF00;
constexpr std::int32_t Orange = 0x4080FF;
constexpr std::int32_t Amber = 0x04A6FD;
constexpr std::int32_t Green = 0x05B135;
constexpr std::int32_t Yellow = 0x07E8FA;
constexpr std::int32_t LightGreen = 0x7CF759;

struct Model {
    const char* name;
    int number; // N of the sysObjectID
    int ports;
    std::function<TPanelForm*(QWidget*)> make;
};

const Model Ka{"Ka", 1, 10, [](QWidget* owner) { return new TPanelSorvaneKaForm(owner); }};
const Model Kb{"Kb", 2, 26, [](QWidget* owner) { return new TPanelSorvaneKbForm(owner); }};
const Model Kd{"Kd", 4, 24, [](QWidget* owner) { return new TPanelSorvaneKdForm(owner); }};

class PanelFormTest : public PanelTest {
protected:
    void TearDown() override
    {
        delete panel_;
        host_.reset();
        PanelTest::TearDown();
    }

    // The model's panel in a shown host, built as the main window builds it; the switch is
    // identified as model switchModel (the panel's own model when 0).
    TPanelForm* Build(const Model& model, int switchModel = 0)
    {
        ModuleOIDText = "1.3.6.1.4.1.171.10.133." + std::to_string(switchModel ? switchModel : model.number) + ".1";
        host_ = std::make_unique<FakeHost>();
        host_->resize(820, 160);
        panel_ = model.make(host_.get());
        panel_->UnitNumber = 1;
        panel_->InitLeds();
        ui::SetParent(panel_, host_.get());
        ui::SetBounds(panel_, 0, 0, panel_->width(), panel_->height());
        panel_->Show();
        host_->show();
        return panel_;
    }
    ui::Panel* Place(const std::string& name) { return Find<ui::Panel>(panel_, name); }
    bool Shown(const std::string& name) { return ui::Visible(Place(name)); }
    // Bindings of the LED request on port n's state byte.
    int Bound(int port) const
    {
        int count = 0;
        for (const LedBinding& led : panel_->LedRequest->Leds)
            count += led.byteIndex == 2 * port + 4 ? 1 : 0;
        return count;
    }

    std::unique_ptr<FakeHost> host_;
    QPointer<TPanelForm> panel_;
};

struct Probe {
    const char* what;
    int x, y;
    std::int32_t colour;
};

struct RenderCase {
    const Model* model;
    std::vector<std::pair<int, std::string>> codes;
    int clientWidth, clientHeight;
    int pictureWidth, pictureHeight;
    int pollInterval;
    std::vector<Probe> probes;
};

// Port 1 steady green, port 2 blinking orange; power and console on, RPS and fan off.
TEST_F(PanelFormTest, ShowsTheLedsOfAFixedValueOverThePicture)
{
    const RenderCase cases[] = {
        {&Ka, {{1, "0003"}, {2, "8201"}, {9, "8212"}, {10, "0100"}}, 615, 124, 615, 125, 3000,
         {{"power", 76, 53, Lime}, {"console", 76, 66, Lime}, {"RPS", 76, 78, Black}, {"fan", 76, 92, Black},
          {"port 1 LED", 115 + 3, 25 + 4, Lime}, {"port 1 LED corner", 115, 25, Picture},
          {"port 2 LED", 134 + 3, 25 + 1, Orange}, {"port 2 LED corner", 134, 25 + 5, Picture},
          {"port 1 strip", 110 + 1, 56 + 1, Green}, {"port 1 thin strip", 110 + 1, 53 + 1, LightGreen},
          {"port 2 strip", 110 + 1, 74 + 1, Amber}, {"port 2 thin strip", 110 + 1, 80 + 1, Yellow},
          {"port 9 copper LED hidden", 353 + 1, 80 + 1, Picture}, {"port 9 fibre LED", 372 + 1, 80 + 1, Orange},
          {"port 9 fibre strip", 391 + 1, 94 + 1, Amber}, {"port 10 shows nothing", 435 + 1, 94 + 1, Picture}}},
        {&Kb, {{1, "0003"}, {2, "8201"}, {21, "8213"}, {25, "0003"}}, 801, 90, 800, 90, 5000,
         {{"power", 180, 34, Lime}, {"port 1 LED", 251 + 3, 16 + 4, Lime}, {"port 1 LED corner", 251, 16, Picture},
          {"port 2 LED", 262 + 3, 16 + 1, Orange}, {"port 1 strip", 247 + 1, 40 + 1, Green},
          {"port 1 thin strip", 247 + 1, 37 + 1, LightGreen}, {"port 21 fibre LED", 609 + 3, 47 + 4, Lime},
          {"port 21 fibre strip", 602 + 1, 38 + 1, Green}, {"port 25 LED", 684 + 1, 54 + 1, Orange},
          {"port 25 strip", 702 + 1, 66 + 1, Amber}}},
        {&Kd, {{1, "0003"}, {2, "8201"}, {21, "8213"}}, 801, 90, 800, 90, 5000,
         {{"power", 180, 34, Lime}, {"port 1 LED", 251 + 3, 16 + 4, Lime}, {"port 1 LED corner", 251, 16, Picture},
          {"port 2 LED", 262 + 3, 16 + 1, Orange}, {"port 1 strip", 247 + 1, 40 + 1, Green},
          {"port 21 fibre LED", 609 + 3, 47 + 4, Lime}, {"port 21 fibre strip", 602 + 1, 38 + 1, Green}}},
    };
    for (const RenderCase& c : cases) {
        SCOPED_TRACE(c.model->name);
        FixLedValue(c.model->number, LedValue(c.model->ports, c.codes));
        TPanelForm* panel = Build(*c.model);
        ASSERT_TRUE(panel->LedRequest);
        EXPECT_EQ(panel->ClientWidth(), c.clientWidth);
        EXPECT_EQ(panel->ClientHeight(), c.clientHeight);
        const QImage& picture = Find<ui::Image>(panel, "Image2")->Picture();
        EXPECT_EQ(picture.width(), c.pictureWidth);
        EXPECT_EQ(picture.height(), c.pictureHeight);
        EXPECT_EQ(panel->LedRequest->PollTimer->Interval(), c.pollInterval);
        EXPECT_EQ(panel->LedRequest->Request.Timeout, 500);
        EXPECT_EQ(panel->LedRequest->Request.Retries, 1);

        ASSERT_TRUE(WaitFor([&] { return !host_->LogLine().empty(); }, 15000));
        EXPECT_TRUE(std::regex_match(host_->LogLine(),
                                     std::regex(R"(Get: Ok! Request: LED Status\. Receive at \d\d:\d\d:\d\d\.)")))
            << host_->LogLine();
        ASSERT_TRUE(WaitFor([&] { return panel->LedRequest->BlinkCount > panel->LedRequest->BlinkLimit; }));
        const QImage shot = panel->grab().toImage();
        for (const Probe& p : c.probes) {
            const QColor expected = p.colour == Picture ? picture.pixelColor(p.x, p.y)
                                                        : ui::ToQColor(static_cast<ui::Color>(p.colour));
            EXPECT_EQ(shot.pixelColor(p.x, p.y).name(), expected.name()) << p.what;
        }
        delete panel_;
        host_.reset();
    }
}

enum class Set { None, Copper, Fibre, Shown, Hidden };

struct ComboCase {
    const Model* model;
    int port;
    const char* code;
    Set expected;
};

TEST_F(PanelFormTest, DecidesEachComboPortAndUplinkOnce)
{
    const ComboCase cases[] = {
        {&Ka, 9, "8212", Set::Fibre},   {&Ka, 9, "0100", Set::None},   {&Ka, 9, "0201", Set::Copper},
        {&Kb, 21, "8213", Set::Fibre},  {&Kd, 22, "0202", Set::Copper}, {&Kb, 25, "0101", Set::Hidden},
        {&Kb, 25, "0003", Set::Shown},
    };
    for (const ComboCase& c : cases) {
        const std::string n = std::to_string(c.port);
        SCOPED_TRACE(std::string(c.model->name) + " port " + n + " " + c.code);
        FixLedValue(c.model->number, LedValue(c.model->ports, {{c.port, c.code}}));
        Build(*c.model);
        const std::string copperStrip = c.model == &Ka ? "T" : "";
        const bool copper = Shown("Port" + n + "LedPanel") && Shown("Port" + n + copperStrip + "Panel") &&
                            Shown("P" + n + copperStrip + "Panel");
        switch (c.expected) {
        case Set::None:
        case Set::Copper:
        case Set::Fibre: {
            const bool fibre = Shown("Port" + n + "FLedPanel") && Shown("Port" + n + "FPanel") &&
                               Shown("P" + n + "FPanel");
            EXPECT_EQ(copper, c.expected == Set::Copper);
            EXPECT_EQ(fibre, c.expected == Set::Fibre);
            EXPECT_EQ(Bound(c.port), c.expected == Set::None ? 0 : 3);
            if (c.expected == Set::Fibre) {
                EXPECT_EQ(Place("Port" + n + "FLedPanel")->findChildren<ui::Shape*>().size(), 1u);
            }
            break;
        }
        case Set::Shown:
        case Set::Hidden:
            EXPECT_EQ(copper, c.expected == Set::Shown);
            EXPECT_EQ(Bound(c.port), c.expected == Set::Shown ? 3 : 0);
            break;
        }
        delete panel_;
        host_.reset();
    }
}

// Without the value the combo ports show no LED; the uplinks are not known to be absent.
TEST_F(PanelFormTest, ASilentSwitchWhileThePanelIsBuilt)
{
    ASSERT_EQ(Sim().Control("silence on"), "ok");
    Build(Kb);
    ASSERT_EQ(Sim().Control("silence off"), "ok");
    for (int n = 21; n <= 24; ++n) {
        const std::string port = std::to_string(n);
        EXPECT_FALSE(Shown("Port" + port + "LedPanel") || Shown("Port" + port + "FLedPanel")) << n;
        EXPECT_EQ(Bound(n), 0) << n;
    }
    for (int n : {25, 26}) {
        EXPECT_TRUE(Shown("Port" + std::to_string(n) + "LedPanel")) << n;
        EXPECT_EQ(Bound(n), 3) << n;
    }
}

TEST_F(PanelFormTest, ClosingWaitsForTheOutstandingReadThenFreesTheRequests)
{
    FixLedValue(2, LedValue(26, {}));
    ASSERT_EQ(Sim().Control("delay 800"), "ok");
    TPanelForm* panel = Build(Kb);
    ASSERT_TRUE(panel->LedRequest);
    ASSERT_TRUE(panel->LedRequest->ReadOutstanding());
    host_->ClearLog();
    QElapsedTimer clock;
    clock.start();
    panel->Close();
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, 400) << "the read was outstanding for 800 ms";
    EXPECT_LT(waited, 6000 + 2000);
    EXPECT_FALSE(panel_ && panel_->LedRequest);
    EXPECT_FALSE(panel_ && panel_->ValueRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(panel_.isNull()) << "the close action frees the form";
}

TEST_F(PanelFormTest, CloseThenDestroyFreesEachRequestOnce)
{
    FixLedValue(1, LedValue(10, {{9, "0203"}}));
    TPanelForm* panel = Build(Ka);
    ASSERT_TRUE(panel->LedRequest);
    ui::CloseAction action = ui::caHide;
    panel->FormClose(panel, action);
    EXPECT_EQ(action, ui::caFree);
    EXPECT_FALSE(panel->LedRequest);
    delete panel_; // FormDestroy finds nothing left to free
    EXPECT_TRUE(panel_.isNull());
}

// A unit of one model in a stack that another model heads reads the identified model's value,
// at instance 0 whether its list is a scalar or a table row.
TEST_F(PanelFormTest, AUnitPanelReadsTheIdentifiedModelsValue)
{
    const std::pair<const Model*, const Model*> cases[] = {{&Ka, &Kb}, {&Kb, &Ka}, {&Kd, &Kb}};
    for (const auto& [panelModel, switchModel] : cases) {
        SCOPED_TRACE(std::string(panelModel->name) + " panel on a " + switchModel->name + " switch");
        FixLedValue(switchModel->number, LedValue(switchModel->ports, {{1, "0003"}}));
        TPanelForm* panel = Build(*panelModel, switchModel->number);
        ASSERT_TRUE(panel->LedRequest);
        ASSERT_TRUE(WaitFor([&] { return !host_->LogLine().empty(); }, 15000));
        EXPECT_NE(host_->LogLine().find("Get: Ok!"), std::string::npos) << host_->LogLine();
        EXPECT_EQ(panel->LedRequest->Leds[4].byteIndex, 6);
        EXPECT_EQ(panel->LedRequest->Leds[4].colour, Lime) << "port 1's LED";
        delete panel_;
        host_.reset();
    }
}

TEST_F(PanelFormTest, PortCodesPastTheEndOfTheValueAreShortOrEmpty)
{
    const std::string text = LedValue(10, {{9, "8212"}, {10, "0211"}});
    EXPECT_EQ(TPanelForm::PortCode(text, 9), "8212");
    EXPECT_EQ(TPanelForm::PortCode(text, 10), "0211");
    EXPECT_EQ(TPanelForm::PortCode(text.substr(0, text.size() - 2), 10), "02");
    EXPECT_EQ(TPanelForm::PortCode(text, 11), "");
    EXPECT_EQ(TPanelForm::PortCode("", 1), "");
}

} // namespace
