// Draws the picture of a model's front panel from the model's panel layout: a dark case, a
// recessed port area, a metal cage around each copper port pair and each fibre (SFP) port, and a
// dark well under every LED place. No text, no antialiasing: the pictures are exact pixels, and
// the panels' LEDs are laid over them at the layout's places.
//
//     PanelPictures LAYOUT.ui PICTURE.png WIDTH HEIGHT

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

const QColor CaseColour(38, 42, 48);
const QColor EdgeColour(72, 78, 86);
const QColor PortAreaColour(28, 31, 36);
const QColor MetalColour(150, 155, 162);
const QColor SfpMetalColour(182, 186, 191);
const QColor OpeningColour(12, 13, 15);
const QColor WellColour(20, 22, 25);

struct Place {
    QString name;
    QRect rect;
};

// The LED places (ui::Panel widgets) of a layout with their geometry.
std::vector<Place> ReadPlaces(const QString& path)
{
    std::vector<Place> places;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return places;
    QXmlStreamReader xml(&file);
    std::vector<int> open; // widgets being read, innermost last: the place's index, -1 for others
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
            if (xml.attributes().value("class") == QLatin1String("ui::Panel")) {
                places.push_back({xml.attributes().value("name").toString(), {}});
                open.push_back(static_cast<int>(places.size()) - 1);
            } else {
                open.push_back(-1);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("widget")) {
            open.pop_back();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("rect") && !open.empty() &&
                   open.back() >= 0) {
            std::map<QString, int> v;
            while (xml.readNextStartElement())
                v[xml.name().toString()] = xml.readElementText().toInt();
            places[static_cast<std::size_t>(open.back())].rect = QRect(v["x"], v["y"], v["width"], v["height"]);
        }
    }
    return places;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s LAYOUT.ui PICTURE.png WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const int width = QString(argv[3]).toInt();
    const int height = QString(argv[4]).toInt();

    const std::vector<Place> places = ReadPlaces(argv[1]);
    if (places.empty()) {
        std::fprintf(stderr, "%s: no LED places in %s\n", argv[0], argv[1]);
        return 1;
    }

    const QRegularExpression strip("^P(?:ort)?(\\d+)([TF]?)Panel$");
    const QRegularExpression portPlace("^P(?:ort)?\\d");
    std::map<std::pair<int, QString>, QRect> columns; // port and set: its strips together
    QRect portArea;
    for (const Place& place : places) {
        const auto m = strip.match(place.name);
        if (m.hasMatch()) {
            QRect& r = columns[{m.captured(1).toInt(), m.captured(2)}];
            r = r.isNull() ? place.rect : r.united(place.rect);
        }
        if (portPlace.match(place.name).hasMatch())
            portArea = portArea.isNull() ? place.rect : portArea.united(place.rect);
    }

    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(CaseColour);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    // Case edges, top and bottom.
    painter.fillRect(0, 0, width, 2, EdgeColour);
    painter.fillRect(0, height - 2, width, 2, EdgeColour);
    painter.fillRect(portArea.adjusted(-8, -6, 8, 6), PortAreaColour);

    // Copper ports: an odd port and the next one share a cage when their strips line up.
    for (const auto& [key, rect] : columns) {
        const auto& [port, set] = key;
        if (set == "F") {
            const QRect cage = rect.adjusted(-2, -2, 2, 2);
            painter.fillRect(cage, SfpMetalColour);
            painter.fillRect(cage.adjusted(3, 3, -3, -3), OpeningColour);
            continue;
        }
        QRect cage = rect;
        if (port % 2 == 1) {
            const auto next = columns.find({port + 1, set});
            if (next != columns.end() && std::abs(next->second.left() - rect.left()) <= 1)
                cage = cage.united(next->second);
        } else {
            const auto previous = columns.find({port - 1, set});
            if (previous != columns.end() && std::abs(previous->second.left() - rect.left()) <= 1)
                continue; // drawn with its odd neighbour
        }
        cage.adjust(-2, -2, 2, 2);
        painter.fillRect(cage, MetalColour);
        painter.fillRect(cage.adjusted(2, 2, -2, -2), OpeningColour);
        // The latch notch of each jack.
        const int mid = cage.center().x();
        painter.fillRect(mid - 3, cage.top() + 2, 6, 2, MetalColour);
        painter.fillRect(mid - 3, cage.bottom() - 3, 6, 2, MetalColour);
    }

    // A well under every LED place.
    for (const Place& place : places)
        if (place.name.endsWith("LedPanel") || place.name == "RPSPanel" || place.name == "FanPanel")
            painter.fillRect(place.rect.adjusted(-1, -1, 1, 1), WellColour);
    painter.end();

    if (!picture.save(argv[2], "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
