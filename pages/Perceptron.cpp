#include "Perceptron.h"

#include "NetworkState.h"
#include "PageFonts.h"
#include "PageRegistry.h"

namespace vantorelle {

Perceptron::Perceptron(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, QWidget* parent)
    : ScrollPage(Design, parent), net(net), dialogs(dialogs), pages(pages)
{
    ui.setupUi(this);
    PageFonts::set(ui.Label1, PageFonts::title());
    PageFonts::set(ui.FileLabel, PageFonts::box());
    PageFonts::set(ui.PlaceholderNote, PageFonts::box());
    PageFonts::set(ui.Command2, PageFonts::exitButton());
    connect(ui.Command2, &QPushButton::clicked, this, [this] { this->pages.exitProgram(); });

    // A new network is built for a newly read file.
    if (net.FreshStart == 1)
        SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    ui.FileLabel->setText(QStringLiteral("Training: ") + QString::fromStdString(net.TrainingFileName));

    finishLoad();
}

void Perceptron::activationStep()
{
    ui.FileLabel->setText(QStringLiteral("Training: ") + QString::fromStdString(net.TrainingFileName));
}

}  // namespace vantorelle
