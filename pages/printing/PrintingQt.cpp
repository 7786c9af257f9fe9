// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintingQt.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "Dialogs.h"

namespace vantorelle {

namespace {

// A file name made of the document's title: no folder separators or
// characters other systems refuse in names.
QString FileNameFor(const QString& title)
{
    QString name = title.trimmed();
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    }
    if (name.isEmpty())
        name = QStringLiteral("Printout");
    return name + QStringLiteral(".pdf");
}

}  // namespace

std::optional<QString> QtSaveFileDialog::saveFileName(const SaveFileRequest& request)
{
    const QString path =
        QFileDialog::getSaveFileName(DialogParent(owner), request.title, request.suggestedPath, request.filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtOpenFileDialog::openFileName(const SaveFileRequest& request)
{
    const QString path =
        QFileDialog::getOpenFileName(DialogParent(owner), request.title, request.suggestedPath, request.filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QtPrinter::QtPrinter(Dialogs& dialogs, SaveFileDialog& files, DefaultPrinter defaultPrinter)
    : dialogs(dialogs), files(files), defaultPrinter(std::move(defaultPrinter))
{
}

PrintOutcome QtPrinter::print(const PrintDocument& document)
{
    const QPrinterInfo info = defaultPrinter ? defaultPrinter() : QPrinterInfo();
    if (info.isNull())
        return offerPdf(document);

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(document.title);
    if (!PaintDocument(printer, document)) {
        dialogs.Show(ErrorReport(tr("The printer \"%1\" cannot print \"%2\".\rNothing was printed.")
                                     .arg(info.printerName(), document.title)
                                     .toStdString()));
        return PrintOutcome::NotPrinted;
    }
    return PrintOutcome::Printed;
}

PrintOutcome QtPrinter::offerPdf(const PrintDocument& document)
{
    MessageBoxRequest question;
    question.title = ProgramTitle;
    question.icon = BoxIcon::Question;
    question.buttons = BoxButtons::YesNo;
    question.text = tr("No printer is installed on this computer, so \"%1\" cannot be printed.\r"
                                   "Do you want to save the same page as a PDF file instead?")
                        .arg(document.title)
                        .toStdString();
    if (dialogs.Show(question) != Answer::Yes)
        return PrintOutcome::NotPrinted;

    SaveFileRequest request;
    request.title = tr("Save The Page As A PDF File");
    request.suggestedPath = QDir::current().absoluteFilePath(FileNameFor(document.title));
    request.filter = tr("PDF files (*.pdf)");
    const std::optional<QString> path = files.saveFileName(request);
    if (!path)
        return PrintOutcome::NotPrinted;

    QString why;
    if (!WritePdf(document, *path, &why)) {
        dialogs.Show(ErrorReport(tr("The file \"%1\" cannot be written: %2.\rNothing was saved.")
                                     .arg(QDir::toNativeSeparators(*path), why)
                                     .toStdString()));
        return PrintOutcome::NotPrinted;
    }
    return PrintOutcome::SavedAsPdf;
}

void QtPrinter::copyPicture(const QImage& picture)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(picture);
}

QPageLayout LocalePageLayout()
{
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}

bool WritePdf(const PrintDocument& document, const QString& path, QString* why)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (why)
            *why = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Vantorelle"));
        writer.setPageLayout(LocalePageLayout());
        if (!PaintDocument(writer, document)) {
            file.cancelWriting();
            if (why)
                *why = QtPrinter::tr("the page could not be drawn");
            return false;
        }
    }
    if (!file.commit()) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}

}  // namespace vantorelle
