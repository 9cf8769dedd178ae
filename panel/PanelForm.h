#pragma once
// The common design of the model front panels: a borderless form with the device's picture and
// LED places laid over it. InitLeds binds every place to the LED status value through one LED
// request and the colour maps, decides once which medium each combo port shows, and starts the
// polling; the form stops and frees its requests when it closes. The model forms differ only in
// their layouts and in the numbers of PanelModel.
//
// Places are found by name: for port n the LED "Port<n>LedPanel", the strip "Port<n>Panel" and
// the thin strip "P<n>Panel"; a combo port's copper strips may carry a letter after the number
// (T on the first model) and its fibre set carries F ("Port<n>FLedPanel", ...).

#include "panel/Request2Leds.h"

#include "snmp/Request2Edits.h"
#include "ui/Events.h"
#include "ui/Form.h"

#include <QPoint>

#include <array>
#include <memory>
#include <string>
#include <vector>

class PanelHost;

namespace ui {
class Panel;
}

// What differs between the model panels.
struct PanelModel {
    int loopPorts;            // ports 1 to loopPorts are bound by InitLeds
    int stripWidth;           // their strips (and the copper strips of the combo ports)
    std::vector<int> comboPorts;
    const char* copperStrips; // the letter of a combo port's copper strips ("" for the regular ones)
    int comboLedSize;
    int fibreStripWidth;
    bool uplinks;             // ports 25 and 26
    int pollTicks;            // hundredths of a second between reads
    int triangleLast;         // port LEDs 1 to triangleLast are triangles
    bool fibreTriangles;      // so are the combo ports' fibre LEDs
    bool closeWaits;          // closing waits for an outstanding LED read
};

class TPanelForm : public ui::Form {
public:
    // Frees what closing has not freed yet.
    ~TPanelForm() override;

    // RegionPoints: the triangle of the LED regions.
    std::array<QPoint, 3> RegionPoints;
    std::unique_ptr<MvSNMPRequest2Leds> LedRequest;
    // The stacking unit this panel shows; kept for the host, not read by the panel.
    int UnitNumber = 0;
    // Reads the LED status value once into portspeedled, for the combo-port decision.
    std::unique_ptr<MvSNMPRequest2Edits> ValueRequest;

    // Binds the LEDs and starts polling; nothing of it reaches the user (a failure ends it).
    void InitLeds();
    void SetupComboPorts();
    void SetLedRegions();

    void FormShow(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void FormDestroy(QObject* sender);

    const PanelModel& Model() const { return model_; }
    // The four characters of port n's state and colour bytes in a value text; fewer or none
    // past the end of the text.
    static std::string PortCode(const std::string& valueText, int port);

protected:
    TPanelForm(QWidget* owner, const PanelModel& model);
    // For the model form's constructor, after its layout is built.
    void FinishLayout();

private:
    struct Places {
        ui::Panel* led = nullptr;
        ui::Panel* strip = nullptr;
        ui::Panel* thin = nullptr;
        bool Complete() const { return led != nullptr && strip != nullptr && thin != nullptr; }
        void SetVisible(bool visible) const;
    };
    Places FindPlaces(int port, const std::string& ledSet, const std::string& stripSet) const;
    // The LED, strip and thin strip of one port, bound to its state byte.
    void BindPort(int port, const Places& places, const MvSNMPLedColorMapList& ledMap,
                  const MvSNMPLedColorMapList& stripMap, const MvSNMPLedColorMapList& thinMap, int ledSize,
                  int stripWidth);
    void FreeRequests(bool waitForRead);

    PanelModel model_;
    PanelHost* host_;
};
