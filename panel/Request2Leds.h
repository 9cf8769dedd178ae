#pragma once
// The front panel's LED request. It reads the switch's LED status value (an octet string with one
// byte per system LED and a state byte and a colour byte per port) on a poll timer, decodes every
// LED from each answer into a colour and a blink flag through its colour map, and paints the LED
// shapes; a 60 ms blink timer lets blinking LEDs flash for a short while after each answer.
//
// Decoding modes: 1, every LED is one byte; 2, LEDs whose byte index is below SplitIndex are one
// byte, the others are port LEDs (state byte at the index, colour byte after it); any other mode
// leaves the LEDs as they are.
//
// A poll tick while the previous read is still outstanding does nothing: the read ends by its
// answer or by its time-out, which shows every LED in its default colour and logs the failure.

#include "snmp/LedColorMap.h"
#include "snmp/Request2Controls.h"

#include "ui/Shape.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Panel;
class Timer;
} // namespace ui

// One LED: the byte of an item's value that drives it, its map (not owned) and its shape (owned
// by the panel form; the binding only watches it).
struct LedBinding {
    int item = 0;
    int byteIndex = 0;
    const MvSNMPLedColorMapList* map = nullptr;
    QPointer<ui::Shape> shape;
    bool blinking = false;
    std::int32_t colour = 0; // the lit colour (0x00BBGGRR)
};

class MvSNMPRequest2Leds : public MvSNMPRequest2Controls {
public:
    // The blink timer runs from here on; the poll timer waits for Start.
    explicit MvSNMPRequest2Leds(QWidget* owner);
    // Stops both timers and shows the LEDs in their default colours, then waits for an
    // outstanding read as every request does.
    ~MvSNMPRequest2Leds() override;

    std::vector<LedBinding> Leds;  // painted in this order
    std::unique_ptr<ui::Timer> PollTimer;
    std::unique_ptr<ui::Timer> BlinkTimer;
    int BlinkLimit = 6;
    int BlinkCount = 0;            // repaints with a blinking LED since the last answer
    // The decoding mode; the driver's own synchronous/asynchronous switch stays
    // MvSNMPRequest2Controls::Mode.
    int Mode = 1;
    int SplitIndex = 4;

    // A binding in the map's default colour; the shape is painted and shown.
    void AddLed(int item, int byteIndex, const MvSNMPLedColorMapList& map, ui::Shape* shape);
    // One shape per byte index of the comma-separated list, made in the panel at left + i *
    // (gap + width), top 0, each bound by AddLed; the panel loses its bevel.
    void AddLeds(int item, const std::string& byteIndexes, const MvSNMPLedColorMapList& map, ui::Panel* panel,
                 int left, int gap, ui::ShapeType type, int width, int height);
    // Mode and split; 0 or less gives 1 and 4.
    void SetMode(int mode, int split);

    // Polls every ticks * 10 ms and reads at once. A failure to send raises the framework's
    // exception after showing the default colours.
    void Start(int ticks);
    // Both timers off, every LED in its default colour.
    void Stop();
    void Poll();
    void ResetLeds();
    void DecodeAll();
    void Repaint();

    void RowReceived() override;
    // The default colours, then the log line with the error's message.
    void ReportGetError(const MvSNMPError& result) override;
    // One binding from the current value; raises -519 for a byte beyond a short value when the
    // map has no absent colour.
    virtual void DecodeLed(LedBinding& led);

    void PollTimerTick(QObject* sender);
    void BlinkTimerTick(QObject* sender);

private:
    static void Paint(const LedBinding& led, std::int32_t colour);
};
