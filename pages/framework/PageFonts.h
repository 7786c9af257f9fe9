// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of every page, and the one place they are set: the forms carry
// none, each page sets its controls' fonts from here. Arial throughout
// (Liberation Sans stands in for it on Linux), the drive, folder and file
// lists in MS Sans Serif, which the system maps to its sans font, and the
// probe's results in Courier.

#include <QFont>

class QWidget;

namespace vantorelle::PageFonts {

QFont page();        // the page's own font, for anything not listed below
QFont title();       // page titles: 20.25 pt bold italic
QFont button();      // buttons and frame captions: 12 pt bold
QFont exitButton();  // "Exit" and "Use Default Settings": 12 pt bold italic
QFont caption();     // option buttons, check boxes, parameter captions: 9 pt bold
QFont heading();     // section headings: 12 pt bold underlined
QFont box();         // status lines and text boxes: 10.5 pt
QFont list();        // drive, folder and file lists: MS Sans Serif 8.25 pt
QFont listHeading(); // the save page's headings over its lists: MS Sans Serif 12 pt bold
QFont listButton();  // the buttons beside the lists: MS Sans Serif 8.25 pt bold
QFont fileName();    // the file name chosen: 10.5 pt bold italic
QFont note();        // small print under a box: 8.25 pt italic
QFont chartTitle();  // a graph's title: 14 pt
QFont results();     // the probe's results: Courier 9.75 pt
QFont printedResults();  // the same on paper: Courier 10 pt

void set(QWidget* control, const QFont& font);

}  // namespace vantorelle::PageFonts
