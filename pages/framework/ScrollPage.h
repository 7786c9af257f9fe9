// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every page: a window laid out at a fixed design size that never
// rearranges or rescales its controls. When the window is smaller than its
// design size the page shows `HorFormScroll` and/or `VerFormScroll` along its
// client edges (and `Corner` between them), and scrolling moves the controls.
//
// A page is used like this:
//
//     LoadFile::LoadFile(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, QWidget* parent)
//         : ScrollPage({10785, 9540}, parent), ...
//     {
//         ui.setupUi(this);          // absolute geometry from the .ui form
//         ...connect(), fonts, the page's own load work...
//         finishLoad();              // hides the bars; lays out if the window is small
//     }
//     void activationStep() override;  // run by PageRegistry when the page becomes active
//
// Lengths: the forms' sizes are twips (15 to the pixel); the bars' values and
// maxima are twips too, so a bar at value V shows the part of the page V twips
// right of (or below) its laid-out origin. Scrolling moves every direct child of
// the page, visible or not, except the bars and `Corner`; controls inside a
// frame or group box move with their container, and a line (a QFrame drawn as
// a line) moves with both its end points.
//
// A page opens at its form's size, or smaller when the screen's working area
// is smaller; scrolling back to a direction's origin happens by itself when
// the window grows enough to hide that direction's bar. Enter presses the
// focused push button, as Space does. Escape does nothing unless the page
// gives it its own way out (closeOnEscape): a page whose only way out ends
// the program leaves it so, as Escape must never end the program.
//
// The outer size of a window is taken as its client size plus the form's
// frame (120 twips wide, 405 high), whatever the window manager draws around
// it, so the bars appear exactly when the client area is smaller than designed.

#include <QWidget>
#include <functional>

class QAbstractButton;
class QScrollBar;

namespace vantorelle {

// A page's design outer size in twips, as in the table of pages.
struct DesignSize {
    int outerWidth = 0;
    int outerHeight = 0;
};

inline constexpr int FrameWidthTwips = 120;
inline constexpr int FrameHeightTwips = 405;
inline constexpr int ScrollBarTwips = 330;

class ScrollPage : public QWidget {
    Q_OBJECT

public:
    explicit ScrollPage(DesignSize design, QWidget* parent = nullptr);

    int outerWidthTwips() const;
    int outerHeightTwips() const;
    // Resizes the window to the largest pixel size whose outer size is at most
    // the given twips.
    void resizeOuterTwips(int outerWidth, int outerHeight);

    // The layout step: shows, sizes and places the bars for the current size.
    void layoutStep();

    // Runs when the page becomes the active page: when first shown and when the
    // user comes back to it from another page. PageRegistry calls it.
    virtual void activationStep() {}

    QScrollBar* horFormScroll() const { return horBar; }
    QScrollBar* verFormScroll() const { return verBar; }
    QWidget* corner() const { return cornerBox; }

signals:
    // The window was closed (its close event was accepted).
    void closed();

protected:
    // The common end of every page's load step; call it once, after setupUi.
    void finishLoad();

    // Escape, wherever the focus is on the page, presses the button that
    // closes it, or runs the page's own way out.
    void closeOnEscape(QAbstractButton* closer);
    void closeOnEscape(std::function<void()> wayOut);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitOnScreen();
    void scrollHorizontally(int value);
    void scrollVertically(int value);
    void moveControls(int dx, int dy);

    DesignSize design;
    QScrollBar* horBar = nullptr;
    QScrollBar* verBar = nullptr;
    QWidget* cornerBox = nullptr;
    int lastHorValue = 0;  // the last scroll values applied to the controls
    int lastVerValue = 0;
};

}  // namespace vantorelle
