#include "panel/Request2Leds.h"

#include "snmp/Exception.h"
#include "snmp/SnmpError.h"
#include "snmp/ValueTypes.h"

#include "ui/Control.h"
#include "ui/Panel.h"
#include "ui/Timer.h"

namespace {

constexpr int BlinkInterval = 60;

} // namespace

MvSNMPRequest2Leds::MvSNMPRequest2Leds(QWidget* owner)
    : MvSNMPRequest2Controls(owner), PollTimer(std::make_unique<ui::Timer>()),
      BlinkTimer(std::make_unique<ui::Timer>())
{
    PollTimer->SetEnabled(false);
    PollTimer->OnTimer = ui::Handler(this, &MvSNMPRequest2Leds::PollTimerTick);
    BlinkTimer->SetInterval(BlinkInterval);
    BlinkTimer->OnTimer = ui::Handler(this, &MvSNMPRequest2Leds::BlinkTimerTick);
    BlinkTimer->SetEnabled(true);
}

MvSNMPRequest2Leds::~MvSNMPRequest2Leds()
{
    Stop();
    PollTimer.reset();
    BlinkTimer.reset();
    Leds.clear();
}

void MvSNMPRequest2Leds::Paint(const LedBinding& led, std::int32_t colour)
{
    if (!led.shape)
        return;
    led.shape->SetBrushColor(static_cast<ui::Color>(colour));
    led.shape->SetPenColor(static_cast<ui::Color>(colour));
    led.shape->show();
}

void MvSNMPRequest2Leds::AddLed(int item, int byteIndex, const MvSNMPLedColorMapList& map, ui::Shape* shape)
{
    LedBinding led;
    led.item = item;
    led.byteIndex = byteIndex;
    led.map = &map;
    led.shape = shape;
    led.colour = map.DefaultColour;
    Leds.push_back(led);
    Paint(Leds.back(), map.DefaultColour);
}

void MvSNMPRequest2Leds::AddLeds(int item, const std::string& byteIndexes, const MvSNMPLedColorMapList& map,
                                 ui::Panel* panel, int left, int gap, ui::ShapeType type, int width, int height)
{
    MvNumList<int> indexes;
    indexes.delimiter = ',';
    indexes.Parse(byteIndexes);
    for (int i = 0; i < indexes.Count(); ++i) {
        auto* shape = new ui::Shape(panel);
        shape->SetType(type);
        ui::SetBounds(shape, left + i * (gap + width), 0, width, height);
        shape->show();
        AddLed(item, indexes.Item(i), map, shape);
    }
    panel->SetBevelOuter(ui::bvNone);
}

void MvSNMPRequest2Leds::SetMode(int mode, int split)
{
    Mode = mode > 0 ? mode : 1;
    SplitIndex = split > 0 ? split : 4;
}

void MvSNMPRequest2Leds::Start(int ticks)
{
    PollTimer->SetInterval(ticks * 10);
    PollTimer->SetEnabled(true);
    Poll();
}

void MvSNMPRequest2Leds::Stop()
{
    PollTimer->SetEnabled(false);
    BlinkTimer->SetEnabled(false);
    ResetLeds();
}

void MvSNMPRequest2Leds::Poll()
{
    if (ReadOutstanding())
        return;
    try {
        Get();
    } catch (const Exception& e) {
        ResetLeds();
        throw Exception(e.Message(), e.HelpContext());
    }
}

void MvSNMPRequest2Leds::PollTimerTick(QObject*)
{
    // The outstanding read ends by its answer or its time-out; a second one would only
    // supersede it, and a silent switch would never time out.
    if (ReadOutstanding())
        return;
    try {
        Get();
    } catch (const std::exception& e) {
        ResetLeds();
        LastOperation = 0;
        WriteLogLine(e.what());
    }
}

void MvSNMPRequest2Leds::BlinkTimerTick(QObject*) { Repaint(); }

void MvSNMPRequest2Leds::ResetLeds()
{
    for (LedBinding& led : Leds) {
        led.blinking = false;
        led.colour = led.map->DefaultColour;
        Paint(led, led.colour);
    }
}

void MvSNMPRequest2Leds::DecodeAll()
{
    for (LedBinding& led : Leds)
        DecodeLed(led);
}

void MvSNMPRequest2Leds::Repaint()
{
    bool anyBlinking = false;
    for (const LedBinding& led : Leds) {
        std::int32_t colour = led.colour;
        if (led.blinking) {
            anyBlinking = true;
            const bool dark = led.shape && static_cast<std::int32_t>(led.shape->BrushColor()) == led.map->DefaultColour;
            if (!dark && BlinkCount <= BlinkLimit)
                colour = led.map->DefaultColour;
        }
        Paint(led, colour);
    }
    if (anyBlinking)
        ++BlinkCount;
}

void MvSNMPRequest2Leds::RowReceived()
{
    BlinkCount = 0;
    DecodeAll();
    Repaint();
}

void MvSNMPRequest2Leds::ReportGetError(const MvSNMPError& result)
{
    ResetLeds();
    LastOperation = 0;
    WriteLogLine(result.Message);
}

void MvSNMPRequest2Leds::DecodeLed(LedBinding& led)
{
    const MvVarItem& item = Request.VarList.Item(led.item);
    std::string text = item.value;
    if (item.options != nullptr)
        text = item.options->TextToValue(text);
    const std::string bytes = TextToOctets(text, item.syntax);
    const auto size = static_cast<int>(bytes.size());
    const MvSNMPLedColorMapList& map = *led.map;
    const auto byteAt = [&](int index) { return static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(index)]); };

    if (led.byteIndex < 0 || led.byteIndex >= size) {
        if (map.AbsentColour == -1)
            RaiseFrameworkError(MvCode::PartIndexOutOfRange);
        led.colour = map.AbsentColour;
        led.blinking = false;
        return;
    }
    if (Mode == 1 || (Mode == 2 && led.byteIndex < SplitIndex)) {
        const std::uint8_t b = byteAt(led.byteIndex);
        led.colour = map.ColourOf(b & map.KeyMask);
        led.blinking = (b & map.BlinkMask) != 0;
    } else if (Mode == 2) {
        const std::uint8_t state = byteAt(led.byteIndex);
        // A state byte that ends the value has no colour byte: shown as absent.
        if (state == 1 || led.byteIndex + 1 >= size) {
            led.blinking = false;
            led.colour = map.AbsentColour;
        } else {
            led.blinking = (state & map.BlinkMask) != 0;
            led.colour = map.ColourOf(byteAt(led.byteIndex + 1) & map.KeyMask);
        }
    }
}
