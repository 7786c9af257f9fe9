// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The confusion tables and accuracy of the network as it is, on the file it
// trained on (the latest kept run's patterns, with the current weights) and
// on the file it was last tested on ("Test Current Network On A New
// Problem"). Opened from the hub; it sits beside the generalization page
// when that page is open, and shows the network again whenever it becomes
// the active page or "Refresh" is pressed (the network state is read only
// then, when no run works on it).
//
// The check box asks for the tables in the text report and the workbook;
// without it both stay exactly as they were.

#include "ScrollPage.h"
#include "ui_ConfusionTables.h"

namespace vantorelle {

struct NetworkState;
struct PageMemory;
class PageRegistry;

class ConfusionTables : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{760 * 15 + FrameWidthTwips, 572 * 15 + FrameHeightTwips};

    ConfusionTables(const NetworkState& net, PageMemory& memory, PageRegistry& pages, QWidget* parent = nullptr);

    void activationStep() override;
    QString tablesText() const { return ui.TablesText->toPlainText(); }

private:
    void showTables();

    Ui::ConfusionTables ui;
    const NetworkState& net;
    PageMemory& memory;
    PageRegistry& pages;
};

}  // namespace vantorelle
