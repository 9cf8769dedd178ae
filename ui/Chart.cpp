#include "ui/Chart.h"

#include <memory>

#include "ui/Control.h"
#include "ui/Scale.h"
#include "ui/Text.h"

#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSignalBlocker>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace ui {

namespace {

// The oblique extrusion of the 3D view: depth per series, in layout pixels, at 45 degrees.
constexpr int RibbonDepth = 10;
// How much darker the top edge of a ribbon is than its side (QColor::darker's factor).
constexpr int TopEdgeDarker = 160;

// The axis wants unique labels at rising positions; no label is left of the first point.
constexpr double AxisStart = -1.0;

// What an axis label takes beyond its text: the text item's margins and the axis's padding on
// either side (Qt Charts cuts a label to an equal share of the axis less that padding).
constexpr double LabelTextMargin = 1.0;
constexpr double LabelPadding = 4.0;
// The least blank between two neighbouring labels.
constexpr double LabelGap = 6.0;

} // namespace

Chart::Chart(QWidget* parent) : QChartView(ClientOf(parent)), chart_(new QChart), yAxis_(new QValueAxis),
    xAxis_(new QCategoryAxis)
{
    chart_->setTitle(QString());
    chart_->setBackgroundBrush(Qt::white);
    chart_->setPlotAreaBackgroundVisible(false);
    yAxis_->setLabelFormat("%.10g");
    xAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    xAxis_->setStartValue(AxisStart);
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    chart_->addAxis(yAxis_, Qt::AlignLeft);
    // The view made a chart of its own and gives up its ownership when it takes ours.
    std::unique_ptr<QChart> initial(chart());
    setChart(chart_);
    baseMargins_ = chart_->margins();
    // How many labels fit depends on the plot's width.
    connect(chart_, &QChart::plotAreaChanged, this, [this] { UpdateLabels(); });
    setRubberBand(QChartView::NoRubberBand);
    setDragMode(QGraphicsView::NoDrag);
    setInteractive(false);
    UpdateAxes();
    ShowIfParentVisible(this);
}

Chart::~Chart() = default;

int Chart::AddSeries(const std::string& title, Color color)
{
    auto* line = new QLineSeries;
    line->setName(ToQString(title));
    line->setPointsVisible(false);
    line->setPointLabelsVisible(false);
    chart_->addSeries(line);
    line->attachAxis(xAxis_);
    line->attachAxis(yAxis_);
    series_.push_back({line, color, {}});
    ApplyPen(series_.back());
    // The legend keeps the colour when the 3D view takes the line's pen away.
    for (QLegendMarker* marker : chart_->legend()->markers(line)) {
        marker->setBrush(ToQColor(color));
        marker->setPen(QPen(ToQColor(color)));
    }
    return SeriesCount() - 1;
}

const Chart::Series& Chart::At(int series) const
{
    if (series < 0 || series >= SeriesCount())
        throw std::out_of_range("Chart has no series " + std::to_string(series));
    return series_[static_cast<std::size_t>(series)];
}

std::string Chart::SeriesTitle(int series) const { return ToStdString(At(series).line->name()); }

Color Chart::SeriesColor(int series) const { return At(series).color; }

void Chart::ApplyPen(const Series& series) const
{
    if (view3D_)
        series.line->setPen(Qt::NoPen);
    else
        series.line->setPen(QPen(ToQColor(series.color), 2));
}

void Chart::SetPoints(int series, const std::vector<double>& values, const std::vector<std::string>& labels)
{
    const Series& s = At(series);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t j = 0; j < values.size(); ++j)
        points.append(QPointF(static_cast<double>(j), values[j]));
    s.line->replace(points);
    auto& kept = series_[static_cast<std::size_t>(series)].labels;
    kept.assign(labels.begin(), labels.begin() + static_cast<std::ptrdiff_t>(std::min(labels.size(), values.size())));
    kept.resize(values.size());
    UpdateAxes();
}

void Chart::Clear(int series)
{
    const Series& s = At(series);
    s.line->clear();
    series_[static_cast<std::size_t>(series)].labels.clear();
    UpdateAxes();
}

void Chart::SetView3D(bool on)
{
    if (view3D_ == on)
        return;
    view3D_ = on;
    for (const Series& s : series_)
        ApplyPen(s);
    UpdateMargins();
    viewport()->update();
}

double Chart::DepthStep() const { return Scaled(RibbonDepth) * std::sqrt(0.5); }

void Chart::UpdateMargins()
{
    QMargins margins = baseMargins_;
    double widest = 0;
    for (const auto& [position, label] : wantedLabels_)
        widest = std::max(widest, LabelWidth(label));
    margins.setRight(std::max(margins.right(), static_cast<int>(std::ceil(widest / 2))));
    if (view3D_) {
        const double step = DepthStep();
        margins.setRight(margins.right() + static_cast<int>(std::ceil(step * static_cast<double>(series_.size()))));
        margins.setTop(margins.top() + static_cast<int>(std::ceil(step)));
    }
    if (margins != chart_->margins()) {
        chart_->setMargins(margins);
        // The plot area is wanted at once: by the labels that fit it and by the next paint.
        if (chart_->layout() != nullptr)
            chart_->layout()->activate();
    }
}

std::vector<double> Chart::Values(int series) const
{
    std::vector<double> values;
    for (const QPointF& point : At(series).line->points())
        values.push_back(point.y());
    return values;
}

std::vector<std::string> Chart::Labels(int series) const { return At(series).labels; }

std::vector<std::pair<double, std::string>> Chart::AxisLabels() const { return axisLabels_; }

std::pair<double, double> Chart::YRange() const { return {yAxis_->min(), yAxis_->max()}; }

std::pair<double, double> Chart::XRange() const { return {xAxis_->min(), xAxis_->max()}; }

void Chart::UpdateAxes()
{
    qsizetype points = 0;
    double largest = 0;
    for (const Series& s : series_) {
        const QList<QPointF> values = s.line->points();
        points = std::max(points, values.size());
        for (const QPointF& point : values)
            largest = std::max(largest, point.y());
    }
    yAxis_->setRange(0, std::max(largest, 1.0));
    xAxis_->setRange(0, std::max<double>(static_cast<double>(points) - 1, 1));
    UpdateLabels();
    if (view3D_)
        viewport()->update();
}

void Chart::UpdateLabels()
{
    // At each point the first series that labels it; a label once, where it first shows.
    std::size_t points = 0;
    for (const Series& s : series_)
        points = std::max(points, s.labels.size());
    std::vector<std::pair<double, std::string>> wanted;
    std::set<std::string> seen;
    for (std::size_t j = 0; j < points; ++j) {
        for (const Series& s : series_) {
            if (j >= s.labels.size() || s.labels[j].empty())
                continue;
            if (seen.insert(s.labels[j]).second)
                wanted.emplace_back(static_cast<double>(j), s.labels[j]);
            break;
        }
    }
    if (wanted != wantedLabels_) {
        wantedLabels_ = std::move(wanted);
        UpdateMargins();
    }
    AxisLabelList fitting = FittingLabels();
    if (fitting == axisLabels_)
        return;
    axisLabels_ = std::move(fitting);
    // The axis is refilled in place with its signals held, then told once, so the chart lays it
    // out once rather than once per label. (An axis replaced instead would leave its old graphics
    // to a deferred deletion that a closing window may never reach.)
    const double from = xAxis_->min();
    const double to = xAxis_->max();
    QSignalBlocker hold(xAxis_);
    for (const QString& label : xAxis_->categoriesLabels())
        xAxis_->remove(label);
    for (const auto& [position, label] : axisLabels_)
        xAxis_->append(ToQString(label), position);
    hold.unblock();
    xAxis_->setRange(from, to);
    emit xAxis_->categoriesChanged();
}

double Chart::LabelWidth(const std::string& label) const
{
    const QFontMetricsF metrics(xAxis_->labelsFont());
    return metrics.horizontalAdvance(ToQString(label)) + 2 * (LabelTextMargin + LabelPadding);
}

Chart::AxisLabelList Chart::FittingLabels() const
{
    const double width = chart_->plotArea().width();
    const double span = xAxis_->max() - xAxis_->min();
    if (wantedLabels_.size() < 2 || width <= 0 || span <= 0)
        return wantedLabels_;
    const double perPoint = width / span;
    double widest = 0;
    for (const auto& [position, label] : wantedLabels_)
        widest = std::max(widest, LabelWidth(label));
    for (int step = 1;; ++step) {
        // From the newest back, one label every step points at most, none hanging over the left.
        AxisLabelList kept;
        for (auto label = wantedLabels_.rbegin(); label != wantedLabels_.rend(); ++label) {
            if (!kept.empty() && label->first > kept.back().first - step)
                continue;
            if (!kept.empty() && (label->first - xAxis_->min()) * perPoint < widest / 2)
                break;
            kept.push_back(*label);
        }
        std::reverse(kept.begin(), kept.end());
        const bool apart = static_cast<double>(step) * perPoint >= widest + LabelGap;
        // The axis cuts each label to an equal share of its width, one share more than labels.
        const bool whole = static_cast<double>(kept.size() + 1) * widest <= width;
        if ((apart && whole) || kept.size() == 1)
            return kept;
    }
}

void Chart::Loaded()
{
    const QVariant entries = property("Series");
    if (!entries.isValid())
        return;
    for (const QString& entry : entries.toString().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype at = entry.lastIndexOf(QLatin1Char('='));
        Color color = clBlack;
        if (at >= 0)
            ColorFromName(ToStdString(entry.mid(at + 1).trimmed()), color);
        AddSeries(ToStdString((at >= 0 ? entry.left(at) : entry).trimmed()), color);
    }
}

void Chart::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (!view3D_ || series_.empty())
        return;
    const double step = DepthStep();
    const QPointF back(step, -step);
    const QRectF plot = chart_->mapToScene(chart_->plotArea()).boundingRect();
    // The plot area and the room its margins keep for the ribbons behind it.
    QRectF clip = plot;
    clip.setTop(plot.top() - step);
    clip.setRight(plot.right() + step * static_cast<double>(series_.size()));

    painter->save();
    painter->setClipRect(clip);
    painter->setRenderHint(QPainter::Antialiasing, true);
    // The farthest ribbon first, so the nearer ones cover it.
    for (std::size_t k = series_.size(); k-- > 0;) {
        const Series& s = series_[k];
        if (!s.line->isVisible())
            continue;
        const QList<QPointF> values = s.line->points();
        if (values.isEmpty())
            continue;
        // Moved sideways only: the front edge stands at the series' values.
        const QPointF front(step * static_cast<double>(k), 0);
        QPolygonF frontEdge;
        frontEdge.reserve(values.size());
        for (const QPointF& value : values)
            frontEdge.append(chart_->mapToScene(chart_->mapToPosition(value, s.line)) + front);
        const QPolygonF backEdge = frontEdge.translated(back);

        const QColor side = ToQColor(s.color);
        // The side's own colour as its outline closes the seams between neighbouring quads.
        painter->setPen(QPen(side, 1));
        painter->setBrush(side);
        for (qsizetype j = 0; j + 1 < frontEdge.size(); ++j)
            painter->drawPolygon(QPolygonF({frontEdge[j], frontEdge[j + 1], backEdge[j + 1], backEdge[j]}));
        if (frontEdge.size() == 1)
            painter->drawLine(frontEdge[0], backEdge[0]);
        painter->setPen(QPen(side.darker(TopEdgeDarker), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawPolyline(backEdge);
    }
    painter->restore();
}

} // namespace ui
