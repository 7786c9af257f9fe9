// SPDX-License-Identifier: GPL-3.0-or-later
// The lessons as a student takes them: each shipped lesson opened from the
// load-file page's button, started, and walked to its end, every answer
// shown and every action taken (runs trained to their end, the step panel,
// the pictures, the test on held-out patterns); going back puts the earlier
// step's set in place again; a broken lesson file is listed and says what
// is wrong with it.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "CoreTexts.h"
#include "DecisionView.h"
#include "ErrorCurveView.h"
#include "FindControl.h"
#include "Lesson.h"
#include "LessonsFixture.h"
#include "Lessons.h"
#include "NetworkState.h"
#include "NetworkView.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QStringPrinter.h"
#include "ScriptedDialogs.h"
#include "StepPanel.h"
#include "WeightsView.h"

namespace vantorelle {
namespace {

class EveryLesson : public ::testing::TestWithParam<std::string> {};

// Checks what the action of the step shown did.
void ExpectActionDone(LessonsFixture& f, const LessonStep& step, long heldOut)
{
    auto viewShows = [&f](auto* pictureType) {
        auto* view = qobject_cast<NetworkView*>(f.pages.find(PageNames::NetworkView));
        return view && qobject_cast<decltype(pictureType)>(view->currentPicture()) != nullptr;
    };
    switch (step.action) {
    case LessonAction::None: break;
    case LessonAction::StepPanel:
        ASSERT_NE(f.setUp(), nullptr);
        EXPECT_NE(f.setUp()->findChild<StepPanel*>(), nullptr);
        break;
    case LessonAction::Train:
        ASSERT_TRUE(f.runEnded());
        EXPECT_GT(f.net.EpochCount, 0);
        break;
    case LessonAction::Decisions: EXPECT_TRUE(viewShows(static_cast<DecisionView*>(nullptr))); break;
    case LessonAction::Weights: EXPECT_TRUE(viewShows(static_cast<WeightsView*>(nullptr))); break;
    case LessonAction::ErrorCurve: EXPECT_TRUE(viewShows(static_cast<ErrorCurveView*>(nullptr))); break;
    case LessonAction::SSEGraph: EXPECT_NE(f.pages.find(PageNames::PlotSSEdata), nullptr); break;
    case LessonAction::TestHeldOut:
        EXPECT_NE(f.pages.find(PageNames::TestPerceptron), nullptr);
        EXPECT_EQ(f.net.NumPatterns, heldOut);
        break;
    }
}

TEST_P(EveryLesson, StartsWithItsSetAndSettingsAndWalksToItsEnd)
{
    const std::string file = GetParam();
    auto read = ReadLessonFile(std::string(VANTORELLE_LESSONS) + "/" + file);
    ASSERT_TRUE(std::holds_alternative<Lesson>(read));
    const Lesson& lesson = std::get<Lesson>(read);
    const auto made = MakeLessonSets(lesson.data, lesson.folder);
    ASSERT_TRUE(std::holds_alternative<LessonSets>(made));
    const LessonSets& sets = std::get<LessonSets>(made);

    LessonsFixture f(QStringLiteral(VANTORELLE_LESSONS));
    ASSERT_NE(f.openFromLoadFile(), nullptr);
    const auto files = LessonFiles();
    const int index = static_cast<int>(std::find(files.begin(), files.end(), file) - files.begin());
    f.control<QListWidget>("LessonList")->setCurrentRow(index);
    EXPECT_EQ(f.control<QLabel>("LessonTitle")->text().toStdString(), lesson.title);
    f.click("StartLesson");
    ASSERT_EQ(f.page->startedLesson(), index);

    // The set and the settings are in place on the set-up page.
    ASSERT_NE(f.setUp(), nullptr);
    EXPECT_EQ(f.net.TrainingFileName, sets.name);
    EXPECT_EQ(f.net.NumPatterns, sets.training.NumPatterns());
    EXPECT_EQ(f.net.NumInputs, sets.training.NumInputs());
    const LessonSettings& s = lesson.settings;
    if (s.seed) {
        EXPECT_EQ(qt_testing::FindControl<QLineEdit>(f.setUp(), "SeedBox")->text(), QString::number(*s.seed));
    }
    if (s.epochs) {
        EXPECT_EQ(qt_testing::FindControl<QLineEdit>(f.setUp(), "SweepsBox")->text(), QString::number(*s.epochs));
    }
    if (s.rule) {
        const char* option = *s.rule == RuleKind::Delta ? "OptionDelta_0"
                             : *s.rule == RuleKind::Gradient ? "OptionDelta_1" : "OptionDelta_2";
        EXPECT_TRUE(qt_testing::FindControl<QRadioButton>(f.setUp(), option)->isChecked());
        EXPECT_EQ(f.net.LearningRule, *s.rule);
    }
    if (s.randomOrder) {
        EXPECT_EQ(qt_testing::FindControl<QRadioButton>(f.setUp(), "OptionRandom")->isChecked(), *s.randomOrder);
    }
    // The lesson stays in front of the page it set up.
    EXPECT_EQ(f.pages.activePage(), f.page);

    const int count = static_cast<int>(lesson.steps.size());
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        const LessonStep& step = lesson.steps[static_cast<std::size_t>(i)];
        ASSERT_EQ(f.page->currentStep(), i);
        EXPECT_EQ(f.control<QLabel>("StepCount")->text(), Lessons::tr("Step %1 of %2").arg(i + 1).arg(count));
        EXPECT_EQ(f.control<QTextBrowser>("StepText")->toPlainText().toStdString(), step.text);
        QTextBrowser* answer = f.control<QTextBrowser>("AnswerText");
        EXPECT_FALSE(answer->isVisible());
        if (!step.question.empty()) {
            f.click("ShowAnswer");
            EXPECT_TRUE(answer->isVisible());
            EXPECT_EQ(answer->toPlainText().toStdString(), step.answer);
        }
        EXPECT_EQ(f.control<QPushButton>("ActionButton")->isVisible(), step.action != LessonAction::None);
        if (step.action != LessonAction::None) {
            // The one box a lesson means to bring: the overflow of a rate far too large.
            if (file == "03-learning-rate.json" && i == count - 1)
                f.dialogs.expect(ExpectedErrorReport("overflow"));
            if (step.action == LessonAction::Train)
                f.net.EpochCount = 0;  // so that the run's own epochs show
            f.click("ActionButton");
            ExpectActionDone(f, step, sets.heldOut.NumPatterns());
            ASSERT_TRUE(f.runEnded());
            f.pages.open(PageNames::Lessons);
        }
        QPushButton* next = f.control<QPushButton>("NextStep");
        EXPECT_EQ(next->isEnabled(), i + 1 < count);
        if (i + 1 < count)
            f.click("NextStep");
    }
    EXPECT_TRUE(f.control<QPushButton>("PreviousStep")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryLesson, ::testing::ValuesIn(LessonFiles()),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(LessonsTest, GoingBackPutsTheEarlierStepsSetAndSettingsInPlaceAgain)
{
    LessonsFixture f(QStringLiteral(VANTORELLE_LESSONS));
    ASSERT_NE(f.openFromLoadFile(), nullptr);
    const auto files = LessonFiles();
    const int index = static_cast<int>(std::find(files.begin(), files.end(), "03-learning-rate.json") - files.begin());
    ASSERT_TRUE(f.page->startLesson(index));
    auto rateBox = [&f] { return qt_testing::FindControl<QLineEdit>(f.setUp(), "LRateBox")->text(); };
    EXPECT_EQ(rateBox(), QStringLiteral("0.01"));
    EXPECT_EQ(f.net.NumPatterns, 4);
    EXPECT_EQ(f.net.DesiredOutputs(2, 1), 0);  // AND of 0, 1
    for (int i = 0; i < 4; ++i)
        f.click("NextStep");
    // The last step: XOR, value units, a rate of 10.
    EXPECT_EQ(f.net.LearningRule, RuleKind::Tarvik);
    EXPECT_EQ(rateBox(), QStringLiteral("10"));
    EXPECT_EQ(f.net.DesiredOutputs(2, 1), 1);  // XOR of 0, 1
    f.click("PreviousStep");
    EXPECT_EQ(f.net.LearningRule, RuleKind::Gradient);
    EXPECT_EQ(rateBox(), QStringLiteral("500"));
    EXPECT_EQ(f.net.DesiredOutputs(2, 1), 0);
    f.click("PreviousStep");
    EXPECT_EQ(rateBox(), QStringLiteral("5"));
}

TEST(LessonsTest, ALessonStartsFromTheDefaultsNotFromWhatTheLessonBeforeSet)
{
    LessonsFixture f(QStringLiteral(VANTORELLE_LESSONS));
    ASSERT_NE(f.openFromLoadFile(), nullptr);
    const auto files = LessonFiles();
    auto indexOf = [&files](const char* file) {
        return static_cast<int>(std::find(files.begin(), files.end(), file) - files.begin());
    };
    ASSERT_TRUE(f.page->startLesson(indexOf("04-threshold.json")));
    f.click("NextStep");
    f.click("NextStep");  // the thresholds frozen
    ASSERT_TRUE(f.net.FreezeThresholds);

    ASSERT_TRUE(f.page->startLesson(indexOf("05-sigmoid-vs-step.json")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(f.net.FreezeThresholds);
    EXPECT_TRUE(qt_testing::FindControl<QRadioButton>(f.setUp(), "OptionNoFreeze")->isChecked());
}

TEST(LessonsTest, GoingBackFromTheHeldOutTestPutsTheTrainingSetBack)
{
    LessonsFixture f(QStringLiteral(VANTORELLE_LESSONS));
    ASSERT_NE(f.openFromLoadFile(), nullptr);
    const auto files = LessonFiles();
    const int index = static_cast<int>(std::find(files.begin(), files.end(), "07-generalization.json") - files.begin());
    ASSERT_TRUE(f.page->startLesson(index));
    const long training = f.net.NumPatterns;
    f.click("NextStep");
    f.click("ActionButton");  // train
    ASSERT_TRUE(f.runEnded());
    f.pages.open(PageNames::Lessons);
    f.click("NextStep");
    f.click("NextStep");
    f.click("ActionButton");  // the held-out patterns
    EXPECT_LT(f.net.NumPatterns, training);
    f.pages.open(PageNames::Lessons);
    f.click("PreviousStep");
    EXPECT_EQ(f.net.NumPatterns, training);
    EXPECT_EQ(f.net.EpochCount, 0);
}

TEST(LessonsTest, ABrokenLessonFileIsListedAndSaysWhichFileAndWhatIsWrong)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile::copy(QStringLiteral(VANTORELLE_LESSONS "/06-gaussian-xor.json"), folder.filePath("a-good.json"));
    QFile bad(folder.filePath("b-typo.json"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(R"({"lesson": 1, "title": "Typo", "data": {"generate": "xor"},
                 "steps": [{"text": "One."}, {"text": "Two.", "anwser": "Yes."}]})");
    bad.close();

    LessonsFixture f(folder.path());
    ASSERT_NE(f.openFromLoadFile(), nullptr);
    ASSERT_EQ(f.page->lessonCount(), 2);
    auto* list = f.control<QListWidget>("LessonList");
    EXPECT_EQ(list->item(1)->text(), Lessons::tr("%1 (cannot be opened)").arg(QStringLiteral("b-typo.json")));
    list->setCurrentRow(1);
    // The fault as the core words it, in the window's language.
    const std::string fault = std::get<std::string>(ReadLessonFile(QFile::encodeName(bad.fileName()).toStdString()));
    ASSERT_NE(fault.find("step 2 has a field \"anwser\""), std::string::npos) << fault;
    const QString said = f.control<QTextBrowser>("StepText")->toPlainText();
    EXPECT_EQ(said, ShownText(fault));
    EXPECT_TRUE(said.contains(QStringLiteral("b-typo.json"))) << said.toStdString();

    const NetworkState before = f.net;
    f.dialogs.expect({ProgramTitle, ShownText(fault).toStdString(), BoxIcon::Exclamation});
    f.click("StartLesson");
    EXPECT_EQ(f.page->startedLesson(), -1);
    EXPECT_EQ(f.pages.find(PageNames::Perceptron), nullptr);
    EXPECT_EQ(f.net.NumPatterns, before.NumPatterns);

    // The good lesson beside it still starts.
    list->setCurrentRow(0);
    f.click("StartLesson");
    EXPECT_EQ(f.page->startedLesson(), 0);
}

}  // namespace
}  // namespace vantorelle
