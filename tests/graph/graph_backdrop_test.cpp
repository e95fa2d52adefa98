// The graph as the graph area paints it, through its kept backdrop, against
// paintGraph painting it whole: the same pixels, also when the area, the
// pixel ratio, the font, the colours or the language change between paints.
#include "desktop/fonts.h"
#include "graph/graph_backdrop.h"
#include "graph/graph_view.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>

namespace coinwell::graph {
namespace {

struct Look {
    const char* what;
    qreal ratio;
    int dpi;
    QSize size;
    qreal points;
    QColor text;
    QColor background;
    bool renamed;  // another language
};

struct Graph {
    const char* what;
    engine::Tally tally;
    std::optional<ExactOverlay> overlay;
};

// A language in which every text reads in capitals.
class Capitals final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QString::fromUtf8(source).toUpper();
    }
};

QImage painted(const Look& look, const Graph& graph, GraphBackdrop* backdrop)
{
    // The area lies inside a border, as in the graph view.
    QImage image((look.size + QSize(4, 4)) * look.ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(look.ratio);
    image.setDotsPerMeterX(qRound(look.dpi / 0.0254));
    image.setDotsPerMeterY(qRound(look.dpi / 0.0254));
    image.fill(look.background);
    QPainter painter(&image);
    painter.setFont(gothicFont(look.points));
    const QRectF area(QPointF(2, 2), look.size);
    const ExactOverlay* overlay = graph.overlay ? &*graph.overlay : nullptr;
    if (backdrop != nullptr) {
        backdrop->paint(painter, area, graph.tally, look.text, look.background, overlay);
    } else {
        paintGraph(painter, area, graph.tally, look.text, overlay);
    }
    return image;
}

std::vector<Graph> graphs()
{
    const auto tally = [](std::initializer_list<std::pair<int, int>> binCounts) {
        engine::Tally result;
        for (const auto& [bin, count] : binCounts) {
            result.bins[static_cast<std::size_t>(bin)] = count;
        }
        return result;
    };
    // A run of 1000 guests x 1000 experiments as the law expects it.
    const ExactOverlay law = exactOverlay(engine::ShortageLaw(1000), 1000);
    engine::Tally expected;
    for (std::size_t bin = 0; bin < expected.bins.size(); ++bin) {
        expected.bins[bin] = static_cast<int>(std::lround(law.expectedCounts[bin]));
    }
    return {
        {"no bars", {}, std::nullopt},
        {"tall bars at the left edge, under the labels", tally({{0, 300}, {1, 240}, {2, 60}}), std::nullopt},
        {"a bar under the right caption", tally({{117, 279}}), std::nullopt},
        {"a run without the law", expected, std::nullopt},
        {"a run with the law", expected, law},
    };
}

TEST(GraphBackdrop, PaintsWhatPaintGraphPaintsAndFollowsEveryChange)
{
    const QColor black(0, 0, 0);
    const QColor grey(240, 240, 240);
    // One input changes from each look to the next.
    const Look looks[] = {
        {"at 1x", 1.0, 96, {533, 381}, 9.0, black, grey, false},
        {"at 2x", 2.0, 96, {533, 381}, 9.0, black, grey, false},
        {"at 2x, larger", 2.0, 96, {800, 572}, 9.0, black, grey, false},
        {"at 2x, larger, zoomed", 2.0, 96, {800, 572}, 13.5, black, grey, false},
        {"at 1x, larger, zoomed", 1.0, 96, {800, 572}, 13.5, black, grey, false},
        {"in white", 1.0, 96, {800, 572}, 13.5, Qt::white, grey, false},
        {"in white on navy", 1.0, 96, {800, 572}, 13.5, Qt::white, QColor(0, 0, 80), false},
        {"in capitals", 1.0, 96, {800, 572}, 13.5, Qt::white, QColor(0, 0, 80), true},
        {"at 1.25x", 1.25, 96, {533, 381}, 9.0, black, grey, false},
        {"at 1.25x and 120 dpi", 1.25, 120, {533, 381}, 9.0, black, grey, false},
    };
    GraphBackdrop backdrop;
    Capitals capitals;
    for (const Look& look : looks) {
        if (look.renamed) {
            QCoreApplication::installTranslator(&capitals);
        } else {
            QCoreApplication::removeTranslator(&capitals);
        }
        for (const Graph& graph : graphs()) {
            const QImage kept = painted(look, graph, &backdrop);
            const QImage whole = painted(look, graph, nullptr);
            int differing = 0;
            for (int y = 0; y < whole.height(); ++y) {
                for (int x = 0; x < whole.width(); ++x) {
                    differing += kept.pixel(x, y) != whole.pixel(x, y);
                }
            }
            EXPECT_EQ(differing, 0) << look.what << ", " << graph.what;
        }
    }
    QCoreApplication::removeTranslator(&capitals);
}

// The kept images have a flat ground: where the style paints the graph
// area with a gradient, the graph is painted over the gradient instead.
TEST(GraphView, PaintsOverAGroundThatIsNotFlat)
{
    QLinearGradient gradient(0, 0, 0, 381);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, QColor(0, 120, 0));
    const auto view = [&] {
        auto graphView = std::make_unique<GraphView>();
        QPalette palette = graphView->palette();
        palette.setBrush(graphView->backgroundRole(), gradient);
        graphView->setPalette(palette);
        graphView->resize(537, 385);
        return graphView;
    };
    engine::RunResult result;
    result.settings = {1000, 1000};
    result.tally = graphs()[3].tally;
    const report::RunRecord record{result, engine::ShortageLaw(1000), std::nullopt};

    const auto shown = view();
    shown->showRecord(record);
    const QImage onScreen = shown->grab().toImage();

    const auto empty = view();
    QImage expected = empty->grab().toImage();
    QPainter painter(&expected);
    painter.setFont(empty->font());
    paintRecord(painter, empty->contentsRect(), record, false, empty->palette().color(QPalette::WindowText));
    painter.end();
    EXPECT_EQ(onScreen, expected);
}

}  // namespace
}  // namespace coinwell::graph
