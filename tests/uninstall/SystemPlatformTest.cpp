// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform layer: starting the stand-in uninstaller on paths that a
// shell would take apart, the existence test, the run check as this user, and
// the message and question boxes.

#include "Program.h"
#include "SystemPlatform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace uninstaller {
namespace {

QStringList ReadRecord(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    for (const QByteArray& argument : file.readAll().split('\0'))
        arguments.append(QFile::decodeName(argument));
    arguments.removeLast();  // after the last NUL
    return arguments;
}

TEST(SystemPlatform, StrangePathsReachTheUninstallerUnchangedAndRunNothing)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString strange =
        base.filePath(QStringLiteral("dir with  blanks \"double\" 'single' $(touch x) `touch y`; touch z & |"));
    const QString current = base.filePath(QStringLiteral("current"));
    ASSERT_TRUE(QDir().mkpath(strange));
    ASSERT_TRUE(QDir().mkpath(current));
    const QString executable = strange + QStringLiteral("/ST6UNST.EXE");
    ASSERT_TRUE(QFile::copy(QStringLiteral(UNINSTALL_STAND_IN), executable));
    ASSERT_TRUE(QFile::setPermissions(executable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString log = strange + QStringLiteral("/ST6UNST.LOG $(touch x)");
    const QString record = base.filePath(QStringLiteral("record"));

    // A command the stand-in's shell ran by mistake would land in its current folder.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current));
    qputenv("ST6UNST_RECORD", QFile::encodeName(record));
    SystemPlatform platform;
    const bool started = StartUninstaller(platform, executable, log);
    qunsetenv("ST6UNST_RECORD");
    QDir::setCurrent(before);

    ASSERT_TRUE(started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 60000)) << "the stand-in recorded nothing";
    EXPECT_EQ(ReadRecord(record), QStringList({executable, "-n", log}));
    EXPECT_EQ(QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"current", QDir(strange).dirName(), "record"}));
}

TEST(SystemPlatform, UninstallerThatCannotStartIsReported)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString notExecutable = base.filePath(QStringLiteral("ST6UNST.EXE"));
    QFile file(notExecutable);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SystemPlatform platform;

    EXPECT_FALSE(StartUninstaller(platform, notExecutable, base.filePath(QStringLiteral("ST6UNST.LOG"))));
    EXPECT_FALSE(StartUninstaller(platform, base.filePath(QStringLiteral("missing")), QString()));
}

TEST(SystemPlatform, OnlyAFileExists)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    QFile file(base.filePath(QStringLiteral("ST6UNST.LOG")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(base.path()).mkdir(QStringLiteral("ST6UNST.EXE")));
    SystemPlatform platform;

    EXPECT_TRUE(platform.fileExists(file.fileName()));
    EXPECT_FALSE(platform.fileExists(base.filePath(QStringLiteral("ST6UNST.EXE"))));
    EXPECT_FALSE(platform.fileExists(base.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(platform.fileExists(QString()));
}

TEST(SystemPlatform, MessageBoxHasTheProgramsTitleAnOkButtonAndOneLinePerLine)
{
    QString title, text;
    int buttons = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        box->buttons().first()->click();
    });
    poll.start(10);

    SystemPlatform platform;
    platform.showMessage(ErrorMessage());

    EXPECT_EQ(title, "uninstall-vantorelle");
    EXPECT_EQ(text, "Error - Uninstall cannot run.\n"
                    "Please try using the add/remove programs option in the control panel.");
    EXPECT_EQ(buttons, 1);
}

TEST(SystemPlatform, RunCheckIsMadeForTheUserRunningTheProgram)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString file = base.filePath(QStringLiteral("ST6UNST.EXE"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(UNINSTALL_STAND_IN), file));
    SystemPlatform platform;

    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(platform.checkRunnable(file).risk, RunRisk::None);
    ASSERT_TRUE(
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteOther));
    EXPECT_EQ(platform.checkRunnable(file).risk, RunRisk::FileWritable);
}

// Answers the next question box with answer, once it is up; what it showed is kept.
struct QuestionAnswerer {
    explicit QuestionAnswerer(std::function<void(QMessageBox*)> answer)
    {
        QObject::connect(&poll, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
            answer(box);
        });
        poll.start(10);
    }

    QTimer poll;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    bool defaultIsNo = false;
};

TEST(SystemPlatform, QuestionBoxHasYesAndNoAndEnterMeansNo)
{
    SystemPlatform platform;
    const QString question =
        FoundElsewhereQuestion(QStringLiteral("/usr/lib/vantorelle"), QStringLiteral("/x/ST6UNST.EXE"));

    QuestionAnswerer enter([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_FALSE(platform.confirm(question));
    EXPECT_EQ(enter.title, "uninstall-vantorelle");
    EXPECT_EQ(enter.text, "ST6UNST.EXE is not in \"/usr/lib/vantorelle\", where it is normally found.\n"
                          "It was found at \"/x/ST6UNST.EXE\".\n"
                          "Start this file to uninstall Vantorelle?");
    EXPECT_EQ(enter.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(enter.defaultIsNo);

    QuestionAnswerer yes([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_TRUE(platform.confirm(question));
}

// "Yes" closes the confirmation window, which stays the active window for a
// moment and is deleted at a later turn of the event loop: that can be the
// loop of the box the progress window shows next.
TEST(SystemPlatform, BoxesSurviveTheWindowTheyOpenedOverGoing)
{
    SystemPlatform platform;
    for (const bool question : {true, false}) {
        auto* window = new QWidget;
        window->show();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 30000));
        const QPointer<QWidget> guard(window);

        QuestionAnswerer answer([&](QMessageBox* box) {
            const QPointer<QMessageBox> shown(box);
            delete guard.data();
            if (!shown)
                return;
            QAbstractButton* no = shown->button(QMessageBox::No);
            (no ? no : shown->buttons().first())->click();
        });
        bool yes = false;
        if (question)
            yes = platform.confirm(QStringLiteral("question"));
        else
            platform.showMessage(QStringLiteral("message"));

        EXPECT_TRUE(guard.isNull());
        EXPECT_EQ(answer.text, question ? "question" : "message");
        EXPECT_FALSE(yes) << "a box that went with its window answered Yes";
    }
}

}  // namespace
}  // namespace uninstaller
