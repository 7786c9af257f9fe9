// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing and the clipboard behind a small interface, so that pages never
// open a QPrinter or touch the clipboard themselves: the program passes a
// QtPrinter (PrintingQt.h), tests a capturing printer that keeps what would
// have been printed.
//
// A page builds a PrintDocument, a list of items printed one below the other
// from the top-left of the printable area: lines of text, each in its own
// font, and pictures at their on-screen size (96 pixels to the inch). The
// printer decides where pages break; a line wider than the paper wraps
// rather than running off its edge, and a picture larger than the paper is
// scaled down to fit, so nothing printed is lost.

#include <QFont>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace vantorelle {

struct PrintItem {
    enum class Kind { Text, Picture };
    Kind kind = Kind::Text;
    QString text;  // one line, without its line break; tabs stop every eight columns
    QFont font;
    QImage picture;
};

struct PrintDocument {
    // The print job's name; a PDF file saved instead is offered under it.
    QString title;
    std::vector<PrintItem> items;

    void addLine(const QString& text, const QFont& font);
    // Adds every line of text (lines end in CRLF, LF or CR) in one font.
    void addLines(const QString& text, const QFont& font);
    void addPicture(const QImage& picture);
};

// What became of a document handed to a printer.
enum class PrintOutcome { Printed, SavedAsPdf, NotPrinted };

class Printer {
public:
    virtual ~Printer() = default;
    // Prints the document on the system's default printer. Where there is
    // none, says so and offers to save the same pages as a PDF file; every
    // failure is reported to the user before this returns.
    virtual PrintOutcome print(const PrintDocument& document) = 0;
    // Puts a picture on the system clipboard, replacing what it held.
    virtual void copyPicture(const QImage& picture) = 0;
};

struct SaveFileRequest {
    QString title;
    QString suggestedPath;  // folder and name offered at first
    QString filter;         // as QFileDialog takes it: "PDF files (*.pdf)"
};

// The "Save As" dialog, behind an interface so tests can answer it.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The full path chosen, or nothing when the user cancelled. The dialog
    // has already asked before replacing an existing file.
    virtual std::optional<QString> saveFileName(const SaveFileRequest& request) = 0;
};

// The "Open" dialog, likewise: the full path of an existing file chosen, or
// nothing when the user cancelled (the request's fields mean the same).
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    virtual std::optional<QString> openFileName(const SaveFileRequest& request) = 0;
};

// Draws the document on a printer or PDF writer whose painting has not
// begun, breaking pages as needed. False when painting cannot start there.
bool PaintDocument(QPagedPaintDevice& device, const PrintDocument& document);

}  // namespace vantorelle
