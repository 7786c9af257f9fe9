// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The weight start page: the range of magnitudes and the sign rule from
// which the starting weights of a new run are drawn.

#include "StartRangePage.h"
#include "ui_WeightStart.h"

namespace vantorelle {

struct NetworkState;

class WeightStart : public StartRangePage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{11790, 9480};
    static constexpr const char* NegativeMinMessage = WeightRange.negativeMinMessage;

    WeightStart(NetworkState& net, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    Ui::WeightStart ui;
};

}  // namespace vantorelle
