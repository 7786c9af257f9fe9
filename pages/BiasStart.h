// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The threshold start page: the range of magnitudes and the sign rule from
// which the starting thresholds (biases) of a new run are drawn.

#include "StartRangePage.h"
#include "ui_BiasStart.h"

namespace vantorelle {

struct NetworkState;

class BiasStart : public StartRangePage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{11655, 9135};
    static constexpr const char* NegativeMinMessage = ThresholdRange.negativeMinMessage;

    BiasStart(NetworkState& net, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    Ui::BiasStart ui;
};

}  // namespace vantorelle
