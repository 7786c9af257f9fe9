// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageTour.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "AnsweringSaveDialog.h"
#include "CapturingPrinter.h"
#include "Dialogs.h"
#include "Languages.h"
#include "Lessons.h"
#include "ListClicks.h"
#include "NetworkState.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "CompareRuns.h"
#include "Perceptron.h"
#include "NetworkFiles.h"
#include "Printing.h"
#include "ProbeNetwork.h"
#include "SaveResults.h"
#include "SavedNetwork.h"
#include "Random.h"
#include "ScrollPage.h"
#include "SetDrawing.h"

namespace vantorelle {
namespace {

// A seed under which the step unit's last XOR boundary crosses the picture
// (under some seeds it ends outside, and the plane is one colour).
constexpr unsigned TourSeed = 1;
constexpr int StepTimeoutMs = 120000;

// The note the tour saves letters.net with, and the file it saves it in.
constexpr const char* TourNote = "Class 3B: letters under the gradient rule.";
const QString TourSavedNetwork = QStringLiteral("letters.vnet");

// Answers every box with its first button and keeps it, so the tour can say
// which came; the save page's name box gets "run1", the saved network its
// note, and the messages that saving and opening it give are expected.
class TourDialogs : public Dialogs {
public:
    Answer Show(const MessageBoxRequest& box) override
    {
        // The window may speak another language: the texts are known by their translations.
        const QString saved = NetworkFiles::tr("The network has been saved as \"%1\".");
        const QString text = QString::fromStdString(box.text);
        const bool expected = box.icon == BoxIcon::Information &&
                              (text.startsWith(saved.left(saved.indexOf(QStringLiteral("%1")))) ||
                               text.startsWith(NetworkFiles::tr("The note saved with this network:")));
        if (!expected)
            boxes.push_back(QString::fromStdString(box.title) + QStringLiteral(": ") + text);
        return AnswersOf(box.buttons).front();
    }
    std::optional<std::string> Input(const InputBoxRequest& box) override
    {
        if (QString::fromStdString(box.title) == SaveResults::tr("Name File"))
            return std::string("run1");
        if (QString::fromStdString(box.prompt) ==
            NetworkFiles::tr("A note to keep with the network (who trained it, on what, why), or none:"))
            return std::string(TourNote);
        boxes.push_back(QString::fromStdString(box.title) + QStringLiteral(": ") + QString::fromStdString(box.prompt));
        return std::nullopt;
    }
    std::vector<QString> boxes;
};


class Tour {
public:
    explicit Tour(const TourVisitor& visit) : visit(visit)
    {
        savedNetworkFile.answer = TourSavedNetwork;
        openNetworkFile.answer = TourSavedNetwork;
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(TourSeed); },
                    {&savedNetworkFile, &openNetworkFile, nullptr, &csvFile});
        // The installed program finds its lessons beside itself; the tour takes the source tree's.
        pages.define(PageNames::Lessons, [this] {
            return std::make_unique<Lessons>(net, dialogs, pages, QStringLiteral(VANTORELLE_LESSONS),
                                             WindowLanguage());
        });
    }
    ~Tour()
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TourResult take()
    {
        TourResult result;
        pages.open(PageNames::LoadFile);  // the program starts on it
        result.finished = firstFile() && startPages() && hub() && networkViews() && comparisons() && trainingSet() &&
                          lessons();
        result.failure = failure;
        result.unexpectedBoxes = dialogs.boxes;
        return result;
    }

private:
    bool fail(const QString& why)
    {
        if (failure.isEmpty())
            failure = why;
        return false;
    }

    ScrollPage* open(const char* name)
    {
        ScrollPage* page = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            page = pages.find(PageName(name));
            return page && page->isVisible();
        }, StepTimeoutMs);
        if (!shown || !QTest::qWaitForWindowExposed(page)) {
            fail(QStringLiteral("the page %1 did not open").arg(QString::fromLatin1(name)));
            return nullptr;
        }
        return page;
    }

    template <typename T>
    T* control(QWidget* page, const char* name)
    {
        T* found = page ? page->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        if (!found)
            fail(QStringLiteral("no control %1").arg(QString::fromLatin1(name)));
        return found;
    }

    bool press(QWidget* page, const char* name)
    {
        auto* button = control<QWidget>(page, name);
        if (!button)
            return false;
        // Near the left edge: a wide radio button's indicator is there, not at its centre.
        const QPoint where = qobject_cast<QRadioButton*>(button) ? QPoint(6, button->height() / 2)
                                                                 : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, where);
        return true;
    }

    // A text of the page's form as the window shows it: its translation, in
    // the form's own context (the page's name), when the window has one.
    static QString Shown(const QWidget* page, const QString& english)
    {
        return QCoreApplication::translate(page->objectName().toLatin1().constData(), english.toUtf8().constData());
    }

    // A double-click on a list's item as a user makes it: a click, then the double-click.
    bool doubleClick(QWidget* page, const char* list, const QString& text)
    {
        auto* widget = control<QListWidget>(page, list);
        if (!widget)
            return false;
        // An item of the page's form shows in the window's language.
        auto found = widget->findItems(Shown(page, text), Qt::MatchExactly);
        if (found.isEmpty())
            found = widget->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            return fail(QStringLiteral("no item \"%1\" in %2").arg(text, QString::fromLatin1(list)));
        qt_testing::DoubleClickItem(*found.first());
        return true;
    }

    bool typeInto(QWidget* page, const char* name, const QString& text)
    {
        auto* box = control<QLineEdit>(page, name);
        if (!box)
            return false;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        return true;
    }

    template <typename Condition>
    bool waitFor(Condition condition, const QString& what)
    {
        return QTest::qWaitFor(condition, StepTimeoutMs) || fail(what);
    }

    void show(const char* shot, const char* caption, ScrollPage* page)
    {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            page->raise();  // the window on top, as a user brings it
            page->activateWindow();
        }
        QApplication::processEvents();
        visit({QString::fromLatin1(shot), QString::fromLatin1(caption), page});
    }

    // Reads a file on the load-file page and goes on to the set-up page.
    Perceptron* readAndGoOn(const char* file, bool picture)
    {
        ScrollPage* load = open("LoadFile");
        if (!load || !doubleClick(load, "File1", QString::fromLatin1(file)))
            return nullptr;
        auto* next = control<QWidget>(load, "NextPage");
        if (!next || !waitFor([&] { return next->isVisible(); }, QStringLiteral("%1 was not read").arg(file)))
            return nullptr;
        if (picture)
            show("load-file-page", "The load-file page after a double-click on and.net", load);
        press(load, "NextPage");
        return static_cast<Perceptron*>(open("Perceptron"));
    }

    // A run under the rule's option, with a display (and history) interval so
    // short that the SSE graph and the error curve have a shape to show.
    bool train(Perceptron* setUp, const char* rule, const char* interval)
    {
        if (!press(setUp, rule) || !typeInto(setUp, "PrintSweepsBox", QString::fromLatin1(interval)) ||
            !press(setUp, "StartTraining"))
            return false;
        return waitFor([&] { return !setUp->isTraining(); }, QStringLiteral("the run did not end"));
    }

    bool firstFile()
    {
        Perceptron* setUp = readAndGoOn("and.net", true);
        if (!setUp)
            return false;
        show("setup-page", "The training set-up page as it opens, before training", setUp);
        if (!train(setUp, "OptionDelta_1", "50"))
            return false;
        show("training-page", "The training set-up page after a run on and.net", setUp);
        return true;
    }

    bool startPage(const char* option, const char* name, const char* shot, const char* caption)
    {
        Perceptron* setUp = static_cast<Perceptron*>(pages.find(PageNames::Perceptron));
        if (!press(setUp, option))
            return false;
        ScrollPage* start = open(name);
        if (!start)
            return false;
        show(shot, caption, start);
        return press(start, "ExitButton") && waitFor([&] { return !pages.find(PageName(name)); },
                                                     QStringLiteral("%1 stayed open").arg(name));
    }

    bool startPages()
    {
        return startPage("OptionNoDefaultWts", "WeightStart", "weight-start-page", "The weight start page") &&
               startPage("OptionNoDefaultBias", "BiasStart", "threshold-start-page", "The threshold start page");
    }

    ScrollPage* hubItem(const char* list, const char* item, const char* page)
    {
        ScrollPage* testing = open("TestPerceptron");
        if (!testing || !doubleClick(testing, list, QString::fromLatin1(item)))
            return nullptr;
        return open(page);
    }

    void closePage(ScrollPage* page)
    {
        const QString name = page->objectName();
        const QByteArray latin = name.toLatin1();
        page->close();
        waitFor([&] { return !pages.find(PageName(latin.constData())); }, QStringLiteral("%1 stayed open").arg(name));
    }

    bool probe()
    {
        ScrollPage* probe = hubItem("TestList", "Probe Network Responses To Selected Patterns", "ProbeNetwork");
        if (!probe)
            return false;
        auto* results = control<QPlainTextEdit>(probe, "ResultsText");
        for (const char* pattern : {"1", "2", "3", "4"})
            if (!typeInto(probe, "PatternBox", QString::fromLatin1(pattern)) || !press(probe, "PatternOK"))
                return false;
        if (!results || !waitFor([&] { return results->toPlainText().contains(ProbeNetwork::tr("Pattern: %1").arg(4)); },
                                 QStringLiteral("pattern 4 was not probed")))
            return false;
        show("probe-page", "The probe page after probing the four patterns of and.net", probe);
        closePage(probe);
        return true;
    }

    bool graph()
    {
        ScrollPage* graph = hubItem("TestList", "Plot SSE By Sweeps", "PlotSSEdata");
        if (!graph)
            return false;
        show("sse-graph-page", "The SSE graph of a run on and.net", graph);
        closePage(graph);
        return true;
    }

    bool save()
    {
        ScrollPage* save = hubItem("TestList", "Save Summary As A Text File", "SaveResults");
        if (!save || !press(save, "FileButton") || !press(save, "SaveFile"))
            return false;
        auto* list = control<QListWidget>(save, "File1");
        if (!list || !waitFor([&] { return !list->findItems(QStringLiteral("run1.txt"), Qt::MatchExactly).isEmpty(); },
                              QStringLiteral("run1.txt was not saved")))
            return false;
        show("save-results-page", "The save-results page after saving run1.txt", save);
        closePage(save);
        return true;
    }

    bool generalization()
    {
        ScrollPage* general = hubItem("ContinueList", "Test Current Network On A New Problem", "Generalize");
        if (!general || !doubleClick(general, "File2", QStringLiteral("or.net")))
            return false;
        auto* read = control<QWidget>(general, "ReadNewFile");
        if (!read || !waitFor([&] { return read->isVisible() && read->isEnabled(); },
                              QStringLiteral("or.net was not checked")))
            return false;
        show("generalization-page", "The generalization page after a double-click on or.net", general);
        closePage(general);
        return true;
    }

    bool hub()
    {
        auto* setUp = pages.find(PageNames::Perceptron);
        if (!press(setUp, "TestRecall"))
            return false;
        ScrollPage* testing = open("TestPerceptron");
        if (!testing)
            return false;
        show("testing-hub", "The testing hub", testing);
        return probe() && graph() && save() && generalization();
    }

    // The network view on the current tab, opened or brought back from the hub.
    bool viewTab(int tab, const char* shot, const char* caption)
    {
        ScrollPage* view = hubItem("TestList", "View The Network's Weights And Decisions", "NetworkView");
        auto* tabs = control<QTabWidget>(view, "ViewTabs");
        if (!tabs)
            return false;
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        show(shot, caption, view);
        return true;
    }

    // The weights again, each unit on its own contrast (left off afterwards).
    bool ownContrast(const char* shot, const char* caption)
    {
        ScrollPage* view = open("NetworkView");
        auto* contrast = view ? control<QCheckBox>(view, "ContrastCheck") : nullptr;
        if (!contrast)
            return false;
        contrast->setChecked(true);
        QApplication::processEvents();
        show(shot, caption, view);
        contrast->setChecked(false);
        return true;
    }

    // Back to the load-file page from the hub, then a run on another file.
    bool trainAnew(const char* file, const char* rule, const char* interval)
    {
        ScrollPage* testing = open("TestPerceptron");
        if (!testing || !doubleClick(testing, "ContinueList", QStringLiteral("Train A New Network On A New Problem")))
            return false;
        Perceptron* setUp = readAndGoOn(file, false);
        return setUp && train(setUp, rule, interval) && press(setUp, "TestRecall");
    }

    // Trains again on the same file with another rule, from the hub.
    bool trainAgain(const char* rule, const char* interval)
    {
        ScrollPage* testing = open("TestPerceptron");
        if (!testing || !doubleClick(testing, "ContinueList", QStringLiteral("Reset Weights And Train Again")))
            return false;
        auto* setUp = static_cast<Perceptron*>(open("Perceptron"));
        return setUp && train(setUp, rule, interval) && press(setUp, "TestRecall");
    }

    // Saves the trained network from the hub, opens it again from there and
    // shows the set-up page it comes back on; then back to the hub.
    bool saveAndOpen()
    {
        ScrollPage* testing = open("TestPerceptron");
        if (!testing || !doubleClick(testing, "TestList", QStringLiteral("Save The Trained Network")) ||
            !doubleClick(testing, "ContinueList", QStringLiteral("Open A Saved Network")))
            return false;
        auto* setUp = static_cast<Perceptron*>(open("Perceptron"));
        if (!setUp || !waitFor([&] { return pages.find(PageNames::TestPerceptron) == nullptr; },
                               QStringLiteral("the saved network did not open")))
            return false;
        show("saved-network-page", "The set-up page with a saved network of letters.net opened", setUp);
        return press(setUp, "TestRecall");
    }

    bool networkViews()
    {
        return trainAnew("letters.net", "OptionDelta_1", "10") &&
               viewTab(0, "network-view-weights", "The weights of letters.net after training") &&
               ownContrast("network-view-letters", "Each unit on its own contrast: the letters it has learned") &&
               viewTab(2, "network-view-error-curve", "The error curve of letters.net under the gradient rule") &&
               saveAndOpen() &&
               trainAnew("xor.net", "OptionDelta_2", "10") &&
               viewTab(1, "network-view-xor-gaussian", "XOR learned by the Gaussian unit: the band") &&
               trainAgain("OptionDelta_0", "10") &&
               viewTab(1, "network-view-xor-step", "XOR under the step rule: a pattern is always missed");
    }

    // The compare page from the hub on the tab given, with the runs given ticked.
    bool compareTab(int tab, const std::vector<KeptRuns::Run>& chosen, const char* shot, const char* caption)
    {
        auto* page = static_cast<CompareRuns*>(hubItem("TestList", "Compare Kept Runs", "CompareRuns"));
        auto* tabs = page ? control<QTabWidget>(page, "CompareTabs") : nullptr;
        if (!tabs)
            return false;
        page->choose(chosen);
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        show(shot, caption, page);
        return true;
    }

    // The newest `count` kept runs.
    std::vector<KeptRuns::Run> newest(std::size_t count) const
    {
        const std::vector<KeptRuns::Run>& all = memory.Runs.runs();
        return {all.size() > count ? all.end() - static_cast<std::ptrdiff_t>(count) : all.begin(), all.end()};
    }

    // A run on the set-up page at a rate and seed typed into its boxes.
    bool trainAtRate(Perceptron* setUp, const char* rate)
    {
        if (!typeInto(setUp, "LRateBox", QString::fromLatin1(rate)) || !typeInto(setUp, "SeedBox", QStringLiteral("1")) ||
            !press(setUp, "StartTraining"))
            return false;
        return waitFor([&] { return !setUp->isTraining(); }, QStringLiteral("the run did not end"));
    }

    // The letters under the step rule at three rates, from one seed.
    bool lettersAtRates()
    {
        ScrollPage* testing = open("TestPerceptron");
        if (!testing || !doubleClick(testing, "ContinueList", QStringLiteral("Train A New Network On A New Problem")))
            return false;
        Perceptron* setUp = readAndGoOn("letters.net", false);
        if (!setUp || !press(setUp, "OptionDelta_0") || !typeInto(setUp, "PrintSweepsBox", QStringLiteral("1")))
            return false;
        for (const char* rate : {"0.1", "0.5", "2"})
            if (!trainAtRate(setUp, rate))
                return false;
        return press(setUp, "TestRecall");
    }

    // XOR under the Gaussian and the step rule (the network views' last two
    // runs), then the letters at three rates; the confusion tables of the last.
    bool comparisons()
    {
        if (!compareTab(0, newest(2), "compare-xor-curves", "XOR under the Gaussian and the step rules: the curves") ||
            !compareTab(1, newest(2), "compare-xor-settings", "The two XOR runs' settings side by side") ||
            !compareTab(2, newest(2), "compare-xor-planes", "The two XOR runs' decision planes side by side") ||
            !lettersAtRates() ||
            !compareTab(0, newest(3), "compare-letters-curves", "The letters under the step rule at rates 0.1, 0.5 and 2"))
            return false;
        closePage(open("CompareRuns"));
        ScrollPage* tables = hubItem("TestList", "Confusion Tables And Accuracy", "ConfusionTables");
        if (!tables)
            return false;
        show("confusion-tables", "The confusion tables of the letters at rate 2", tables);
        closePage(tables);
        return true;
    }

    // The training-set page from the hub, with two clouds generated; then closed.
    bool trainingSet()
    {
        ScrollPage* testing = open("TestPerceptron");
        if (!testing || !doubleClick(testing, "ContinueList", QStringLiteral("Make Or Edit A Training Set")))
            return false;
        ScrollPage* page = open("MakeTrainingSet");
        auto* kind = page ? control<QComboBox>(page, "SetKind") : nullptr;
        auto* points = page ? control<QSpinBox>(page, "PerClass") : nullptr;
        if (!kind || !points)
            return false;
        kind->setCurrentIndex(kind->findText(Shown(page, QStringLiteral("Gaussian Clouds"))));
        points->setValue(20);
        if (!press(page, "Generate"))
            return false;
        show("make-training-set-page", "The training-set page with 40 points in two clouds", page);
        return drawOnXor(page) && importCsv(page) && press(page, "CloseSet");
    }

    // Back to the four XOR patterns the page opened on, and points of either
    // class clicked near them, over the answer of the network trained on XOR.
    bool drawOnXor(ScrollPage* page)
    {
        auto* tabs = control<QTabWidget>(page, "SetTabs");
        auto* classes = control<QComboBox>(page, "DrawClass");
        auto* plane = control<SetDrawing>(page, "DrawingPlane");
        if (!tabs || !classes || !plane || !press(page, "UndoEdit"))
            return false;
        tabs->setCurrentWidget(control<QWidget>(page, "DrawTab"));
        if (!waitFor([&] { return plane->isVisible(); }, QStringLiteral("the Draw tab did not show")))
            return false;
        const struct {
            int kind;
            double x1, x2;
        } points[] = {{1, 0.15, 0.9}, {1, 0.05, 0.8}, {1, 0.85, 0.1}, {1, 0.9, 0.2},
                      {0, 0.1, 0.15}, {0, 0.2, 0.05}, {0, 0.85, 0.9}, {0, 0.95, 0.8}};
        for (const auto& point : points) {
            classes->setCurrentIndex(point.kind);
            QTest::mouseClick(plane, Qt::LeftButton, {}, plane->toPixel(point.x1, point.x2).toPoint());
        }
        show("make-training-set-draw", "Points drawn on the XOR plane over the step unit's answer", page);
        return true;
    }

    // The import tab's preview of the beetle measurements.
    bool importCsv(ScrollPage* page)
    {
        auto* tabs = control<QTabWidget>(page, "SetTabs");
        if (!tabs)
            return false;
        tabs->setCurrentWidget(control<QWidget>(page, "ImportTab"));
        csvFile.answer = QDir::current().filePath(QStringLiteral("beetles.csv"));
        if (!press(page, "OpenCsv") || !press(page, "ImportCsv"))
            return false;
        show("make-training-set-import", "The preview of beetles.csv: four measurements and the species", page);
        tabs->setCurrentIndex(0);
        return true;
    }

    // The lessons from the load-file page: the Gaussian unit's lesson started,
    // its first answer shown.
    bool lessons()
    {
        pages.open(PageNames::LoadFile);
        ScrollPage* load = open("LoadFile");
        if (!load || !press(load, "LessonsButton"))
            return false;
        ScrollPage* page = open("Lessons");
        auto* list = page ? control<QListWidget>(page, "LessonList") : nullptr;
        if (!list)
            return false;
        // Found by its file, as its title is in the window's language.
        const int row = QDir(QStringLiteral(VANTORELLE_LESSONS), QStringLiteral("*.json"), QDir::Name, QDir::Files)
                            .entryList()
                            .indexOf(QStringLiteral("06-gaussian-xor.json"));
        if (row < 0 || row >= list->count())
            return fail(QStringLiteral("no Gaussian lesson in the list"));
        list->setCurrentRow(row);
        if (!press(page, "StartLesson") || !press(page, "ShowAnswer"))
            return false;
        show("lessons-page", "A lesson: the Gaussian unit and XOR, its first answer shown", page);
        return true;
    }

    const TourVisitor& visit;
    NetworkState net;
    PageMemory memory;
    TourDialogs dialogs;
    CapturingPrinter printer;
    testing::AnsweringSaveDialog savedNetworkFile;
    testing::AnsweringOpenDialog openNetworkFile;
    testing::AnsweringOpenDialog csvFile;
    PageRegistry pages;
    QString failure;
};

}  // namespace

TourResult TakePageTour(const TourVisitor& visit)
{
    Tour tour(visit);
    return tour.take();
}

TourResult TakePageTourInScratchFolder(const TourVisitor& visit)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return {false, QStringLiteral("no scratch folder could be made"), {}};
    for (const char* name : {"and.net", "letters.net", "or.net", "xor.net", "beetles.csv"}) {
        if (!QFile::copy(QStringLiteral(VANTORELLE_EXAMPLES "/") + QString::fromLatin1(name), folder.filePath(QString::fromLatin1(name))))
            return {false, QStringLiteral("%1 could not be copied").arg(QString::fromLatin1(name)), {}};
    }
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    TourResult result = TakePageTour(visit);
    QDir::setCurrent(previousFolder);
    return result;
}

}  // namespace vantorelle
