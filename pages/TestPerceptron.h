#pragma once
// The testing hub, opened by "Test Recall" over the training page. For now it
// carries the hub's caption and a note; the ways of examining and going on
// from a trained network come with the hub's own pages.

#include "ScrollPage.h"
#include "ui_TestPerceptron.h"

namespace vantorelle {

struct NetworkState;

class TestPerceptron : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{11115, 9750};

    explicit TestPerceptron(NetworkState& net, QWidget* parent = nullptr);

private:
    Ui::TestPerceptron ui;
};

}  // namespace vantorelle
