// The line chart: series from the layout, points replaced in one step with the axes following,
// the x axis's labels, and the 3D view.
#include "support/FormTest.h"
#include "ui/Chart.h"
#include "ui/Scale.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGraphicsItem>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>

#include <cmath>
#include <cstdio>

namespace {

class ChartTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        chart.resize(500, 300);
        chart.setProperty("Series", "Input Frames=clRed; Output Frames=clGreen;Discard Frames=clYellow");
        chart.Loaded();
        chart.show();
    }
    // The chart as shown once its pending layout has run.
    QImage Picture()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return chart.grab().toImage();
    }

    // Where a point of the chart is drawn in the picture: the axes' reading.
    QPointF At(double x, double y) const
    {
        const QPointF scene = chart.chart()->mapToScene(chart.chart()->mapToPosition(QPointF(x, y)));
        return chart.mapFromScene(scene);
    }
    QRectF PlotArea() const
    {
        const QRectF scene = chart.chart()->mapToScene(chart.chart()->plotArea()).boundingRect();
        return QRectF(chart.mapFromScene(scene.topLeft()), chart.mapFromScene(scene.bottomRight()));
    }
    QRectF Legend() const
    {
        QGraphicsItem* legend = chart.chart()->legend();
        return chart.mapFromScene(legend->mapToScene(legend->boundingRect())).boundingRect();
    }

    ui::Chart chart;
};

// Runs of columns with dark ink (text) between rows top and bottom from column left on, joined
// across the blanks inside a label: [first, last] columns.
std::vector<std::pair<int, int>> InkRuns(const QImage& image, int top, int bottom, int left)
{
    std::vector<std::pair<int, int>> runs;
    constexpr int BlankInsideLabel = 5;
    for (int x = std::max(left, 0); x < image.width(); ++x) {
        bool ink = false;
        for (int y = std::max(top, 0); y <= bottom && y < image.height() && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < 128;
        if (!ink)
            continue;
        if (!runs.empty() && x - runs.back().second <= BlankInsideLabel)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

// " hh:mm:ss " of 08:40:00 and the seconds after it.
std::string TimeLabel(int seconds)
{
    const int t = 8 * 3600 + 40 * 60 + seconds;
    char text[16];
    std::snprintf(text, sizeof text, " %02d:%02d:%02d ", t / 3600, t / 60 % 60, t % 60);
    return text;
}

TEST_F(ChartTest, TheLayoutNamesTheSeriesAndTheirColours)
{
    ASSERT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(chart.SeriesTitle(0), "Input Frames");
    EXPECT_EQ(chart.SeriesTitle(1), "Output Frames");
    EXPECT_EQ(chart.SeriesTitle(2), "Discard Frames");
    EXPECT_EQ(ui::ToQColor(chart.SeriesColor(0)), QColor(255, 0, 0));
    EXPECT_EQ(ui::ToQColor(chart.SeriesColor(1)), QColor(0, 128, 0));
    EXPECT_EQ(ui::ToQColor(chart.SeriesColor(2)), QColor(255, 255, 0));
    auto* line = qobject_cast<QLineSeries*>(chart.chart()->series().at(0));
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->pointsVisible());
    EXPECT_TRUE(chart.chart()->title().isEmpty());
}

TEST_F(ChartTest, PointsAreReplacedAndTheAxesFollowTheLargestValue)
{
    chart.SetPoints(0, {1, 5, 3}, {" 10:00:01 ", " 10:00:02 ", " 10:00:03 "});
    chart.SetPoints(1, {0, 0, 0}, {});
    EXPECT_EQ(chart.Values(0), (std::vector<double>{1, 5, 3}));
    EXPECT_EQ(chart.YRange(), std::make_pair(0.0, 5.0));
    EXPECT_EQ(chart.XRange(), std::make_pair(0.0, 2.0));

    chart.SetPoints(0, {2, 4294967295.0}, {});
    EXPECT_EQ(chart.Values(0), (std::vector<double>{2, 4294967295.0}));
    EXPECT_EQ(chart.YRange(), std::make_pair(0.0, 4294967295.0));
    EXPECT_EQ(chart.XRange(), std::make_pair(0.0, 2.0)) << "series 1 still has three points";

    // Nothing above 0: the axis still spans 1.
    chart.SetPoints(0, {0, 0}, {});
    EXPECT_EQ(chart.YRange(), std::make_pair(0.0, 1.0));
    chart.Clear(0);
    chart.Clear(1);
    EXPECT_TRUE(chart.Values(0).empty());
    EXPECT_EQ(chart.XRange(), std::make_pair(0.0, 1.0));
}

TEST_F(ChartTest, TheXAxisShowsEachLabelOnceWhereItFirstShows)
{
    // Priming points have no time; two points in one second share theirs.
    chart.SetPoints(0, {0, 0, 7, 8, 9}, {"", "", " 10:00:01 ", " 10:00:01 ", " 10:00:02 "});
    chart.SetPoints(1, {0, 0, 1, 1, 1}, {"", " 09:59:59 ", " 10:00:01 ", " 10:00:01 ", " 10:00:02 "});
    EXPECT_EQ(chart.AxisLabels(), (std::vector<std::pair<double, std::string>>{
                                      {1, " 09:59:59 "}, {2, " 10:00:01 "}, {4, " 10:00:02 "}}));
    EXPECT_EQ(chart.Labels(0)[2], " 10:00:01 ");
    // What the axis itself holds, in place.
    auto* axis = qobject_cast<QCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).at(0));
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->categoriesLabels(), (QStringList{" 09:59:59 ", " 10:00:01 ", " 10:00:02 "}));
    EXPECT_EQ(axis->endValue(" 10:00:02 "), 4);
    EXPECT_EQ(chart.XRange(), std::make_pair(0.0, 4.0));
    chart.SetPoints(0, {0, 7, 8, 9}, {"", " 10:00:01 ", " 10:00:01 ", " 10:00:02 "});
    chart.SetPoints(1, {0, 1, 1, 1}, {" 10:00:01 ", " 10:00:01 ", " 10:00:02 ", " 10:00:03 "});
    // Point 0's label would hang over the plot's left edge into the value axis: it is left out.
    EXPECT_EQ(axis->categoriesLabels(), (QStringList{" 10:00:02 "})) << "series 0 labels point 3";
    EXPECT_EQ(chart.chart()->axes(Qt::Horizontal).at(0), axis) << "refilled, not replaced";
    chart.Clear(0);
    chart.Clear(1);
    EXPECT_TRUE(chart.AxisLabels().empty());
}

TEST_F(ChartTest, TheThreeDViewDrawsRibbonsAndKeepsTheLegendColours)
{
    // Series 0 in front and level: its ribbon is as deep as the view makes it.
    chart.SetPoints(0, {5, 5, 5, 5}, {});
    chart.SetPoints(1, {2, 3, 2, 3}, {});
    chart.SetPoints(2, {0, 1, 0, 1}, {});
    const QImage flat = Picture();
    chart.SetView3D(true);
    EXPECT_TRUE(chart.View3D());
    const QImage ribbons = Picture();
    EXPECT_NE(flat, ribbons);
    // Filled sides cover far more of the picture in the series' colour than 2-pixel lines.
    auto countOf = [](const QImage& image, QColor colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    };
    EXPECT_GT(countOf(ribbons, QColor(255, 0, 0)), 2 * countOf(flat, QColor(255, 0, 0)));
    for (int k = 0; k < 3; ++k) {
        const auto markers = chart.chart()->legend()->markers(chart.chart()->series().at(k));
        ASSERT_EQ(markers.size(), 1);
        EXPECT_EQ(markers[0]->brush().color(), ui::ToQColor(chart.SeriesColor(k)));
    }
    chart.SetView3D(false);
    EXPECT_EQ(Picture(), flat);
}

// At the window's layout size, history counts from 10 to 120: the labels on the axis are
// the newest and every s-th before it, each drawn whole where its point is, none wider than the
// room between two of them, none cut by the chart's edge.
TEST_F(ChartTest, TimeLabelsStayWholeAtEveryHistoryCount)
{
    chart.resize(612, 300);
    const auto* axis = qobject_cast<QCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).at(0));
    ASSERT_NE(axis, nullptr);
    const QFontMetrics metrics(axis->labelsFont());
    const int wholeInk = metrics.boundingRect("08:40:00").width();
    for (int count : {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 23, 27, 30, 36, 45, 53, 60, 71, 90, 105, 119, 120}) {
        SCOPED_TRACE(count);
        std::vector<double> values(static_cast<std::size_t>(count), 0.0);
        std::vector<std::string> labels;
        for (int j = 0; j < count; ++j)
            labels.push_back(TimeLabel(j));
        for (int k = 0; k < 3; ++k)
            chart.SetPoints(k, values, labels);
        const auto shown = chart.AxisLabels();
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown.back(), std::make_pair(static_cast<double>(count - 1), labels.back()));
        const double step = shown[1].first - shown[0].first;
        for (std::size_t i = 1; i < shown.size(); ++i)
            EXPECT_EQ(shown[i].first - shown[i - 1].first, step) << "evenly spaced";
        if (count == 10)
            EXPECT_GE(shown.size(), 4u) << "as many as fit";

        const QImage picture = Picture();
        const QRectF plot = PlotArea();
        const double slot = At(step, 0).x() - At(0, 0).x();
        const auto runs = InkRuns(picture, static_cast<int>(plot.bottom()) + 6,
                                  static_cast<int>(plot.bottom()) + 6 + metrics.height(), static_cast<int>(plot.left()));
        ASSERT_EQ(runs.size(), shown.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            SCOPED_TRACE(shown[i].second);
            const auto [first, last] = runs[i];
            const int width = last - first + 1;
            EXPECT_GE(width, wholeInk * 85 / 100) << "the whole time, not a cut one";
            EXPECT_LT(width, slot) << "no wider than its slot";
            EXPECT_NEAR((first + last) / 2.0, At(shown[i].first, 0).x(), 3) << "under its point";
            EXPECT_LT(last, picture.width() - 1) << "not cut by the chart's edge";
        }
    }
}

// Three level series at values on grid lines: in the flat view each line lies on its grid
// line; in the 3D view the front edge of each ribbon does, read on the axis as the flat line is,
// and every ribbon stays inside the flat view's plot.
TEST_F(ChartTest, LevelSeriesStandOnTheirGridLinesInBothViews)
{
    chart.resize(612, 300);
    const double levels[] = {4, 2, 1}; // the axis runs 0 to 4, a grid line at each whole number
    for (int k = 0; k < 3; ++k)
        chart.SetPoints(k, std::vector<double>(10, levels[k]), {});
    const QImage flat = Picture();
    const QRectF flatPlot = PlotArea();
    auto colourOf = [this](int k) { return ui::ToQColor(chart.SeriesColor(k)); };
    const int middle = static_cast<int>(At(4.5, 0).x());
    // The grid line of 3, where no series is, is where the axis reads 3.
    const int three = qRound(At(4.5, 3).y());
    EXPECT_NE(flat.pixelColor(middle, three), QColor(Qt::white));
    EXPECT_EQ(flat.pixelColor(middle, three - 4), QColor(Qt::white));
    EXPECT_EQ(flat.pixelColor(middle, three + 4), QColor(Qt::white));
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const int y = qRound(At(4.5, levels[k]).y());
        EXPECT_TRUE(flat.pixelColor(middle, y) == colourOf(k) || flat.pixelColor(middle, y - 1) == colourOf(k) ||
                    flat.pixelColor(middle, y + 1) == colourOf(k));
    }

    chart.SetView3D(true);
    const QImage ribbons = Picture();
    const double step = ui::Scaled(10) * std::sqrt(0.5);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        // The lowest pixel of the ribbon's side in a column through its middle.
        const QPointF front = At(4.5, levels[k]);
        const int x = static_cast<int>(front.x() + step * k);
        int lowest = -1;
        for (int y = 0; y < ribbons.height(); ++y)
            if (ribbons.pixelColor(x, y) == colourOf(k) && !Legend().contains(x, y))
                lowest = y;
        EXPECT_NEAR(lowest, front.y(), 1.5) << "the front edge at the series' value";
    }
    const QRectF legend = Legend();
    for (int y = 0; y < ribbons.height(); ++y)
        for (int x = 0; x < ribbons.width(); ++x) {
            const QColor pixel = ribbons.pixelColor(x, y);
            bool ribbon = false;
            for (int k = 0; k < 3; ++k)
                ribbon = ribbon || pixel == colourOf(k) || pixel == colourOf(k).darker(160);
            if (ribbon && !legend.contains(x, y))
                ASSERT_TRUE(flatPlot.adjusted(-1, -1, 1, 1).contains(x, y)) << x << "," << y << " outside the plot";
        }
}

} // namespace
