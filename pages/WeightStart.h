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
    static constexpr const char* NegativeMinMessage = "Minimum cannot be less than 0.  (It is an absolute value.)";
    static constexpr const char* MinAboveMaxMessage =
        "The minimum weight cannot be greater than the maximum weight.\r"
        "The range has been set back to its default: minimum 0, maximum 0.1.";

    WeightStart(NetworkState& net, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    Ui::WeightStart ui;
};

}  // namespace vantorelle
