// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lessons.h"

#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "CoreTexts.h"
#include "Dialogs.h"
#include "NetworkState.h"
#include "NetworkView.h"
#include "PageFonts.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Perceptron.h"

namespace vantorelle {

Lessons::Lessons(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, const QString& folder,
                 const QString& language, QWidget* parent)
    : ScrollPage(Design, parent), net(net), dialogs(dialogs), pages(pages)
{
    ui.setupUi(this);
    setFonts();
    ui.AnswerText->setAccessibleName(tr("Answer"));
    ui.QuestionText->setAccessibleName(tr("Question"));
    ui.StepText->setOpenExternalLinks(false);

    connect(ui.LessonList, &QListWidget::currentRowChanged, this, &Lessons::lessonChosen);
    connect(ui.LessonList, &QListWidget::itemActivated, this, [this] { startLesson(ui.LessonList->currentRow()); });
    ui.LessonList->installEventFilter(this);
    connect(ui.StartLesson, &QPushButton::clicked, this, [this] { startLesson(ui.LessonList->currentRow()); });
    connect(ui.ShowAnswer, &QPushButton::clicked, this, &Lessons::showAnswer);
    connect(ui.ActionButton, &QPushButton::clicked, this, &Lessons::act);
    connect(ui.PreviousStep, &QPushButton::clicked, this, [this] { goToStep(step - 1); });
    connect(ui.NextStep, &QPushButton::clicked, this, [this] { goToStep(step + 1); });
    connect(ui.CloseLessons, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(ui.CloseLessons);

    readFolder(folder, language);
    if (!entries.empty())
        ui.LessonList->setCurrentRow(0);
    else
        lessonChosen();
    finishLoad();
}

QString Lessons::installedFolder(const QString& programFolder)
{
    // Installed beside the examples, which the lessons' files name as ../examples.
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/vantorelle/lessons"));
}

void Lessons::showEvent(QShowEvent* event)
{
    ScrollPage::showEvent(event);
    if (placed)
        return;
    placed = true;
    // At the screen's right edge, where the set-up page it works with (at the
    // left, as the pages open) stays in sight beside it.
    if (const QScreen* shown = screen()) {
        const QRect room = shown->availableGeometry();
        move(std::max(room.left(), room.right() - frameGeometry().width() + 1), room.top());
    }
}

bool Lessons::eventFilter(QObject* watched, QEvent* event)
{
    // Return on the list starts the lesson and ends there: the list would
    // start it and pass the key on to the page, which presses the focused
    // button, by then "Next Step", and the lesson would open at its second step.
    if (watched == ui.LessonList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            startLesson(ui.LessonList->currentRow());
            return true;
        }
    }
    return ScrollPage::eventFilter(watched, event);
}

void Lessons::setFonts()
{
    PageFonts::set(ui.Title, PageFonts::title());
    PageFonts::set(ui.LessonTitle, PageFonts::button());
    PageFonts::set(ui.StepCount, PageFonts::caption());
    PageFonts::set(ui.QuestionText, PageFonts::box());
    PageFonts::set(ui.AnswerText, PageFonts::box());
    PageFonts::set(ui.StepText, PageFonts::box());
    PageFonts::set(ui.Note, PageFonts::note());
    for (QWidget* button : std::initializer_list<QWidget*>{ui.StartLesson, ui.ShowAnswer, ui.ActionButton,
                                                           ui.PreviousStep, ui.NextStep})
        PageFonts::set(button, PageFonts::caption());
    PageFonts::set(ui.CloseLessons, PageFonts::exitButton());
    PageFonts::set(ui.LessonList, PageFonts::box());
}

void Lessons::readFolder(const QString& folder, const QString& language)
{
    // The English files make the list; the translated copies live in folders of their own.
    const QDir dir(folder, QStringLiteral("*.json"), QDir::Name, QDir::Files | QDir::Readable);
    for (const QString& file : dir.entryList()) {
        Entry entry;
        entry.file = file;
        LessonInLanguage in = ReadLessonIn(dir.filePath(file).toStdString(), language.toStdString());
        entry.translated = in.translated;
        entry.translationProblem = ShownText(in.translationProblem);
        auto& read = in.lesson;
        if (auto* lesson = std::get_if<Lesson>(&read)) {
            entry.lesson = std::move(*lesson);
            ui.LessonList->addItem(QString::fromStdString(entry.lesson->title));
        } else {
            entry.problem = ShownText(std::get<std::string>(read));
            ui.LessonList->addItem(tr("%1 (cannot be opened)").arg(file));
        }
        entries.push_back(std::move(entry));
    }
}

// Before a lesson starts: what the chosen one is about.
void Lessons::lessonChosen()
{
    started = -1;
    const int row = ui.LessonList->currentRow();
    const bool known = row >= 0 && row < lessonCount();
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.QuestionText, ui.ShowAnswer, ui.AnswerText, ui.ActionButton,
                                         ui.PreviousStep, ui.NextStep})
        control->hide();
    ui.StartLesson->setEnabled(known);
    if (!known) {
        ui.LessonTitle->setText(tr("No lessons found"));
        ui.StepCount->clear();
        ui.StepText->setPlainText(tr("There are no lesson files in the lessons folder."));
        return;
    }
    const Entry& entry = entries[static_cast<std::size_t>(row)];
    if (!entry.lesson) {
        ui.LessonTitle->setText(entry.file);
        ui.StepCount->setText(tr("This lesson file cannot be opened."));
        ui.StepText->setPlainText(entry.problem);
        return;
    }
    ui.LessonTitle->setText(QString::fromStdString(entry.lesson->title));
    const int steps = static_cast<int>(entry.lesson->steps.size());
    ui.StepCount->setText(steps == 1 ? tr("1 step") : tr("%1 steps").arg(steps));
    QString about = QString::fromStdString(entry.lesson->summary);
    if (!entry.translationProblem.isEmpty())
        about += QStringLiteral("\n\n") + tr("The lesson is shown in English: %1").arg(entry.translationProblem);
    ui.StepText->setPlainText(about);
}

bool Lessons::startLesson(int index)
{
    if (index < 0 || index >= lessonCount())
        return false;
    const Entry& entry = entries[static_cast<std::size_t>(index)];
    if (!entry.lesson) {
        tell(entry.problem);
        return false;
    }
    if (pages.pagesHeld())
        return false;
    // Each lesson starts from the set-up page's defaults: what an earlier
    // lesson (or the student) set there must not carry over into this one.
    if (ScrollPage* setUp = pages.find(PageNames::Perceptron))
        setUp->close();
    started = index;
    if (!putInPlace(0, true)) {
        started = -1;
        return false;
    }
    step = 0;
    showStep();
    // The set-up page opened over this one; the lesson goes on here.
    pages.open(PageNames::Lessons);
    ui.NextStep->setFocus();
    return true;
}

bool Lessons::putInPlace(int index, bool reloadData)
{
    const Lesson& lesson = *entries[static_cast<std::size_t>(started)].lesson;
    const LessonData* data = &lesson.data;
    LessonSettings settings = lesson.settings;
    for (int i = 0; i <= index; ++i) {
        const LessonStep& s = lesson.steps[static_cast<std::size_t>(i)];
        if (s.data)
            data = &*s.data;
        settings = settings.overriddenBy(s.settings);
    }
    if (reloadData) {
        auto made = MakeLessonSets(*data, lesson.folder);
        if (auto* problem = std::get_if<std::string>(&made)) {
            tell(tr("The lesson \"%1\" cannot put its training set in place: %2")
                     .arg(QString::fromStdString(lesson.title), ShownText(*problem)));
            return false;
        }
        sets = std::move(std::get<LessonSets>(made));
        heldOutInPlace = false;
        if (const std::string problem = UseTrainingSet(net, sets.training, sets.name); !problem.empty()) {
            tell(ShownText(problem));
            return false;
        }
        SizeUnitsAndWeights(net);
    }
    Perceptron* page = qobject_cast<Perceptron*>(pages.find(PageNames::Perceptron));
    if (!page)
        page = qobject_cast<Perceptron*>(pages.openBeside(PageNames::Perceptron));
    if (!page)
        return false;
    page->activationStep();
    page->applySettings(settings);
    return true;
}

void Lessons::goToStep(int index)
{
    if (started < 0 || pages.pagesHeld())
        return;
    const Lesson& lesson = *entries[static_cast<std::size_t>(started)].lesson;
    if (index < 0 || index >= static_cast<int>(lesson.steps.size()))
        return;
    // Going forward, the step reached brings what it changes; going back, the
    // step left took its changes with it.
    const LessonStep& changing = lesson.steps[static_cast<std::size_t>(index > step ? index : step)];
    // Held-out patterns in place of the training set go when the student goes back.
    const bool reload = changing.data.has_value() || (index < step && heldOutInPlace);
    const int from = step;
    step = index;
    if (reload || !changing.settings.empty()) {
        if (!putInPlace(index, reload))
            step = from;
        pages.open(PageNames::Lessons);
    }
    showStep();
}

void Lessons::showStep()
{
    const Lesson& lesson = *entries[static_cast<std::size_t>(started)].lesson;
    const LessonStep& s = lesson.steps[static_cast<std::size_t>(step)];
    const int count = static_cast<int>(lesson.steps.size());
    ui.LessonTitle->setText(QString::fromStdString(lesson.title));
    ui.StepCount->setText(tr("Step %1 of %2").arg(step + 1).arg(count));
    ui.StepText->setPlainText(QString::fromStdString(s.text));
    const bool asks = !s.question.empty();
    ui.QuestionText->setText(asks ? tr("Question: %1").arg(QString::fromStdString(s.question)) : QString());
    ui.QuestionText->setVisible(asks);
    ui.ShowAnswer->setVisible(asks);
    ui.ShowAnswer->setEnabled(true);
    ui.AnswerText->setPlainText(QString::fromStdString(s.answer));
    ui.AnswerText->hide();
    ui.ActionButton->setVisible(s.action != LessonAction::None);
    ui.ActionButton->setText(actionCaption(s));
    ui.PreviousStep->show();
    ui.NextStep->show();
    ui.PreviousStep->setEnabled(step > 0);
    ui.NextStep->setEnabled(step + 1 < count);
    ui.NextStep->setText(step + 1 < count ? tr("Next Step") : tr("Last Step"));
}

QString Lessons::actionCaption(const LessonStep& lessonStep) const
{
    if (!lessonStep.actionLabel.empty())
        return QString::fromStdString(lessonStep.actionLabel);
    switch (lessonStep.action) {
    case LessonAction::None: return {};
    case LessonAction::StepPanel: return tr("Open The Step Panel");
    case LessonAction::Train: return tr("Start Training");
    case LessonAction::Decisions: return tr("Show The Decision Plane");
    case LessonAction::Weights: return tr("Show The Weights");
    case LessonAction::ErrorCurve: return tr("Show The Error Curve");
    case LessonAction::SSEGraph: return tr("Show The SSE Graph");
    case LessonAction::TestHeldOut: return tr("Test On The Held-Out Patterns");
    }
    return {};
}

void Lessons::showAnswer()
{
    ui.AnswerText->show();
    ui.ShowAnswer->setEnabled(false);
    ui.AnswerText->setFocus();
}

Perceptron* Lessons::setUpPage()
{
    if (auto* page = qobject_cast<Perceptron*>(pages.find(PageNames::Perceptron)))
        return page;
    // Opened afresh its settings are the defaults: the lesson's go on top.
    return putInPlace(step, false) ? qobject_cast<Perceptron*>(pages.find(PageNames::Perceptron)) : nullptr;
}

void Lessons::act()
{
    if (started < 0 || pages.pagesHeld())
        return;
    const LessonStep& s = entries[static_cast<std::size_t>(started)].lesson->steps[static_cast<std::size_t>(step)];
    auto showView = [this](NetworkView::Tab tab) {
        if (auto* view = qobject_cast<NetworkView*>(pages.openBeside(PageNames::NetworkView)))
            view->showTab(tab);
    };
    switch (s.action) {
    case LessonAction::None: break;
    case LessonAction::StepPanel:
        if (Perceptron* page = setUpPage())
            page->openStepPanel();
        break;
    case LessonAction::Train:
        if (Perceptron* page = setUpPage()) {
            pages.openBeside(PageNames::Perceptron);
            page->startTraining();
        }
        break;
    case LessonAction::Decisions: showView(NetworkView::Tab::Decisions); break;
    case LessonAction::Weights: showView(NetworkView::Tab::Weights); break;
    case LessonAction::ErrorCurve: showView(NetworkView::Tab::ErrorCurve); break;
    case LessonAction::SSEGraph:
        // The graph is a picture of the history when it opens: a new one shows the latest.
        if (ScrollPage* graph = pages.find(PageNames::PlotSSEdata))
            graph->close();
        pages.openBeside(PageNames::PlotSSEdata);
        break;
    case LessonAction::TestHeldOut:
        if (net.EpochCount == 0) {
            tell(tr("Train the network first: the held-out patterns test what it has learned."));
            break;
        }
        if (!UseTestSet(net, sets.heldOut, sets.name + " (held out)")) {
            tell(tr("The held-out patterns do not fit the network."));
            break;
        }
        heldOutInPlace = true;
        pages.open(PageNames::TestPerceptron);
        break;
    }
    // A run or a picture is to be watched, not worked: the lesson keeps the
    // keyboard (after a run, which holds every page, it takes it back), with
    // the page it opened beside it. The step panel and the testing page are
    // worked, so they take it.
    if (s.action != LessonAction::StepPanel && s.action != LessonAction::TestHeldOut)
        pages.open(PageNames::Lessons);
}

void Lessons::tell(const QString& text)
{
    MessageBoxRequest box;
    box.text = text.toStdString();
    box.title = ProgramTitle;
    box.icon = BoxIcon::Exclamation;
    box.buttons = BoxButtons::OK;
    dialogs.Show(box);
}

}  // namespace vantorelle
