// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A walk through every page a user sees, made the way a user makes it: read
// and.net, train, open both start pages, then every item of the testing hub;
// then letters.net under the gradient rule (saved and opened again as a
// saved network) and xor.net under the Gaussian and the step rules for the
// network view. Controls are found by their names and
// worked with mouse and keys, as the page tests do.
//
// At each view worth a picture the tour hands the page's window to a visitor:
// the screenshot tool saves it, the High-DPI test measures its texts. The
// random generator is seeded, so the same build gives the same pictures.
//
// The tour runs in the current folder, which must hold the example files and
// may be written (the save page saves run1.txt there, the hub letters.vnet).

#include <functional>
#include <vector>

#include <QString>

namespace vantorelle {

class ScrollPage;

struct TourView {
    QString shot;     // a file name for its picture, without ".png"
    QString caption;  // what the view shows, in a sentence
    ScrollPage* page = nullptr;
};

struct TourResult {
    bool finished = false;  // every step was made
    QString failure;        // the step that could not be made
    // Message boxes that came up, as "title: text": the tour expects none.
    std::vector<QString> unexpectedBoxes;
};

using TourVisitor = std::function<void(const TourView&)>;

TourResult TakePageTour(const TourVisitor& visit);

// The same in a scratch folder holding copies of the examples the tour
// reads; the current folder is restored afterwards.
TourResult TakePageTourInScratchFolder(const TourVisitor& visit);

}  // namespace vantorelle
