// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's printing: Qt Print Support on the system's default printer,
// the "Save As" dialog of QFileDialog, and the system clipboard.
//
// A fresh Linux machine often has no printer at all. Then the user is told so
// and offered to save the same pages as a PDF file instead, in the program's
// working folder (where the report and new folders go too). The file is
// written through a QSaveFile: an existing file is replaced only once the
// new one is complete.

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinterInfo>
#include <functional>

#include "Printing.h"
#include "QtDialogs.h"

namespace vantorelle {

class Dialogs;

// QFileDialog's "Save As", centred on the page it belongs to (see QtDialogs.h).
class QtSaveFileDialog : public SaveFileDialog {
public:
    explicit QtSaveFileDialog(DialogOwner owner = {}) : owner(std::move(owner)) {}

    std::optional<QString> saveFileName(const SaveFileRequest& request) override;

private:
    DialogOwner owner;
};

class QtOpenFileDialog : public OpenFileDialog {
public:
    explicit QtOpenFileDialog(DialogOwner owner = {}) : owner(std::move(owner)) {}

    std::optional<QString> openFileName(const SaveFileRequest& request) override;

private:
    DialogOwner owner;
};

class QtPrinter : public Printer {
    Q_DECLARE_TR_FUNCTIONS(QtPrinter)

public:
    // Where the default printer comes from; tests give a machine without one.
    using DefaultPrinter = std::function<QPrinterInfo()>;

    QtPrinter(Dialogs& dialogs, SaveFileDialog& files, DefaultPrinter defaultPrinter = &QPrinterInfo::defaultPrinter);

    PrintOutcome print(const PrintDocument& document) override;
    void copyPicture(const QImage& picture) override;

private:
    PrintOutcome offerPdf(const PrintDocument& document);

    Dialogs& dialogs;
    SaveFileDialog& files;
    DefaultPrinter defaultPrinter;
};

// Writes the document as a PDF file on the paper the user's locale uses.
// False with the reason in why when the file cannot be written.
bool WritePdf(const PrintDocument& document, const QString& path, QString* why = nullptr);

// The paper of the user's locale (Letter in the United States, else A4) with
// half-inch margins, as a PDF of printed pages has.
QPageLayout LocalePageLayout();

}  // namespace vantorelle
