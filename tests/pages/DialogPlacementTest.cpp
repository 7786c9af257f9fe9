// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's real message, input and file boxes open: centred on
// the page that asked, also after an earlier box has closed and no window has
// the focus any more.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "NetworkState.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "PrintingQt.h"
#include "QStringPrinter.h"
#include "QtDialogs.h"
#include "Random.h"
#include "ScrollPage.h"
#include "TrainingFile.h"

namespace vantorelle {
namespace {

// Answers the modal boxes as they come up, noting where each one stood.
class BoxAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;
    struct Seen {
        QString title;
        QRect frame;
    };

    BoxAnswerer()
    {
        connect(&poll, &QTimer::timeout, this, &BoxAnswerer::look);
        poll.start(10);
    }
    void then(Answer answer) { answers.push_back(std::move(answer)); }
    bool allAnswered() const { return answers.empty(); }

    std::vector<Seen> seen;

private:
    void look()
    {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible() || box == last || answers.empty())
            return;
        last = box;
        seen.push_back({box->windowTitle(), box->frameGeometry()});
        Answer answer = std::move(answers.front());
        answers.pop_front();
        answer(box);
    }

    QTimer poll;
    QPointer<QWidget> last;
    std::deque<Answer> answers;
};

void TypeAndAccept(QWidget* box, const QString& text)
{
    auto* input = qobject_cast<QInputDialog*>(box);
    ASSERT_NE(input, nullptr) << box->metaObject()->className();
    input->setTextValue(text);
    input->accept();
}

void Press(QWidget* box, QMessageBox::StandardButton which)
{
    auto* message = qobject_cast<QMessageBox*>(box);
    ASSERT_NE(message, nullptr) << box->metaObject()->className();
    ASSERT_NE(message->button(which), nullptr);
    message->button(which)->click();
}

class DialogPlacementTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net").ok);
        net.TrainingFileName = "and.net";
        SizeUnitsAndWeights(net);
        SetDefaultSettings(net);
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(5); });
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScrollPage* open(const char* name)
    {
        ScrollPage* page = pages.open(PageName(name));
        EXPECT_NE(page, nullptr);
        if (page) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(page));
        }
        return page;
    }
    static void press(ScrollPage* page, const char* button)
    {
        auto* found = page->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }
    // Every box seen stood centred on the page, give or take rounding.
    void expectCentredOn(const ScrollPage* page)
    {
        EXPECT_TRUE(answerer.allAnswered()) << "a box did not come";
        const QPoint centre = page->frameGeometry().center();
        for (const BoxAnswerer::Seen& box : answerer.seen) {
            EXPECT_LE((box.frame.center() - centre).manhattanLength(), 4)
                << box.title.toStdString() << " centred at " << box.frame.center().x() << ","
                << box.frame.center().y() << ", its page at " << centre.x() << "," << centre.y();
        }
    }

    NetworkState net;

    PageMemory memory;
    PageRegistry pages;
    QtDialogs dialogs{PageInCharge(pages)};
    QtSaveFileDialog files{PageInCharge(pages)};
    QtPrinter printer{dialogs, files, [] { return QPrinterInfo(); }};
    BoxAnswerer answerer;
};

TEST_F(DialogPlacementTest, TheSavePagesNameBoxAndTheMessageAfterIt)
{
    ScrollPage* page = open("SaveResults");
    answerer.then([](QWidget* box) { TypeAndAccept(box, QStringLiteral("a/b")); });
    answerer.then([](QWidget* box) { Press(box, QMessageBox::Ok); });
    press(page, "FileButton");
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[0].title, QStringLiteral("Name File"));
    expectCentredOn(page);
}

TEST_F(DialogPlacementTest, TheNoPrinterQuestionAndTheSaveAsDialogOfTheProbePage)
{
    ScrollPage* page = open("ProbeNetwork");
    // A box before closes, and no window has the focus after it.
    answerer.then([](QWidget* box) { Press(box, QMessageBox::Ok); });
    page->findChild<QLineEdit*>(QStringLiteral("PatternBox"))->setText(QStringLiteral("0"));
    press(page, "PatternOK");

    QString offeredFolder;
    answerer.then([](QWidget* box) { Press(box, QMessageBox::Yes); });
    answerer.then([&offeredFolder](QWidget* box) {
        auto* dialog = qobject_cast<QFileDialog*>(box);
        ASSERT_NE(dialog, nullptr) << box->metaObject()->className();
        offeredFolder = dialog->directory().absolutePath();
        dialog->reject();
    });
    press(page, "PrintResults");
    ASSERT_EQ(answerer.seen.size(), 3u);
    expectCentredOn(page);
    // The PDF is offered in the working folder, where the reports go.
    EXPECT_EQ(offeredFolder, QDir::current().absolutePath());
}

}  // namespace
}  // namespace vantorelle
