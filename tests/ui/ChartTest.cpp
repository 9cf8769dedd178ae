// The line chart: series from the layout, points replaced in one step with the axes following,
// the x axis's labels, and the 3D view.
#include "support/FormTest.h"
#include "ui/Chart.h"

#include <QCategoryAxis>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>

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
    QImage Picture() { return chart.grab().toImage(); }

    ui::Chart chart;
};

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
    EXPECT_EQ(axis->categoriesLabels(), (QStringList{" 10:00:01 ", " 10:00:02 "})) << "series 0 labels point 3";
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

} // namespace
