// SPDX-License-Identifier: GPL-3.0-or-later
// The program's printer on a machine without a printer: the offer to save a
// PDF instead, its refusals, and the PDF itself read back with poppler's tools.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "AnsweringSaveDialog.h"
#include "PrintingQt.h"
#include "ScriptedDialogs.h"

namespace vantorelle {
namespace {

using testing::AnsweringSaveDialog;

ExpectedBox NoPrinterQuestion(Answer answer)
{
    ExpectedBox box;
    box.title = ProgramTitle;
    box.textContains = "No printer is installed on this computer";
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    box.answer = answer;
    return box;
}

// The output of a poppler tool, or nothing when it is not installed.
std::optional<QString> Poppler(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QFont courier(QStringLiteral("Courier"));
        courier.setPointSizeF(10);
        QFont bold = courier;
        bold.setBold(true);
        document.title = QStringLiteral("Results Of Testing Distributed Memory On and.net");
        document.addLine(QString(), courier);
        document.addLine(document.title, bold);
        document.addLine(QString(), courier);
        document.addLines(QStringLiteral("Pattern: 4\t+1.00\t+1.00\t\r\n---------------\r\nResponse (A):\t+.73\t\r\n"),
                          courier);
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    AnsweringSaveDialog files;
    QtPrinter printer{dialogs, files, [] { return QPrinterInfo(); }};
    PrintDocument document;
};

TEST_F(PrintingTest, WithoutAPrinterTheSamePageIsSavedAsAPdf)
{
    const QString path = folder.filePath(QStringLiteral("probe.pdf"));
    files.answer = path;
    dialogs.expect(NoPrinterQuestion(Answer::Yes));
    EXPECT_EQ(printer.print(document), PrintOutcome::SavedAsPdf);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_TRUE(files.asked[0].suggestedPath.endsWith(
        QStringLiteral("Results Of Testing Distributed Memory On and.net.pdf")));
    EXPECT_EQ(files.asked[0].filter, QStringLiteral("PDF files (*.pdf)"));
    // Offered in the working folder, where reports and new folders go.
    EXPECT_EQ(QFileInfo(files.asked[0].suggestedPath).absolutePath(), QDir::current().absolutePath());

    const auto text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("Results Of Testing Distributed Memory On and.net"))) << text->toStdString();
    EXPECT_TRUE(text->contains(QStringLiteral("---------------"))) << text->toStdString();
    EXPECT_TRUE(text->contains(QRegularExpression(QStringLiteral("Pattern: 4\\s+\\+1\\.00\\s+\\+1\\.00"))))
        << text->toStdString();
    EXPECT_TRUE(text->contains(QRegularExpression(QStringLiteral("Response \\(A\\):\\s+\\+\\.73"))))
        << text->toStdString();
    // The heading is the one line in a bold face of the monospaced font.
    const auto fonts = Poppler(QStringLiteral("pdffonts"), {path});
    ASSERT_TRUE(fonts);
    const QString mono = QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")) ? QStringLiteral("LiberationMono")
                                                                                      : QStringLiteral("Mono");
    EXPECT_TRUE(fonts->contains(mono + QStringLiteral("-Bold"))) << fonts->toStdString();
    EXPECT_TRUE(fonts->contains(QRegularExpression(mono + QStringLiteral("(-Regular)?\\s")))) << fonts->toStdString();
}

TEST_F(PrintingTest, DecliningOrCancellingSavesNothing)
{
    dialogs.expect(NoPrinterQuestion(Answer::No));
    EXPECT_EQ(printer.print(document), PrintOutcome::NotPrinted);
    EXPECT_TRUE(files.asked.empty());

    dialogs.expect(NoPrinterQuestion(Answer::Yes));
    files.answer.reset();
    EXPECT_EQ(printer.print(document), PrintOutcome::NotPrinted);
    EXPECT_EQ(files.asked.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PrintingTest, AFileThatCannotBeWrittenIsReported)
{
    files.answer = folder.filePath(QStringLiteral("no-such-folder/probe.pdf"));
    dialogs.expect(NoPrinterQuestion(Answer::Yes));
    dialogs.expect(ExpectedErrorReport("no-such-folder"));
    EXPECT_EQ(printer.print(document), PrintOutcome::NotPrinted);
    dialogs.verifyDone();
    EXPECT_TRUE(dialogs.shownBoxes().back().text.find("Nothing was saved.") != std::string::npos);
}

TEST_F(PrintingTest, LongTextBreaksIntoPagesAndAPictureKeepsItsPlace)
{
    QFont courier(QStringLiteral("Courier"));
    courier.setPointSizeF(10);
    for (int i = 1; i <= 150; ++i)
        document.addLine(QStringLiteral("line %1").arg(i), courier);
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::black);
    document.addPicture(picture);
    const QString path = folder.filePath(QStringLiteral("long.pdf"));
    QString why;
    ASSERT_TRUE(WritePdf(document, path, &why)) << why.toStdString();

    const auto info = Poppler(QStringLiteral("pdfinfo"), {path});
    if (!info)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(*info);
    ASSERT_TRUE(pages.hasMatch()) << info->toStdString();
    EXPECT_GE(pages.captured(1).toInt(), 3);
    const auto text = Poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains(QStringLiteral("line 1\n")));
    EXPECT_TRUE(text->contains(QStringLiteral("line 150")));
    const auto images = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    ASSERT_TRUE(images);
    EXPECT_TRUE(images->contains(QRegularExpression(QStringLiteral("\\s300\\s+200\\s")))) << images->toStdString();
}

}  // namespace
}  // namespace vantorelle
