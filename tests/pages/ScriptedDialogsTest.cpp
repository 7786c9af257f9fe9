// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted dialogs must catch every way a test's expectations of message
// boxes can go wrong, or the page tests that rely on them prove nothing.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <QTimer>

#include "QtDialogs.h"
#include "ScriptedDialogs.h"

namespace vantorelle {
namespace {

MessageBoxRequest RangeConflict()
{
    MessageBoxRequest box;
    box.title = "Weight Range";
    box.text = "The minimum is above the maximum.";
    box.icon = BoxIcon::Critical;
    box.buttons = BoxButtons::OKCancel;
    return box;
}

// script keeping
TEST(ScriptedDialogsTest, AnswersExpectedBoxesInOrder)
{
    ScriptedDialogs dialogs;
    dialogs.expect({"Weight Range", "above", BoxIcon::Critical, BoxButtons::OKCancel, Answer::Cancel})
        .expect(ExpectedErrorReport("cannot"));
    EXPECT_EQ(dialogs.Show(RangeConflict()), Answer::Cancel);
    EXPECT_EQ(dialogs.Show(ErrorReport("The file cannot be read.")), Answer::OK);
    ASSERT_EQ(dialogs.shownBoxes().size(), 2u);
    EXPECT_EQ(dialogs.shownBoxes()[1].title, "Vantorelle");
}

TEST(ScriptedDialogsTest, FailsOnUnexpectedBox)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.Show(ErrorReport("surprise"));
        },
        "unexpected message box");
}

TEST(ScriptedDialogsTest, FailsOnBoxThatNeverCame)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expect(ExpectedErrorReport("never shown"));
        },
        "never came");
}

TEST(ScriptedDialogsTest, FailsOnAnswerTheBoxCannotGive)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expect({"Weight Range", "", BoxIcon::Critical, BoxButtons::OKCancel, Answer::Yes});
            EXPECT_EQ(dialogs.Show(RangeConflict()), Answer::OK);
        },
        "no such button");
}

TEST(ScriptedDialogsTest, FailsOnWrongTitleTextOrIcon)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expect({"Learning Rate", "", BoxIcon::Critical, BoxButtons::OKCancel, Answer::OK});
            dialogs.Show(RangeConflict());
        },
        "Weight Range");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expect({"Weight Range", "below", BoxIcon::Critical, BoxButtons::OKCancel, Answer::OK});
            dialogs.Show(RangeConflict());
        },
        "lacks \"below\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expect({"Weight Range", "", BoxIcon::Exclamation, BoxButtons::OKCancel, Answer::OK});
            dialogs.Show(RangeConflict());
        },
        "exclamation");
}

TEST(ScriptedDialogsTest, InputBoxesReplyOrCancel)
{
    ScriptedDialogs dialogs;
    dialogs.expectInput({"New Folder", std::string("runs")}).expectInput({"New Folder", std::nullopt});
    EXPECT_EQ(dialogs.Input({"Name the folder", "New Folder", ""}), std::optional<std::string>("runs"));
    EXPECT_EQ(dialogs.Input({"Name the folder", "New Folder", ""}), std::nullopt);
}

// the real boxes
TEST(QtDialogsTest, LinesAreSeparatedByCarriageReturns)
{
    EXPECT_EQ(DialogText("first\rsecond\r\nthird"), QStringLiteral("first\nsecond\nthird"));
}

TEST(QtDialogsTest, ShowsTheBoxAndAnswersTheButtonPressed)
{
    MessageBoxRequest box;
    box.title = "Pre-existing Filename";
    box.text = "File already exists -- overwrite it?";
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    box.defaultButton = 1;

    QString seenTitle;
    QString defaultText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    // The box is modal: look at it and press "Yes" once it is up.
    std::function<void()> pressYes = [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown) {
            QTimer::singleShot(10, pressYes);
            return;
        }
        seenTitle = shown->windowTitle();
        seenIcon = shown->icon();
        defaultText = shown->defaultButton() ? shown->defaultButton()->text() : QString();
        shown->button(QMessageBox::Yes)->click();
    };
    QTimer::singleShot(0, pressYes);

    QtDialogs dialogs;
    EXPECT_EQ(dialogs.Show(box), Answer::Yes);
    EXPECT_EQ(seenTitle.toStdString(), "Pre-existing Filename");
    EXPECT_EQ(seenIcon, QMessageBox::Question);
    EXPECT_EQ(defaultText.remove(QLatin1Char('&')).toStdString(), "No");
}

}  // namespace
}  // namespace vantorelle
