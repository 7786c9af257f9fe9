// SPDX-License-Identifier: GPL-3.0-or-later
#include "Printing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>

namespace vantorelle {

namespace {

constexpr double ScreenDpi = 96.0;
constexpr int TabBlanks = 8;

// A tab moves on to the next column that is a multiple of eight, as on a
// line printer; the columns line up in the monospaced fonts printouts use.
QString ExpandTabs(const QString& text)
{
    QString expanded;
    for (QChar c : text) {
        if (c == QLatin1Char('\t'))
            expanded += QString(TabBlanks - expanded.size() % TabBlanks, QLatin1Char(' '));
        else
            expanded += c;
    }
    return expanded;
}

// Lays out one text item at the given width; its lines stand one under
// another from 0. The layout was made for the device, in the device's
// resolution: setting its font again would lay it out for the screen.
void LayOut(QTextLayout& layout, double width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

class PagePainter {
public:
    PagePainter(QPagedPaintDevice& device, QPainter& painter)
        : device(device), painter(painter), pageWidth(device.width()), pageHeight(device.height())
    {
    }

    void text(const PrintItem& item)
    {
        QTextLayout layout(ExpandTabs(item.text), item.font, &device);
        LayOut(layout, pageWidth);
        if (layout.lineCount() == 0) {
            // An empty line still takes a line's height.
            advance(QFontMetricsF(item.font, &device).lineSpacing());
            return;
        }
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            makeRoom(line.height());
            line.draw(&painter, QPointF(0, y - line.y()));
            y += line.height();
        }
    }

    void picture(const QImage& image)
    {
        if (image.isNull())
            return;
        // On screen a picture's pixel is a 96th of an inch; it keeps that size on paper.
        const double dpr = image.devicePixelRatio() > 0 ? image.devicePixelRatio() : 1.0;
        QSizeF size(image.width() / dpr * device.logicalDpiX() / ScreenDpi,
                    image.height() / dpr * device.logicalDpiY() / ScreenDpi);
        if (size.width() > pageWidth || size.height() > pageHeight)
            size.scale(QSizeF(pageWidth, pageHeight), Qt::KeepAspectRatio);
        makeRoom(size.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, y), size), image);
        y += size.height();
    }

private:
    void advance(double height)
    {
        makeRoom(height);
        y += height;
    }

    // Starts a new page when what comes next does not fit below what is there.
    void makeRoom(double height)
    {
        if (y > 0 && y + height > pageHeight) {
            device.newPage();
            y = 0;
        }
    }

    QPagedPaintDevice& device;
    QPainter& painter;
    double pageWidth;
    double pageHeight;
    double y = 0;
};

}  // namespace

void PrintDocument::addLine(const QString& text, const QFont& font)
{
    PrintItem item;
    item.text = text;
    item.font = font;
    items.push_back(std::move(item));
}

void PrintDocument::addLines(const QString& text, const QFont& font)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    // Text that ends with a line break has no empty line after it.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& line : lines)
        addLine(line, font);
}

void PrintDocument::addPicture(const QImage& picture)
{
    PrintItem item;
    item.kind = PrintItem::Kind::Picture;
    item.picture = picture;
    items.push_back(std::move(item));
}

bool PaintDocument(QPagedPaintDevice& device, const PrintDocument& document)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PagePainter pages(device, painter);
    for (const PrintItem& item : document.items) {
        if (item.kind == PrintItem::Kind::Text)
            pages.text(item);
        else
            pages.picture(item.picture);
    }
    return painter.end();
}

}  // namespace vantorelle
