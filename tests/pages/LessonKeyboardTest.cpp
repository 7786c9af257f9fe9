// SPDX-License-Identifier: GPL-3.0-or-later
// A student with German as the window's language takes the XOR lessons by
// keyboard alone: from the load-file page to the lessons page, the lesson
// chosen with the arrow keys, every answer shown, every action taken (runs
// trained to their end) and every step reached, with Tab, the arrows, Space
// and Return sent to whatever has the focus. The lessons are the German
// copies whatever the window's language, so the walk does not wait on the
// window's translations; run under VANTORELLE_TEST_LANGUAGE=de, the window
// is German too.

#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>

#include "DecisionView.h"
#include "Lesson.h"
#include "LessonsFixture.h"
#include "NetworkView.h"

namespace vantorelle {
namespace {

const QString German = QStringLiteral("de");

// A key as the student presses it: to the control that has the focus.
void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

// Tabs through the active page until `name` has the focus; false when a
// whole round of the page's stops never reaches it.
bool TabTo(const char* name)
{
    for (int i = 0; i < 40; ++i) {
        if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == QLatin1String(name))
            return true;
        Press(Qt::Key_Tab);
    }
    return false;
}

bool ActiveIs(const QWidget* page)
{
    return QTest::qWaitFor([page] { return QApplication::activeWindow() == page; }, WaitMs);
}

class LessonKeyboardTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LessonKeyboardTest, TheGermanLessonIsTakenToItsEndByKeyboardAlone)
{
    const std::string file = GetParam();
    auto read = ReadLessonIn(std::string(VANTORELLE_LESSONS) + "/" + file, German.toStdString());
    ASSERT_TRUE(read.translated) << read.translationProblem;
    const Lesson& lesson = std::get<Lesson>(read.lesson);

    LessonsFixture f(QStringLiteral(VANTORELLE_LESSONS), German);
    ScrollPage* start = f.pages.open(PageNames::LoadFile);
    ASSERT_TRUE(ActiveIs(start));
    ASSERT_TRUE(TabTo("LessonsButton"));
    Press(Qt::Key_Space);
    f.page = qobject_cast<Lessons*>(f.pages.find(PageNames::Lessons));
    ASSERT_NE(f.page, nullptr);
    ASSERT_TRUE(ActiveIs(f.page));
    ASSERT_TRUE(f.page->isTranslated(LessonIndex(file)));

    // The lesson chosen with the arrows, then started: by Return on the list
    // for one lesson, by the start button for the other.
    ASSERT_TRUE(TabTo("LessonList"));
    Press(Qt::Key_Home);
    for (int i = 0; i < LessonIndex(file); ++i)
        Press(Qt::Key_Down);
    EXPECT_EQ(f.control<QListWidget>("LessonList")->currentRow(), LessonIndex(file));
    EXPECT_EQ(f.control<QLabel>("LessonTitle")->text().toStdString(), lesson.title);
    if (file == "06-gaussian-xor.json") {
        Press(Qt::Key_Return);
    } else {
        ASSERT_TRUE(TabTo("StartLesson"));
        Press(Qt::Key_Space);
    }
    ASSERT_EQ(f.page->startedLesson(), LessonIndex(file));
    ASSERT_TRUE(ActiveIs(f.page));

    const int count = static_cast<int>(lesson.steps.size());
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        const LessonStep& step = lesson.steps[static_cast<std::size_t>(i)];
        ASSERT_EQ(f.page->currentStep(), i);
        EXPECT_EQ(f.control<QTextBrowser>("StepText")->toPlainText().toStdString(), step.text);
        if (!step.question.empty()) {
            ASSERT_TRUE(TabTo("ShowAnswer"));
            Press(Qt::Key_Space);
            QTextBrowser* answer = f.control<QTextBrowser>("AnswerText");
            EXPECT_TRUE(answer->isVisible());
            EXPECT_EQ(answer->toPlainText().toStdString(), step.answer);
        }
        if (step.action != LessonAction::None) {
            const long epochsBefore = f.net.EpochCount;
            ASSERT_TRUE(TabTo("ActionButton"));
            Press(Qt::Key_Space);
            ASSERT_TRUE(f.runEnded());
            if (step.action == LessonAction::Train) {
                EXPECT_GT(f.net.EpochCount, 0);
                EXPECT_NE(f.net.EpochCount, epochsBefore);
            } else {
                ASSERT_EQ(step.action, LessonAction::Decisions);
                auto* view = qobject_cast<NetworkView*>(f.pages.find(PageNames::NetworkView));
                ASSERT_NE(view, nullptr);
                EXPECT_TRUE(view->isVisible());
                EXPECT_NE(qobject_cast<DecisionView*>(view->currentPicture()), nullptr);
            }
            // The lesson has the keyboard again, with the run's or the picture's
            // page beside it, and on the button pressed (a run held the page meanwhile).
            ASSERT_TRUE(ActiveIs(f.page));
            EXPECT_EQ(QApplication::focusWidget(), f.control<QPushButton>("ActionButton"));
        }
        if (i + 1 < count) {
            ASSERT_TRUE(TabTo("NextStep"));
            Press(Qt::Key_Space);
        }
    }
    EXPECT_EQ(f.page->currentStep(), count - 1);
    EXPECT_FALSE(f.control<QPushButton>("NextStep")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(XorLessons, LessonKeyboardTest,
                         ::testing::Values("02-or-nand-xor.json", "06-gaussian-xor.json"),
                         [](const auto& info) { return info.param.substr(0, 2); });

}  // namespace
}  // namespace vantorelle
