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

}  // namespace

QFont page() { return arial(9); }
QFont title() { return arial(20.25, true, true); }
QFont button() { return arial(12, true); }
QFont exitButton() { return arial(12, true, true); }
QFont caption() { return arial(9, true); }
QFont box() { return arial(10.5); }

QFont heading()
{
    QFont font = arial(12, true);
    font.setUnderline(true);
    return font;
}

QFont list()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

void set(QWidget* control, const QFont& font)
{
    if (control)
        control->setFont(font);
}

}  // namespace vantorelle::PageFonts
