// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfusionTables.h"

#include "CoreTexts.h"
#include "FileConfusions.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "SystemTexts.h"

namespace vantorelle {

ConfusionTables::ConfusionTables(const NetworkState& net, PageMemory& memory, PageRegistry& pages, QWidget* parent)
    : ScrollPage(Design, parent), net(net), memory(memory), pages(pages)
{
    ui.setupUi(this);
    PageFonts::set(ui.TitleLabel, PageFonts::title());
    PageFonts::set(ui.ExplainLabel, PageFonts::caption());
    PageFonts::set(ui.TablesText, PageFonts::results());
    PageFonts::set(ui.InResultsCheck, PageFonts::caption());
    PageFonts::set(ui.RefreshTables, PageFonts::button());
    PageFonts::set(ui.CloseTables, PageFonts::exitButton());
    ui.InResultsCheck->setChecked(memory.ConfusionInResults);
    connect(ui.InResultsCheck, &QCheckBox::toggled, this, [this](bool on) { this->memory.ConfusionInResults = on; });
    connect(ui.RefreshTables, &QPushButton::clicked, this, &ConfusionTables::showTables);
    connect(ui.CloseTables, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(ui.CloseTables);

    // The load step: beside the generalization page, whose file the second table counts.
    if (ScrollPage* generalize = pages.find(PageNames::Generalize))
        move(generalize->frameGeometry().topRight() + QPoint(8, 0));
    showTables();
    finishLoad();
}

void ConfusionTables::activationStep() { showTables(); }

void ConfusionTables::showTables()
{
    const std::vector<FileConfusion> files = CurrentConfusions(net, memory.Runs);
    if (files.empty()) {
        ui.TablesText->setPlainText(tr("No network yet: read a training file and train it first."));
        return;
    }
    const std::vector<std::string> lines = FileConfusionLines(files, SystemNumberLocale());
    QString text;
    for (const std::string& line : lines)
        text += ShownText(line) + QLatin1Char('\n');
    ui.TablesText->setPlainText(text);
}

}  // namespace vantorelle
