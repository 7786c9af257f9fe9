// SPDX-License-Identifier: GPL-3.0-or-later
// The network view: the decision plane of trained AND and XOR networks read
// pixel by pixel where the answer is known, the weights grid of a known
// matrix, the refusal for three inputs, the error curve's scales, printing
// and saving pictures, the remembered picture width, and the view following
// a run on the set-up page through the run's snapshots. What the screen shows
// from its kept layers is held against the picture drawn afresh, and a
// snapshot that changes nothing a picture draws must not repaint it.
//
// Pixels are looked up at the picture's own density, so the same tests hold
// when the suite runs at QT_SCALE_FACTOR=2.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "AnsweringSaveDialog.h"
#include "CapturingPrinter.h"
#include "DecisionView.h"
#include "ErrorCurveView.h"
#include "FindControl.h"
#include "ListClicks.h"
#include "NetworkState.h"
#include "NetworkView.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QStringPrinter.h"
#include "Random.h"
#include "ScriptedDialogs.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"
#include "TrainingRun.h"
#include "RecordingHost.h"
#include "WeightsView.h"

namespace vantorelle {

namespace {

// Counts the paint events a widget gets, and keeps the region of the last.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;
    QRegion lastRegion;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            lastRegion = static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// Waits for a condition while the event loop runs; false when it never came.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 20000)
{
    return QTest::qWaitFor(condition, milliseconds);
}

// The boundary's black, also where its edge is smoothed into the shade.
bool IsInk(const QColor& c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; }

QColor PixelAt(const QImage& image, QPointF logical)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(logical.x() * ratio), static_cast<int>(logical.y() * ratio));
}

// Compares two pictures of one size pixel by pixel: the largest difference in
// any channel, and how many pixels differ by more than by in some channel.
struct Difference {
    int largest = 0;
    long pixelsOver = 0;
};
Difference Compare(const QImage& a, const QImage& b, int by = 0)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return {256, static_cast<long>(x.width()) * x.height()};
    Difference found;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            found.largest = std::max(found.largest, d);
            found.pixelsOver += d > by;
        }
    }
    return found;
}
int LargestDifference(const QImage& a, const QImage& b) { return Compare(a, b).largest; }

// What the widget shows on screen (its own repaint, caches and all).
QImage OnScreen(QWidget* widget) { return widget->grab().toImage(); }

// What its window holds of widget: every repaint so far, however partial.
// The offscreen platform grabs no more of a window than its size in device
// pixels, only part of it at a scale factor above 1: then a null image.
QImage InWindow(QWidget* widget)
{
    QWidget* window = widget->window();
    const QImage whole = widget->screen()->grabWindow(window->winId()).toImage();
    const qreal ratio = whole.devicePixelRatio();
    const QRect at(widget->mapTo(window, QPoint(0, 0)) * ratio, widget->size() * ratio);
    if (!whole.rect().contains(at))
        return {};
    QImage part = whole.copy(at);
    part.setDevicePixelRatio(ratio);
    return part;
}

// How many pixels a region covers.
long Area(const QRegion& region)
{
    long area = 0;
    for (const QRect& part : region)
        area += static_cast<long>(part.width()) * part.height();
    return area;
}

// Lets every repaint that was due happen: a widget's repaint comes with all
// the others due in its window, so once other has painted, so has any of them.
bool RepaintsDone(QWidget* other)
{
    PaintCounter painted(other);
    other->update();
    return WaitFor([&] { return painted.count > 0; });
}

// A snapshot of net as a run's thread takes it, sharing patterns.
std::shared_ptr<const NetworkSnapshot> DuringRun(const NetworkState& net,
                                                 const std::shared_ptr<const SnapshotPatterns>& patterns)
{
    auto snapshot = std::make_shared<NetworkSnapshot>();
    snapshot->patterns = patterns;
    CopyProgress(net, *snapshot);
    snapshot->duringRun = true;
    return snapshot;
}

class NetworkViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pages.define(PageNames::NetworkView, [this] {
            return std::make_unique<NetworkView>(net, dialogs, pages, printer, files, widths);
        });
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    void read(const char* file)
    {
        const ReadResult result = ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES "/") + file);
        ASSERT_TRUE(result.ok) << result.message;
        net.TrainingFileName = file;
    }

    // Trains the file's network as "Start Training" would, with a fixed seed.
    void train(const char* file, RuleKind rule, const char* epochs = "1000")
    {
        read(file);
        SizeUnitsAndWeights(net);
        SetDefaultSettings(net);
        net.LearningRule = rule;
        testing::RecordingHost panel;
        panel.boxes = {epochs, defaults::RateText(rule), "100", "0.01", true, true};
        MersenneRandom random(3);
        testing::EngineHost host{panel, random};
        ASSERT_TRUE(StartTraining(net, host));
    }

    // A network of the given sizes with one pattern of zeros, untrained.
    void handMade(long inputs, long outputs, const char* name)
    {
        net.NumInputs = inputs;
        net.NumOutputs = outputs;
        net.NumPatterns = 1;
        net.NumResponses = outputs;
        net.InputPatterns.Resize(1, inputs);
        net.DesiredOutputs.Resize(1, outputs);
        net.TrainingFileName = name;
        SizeUnitsAndWeights(net);
        SetDefaultSettings(net);
    }

    // Marks the history set by hand as a run leaves it: units of the rule's
    // kind, the epochs counted to its last row at least.
    void asRecorded()
    {
        SetUnitTypes(net, UnitKind::Binary);
        const auto last = static_cast<long>(net.SSEHistory[static_cast<std::size_t>(net.SSERecordCount)].Epochs);
        net.EpochCount = std::max(net.EpochCount, last);
    }

    NetworkView* openView()
    {
        auto* view = static_cast<NetworkView*>(pages.open(PageNames::NetworkView));
        EXPECT_NE(view, nullptr);
        if (view) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        }
        return view;
    }

    template <typename T>
    static T* control(QWidget* page, const char* name)
    {
        return qt_testing::FindControl<T>(page, name);
    }

    NetworkState net;

    PageMemory memory;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    testing::AnsweringSaveDialog files;
    PictureWidths widths;
    PageRegistry pages;
};

// decision plane

TEST_F(NetworkViewTest, TrainedAndAnswersOneAroundOneOneAndZeroAroundTheOrigin)
{
    train("and.net", RuleKind::Delta);
    ASSERT_EQ(net.Hits, net.NumResponses);
    NetworkView* view = openView();
    EXPECT_TRUE(control<QLabel>(view, "FileLabel")
                    ->text()
                    .startsWith(QStringLiteral("and.net: 4 patterns, 2 inputs, 1 output, Delta rule.")));
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(1);
    auto* plane = control<DecisionView>(view, "DecisionView");
    ASSERT_TRUE(plane->refusal().isEmpty());
    const QImage image = plane->picture();

    // Beyond the corners the answer is known: the weights of AND are positive.
    EXPECT_EQ(PixelAt(image, plane->toPixel(1.1, 1.1)), ViewPalette::shade(1));
    EXPECT_EQ(PixelAt(image, plane->toPixel(-0.1, -0.1)), ViewPalette::shade(0));
    EXPECT_EQ(PixelAt(image, plane->toPixel(1.1, -0.1)), ViewPalette::shade(0));

    // Along the diagonal, between the markers: shade 0, the boundary's ink, shade 1.
    const QPointF from = plane->toPixel(0, 0);
    const QPointF to = plane->toPixel(1, 1);
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    std::vector<int> seen;  // 0, 1: shades; 2: ink
    for (double d = 12; d < length - 12; d += 0.5) {
        const QColor c = PixelAt(image, from + (to - from) * (d / length));
        const int kind = c == ViewPalette::shade(0) ? 0 : c == ViewPalette::shade(1) ? 1 : IsInk(c) ? 2 : -1;
        if (kind >= 0 && (seen.empty() || seen.back() != kind))
            seen.push_back(kind);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 2, 1}));
}

TEST_F(NetworkViewTest, XorUnderTheGaussianRuleShowsItsBandAndTheStepRuleItsMisses)
{
    train("xor.net", RuleKind::Tarvik);
    ASSERT_EQ(net.Hits, net.NumResponses) << "the Gaussian unit learns XOR";
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(1);
    auto* plane = control<DecisionView>(view, "DecisionView");
    EXPECT_EQ(plane->boundaryLevels().size(), 2u);
    QImage image = plane->picture();
    const int dark = 40;  // shade levels: well below one half
    EXPECT_LT(ViewPalette::luminance(PixelAt(image, plane->toPixel(-0.1, -0.1))),
              ViewPalette::luminance(ViewPalette::shade(dark / 255.0)));
    EXPECT_LT(ViewPalette::luminance(PixelAt(image, plane->toPixel(1.1, 1.1))),
              ViewPalette::luminance(ViewPalette::shade(dark / 255.0)));
    EXPECT_GT(ViewPalette::luminance(PixelAt(image, plane->toPixel(0.5, 0.5))),
              ViewPalette::luminance(ViewPalette::shade(0.9)));
    // Two band edges cross the diagonal.
    int edges = 0;
    bool inInk = false;
    const QPointF from = plane->toPixel(0, 0), to = plane->toPixel(1, 1);
    for (double f = 0.05; f < 0.95; f += 0.002) {
        const bool ink = IsInk(PixelAt(image, from + (to - from) * f));
        edges += ink && !inInk;
        inInk = ink;
    }
    EXPECT_EQ(edges, 2);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));

    // The step rule cannot learn it: the picture rings the patterns it misses.
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    train("xor.net", RuleKind::Delta, "200");
    ASSERT_LT(net.Hits, net.NumResponses);
    view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(1);
    plane = control<DecisionView>(view, "DecisionView");
    image = plane->picture();
    int ringPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ringPixels += image.pixelColor(x, y) == ViewPalette::missRing();
    EXPECT_GT(ringPixels, 20);
}

TEST_F(NetworkViewTest, PlaneOnScreenIsShadedAfreshOnlyWhenTheWeightsChange)
{
    read("and.net");
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    net.Weights(1, 1) = 1.3;
    net.Weights(2, 1) = 0.9;
    net.OutputUnits[1].Threshold = -1.1;
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(1);
    auto* plane = control<DecisionView>(view, "DecisionView");
    auto* unitBox = control<QSpinBox>(view, "OutputBox");
    const auto patterns = CopyPatterns(net);

    // The screen's table of activations gives the picture of every pixel worked out.
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        net.LearningRule = rule;
        plane->setSnapshot(std::make_shared<const NetworkSnapshot>(TakeSnapshot(net)));
        EXPECT_LE(LargestDifference(OnScreen(plane), plane->picture()), 4) << RuleName(rule);
    }

    // New weights during a run: shaded afresh, the axes and legend kept.
    net.LearningRule = RuleKind::Delta;
    ASSERT_EQ(patterns->LearningRule, RuleKind::Delta);
    plane->setSnapshot(DuringRun(net, patterns));
    ASSERT_TRUE(RepaintsDone(unitBox));
    const QPointF corner = plane->toPixel(1.1, 1.1);
    EXPECT_EQ(PixelAt(OnScreen(plane), corner), ViewPalette::shade(1));
    const long shadings = plane->shadings();
    const long grounds = plane->groundDraws();
    net.Weights(1, 1) = -1.3;
    net.Weights(2, 1) = -0.9;
    net.OutputUnits[1].Threshold = 1.1;
    PaintCounter repaints(plane);
    plane->setSnapshot(DuringRun(net, patterns));
    ASSERT_TRUE(WaitFor([&] { return repaints.count > 0; }));
    EXPECT_FALSE(repaints.lastRegion.contains(QPoint(plane->width() - 2, plane->height() - 2)))
        << "the axes and the legend are not repainted";
    const QImage window = InWindow(plane);
    if (!window.isNull()) {
        EXPECT_EQ(PixelAt(window, corner), ViewPalette::shade(0));
        EXPECT_LE(LargestDifference(window, plane->picture()), 4);
    }
    EXPECT_EQ(PixelAt(OnScreen(plane), corner), ViewPalette::shade(0));
    EXPECT_LE(LargestDifference(OnScreen(plane), plane->picture()), 4);
    EXPECT_EQ(plane->shadings(), shadings + 1);
    EXPECT_EQ(plane->groundDraws(), grounds);

    // The same weights again: no repaint, no shading.
    ASSERT_TRUE(RepaintsDone(unitBox));
    PaintCounter paints(plane);
    plane->setSnapshot(DuringRun(net, patterns));
    ASSERT_TRUE(RepaintsDone(unitBox));
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(plane->shadings(), shadings + 1);
}

TEST_F(NetworkViewTest, ThreeInputsGetTheirReasonInsteadOfAPlane)
{
    handMade(3, 1, "three.net");
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(1);
    auto* message = control<QLabel>(view, "DecisionMessage");
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(message->text(), DecisionView::refusalFor(3));
    EXPECT_TRUE(message->text().contains(QStringLiteral("exactly two inputs")));
    EXPECT_TRUE(message->text().contains(QStringLiteral("3 inputs")));
    EXPECT_FALSE(control<DecisionView>(view, "DecisionView")->isVisible());
    EXPECT_FALSE(control<QSpinBox>(view, "OutputBox")->isEnabled());
    EXPECT_TRUE(DecisionView::refusalFor(1).contains(QStringLiteral("1 input,")));
}

// weights

TEST_F(NetworkViewTest, KnownWeightsAtWidthFiveGiveTheirColoursAndPlaces)
{
    handMade(10, 2, "grid.net");
    for (long i = 1; i <= 10; ++i)
        net.Weights(i, 1) = (i - 5.5) / 4.5;  // -1 .. +1
    net.Weights(3, 2) = 0.5;
    net.OutputUnits[1].Threshold = 0.25;
    net.OutputUnits[2].Threshold = -1;
    NetworkView* view = openView();
    auto* width = control<QSpinBox>(view, "WidthBox");
    auto* grid = control<WeightsView>(view, "WeightsView");
    EXPECT_EQ(width->value(), NetworkView::DefaultPictureWidth(10));
    width->setValue(5);
    ASSERT_EQ(grid->pictureWidth(), 5);
    EXPECT_EQ(grid->scaleEnd(), 1.0);

    // Layout: rows of five, input 6 under input 1, the threshold right of the first row.
    const int cell = grid->cellSize();
    const QRect first = grid->cellRect(1, 1);
    EXPECT_EQ(grid->cellRect(1, 2).topLeft(), first.topLeft() + QPoint(cell, 0));
    EXPECT_EQ(grid->cellRect(1, 5).topLeft(), first.topLeft() + QPoint(4 * cell, 0));
    EXPECT_EQ(grid->cellRect(1, 6).topLeft(), first.topLeft() + QPoint(0, cell));
    EXPECT_EQ(grid->cellRect(1, 10).topLeft(), first.topLeft() + QPoint(4 * cell, cell));
    EXPECT_TRUE(grid->cellRect(1, 11).isEmpty());
    EXPECT_EQ(grid->thresholdRect(1).top(), first.top());
    EXPECT_GT(grid->thresholdRect(1).left(), grid->cellRect(1, 5).right());
    EXPECT_FALSE(grid->cellRect(2, 1).intersects(grid->thresholdRect(1)));

    // Colours: the scale's ends, zero, a half, the thresholds.
    const QImage image = grid->picture();
    auto colourOf = [&](const QRect& r) { return PixelAt(image, QRectF(r).center()); };
    EXPECT_EQ(colourOf(grid->cellRect(1, 1)), ViewPalette::diverging(-1));
    EXPECT_EQ(colourOf(grid->cellRect(1, 10)), ViewPalette::diverging(1));
    EXPECT_EQ(colourOf(grid->cellRect(2, 1)), ViewPalette::diverging(0));
    EXPECT_EQ(colourOf(grid->cellRect(2, 3)), ViewPalette::diverging(0.5));
    EXPECT_EQ(colourOf(grid->thresholdRect(1)), ViewPalette::diverging(0.25));
    EXPECT_EQ(colourOf(grid->thresholdRect(2)), ViewPalette::diverging(-1));
    // Equal weights side by side (unit 2's inputs 1 and 2, 6 and 7) still show as cells.
    const QRect left = grid->cellRect(2, 1);
    EXPECT_EQ(PixelAt(image, QPointF(left.right() + 0.5, left.center().y())), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, QPointF(left.center().x(), left.bottom() + 0.5)), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, QPointF(left.right() - 1.5, left.center().y())), ViewPalette::diverging(0));

    // Pointing at a cell, then the keyboard, tell its input and weight.
    auto* cellLabel = control<QLabel>(view, "CellLabel");
    QTest::mouseMove(grid, grid->cellRect(1, 10).center());
    EXPECT_TRUE(WaitFor([&] { return cellLabel->text() == QStringLiteral("Output 1, input 10: weight 1.00"); }))
        << cellLabel->text().toStdString();
    grid->setFocus();
    ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(cellLabel->text(), QStringLiteral("Output 1, input 6: weight 0.11"));
    QTest::keyClick(grid, Qt::Key_Up);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(cellLabel->text(), QStringLiteral("Output 1: threshold 0.25"));
    QTest::keyClick(grid, Qt::Key_PageDown);
    EXPECT_EQ(cellLabel->text(), QStringLiteral("Output 2: threshold -1.00"));
}

TEST_F(NetworkViewTest, OwnContrastShowsTheShapeOfAUnitWhoseWeightsAreAllNegative)
{
    // Like a unit trained to tell its letter from the others: every weight
    // negative, the letter's cells (inputs 1 and 3) least so.
    handMade(4, 2, "contrast.net");
    const double weights[] = {-0.1, -0.9, -0.5, -0.7};
    for (long i = 1; i <= 4; ++i)
        net.Weights(i, 1) = weights[i - 1];
    net.Weights(2, 2) = 2;  // unit 2 alone sets the shared scale
    net.OutputUnits[1].Threshold = -1;
    NetworkView* view = openView();
    auto* grid = control<WeightsView>(view, "WeightsView");
    auto colourOf = [&](const QRect& r) { return PixelAt(grid->picture(), QRectF(r).center()); };
    ASSERT_EQ(grid->scaleEnd(), 2.0);
    EXPECT_EQ(colourOf(grid->cellRect(1, 1)), ViewPalette::diverging(-0.05));

    control<QCheckBox>(view, "ContrastCheck")->click();
    ASSERT_TRUE(grid->ownContrast());
    EXPECT_EQ(colourOf(grid->cellRect(1, 1)), ViewPalette::diverging(1));   // its highest
    EXPECT_EQ(colourOf(grid->cellRect(1, 2)), ViewPalette::diverging(-1));  // its lowest
    EXPECT_EQ(colourOf(grid->cellRect(1, 3)), ViewPalette::diverging(0));
    // The other unit over its own range too; thresholds keep the shared scale.
    EXPECT_EQ(colourOf(grid->cellRect(2, 1)), ViewPalette::diverging(-1));
    EXPECT_EQ(colourOf(grid->cellRect(2, 2)), ViewPalette::diverging(1));
    EXPECT_EQ(colourOf(grid->thresholdRect(1)), ViewPalette::diverging(-0.5));

    control<QCheckBox>(view, "ContrastCheck")->click();
    EXPECT_EQ(colourOf(grid->cellRect(1, 2)), ViewPalette::diverging(-0.45));
}

TEST_F(NetworkViewTest, GridOnScreenRepaintsItsCellsOnlyWhenTheWeightsChange)
{
    handMade(10, 2, "grid.net");
    net.Weights(3, 2) = 0.5;
    NetworkView* view = openView();
    auto* grid = control<WeightsView>(view, "WeightsView");
    auto* widthBox = control<QSpinBox>(view, "WidthBox");
    widthBox->setValue(5);
    const auto patterns = CopyPatterns(net);
    EXPECT_EQ(LargestDifference(OnScreen(grid), grid->picture()), 0);

    const QPointF cell = QRectF(grid->cellRect(2, 3)).center();
    const long grounds = grid->groundDraws();
    net.Weights(3, 2) = -0.5;
    grid->setSnapshot(DuringRun(net, patterns));
    EXPECT_EQ(PixelAt(OnScreen(grid), cell), ViewPalette::diverging(-1));
    EXPECT_EQ(LargestDifference(OnScreen(grid), grid->picture()), 0);
    EXPECT_EQ(grid->groundDraws(), grounds) << "captions, frames and legend are kept";

    ASSERT_TRUE(RepaintsDone(widthBox));
    PaintCounter paints(grid);
    grid->setSnapshot(DuringRun(net, patterns));
    ASSERT_TRUE(RepaintsDone(widthBox));
    EXPECT_EQ(paints.count, 0);

    // A new width lays the units out anew.
    widthBox->setValue(2);
    EXPECT_EQ(LargestDifference(OnScreen(grid), grid->picture()), 0);
    EXPECT_GT(grid->groundDraws(), grounds);
}

TEST_F(NetworkViewTest, PictureWidthIsRememberedPerFileForTheSession)
{
    EXPECT_EQ(NetworkView::DefaultPictureWidth(2), 2);
    EXPECT_EQ(NetworkView::DefaultPictureWidth(35), 5);  // letters: 5 x 7
    EXPECT_EQ(NetworkView::DefaultPictureWidth(16), 4);
    EXPECT_EQ(NetworkView::DefaultPictureWidth(13), 4);  // a prime: about square

    read("letters.net");
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    NetworkView* view = openView();
    control<QSpinBox>(view, "WidthBox")->setValue(7);
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    view = openView();
    EXPECT_EQ(control<QSpinBox>(view, "WidthBox")->value(), 7);
    EXPECT_EQ(control<WeightsView>(view, "WeightsView")->pictureWidth(), 7);

    // Another file starts from its own width; the first keeps its own.
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    net.TrainingFileName = "letters-copy.net";
    view = openView();
    EXPECT_EQ(control<QSpinBox>(view, "WidthBox")->value(), 5);
    EXPECT_EQ(widths.byFile["letters.net"], 7);
}

TEST_F(NetworkViewTest, PaletteGetsLighterFromNegativeToPositive)
{
    // Grey-scale print keeps the order of the values, so signs stay apart.
    double previous = -1;
    for (int i = 0; i <= 200; ++i) {
        const double l = ViewPalette::luminance(ViewPalette::diverging(-1 + i / 100.0));
        EXPECT_GT(l, previous) << i;
        previous = l;
    }
    EXPECT_GT(ViewPalette::luminance(ViewPalette::diverging(1)) - ViewPalette::luminance(ViewPalette::diverging(-1)),
              0.7);
    EXPECT_EQ(ViewPalette::diverging(5), ViewPalette::diverging(1));
    EXPECT_EQ(ViewPalette::diverging(std::nan("")), ViewPalette::diverging(0));
}

// error curve

TEST_F(NetworkViewTest, ErrorCurveScales)
{
    handMade(2, 1, "curve.net");
    net.SSERecordCount = 4;
    net.SSEHistory[1] = {0, 10};
    net.SSEHistory[2] = {100, 1};
    net.SSEHistory[3] = {200, 0.1};
    net.SSEHistory[4] = {300, 0};
    asRecorded();
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(2);
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    auto* logScale = control<QCheckBox>(view, "LogScaleCheck");
    const QRect plot = curve->plotRect();
    EXPECT_EQ(curve->points().size(), 4u);
    EXPECT_DOUBLE_EQ(curve->toPixel(300, 0).x(), plot.left() + plot.width());

    // Linear: 10 at the top, 0 at the bottom, 1 a tenth of the way up.
    EXPECT_DOUBLE_EQ(curve->toPixel(0, 10).y(), plot.top());
    EXPECT_DOUBLE_EQ(curve->toPixel(0, 0).y(), plot.bottom() + 1);
    EXPECT_NEAR(curve->toPixel(0, 1).y(), plot.bottom() + 1 - plot.height() / 10.0, 1e-9);
    EXPECT_FALSE(curve->hasZeroLine());

    // Logarithmic: decades evenly apart; 0, which no decade holds, on a line
    // of its own at the bottom, well below the lowest decade and marked 0.
    QTest::mouseClick(logScale, Qt::LeftButton, {}, QPoint(6, 10));
    ASSERT_TRUE(curve->logScale());
    const double decade = curve->toPixel(0, 1).y() - curve->toPixel(0, 10).y();
    EXPECT_GT(decade, 10);
    EXPECT_NEAR(curve->toPixel(0, 0.1).y() - curve->toPixel(0, 1).y(), decade, 1e-9);
    EXPECT_TRUE(curve->hasZeroLine());
    EXPECT_DOUBLE_EQ(curve->toPixel(0, 0).y(), plot.bottom() + 1);
    EXPECT_GE(curve->toPixel(0, 0).y() - curve->toPixel(0, 0.1).y(), 15);
    EXPECT_EQ(curve->sseTicks(), (std::vector<double>{0, 0.1, 1, 10}));

    // A curve that stays above 0 has no line for it: its lowest decade is the bottom edge.
    net.SSEHistory[4] = {300, 0.05};
    view->activationStep();
    EXPECT_FALSE(curve->hasZeroLine());
    EXPECT_NEAR(curve->toPixel(0, 0.01).y(), plot.bottom() + 1, 1e-9);
    QTest::mouseClick(logScale, Qt::LeftButton, {}, QPoint(6, 10));
    ASSERT_FALSE(curve->logScale());
}

TEST_F(NetworkViewTest, ErrorCurveDrawsNoHitCriterionAndTicksWholeEpochs)
{
    // Every response can be a hit with a total far above the criterion, so a
    // line at the criterion's height on a curve of totals would mislead.
    handMade(2, 1, "short.net");
    net.SSERecordCount = 3;
    net.SSEHistory[1] = {0, 10};
    net.SSEHistory[2] = {1, 6};
    net.SSEHistory[3] = {2, 2};
    asRecorded();
    net.MinError = 0.01;
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(2);
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    const QImage small = curve->picture();
    net.MinError = 5;  // within the curve's range
    view->activationStep();
    EXPECT_EQ(LargestDifference(curve->picture(), small), 0) << "the criterion changes nothing drawn";

    // Two epochs: ticks at 0, 1 and 2, none between.
    EXPECT_EQ(curve->epochTicks(), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(NiceTicks(0, 7, 8, 1), (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(NiceTicks(0, 30, 8, 1), (std::vector<double>{0, 5, 10, 15, 20, 25, 30}));
}

TEST_F(NetworkViewTest, CurveOnScreenAddsTheRowsOfARunToItsKeptAxes)
{
    handMade(2, 1, "curve.net");
    net.SSERecordCount = 1;
    net.SSEHistory[1] = {0, 50};
    net.EpochCount = 0;
    asRecorded();
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(2);
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    const auto patterns = CopyPatterns(net);
    PaintCounter paints(curve);

    // Rows come during a run; the epoch axis reaches to the next round number.
    auto advance = [&](int rows) {
        for (int r = 0; r < rows; ++r) {
            net.SSERecordCount += 1;
            net.EpochCount += 10;
            net.SSEHistory[static_cast<std::size_t>(net.SSERecordCount)] = {static_cast<double>(net.EpochCount),
                                                                            40.0 / net.SSERecordCount};
        }
        net.TotalSSE = 39.0 / net.SSERecordCount;
        net.EpochCount += 3;  // the latest measurement, after the last row
        const int before = paints.count;
        curve->setSnapshot(DuringRun(net, patterns));
        net.EpochCount -= 3;
        ASSERT_TRUE(WaitFor([&] { return paints.count > before; }));
    };
    advance(10);  // epochs to 103
    EXPECT_EQ(curve->epochAxisEnd(), 200);
    const long grounds = curve->groundDraws();
    advance(5);
    advance(3);  // epochs to 183
    EXPECT_EQ(curve->epochAxisEnd(), 200);
    EXPECT_EQ(curve->groundDraws(), grounds) << "the rows are drawn into the kept axes";
    EXPECT_LT(Area(paints.lastRegion), curve->width() * curve->height() / 4)
        << "only the title and the new stretch are repainted";
    // Joined and repainted in pieces, the curve in the window still looks as
    // drawn at once (up to the smoothing where two pieces meet).
    const double pixels = curve->devicePixelRatio() * curve->devicePixelRatio();
    const QImage window = InWindow(curve);
    if (!window.isNull()) {
        EXPECT_LT(Compare(window, curve->picture(), 64).pixelsOver, 12 * pixels);
    }
    EXPECT_LT(Compare(OnScreen(curve), curve->picture(), 64).pixelsOver, 12 * pixels);

    advance(10);  // past 200: the axes move on
    EXPECT_EQ(curve->epochAxisEnd(), 500);
    EXPECT_GT(curve->groundDraws(), grounds);

    // Once the run is over the axis ends at the last epoch.
    curve->setSnapshot(std::make_shared<const NetworkSnapshot>(TakeSnapshot(net)));
    EXPECT_EQ(curve->epochAxisEnd(), net.EpochCount);
}

TEST_F(NetworkViewTest, CurveKeepsEachPixelColumnsHighestAndLowestPoint)
{
    handMade(2, 1, "long.net");
    net.SSERecordCount = MaxHistoryRows;
    for (int r = 1; r <= MaxHistoryRows; ++r)
        net.SSEHistory[static_cast<std::size_t>(r)] = {static_cast<double>(r), r % 2 ? 10.0 : 11.0};
    net.SSEHistory[1234] = {1234, 30};  // one spike among 2,000 rows
    asRecorded();
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(2);
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    const qreal ratio = curve->devicePixelRatio();
    const QPolygonF drawn = curve->curvePoints(ratio);
    EXPECT_LE(drawn.size(), 4 * (curve->plotRect().width() + 1) * ratio);
    auto highest = [](const QPolygonF& points) {
        return std::min_element(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); })->y();
    };
    EXPECT_DOUBLE_EQ(highest(drawn), curve->toPixel(1234, 30).y());
    EXPECT_DOUBLE_EQ(drawn.front().x(), curve->toPixel(1, 10).x());
    EXPECT_DOUBLE_EQ(drawn.back().x(), curve->toPixel(MaxHistoryRows, 11).x());
    // Both levels of the zigzag stay in every column.
    int low = 0, high = 0;
    for (QPointF p : drawn) {
        low += p.y() == curve->toPixel(0, 10).y();
        high += p.y() == curve->toPixel(0, 11).y();
    }
    EXPECT_GE(low, curve->plotRect().width() / 2);
    EXPECT_GE(high, curve->plotRect().width() / 2);
}

// the network named

TEST_F(NetworkViewTest, EveryTabFollowsTheFileReadAfterARun)
{
    train("and.net", RuleKind::Delta);
    NetworkView* view = openView();
    auto* tabs = control<QTabWidget>(view, "ViewTabs");
    auto* line = control<QLabel>(view, "FileLabel");
    auto* cellLabel = control<QLabel>(view, "CellLabel");
    auto* grid = control<WeightsView>(view, "WeightsView");
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    const QString hint = cellLabel->text();
    QTest::mouseMove(grid, grid->cellRect(1, 2).center());
    ASSERT_TRUE(WaitFor([&] { return cellLabel->text().startsWith(QStringLiteral("Output 1, input 2")); }));
    tabs->setCurrentIndex(2);
    ASSERT_FALSE(curve->points().empty());
    ASSERT_TRUE(line->text().contains(QStringLiteral("Epoch")));
    auto showsNoResults = [&](const char* when) {
        EXPECT_TRUE(curve->points().empty()) << when;
        EXPECT_FALSE(line->text().contains(QStringLiteral("Epoch"))) << when << ": " << line->text().toStdString();
        EXPECT_TRUE(line->text().startsWith(QString::fromStdString(net.TrainingFileName))) << when;
    };

    // Another file read, as the load-file page does, then its units sized
    // anew, as its set-up page does: the run's results stay in the state.
    read("letters.net");
    view->activationStep();
    showsNoResults("letters.net read");
    EXPECT_EQ(cellLabel->text(), hint) << "no weight of and.net is read out any more";
    SizeUnitsAndWeights(net);
    view->activationStep();
    showsNoResults("letters.net's units sized");

    // A file of the same sizes: the state cannot tell, the view has seen the results under and.net.
    train("and.net", RuleKind::Delta);
    view->activationStep();
    ASSERT_FALSE(curve->points().empty());
    read("or.net");
    view->activationStep();
    showsNoResults("or.net read");
    read("and.net");
    view->activationStep();
    EXPECT_FALSE(curve->points().empty()) << "and.net's own results again";

    // A generalization file restarts the epochs: the history is the training file's.
    read("or.net");
    net.EpochCount = 0;
    view->activationStep();
    showsNoResults("or.net read for generalization");

    // A run brings results of its own.
    train("or.net", RuleKind::Delta);
    view->activationStep();
    EXPECT_FALSE(curve->points().empty());
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("or.net:")));
    EXPECT_TRUE(line->text().contains(QStringLiteral("Epoch")));
}

TEST_F(NetworkViewTest, FullHistorySaysHowManyPointsWereRecorded)
{
    handMade(2, 1, "long.net");
    net.SSERecordCount = MaxHistoryRows;
    for (int r = 1; r <= MaxHistoryRows; ++r)
        net.SSEHistory[static_cast<std::size_t>(r)] = {static_cast<double>(r - 1), 100.0 / r};
    net.EpochCount = 10695218;  // every epoch recorded, on and on
    net.SSERecordsDropped = 10693219;
    asRecorded();
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(2);
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    const QString note = QStringLiteral("Showing the first 2000 recorded points of 10695219");
    EXPECT_EQ(curve->droppedNote(), note);
    EXPECT_TRUE(curve->accessibleDescription().contains(note)) << curve->accessibleDescription().toStdString();
    EXPECT_EQ(curve->epochAxisEnd(), 1999);
    const QImage withNote = curve->picture();

    // During a run the latest measurement, far beyond the full history, is
    // not joined to it: the recorded curve keeps its axis.
    net.TotalSSE = 0.01;
    net.EpochCount += 1000;
    net.SSERecordsDropped += 1000;
    curve->setSnapshot(DuringRun(net, CopyPatterns(net)));
    EXPECT_EQ(curve->points().size(), static_cast<std::size_t>(MaxHistoryRows));
    EXPECT_EQ(curve->epochAxisEnd(), 2000);
    EXPECT_EQ(curve->droppedNote(), QStringLiteral("Showing the first 2000 recorded points of 10696219"));

    // Nothing dropped, nothing said.
    net.SSERecordsDropped = 0;
    view->activationStep();
    EXPECT_TRUE(curve->droppedNote().isEmpty());
    EXPECT_GT(LargestDifference(curve->picture(), withNote), 0) << "the note is drawn";
}

TEST_F(NetworkViewTest, PicturesFillTheirFrames)
{
    handMade(2, 2, "small.net");  // two inputs: the plane is drawn
    NetworkView* view = openView();
    auto* tabs = control<QTabWidget>(view, "ViewTabs");
    auto* scroll = control<QScrollArea>(view, "WeightsScroll");
    auto* grid = control<WeightsView>(view, "WeightsView");
    // A picture smaller than its scroll area fills it: no grey below or beside it.
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(grid->size(), scroll->viewport()->size());
    EXPECT_EQ(grid->picture().pixelColor(grid->picture().rect().bottomRight()), QColor(Qt::white));
    // Each picture reaches to its tab's edges, as far from them as from the left.
    for (int tab = 0; tab < 3; ++tab) {
        tabs->setCurrentIndex(tab);
        QWidget* page = tabs->currentWidget();
        QWidget* picture = tab == 0 ? static_cast<QWidget*>(scroll) : view->currentPicture();
        ASSERT_TRUE(WaitFor([&] { return picture->isVisible(); })) << tab;
        const QRect at = picture->geometry();
        EXPECT_EQ(page->width() - 1 - at.right(), at.left()) << tab;
        EXPECT_EQ(page->height() - 1 - at.bottom(), at.left()) << tab;
    }
}

// printing and saving

TEST_F(NetworkViewTest, PrintsAndSavesThePictureOnTheCurrentTab)
{
    train("and.net", RuleKind::Delta);
    NetworkView* view = openView();
    QTest::mouseClick(control<QPushButton>(view, "PrintView"), Qt::LeftButton);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_TRUE(printer.documents[0].title.startsWith(QStringLiteral("Weights Of The Network")));
    ASSERT_EQ(printer.documents[0].items.size(), 3u);
    EXPECT_EQ(printer.documents[0].items[2].picture.deviceIndependentSize().toSize(),
              control<WeightsView>(view, "WeightsView")->pictureSize());

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(1);
    files.answer = folder.filePath(QStringLiteral("plane.png"));
    QTest::mouseClick(control<QPushButton>(view, "SavePicture"), Qt::LeftButton);
    QImage saved(*files.answer);
    EXPECT_EQ(saved.size(), view->currentPicture()->picture().size());
    EXPECT_TRUE(files.asked.back().filter.contains(QStringLiteral("*.svg")));

    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(2);
    files.answer = folder.filePath(QStringLiteral("curve.SVG"));
    QTest::mouseClick(control<QPushButton>(view, "SavePicture"), Qt::LeftButton);
    QFile svg(*files.answer);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Total SSE"));

    // A name without an ending becomes a PNG file.
    files.answer = folder.filePath(QStringLiteral("bare"));
    QTest::mouseClick(control<QPushButton>(view, "SavePicture"), Qt::LeftButton);
    EXPECT_TRUE(QImage(folder.filePath(QStringLiteral("bare.png"))).width() > 0);

    // Other endings, a folder that is not there, and a cancel save nothing.
    ExpectedBox ending;
    ending.title = ProgramTitle;
    ending.textContains = "PNG or SVG";
    ending.icon = BoxIcon::Exclamation;
    dialogs.expect(ending);
    files.answer = folder.filePath(QStringLiteral("curve.jpg"));
    QTest::mouseClick(control<QPushButton>(view, "SavePicture"), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(*files.answer));
    dialogs.expect(ExpectedErrorReport("could not be saved"));
    files.answer = folder.filePath(QStringLiteral("missing/curve.png"));
    QTest::mouseClick(control<QPushButton>(view, "SavePicture"), Qt::LeftButton);
    files.answer.reset();
    QTest::mouseClick(control<QPushButton>(view, "SavePicture"), Qt::LeftButton);
    dialogs.verifyDone();
}

// following a run

class NetworkViewRunTest : public NetworkViewTest {
protected:
    void SetUp() override
    {
        read("letters.net");
        net.FreshStart = true;
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(11); });
        NetworkViewTest::SetUp();  // the view with this test's save dialog and widths
        setup = static_cast<Perceptron*>(pages.open(PageNames::Perceptron));
        ASSERT_NE(setup, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
        run = setup->findChild<TrainingRun*>();
        ASSERT_NE(run, nullptr);
        // A long run with the picture changing all along it.
        control<QLineEdit>(setup, "SweepsBox")->setText(QStringLiteral("1000000"));
        control<QCheckBox>(setup, "Check1_1")->setChecked(false);
    }
    void startAndStop(const std::function<void()>& whileRunning)
    {
        QTest::mouseClick(control<QPushButton>(setup, "StartTraining"), Qt::LeftButton);
        ASSERT_TRUE(setup->isTraining());
        whileRunning();
        QTest::mouseClick(control<QPushButton>(setup, "StopTraining"), Qt::LeftButton);
        ASSERT_TRUE(WaitFor([this] { return !setup->isTraining(); }, 60000));
    }

    Perceptron* setup = nullptr;
    TrainingRun* run = nullptr;
};

TEST_F(NetworkViewRunTest, NothingIsCopiedWhileNoViewWatches)
{
    startAndStop([this] { EXPECT_TRUE(WaitFor([this] { return run->refreshCount() >= 3; })); });
    EXPECT_EQ(run->snapshotCount(), 0);
}

TEST_F(NetworkViewRunTest, ViewFollowsTheRunWhileHeld)
{
    NetworkView* view = openView();
    pages.open(PageNames::Perceptron);
    auto* grid = control<WeightsView>(view, "WeightsView");
    PaintCounter paints(grid);
    const long before = view->snapshotsShown();
    startAndStop([&] {
        EXPECT_FALSE(view->isEnabled());  // held by the run
        EXPECT_TRUE(WaitFor([&] { return view->snapshot()->duringRun && view->snapshot()->EpochCount > 0; }));
        const QImage first = grid->picture();
        const int paintsBefore = paints.count;
        EXPECT_TRUE(WaitFor([&] { return grid->picture() != first; })) << "the picture changes";
        EXPECT_TRUE(WaitFor([&] { return paints.count > paintsBefore; })) << "the held view repaints";
        EXPECT_TRUE(control<QLabel>(view, "FileLabel")->text().contains(QStringLiteral("(training)")));
    });
    // Once at the start, at most once a refresh, once at the end.
    EXPECT_GE(run->snapshotCount(), 3);
    EXPECT_LE(run->snapshotCount(), run->refreshCount() + 2);
    EXPECT_EQ(view->snapshotsShown() - before, run->snapshotCount());
    // The last snapshot is the network as the run left it.
    ASSERT_TRUE(WaitFor([&] { return view->isEnabled(); }));
    ASSERT_FALSE(view->snapshot()->duringRun);
    EXPECT_EQ(view->snapshot()->EpochCount, net.EpochCount);
    EXPECT_EQ(view->snapshot()->Weights(35, 26), net.Weights(35, 26));
    EXPECT_EQ(static_cast<int>(view->snapshot()->History.size()), net.SSERecordCount);
}

TEST_F(NetworkViewRunTest, RunCopiesOnlyWhatTheCurrentTabDraws)
{
    NetworkView* view = openView();
    auto* tabs = control<QTabWidget>(view, "ViewTabs");
    tabs->setCurrentIndex(2);
    pages.open(PageNames::Perceptron);
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    auto* grid = control<WeightsView>(view, "WeightsView");
    startAndStop([&] {
        ASSERT_TRUE(WaitFor([&] { return view->snapshot()->duringRun && view->snapshot()->History.size() > 2; }));
        EXPECT_FALSE(view->snapshot()->has(SnapshotParts::Weights));
        EXPECT_TRUE(view->snapshot()->Weights.Empty());
        EXPECT_EQ(curve->snapshot(), view->snapshot()) << "the curve follows";
        EXPECT_TRUE(WaitFor([&] {
            const QString line = control<QLabel>(view, "FileLabel")->text();
            return line.contains(QStringLiteral("Epoch")) && line.contains(QStringLiteral("(training)"));
        })) << "the numbers come without the weights";
        EXPECT_FALSE(grid->snapshot()->duringRun) << "the hidden grid does not";
        // Another tab, chosen during the run, gets its part from then on.
        tabs->setCurrentIndex(0);
        EXPECT_TRUE(WaitFor([&] { return view->snapshot()->duringRun && view->snapshot()->has(SnapshotParts::Weights); }));
        EXPECT_TRUE(WaitFor([&] { return grid->snapshot()->duringRun && grid->snapshot()->hasWeights(); }));
        EXPECT_FALSE(view->snapshot()->has(SnapshotParts::History));
    });
    // The run's last snapshot is whole, for every picture.
    ASSERT_TRUE(WaitFor([&] { return !view->snapshot()->duringRun; }));
    EXPECT_TRUE(view->snapshot()->has(SnapshotParts::All));
    tabs->setCurrentIndex(2);
    EXPECT_EQ(curve->snapshot(), view->snapshot());
    EXPECT_EQ(static_cast<int>(curve->snapshot()->History.size()), net.SSERecordCount);
}

TEST_F(NetworkViewRunTest, PlaneFollowsARunOfATwoInputFileLoadedAfterTheViewLooked)
{
    NetworkView* view = openView();
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(1);  // letters: no plane, so no weights wanted
    pages.open(PageNames::Perceptron);
    read("and.net");  // loaded meanwhile and sized as the set-up page does; the view has not looked since
    SizeUnitsAndWeights(net);
    net.FreshStart = true;
    control<QLineEdit>(setup, "SweepsBox")->setText(QStringLiteral("100000000"));
    auto* plane = control<DecisionView>(view, "DecisionView");
    startAndStop([&] {
        EXPECT_TRUE(WaitFor([&] { return plane->snapshot()->duringRun && plane->snapshot()->hasWeights(); }))
            << "the run copies the weights the plane now needs";
    });
}

}  // namespace
}  // namespace vantorelle

namespace vantorelle {
namespace {

// Pictures of the page for the documentation, written only when asked:
// VANTORELLE_VIEW_SHOTS=folder network_view_tests --gtest_filter=*Pictures*
TEST_F(NetworkViewTest, PicturesForTheDocumentation)
{
    const QString folder = qEnvironmentVariable("VANTORELLE_VIEW_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "VANTORELLE_VIEW_SHOTS names no folder";
    auto shoot = [&](const char* file, RuleKind rule, int tab, const char* name) {
        train(file, rule, "2000");
        NetworkView* view = openView();
        control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(tab);
        EXPECT_TRUE(view->grab().save(folder + QLatin1Char('/') + QString::fromLatin1(name)));
        view->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    shoot("letters.net", RuleKind::Delta, 0, "network-view-weights.png");
    shoot("xor.net", RuleKind::Tarvik, 1, "network-view-xor-gaussian.png");
    shoot("xor.net", RuleKind::Delta, 1, "network-view-xor-step.png");
    shoot("letters.net", RuleKind::Gradient, 2, "network-view-error-curve.png");
}

}  // namespace
}  // namespace vantorelle

namespace vantorelle {
namespace {

TEST_F(NetworkViewRunTest, ANewProblemChosenOnTheHubLeavesNoOldCurve)
{
    // As a user does: train, open the view from the hub, then "Train A New
    // Network On A New Problem" and double-click another file.
    // The load-file page starts in the working folder.
    struct WorkingFolder {
        QString previous = QDir::currentPath();
        ~WorkingFolder() { QDir::setCurrent(previous); }
    } restored;
    QDir::setCurrent(QStringLiteral(VANTORELLE_EXAMPLES));
    control<QLineEdit>(setup, "SweepsBox")->setText(QStringLiteral("50"));
    control<QLineEdit>(setup, "PrintSweepsBox")->setText(QStringLiteral("10"));
    startAndStop([] {});
    QTest::mouseClick(control<QPushButton>(setup, "TestRecall"), Qt::LeftButton);
    ScrollPage* hub = pages.find(PageNames::TestPerceptron);
    ASSERT_NE(hub, nullptr);
    auto choose = [](QListWidget* list, int row) {
        list->setFocus();
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Return);
    };
    choose(control<QListWidget>(hub, "TestList"), 4);
    auto* view = qobject_cast<NetworkView*>(pages.find(PageNames::NetworkView));
    ASSERT_NE(view, nullptr);
    control<QTabWidget>(view, "ViewTabs")->setCurrentIndex(2);
    auto* curve = control<ErrorCurveView>(view, "ErrorCurveView");
    ASSERT_FALSE(curve->points().empty());

    choose(control<QListWidget>(hub, "ContinueList"), 2);
    ScrollPage* load = pages.find(PageNames::LoadFile);
    ASSERT_NE(load, nullptr);
    auto* files = control<QListWidget>(load, "File1");
    const auto found = files->findItems(QStringLiteral("and.net"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    qt_testing::DoubleClickItem(*found.first());
    ASSERT_EQ(net.TrainingFileName, "and.net");
    pages.open(PageNames::NetworkView);  // back to the view before going on
    EXPECT_TRUE(curve->points().empty());
    QTest::mouseClick(control<QPushButton>(load, "NextPage"), Qt::LeftButton);
    ASSERT_NE(pages.find(PageNames::Perceptron), nullptr);
    pages.open(PageNames::NetworkView);
    EXPECT_TRUE(curve->points().empty());
    EXPECT_TRUE(view->currentTitle().endsWith(QStringLiteral("and.net")));
    EXPECT_FALSE(control<QLabel>(view, "FileLabel")->text().contains(QStringLiteral("Epoch")));
}

TEST_F(NetworkViewRunTest, HubsFifthItemOpensTheView)
{
    startAndStop([] {});
    QTest::mouseClick(control<QPushButton>(setup, "TestRecall"), Qt::LeftButton);
    ScrollPage* hub = pages.find(PageNames::TestPerceptron);
    ASSERT_NE(hub, nullptr);
    auto* list = control<QListWidget>(hub, "TestList");
    ASSERT_GE(list->count(), 5);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Plot SSE By Sweeps"));
    EXPECT_EQ(list->item(4)->text(), QStringLiteral("View The Network's Weights And Decisions"));
    list->setFocus();
    list->setCurrentRow(4);
    QTest::keyClick(list, Qt::Key_Return);
    auto* view = qobject_cast<NetworkView*>(pages.find(PageNames::NetworkView));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->snapshot()->EpochCount, net.EpochCount);
}

}  // namespace
}  // namespace vantorelle
