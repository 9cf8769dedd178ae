#pragma once
// A line chart: series with a title and a colour, each a list of points at x = 0, 1, 2 ...
// with a value and a label text; the y axis runs from 0 to the largest value (at least 1). No
// title, no point symbols, no zooming or panning.
//
// The x axis shows the labels at their points, each whole: when they do not all fit the plot's
// width, every s-th point keeps its label (the newest always, s the smallest step at which none
// is cut or overlaps its neighbour, none hanging over the plot's left edge), and the right margin
// leaves room for half the newest one.
//
// The 3D view draws each series as a ribbon 10 scaled pixels deep, extruded obliquely to the
// upper right (45 degrees): its front edge at the series' values, read on the axes as the flat
// line would be, series k moved k depths to the right (series 0 in front); its side in the
// series colour, its top edge darker; the flat lines are not drawn then. The plot area gives up
// the room the ribbons take behind it, so every ribbon stays where the flat plot was. Axes and
// legend stay.
//
// Form layouts give the series as the dynamic property Series: "title=colour" entries separated
// by ";", colours named as in ui/Color.h ("Input Frames=clRed;Output Frames=clGreen").

#include "ui/Color.h"
#include "ui/Loadable.h"

#include <QChartView>

#include <string>
#include <utility>
#include <vector>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace ui {

class Chart : public QChartView, public Loadable {
    Q_OBJECT
public:
    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    // Series, in the order they were added.
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    int AddSeries(const std::string& title, Color color);
    std::string SeriesTitle(int series) const;
    Color SeriesColor(int series) const;

    // The series' points replaced in one step: point j at x = j with values[j], labelled
    // labels[j] (an empty or missing label shows nothing). Axes follow.
    void SetPoints(int series, const std::vector<double>& values, const std::vector<std::string>& labels);
    // The series has no points.
    void Clear(int series);

    bool View3D() const { return view3D_; }
    void SetView3D(bool on);

    // What the chart shows, for tests and benchmarks.
    std::vector<double> Values(int series) const;
    std::vector<std::string> Labels(int series) const;
    // The x axis's labels and their positions, left to right: the ones it shows.
    std::vector<std::pair<double, std::string>> AxisLabels() const;
    std::pair<double, double> YRange() const;
    std::pair<double, double> XRange() const;

    // Reads the dynamic property Series of the form layout.
    void Loaded() override;

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    struct Series {
        QLineSeries* line;
        Color color;
        std::vector<std::string> labels;
    };

    using AxisLabelList = std::vector<std::pair<double, std::string>>;

    const Series& At(int series) const;
    // The flat line's pen: the series colour, or none in the 3D view.
    void ApplyPen(const Series& series) const;
    void UpdateAxes();
    // Each label once, where it first shows; then those of them that fit the plot.
    void UpdateLabels();
    AxisLabelList FittingLabels() const;
    // The width a label takes on the axis, its padding included.
    double LabelWidth(const std::string& label) const;
    // The room for half the widest label on the right and for the ribbons behind the plot.
    void UpdateMargins();
    // How far the 3D view moves one series from the one in front of it (right, and up for its
    // back edge), in pixels.
    double DepthStep() const;

    QChart* chart_;
    QValueAxis* yAxis_;
    QCategoryAxis* xAxis_;
    std::vector<Series> series_;
    AxisLabelList wantedLabels_;
    AxisLabelList axisLabels_;
    QMargins baseMargins_;
    bool view3D_ = false;
};

} // namespace ui
