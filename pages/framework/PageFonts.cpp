// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFonts.h"

#include <QWidget>

namespace vantorelle::PageFonts {

namespace {

QFont arial(double points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont msSansSerif(double points, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Courier, or the metric twin Linux has of it: with only the style hint to go
// by, the system would take its default monospaced font instead.
QFont courier(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier"), QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

}  // namespace

QFont page() { return arial(9); }
QFont title() { return arial(20.25, true, true); }
QFont button() { return arial(12, true); }
QFont exitButton() { return arial(12, true, true); }
QFont caption() { return arial(9, true); }
QFont box() { return arial(10.5); }
QFont fileName() { return arial(10.5, true, true); }
QFont note() { return arial(8.25, false, true); }
QFont chartTitle() { return arial(14); }
QFont list() { return msSansSerif(8.25); }
QFont listHeading() { return msSansSerif(12, true); }
QFont listButton() { return msSansSerif(8.25, true); }
QFont results() { return courier(9.75); }
QFont printedResults() { return courier(10); }

QFont heading()
{
    QFont font = arial(12, true);
    font.setUnderline(true);
    return font;
}

void set(QWidget* control, const QFont& font)
{
    if (control)
        control->setFont(font);
}

}  // namespace vantorelle::PageFonts
