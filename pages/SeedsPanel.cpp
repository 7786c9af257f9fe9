// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeedsPanel.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QShortcut>
#include <QTimer>
#include <charconv>
#include <limits>

#include "CoreTexts.h"
#include "PageMemory.h"
#include "Perceptron.h"
#include "PrintingQt.h"
#include "ReportFiles.h"
#include "SeedsCsv.h"

namespace vantorelle {

namespace {

constexpr int ProgressIntervalMs = 100;

std::optional<std::uint64_t> SeedFromText(const QString& text)
{
    const std::string digits = text.trimmed().toStdString();
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seed);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return seed;
}

}  // namespace

SeedsPanel::SeedsPanel(Perceptron& page, const NumberLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window), page(page), locale(locale)
{
    ui.setupUi(this);
    ui.SeedsTable->setColumnCount(5);
    ui.SeedsTable->setHorizontalHeaderLabels({tr("Seed"), tr("Epochs"), tr("All Hits"), tr("Total SSE"), tr("Hits")});
    ui.SeedsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui.SeedsTable->verticalHeader()->hide();
    ui.SeedsTable->setAccessibleName(tr("One line a seed"));
    ui.SeedsProgress->setAccessibleName(tr("Runs done"));
    connect(ui.RunSeedsButton, &QPushButton::clicked, this, &SeedsPanel::runSeeds);
    connect(ui.StopSeedsButton, &QPushButton::clicked, this, &SeedsPanel::stopSeeds);
    connect(ui.CloseSeedsButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.ExportCsvButton, &QPushButton::clicked, this, &SeedsPanel::askAndExportCsv);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    auto* progress = new QTimer(this);
    progress->setInterval(ProgressIntervalMs);
    connect(progress, &QTimer::timeout, this, [this] {
        if (running())
            ui.SeedsProgress->setValue(static_cast<int>(done.load()));
    });
    progress->start();
}

SeedsPanel::~SeedsPanel() { finish(); }

void SeedsPanel::finish()
{
    stop.store(true);
    if (worker.joinable())
        worker.join();
}

void SeedsPanel::runSeeds()
{
    if (running())
        return;
    if (page.isTraining()) {
        ui.SummaryLabel->setText(tr("The set-up page is training: let its run end first."));
        return;
    }
    const std::optional<std::uint64_t> first = SeedFromText(ui.FirstSeedBox->text());
    const auto count = static_cast<std::uint64_t>(ui.CountBox->value());
    if (!first || std::numeric_limits<std::uint64_t>::max() - *first < count - 1) {
        ui.SummaryLabel->setText(tr("The first seed must be a whole number from 0 to %1 less the number of seeds.")
                                     .arg(std::numeric_limits<std::uint64_t>::max()));
        ui.FirstSeedBox->setFocus();
        return;
    }
    std::vector<std::uint64_t> seeds;
    for (std::uint64_t n = 0; n < count; ++n)
        seeds.push_back(*first + n);
    NetworkState start = page.network();
    const SettingsInput input = page.runSettings();
    hitStop = input.StopWhenAllHits;

    stop.store(false);
    done.store(0);
    shown.clear();
    ui.SeedsTable->setRowCount(0);
    ui.SeedsProgress->setRange(0, static_cast<int>(count));
    ui.SeedsProgress->setValue(0);
    ui.SummaryLabel->setText(tr("Running %1 seeds on %2 threads...").arg(count).arg(SeedThreads(static_cast<long>(count))));
    ui.RunSeedsButton->setEnabled(false);
    ui.ExportCsvButton->setEnabled(false);
    ui.StopSeedsButton->setEnabled(true);
    ui.StopSeedsButton->setFocus();
    worker = std::jthread([this, start = std::move(start), input, seeds = std::move(seeds)] {
        results = RunSeeds(start, input, seeds, SeedThreads(static_cast<long>(seeds.size())), stop,
                           [this](const SeedOutcome&) { ++done; });
        // Dropped by Qt if the window goes first (it joins this thread before).
        QMetaObject::invokeMethod(this, &SeedsPanel::runEnded, Qt::QueuedConnection);
    });
}

void SeedsPanel::stopSeeds() { stop.store(true); }

void SeedsPanel::runEnded()
{
    if (worker.joinable())
        worker.join();
    if (results.empty())  // already shown (a close took them first)
        return;
    shown = std::move(results);
    results.clear();
    ui.RunSeedsButton->setEnabled(true);
    ui.StopSeedsButton->setEnabled(false);
    ui.SeedsProgress->setValue(static_cast<int>(done.load()));
    for (const SeedOutcome& outcome : shown) {
        if (outcome.Problem) {
            ui.SummaryLabel->setText(ShownText(outcome.Problem->message).replace(QLatin1Char('\r'), QLatin1Char(' ')));
            return;
        }
    }
    showOutcomes();
    ui.RunSeedsButton->setFocus();
}

void SeedsPanel::showOutcomes()
{
    int row = 0;
    for (const SeedOutcome& o : shown) {
        if (!o.Ran)
            continue;
        ui.SeedsTable->insertRow(row);
        const QString cells[] = {QString::number(o.Seed), QString::number(o.Epochs),
                                 o.AllHits ? tr("yes") : tr("no"),
                                 QString::fromStdString(FormatStandard(o.TotalSSE, locale)),
                                 tr("%1 of %2").arg(o.Hits).arg(o.Responses)};
        for (int column = 0; column < 5; ++column)
            ui.SeedsTable->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
    // The workbook's copy stays in the core's English; the label shows it in the window's language.
    QString summary = QString::fromStdString(SummaryText(Summarize(shown), hitStop, locale));
    shownSummary = ShownText(summary);
    if (stop.load()) {
        const QString stopped = tr(" (stopped: %1 of %2 seeds ran)").arg(row).arg(shown.size());
        summary += stopped;
        shownSummary += stopped;
    }
    ui.SummaryLabel->setText(shownSummary);
    ui.ExportCsvButton->setEnabled(row > 0);
    // The workbook's "Seeds" sheet shows the last table.
    PageMemory& memory = page.pageMemory();
    memory.SeedRun = shown;
    memory.SeedRunSummary = summary.toStdString();
}

QString SeedsPanel::exportCsv(const QString& path) const
{
    SystemReportFiles files;
    const std::string why = WriteSeedsCsv(QFile::encodeName(path).toStdString(), shown, files);
    return ShownText(why);
}

void SeedsPanel::askAndExportCsv()
{
    QtSaveFileDialog dialog([this]() -> QWidget* { return this; });
    const std::optional<QString> path = dialog.saveFileName(
        {tr("Export The Seeds As CSV"), QDir::current().filePath(QStringLiteral("seeds.csv")),
         tr("CSV files (*.csv);;All files (*)")});
    if (!path)
        return;
    const QString why = exportCsv(*path);
    const QString outcome = why.isEmpty() ? tr("The table has been written to %1.").arg(*path)
                                          : tr("The table could not be written to %1: %2").arg(*path, why);
    ui.SummaryLabel->setText(shownSummary + QLatin1Char('\n') + outcome);
}

void SeedsPanel::closeEvent(QCloseEvent* event)
{
    finish();
    runEnded();
    event->accept();
}

}  // namespace vantorelle
