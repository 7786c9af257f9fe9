// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lessons page: short guided exercises, each read from a lesson file
// (docs/lesson-format.md) in the lessons folder. Starting a lesson puts its
// training set into the network and its settings on the set-up page; the
// student then goes through its steps, each a text, a question whose answer
// "Show Answer" reveals, and perhaps a button that does what the step asks
// (opens the step panel, trains, shows a picture). A step that brings a set
// or settings of its own puts them in place when the student reaches it, and
// going back puts back those of the step gone back to.
//
// A lesson file that cannot be read stays in the list, marked, and choosing
// it says which file and what is wrong, so a teacher sees the fault at once.
//
// Lessons are data, not the window's tr() texts: a lesson comes in the
// window's language when the folder holds a translated copy of it
// (lessons/de/NAME.json), else in English. A copy that is not the same
// exercise is not taken, and choosing the lesson says why.

#include <QPointer>
#include <optional>
#include <vector>

#include "Lesson.h"
#include "LessonData.h"
#include "ScrollPage.h"
#include "ui_Lessons.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;
class Perceptron;

class Lessons : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{9720, 9405};

    // The lessons are the ".json" files in `folder`, in the order of their
    // names, each in `language` (an ISO 639-1 code) where it is translated.
    Lessons(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, const QString& folder,
            const QString& language, QWidget* parent = nullptr);

    // The lessons folder of a program in programFolder: ../share/vantorelle/lessons beside it.
    static QString installedFolder(const QString& programFolder);

    // Lessons in the list, readable or not, and the one started (-1: none).
    int lessonCount() const { return static_cast<int>(entries.size()); }
    int startedLesson() const { return started; }
    // Whether the lesson at index is shown in the page's language.
    bool isTranslated(int index) const { return entries.at(static_cast<std::size_t>(index)).translated; }
    int currentStep() const { return step; }
    // Starts the lesson at index of the list; false, with a message, when its
    // file or its training set cannot be read.
    bool startLesson(int index);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One file of the lessons folder: its lesson, or why it cannot be read.
    struct Entry {
        QString file;
        std::optional<Lesson> lesson;
        QString problem;
        bool translated = false;
        QString translationProblem;  // why its translated copy is not used
    };

    void setFonts();
    void readFolder(const QString& folder, const QString& language);
    void lessonChosen();
    void showStep();
    void goToStep(int index);
    // The set and settings in force at step index: the lesson's, as the steps
    // up to it change them. reloadData puts the set in place again too.
    bool putInPlace(int index, bool reloadData);
    void showAnswer();
    void act();
    QString actionCaption(const LessonStep& lessonStep) const;
    // The set-up page, opened when it is not, with the settings in force.
    Perceptron* setUpPage();
    void tell(const QString& text);

    Ui::Lessons ui;
    NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
    std::vector<Entry> entries;
    int started = -1;
    int step = 0;
    LessonSets sets;  // of the lesson started, as the current step has them
    bool heldOutInPlace = false;  // the held-out patterns replace the training set
    bool placed = false;  // moved beside the other pages once
};

}  // namespace vantorelle
