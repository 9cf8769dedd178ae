#pragma once
// A line chart: series with a title and a colour, each a list of points at x = 0, 1, 2 ...
// with a value and a label text; the x axis shows the labels at their points, the y axis runs
// from 0 to the largest value (at least 1). No title, no point symbols, no zooming or panning.
//
// The 3D view draws each series as a ribbon standing on its points, extruded obliquely to the
// upper right (45 degrees, 10 scaled pixels per series, series 0 in front): its side in the
// series colour, its top edge darker; the flat lines are not drawn then. Axes and legend stay.
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
    // The x axis's labels and their positions, left to right.
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

    const Series& At(int series) const;
    // The flat line's pen: the series colour, or none in the 3D view.
    void ApplyPen(const Series& series) const;
    void UpdateAxes();
    void UpdateLabels();

    QChart* chart_;
    QValueAxis* yAxis_;
    QCategoryAxis* xAxis_;
    std::vector<Series> series_;
    std::vector<std::pair<double, std::string>> axisLabels_;
    bool view3D_ = false;
};

} // namespace ui
