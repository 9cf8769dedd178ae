#include "panel/PanelForm.h"

#include "panel/LedColorMaps.h"
#include "panel/PanelHost.h"

#include "snmp/DeviceState.h"
#include "snmp/VarList.h"
#include "snmplib/Snmp.h"
#include "ui/Control.h"
#include "ui/Label.h"
#include "ui/MessageLoop.h"
#include "ui/Panel.h"

#include <algorithm>
#include <exception>

namespace {

constexpr int CloseWaitMs = 6000;

const char* const CopperCodes[] = {"8202", "0202", "8201", "0201", "8203", "0203"};
const char* const FibreCodes[] = {"8212", "0212", "8211", "0211", "8213", "0213"};
// Codes of ports 25 and 26 that mean the port is not there.
const char* const AbsentUplinkCodes[] = {"0200", "8200", "8210", "0000", "0101"};

template <std::size_t N>
bool OneOf(const std::string& code, const char* const (&codes)[N])
{
    return std::any_of(std::begin(codes), std::end(codes), [&](const char* c) { return code == c; });
}

std::string Name(const std::string& prefix, int port, const std::string& set, const std::string& suffix)
{
    return prefix + std::to_string(port) + set + suffix;
}

} // namespace

void TPanelForm::Places::SetVisible(bool visible) const
{
    for (ui::Panel* place : {led, strip, thin})
        if (place != nullptr)
            place->setVisible(visible);
}

TPanelForm::TPanelForm(QWidget* owner, const PanelModel& model)
    : ui::Form(owner), model_(model), host_(PanelHostOf(owner))
{
}

TPanelForm::~TPanelForm()
{
    FormDestroy(this);
}

void TPanelForm::FinishLayout()
{
    SetBorderStyle(ui::bsNone);
    Loaded();
    OnShow = ui::Handler(this, &TPanelForm::FormShow);
    OnClose = ui::Handler(this, &TPanelForm::FormClose);
    DoCreate();
}

std::string TPanelForm::PortCode(const std::string& valueText, int port)
{
    const auto from = static_cast<std::size_t>(4 * port + 8);
    return from < valueText.size() ? valueText.substr(from, 4) : std::string();
}

TPanelForm::Places TPanelForm::FindPlaces(int port, const std::string& ledSet, const std::string& stripSet) const
{
    Places places;
    places.led = FindComponent<ui::Panel>(Name("Port", port, ledSet, "LedPanel"));
    places.strip = FindComponent<ui::Panel>(Name("Port", port, stripSet, "Panel"));
    places.thin = FindComponent<ui::Panel>(Name("P", port, stripSet, "Panel"));
    return places;
}

void TPanelForm::BindPort(int port, const Places& places, const MvSNMPLedColorMapList& ledMap,
                          const MvSNMPLedColorMapList& stripMap, const MvSNMPLedColorMapList& thinMap, int ledSize,
                          int stripWidth)
{
    const std::string byte = std::to_string(2 * port + 4);
    LedRequest->AddLeds(0, byte, ledMap, places.led, 0, 9, ui::stRectangle, ledSize, ledSize);
    LedRequest->AddLeds(0, byte, stripMap, places.strip, 0, 9, ui::stRectangle, stripWidth, 6);
    LedRequest->AddLeds(0, byte, thinMap, places.thin, 0, 9, ui::stRectangle, stripWidth, 3);
}

void TPanelForm::InitLeds()
{
    try {
        const VarDescriptor* table = LedStatusTableOf(ModuleOIDText);

        ValueRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        ValueRequest->Mode = 0;
        if (table != nullptr)
            ValueRequest->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        ValueRequest->BindControl(0, FindComponent<ui::Label>("portspeedled"));

        // The first model reads its scalar at .0; the others' lists name the row's instance 0.
        // Every list reads instance 0, whichever panel reads it.
        LedRequest = std::make_unique<MvSNMPRequest2Leds>(this);
        if (table != nullptr) {
            const std::uint8_t kind = table == LedStatusTable1 ? SVT_SV : MVT_SV;
            LedRequest->Request.VarList = MvSNMPVarList(table, kind, 0);
            if (kind == MVT_SV)
                LedRequest->Request.VarList.suffix = "0";
        }
        LedRequest->Request.Timeout = 500;

        const std::pair<const char*, const MvSNMPLedColorMapList*> system[] = {
            {"PowerLedPanel", &PowerLedMap}, {"ConsoleLedPanel", &ConsoleLedMap},
            {"RPSPanel", &RpsLedMap}, {"FanPanel", &FanLedMap}};
        for (int i = 0; i < 4; ++i)
            LedRequest->AddLeds(0, std::to_string(2 + i), *system[i].second,
                                FindComponent<ui::Panel>(system[i].first), 0, 4, ui::stRectangle, 4, 4);
        LedRequest->SetMode(2, 6);

        for (int n = 1; n <= model_.loopPorts; ++n) {
            const Places places = FindPlaces(n, "", "");
            if (!places.Complete())
                return;
            places.SetVisible(true);
            BindPort(n, places, PortLedMap, PortStripMap, PortThinStripMap, 6, model_.stripWidth);
        }

        SetupComboPorts();
        LedRequest->Request.VarList.name = " LED Status";
        LedRequest->Start(model_.pollTicks);
        if (host_ != nullptr)
            LedRequest->SetLogTarget(host_->LedLogPanel());
    } catch (const std::exception&) {
        // The panel shows what was bound so far.
    }
}

void TPanelForm::SetupComboPorts()
{
    try {
        ValueRequest->Get();
        const std::string text = FindComponent<ui::Label>("portspeedled")->Caption();

        for (int n : model_.comboPorts) {
            const Places copper = FindPlaces(n, "", model_.copperStrips);
            const Places fibre = FindPlaces(n, "F", "F");
            if (!copper.Complete() || !fibre.Complete())
                return;
            const std::string code = PortCode(text, n);
            if (OneOf(code, CopperCodes)) {
                fibre.SetVisible(false);
                copper.SetVisible(true);
                BindPort(n, copper, PortLedMap, PortStripMap, PortThinStripMap, model_.comboLedSize,
                         model_.stripWidth);
                continue;
            }
            copper.SetVisible(false);
            if (OneOf(code, FibreCodes)) {
                fibre.SetVisible(true);
                BindPort(n, fibre, PortLedMap, PortStripMap, PortThinStripMap, model_.comboLedSize,
                         model_.fibreStripWidth);
            } else {
                fibre.SetVisible(false);
            }
        }

        if (!model_.uplinks)
            return;
        for (int n : {25, 26}) {
            const Places uplink = FindPlaces(n, "", "");
            if (!uplink.Complete())
                return;
            if (OneOf(PortCode(text, n), AbsentUplinkCodes)) {
                uplink.SetVisible(false);
                continue;
            }
            uplink.SetVisible(true);
            BindPort(n, uplink, UplinkLedMap, UplinkStripMap, UplinkThinStripMap, 6, 27);
        }
    } catch (const std::exception&) {
        // A failed read leaves the combo ports without LEDs.
    }
}

void TPanelForm::SetLedRegions()
{
    const auto shape = [this](ui::Panel* place, int port) {
        if (place == nullptr)
            return;
        if (port % 2 == 1)
            RegionPoints = {QPoint(3, 0), QPoint(0, 6), QPoint(6, 6)};
        else
            RegionPoints = {QPoint(0, 0), QPoint(6, 0), QPoint(3, 6)};
        ui::SetWindowRegion(place, std::vector<QPoint>(RegionPoints.begin(), RegionPoints.end()));
    };
    for (int n = 1; n <= model_.triangleLast; ++n)
        shape(FindComponent<ui::Panel>(Name("Port", n, "", "LedPanel")), n);
    if (model_.fibreTriangles)
        for (int n : model_.comboPorts)
            shape(FindComponent<ui::Panel>(Name("Port", n, "F", "LedPanel")), n);
}

void TPanelForm::FormShow(QObject*) { SetLedRegions(); }

void TPanelForm::FormClose(QObject*, ui::CloseAction& action)
{
    FreeRequests(model_.closeWaits);
    action = ui::caFree;
}

void TPanelForm::FormDestroy(QObject*) { FreeRequests(false); }

void TPanelForm::FreeRequests(bool waitForRead)
{
    if (LedRequest) {
        LedRequest->Stop();
        LedRequest->Request.Active = 0;
        if (waitForRead) {
            MvSNMPRequest2Leds* leds = LedRequest.get();
            ui::WaitUntil([leds] { return !leds->Busy; }, [] { SNMPProcessPendingEvents(); }, CloseWaitMs);
        }
        LedRequest.reset();
    }
    ValueRequest.reset();
}
