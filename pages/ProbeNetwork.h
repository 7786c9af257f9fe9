// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The probe page: the user presents single patterns of the current pattern
// set to the trained network and reads, for each, its inputs, the network's
// responses, the desired outputs and the errors. Each probe puts a block of
// text at the top of the results window, which can be cleared or printed.
// The page changes nothing in the network beyond the units' response.

#include "NumberFormat.h"
#include "ScrollPage.h"
#include "ui_ProbeNetwork.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;
class Printer;

class ProbeNetwork : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{10770, 9495};

    ProbeNetwork(NetworkState& net, Dialogs& dialogs, Printer& printer, QWidget* parent = nullptr);

    // The results window's text with its lines ended by CRLF, as the blocks are built.
    QString resultsText() const;

private:
    void probe();
    void print();
    void escape();
    // The pattern named by the text typed, or nothing (after saying why).
    std::optional<long> patternNumber(const QString& typed);

    Ui::ProbeNetwork ui;
    NetworkState& net;
    Dialogs& dialogs;
    Printer& printer;
    NumberLocale locale;
};

}  // namespace vantorelle
