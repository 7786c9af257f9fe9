#pragma once
// The training set-up page. For now a stand-in with the page's caption, title
// and file line, so that the load-file page has somewhere to go; the settings,
// the training run and the status lines replace it.

#include "ScrollPage.h"
#include "ui_Perceptron.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;

class Perceptron : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{14055, 9705};

    Perceptron(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, QWidget* parent = nullptr);

    void activationStep() override;

private:
    Ui::Perceptron ui;
    NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
};

}  // namespace vantorelle
