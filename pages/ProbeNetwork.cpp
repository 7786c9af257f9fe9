// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProbeNetwork.h"

#include <QFontMetricsF>
#include <QTextCursor>
#include <cmath>

#include "Dialogs.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "Printing.h"
#include "Response.h"
#include "SystemTexts.h"

namespace vantorelle {

namespace {

const char* const Crlf = "\r\n";

// Whether the units and weights were built for the current pattern set. A
// new file read on the load-file page changes the sizes before the next
// training page builds a network for them.
bool NetworkFitsPatterns(const NetworkState& net)
{
    return net.NumPatterns > 0 && static_cast<long>(net.InputUnits.size()) == net.NumInputs + 1 &&
           static_cast<long>(net.OutputUnits.size()) == net.NumOutputs + 1 && net.Weights.Rows() == net.NumInputs &&
           net.Weights.Cols() == net.NumOutputs;
}

// The text block of one probe of pattern n; ComputeResponse(n) has run. The
// block names the pattern by its plain number, however it was typed (" 3",
// "03", "+3" and "3e0" all probe pattern 3, and each block says which one).
QString ProbeBlock(const NetworkState& net, long n, const NumberLocale& locale)
{
    const QString crlf = QLatin1String(Crlf);
    auto values = [&](QString line, long count, auto value) {
        for (long i = 1; i <= count; ++i)
            line += QString::fromStdString(FormatSigned2(value(i), locale)) + QLatin1Char('\t');
        return line + crlf;
    };
    // The labels end at a tab, so the numbers line up whatever their length.
    QString block = values(ProbeNetwork::tr("Pattern: %1").arg(QString::fromStdString(FormatWhole(n))) + QLatin1Char('\t'),
                           net.NumInputs, [&](long i) { return net.InputPatterns(n, i); });
    block += QString(15, QLatin1Char('-')) + crlf;
    block += values(ProbeNetwork::tr("Response (A):") + QLatin1Char('\t'), net.NumOutputs,
                    [&](long j) { return net.OutputUnits[j].Activation; });
    block += values(ProbeNetwork::tr("Desired  (D):") + QLatin1Char('\t'), net.NumOutputs,
                    [&](long j) { return net.DesiredOutputs(n, j); });
    block += values(ProbeNetwork::tr("Error  (D-A):") + QLatin1Char('\t'), net.NumOutputs,
                    [&](long j) { return net.OutputUnits[j].Error; });
    block += QString(45, QLatin1Char('=')) + crlf;
    return block;
}

}  // namespace

ProbeNetwork::ProbeNetwork(NetworkState& net, Dialogs& dialogs, Printer& printer, QWidget* parent)
    : ScrollPage(Design, parent), net(net), dialogs(dialogs), printer(printer), locale(SystemNumberLocale())
{
    ui.setupUi(this);
    PageFonts::set(ui.Label2, PageFonts::title());
    PageFonts::set(ui.PatternLabel, PageFonts::caption());
    PageFonts::set(ui.PatternBox, PageFonts::box());
    for (QWidget* button : std::initializer_list<QWidget*>{ui.PatternOK, ui.ClearText, ui.PrintResults, ui.Command2})
        PageFonts::set(button, PageFonts::button());
    const QFont courier = PageFonts::results();
    ui.ResultsText->setFont(courier);
    ui.ResultsText->setTabStopDistance(QFontMetricsF(courier).horizontalAdvance(QLatin1Char(' ')) * 8);
    ui.PatternLabel->setBuddy(ui.PatternBox);

    // The load step: the spinner reaches the patterns there are now.
    ui.PatternUpDown->setNumberLocale(locale);
    ui.PatternUpDown->setBuddy(ui.PatternBox);
    ui.PatternUpDown->setRange(1, std::max(1L, net.NumPatterns));
    ui.PatternUpDown->setStep(1);

    connect(ui.PatternOK, &QPushButton::clicked, this, &ProbeNetwork::probe);
    connect(ui.PatternBox, &QLineEdit::returnPressed, this, &ProbeNetwork::probe);
    connect(ui.ClearText, &QPushButton::clicked, ui.ResultsText, &QPlainTextEdit::clear);
    connect(ui.PrintResults, &QPushButton::clicked, this, &ProbeNetwork::print);
    connect(ui.Command2, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape([this] { escape(); });

    finishLoad();
}

void ProbeNetwork::escape()
{
    // The results live only in the window: Escape, unlike "Close Form", asks
    // before it throws them away, and No (the default) keeps the page.
    if (!ui.ResultsText->document()->isEmpty()) {
        MessageBoxRequest box;
        box.title = ProgramTitle;
        box.icon = BoxIcon::Question;
        box.buttons = BoxButtons::YesNo;
        box.defaultButton = 1;
        box.text = tr("Close the page? The probe results in its window will be lost.").toStdString();
        if (dialogs.Show(box) != Answer::Yes)
            return;
    }
    close();
}

QString ProbeNetwork::resultsText() const
{
    QString text = ui.ResultsText->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String(Crlf));
    return text;
}

std::optional<long> ProbeNetwork::patternNumber(const QString& typed)
{
    if (!NetworkFitsPatterns(net)) {
        dialogs.Show(ErrorReport(
            tr("The network has not been built for the patterns of \"%1\" yet, so they cannot be probed.\r"
               "Train a network on them first.")
                .arg(QString::fromStdString(net.TrainingFileName))
                .toStdString()));
        return std::nullopt;
    }
    // The spinner's bound dates from the page's opening; the count that
    // matters is the one there is now.
    const std::optional<double> value = ParseBoxNumber(typed.toStdString(), locale);
    if (value && *value == std::floor(*value) && *value >= 1 && *value <= static_cast<double>(net.NumPatterns))
        return static_cast<long>(*value);

    MessageBoxRequest box;
    box.title = tr("Pattern Number").toStdString();
    box.icon = BoxIcon::Exclamation;
    box.text = tr("\"%1\" is not the number of a pattern.\rType a whole number from 1 to %2.")
                   .arg(typed)
                   .arg(net.NumPatterns)
                   .toStdString();
    dialogs.Show(box);
    return std::nullopt;
}

void ProbeNetwork::probe()
{
    const QString typed = ui.PatternBox->text();
    const std::optional<long> n = patternNumber(typed);
    if (!n)
        return;
    ComputeResponse(net, *n);
    QString block = ProbeBlock(net, *n, locale);
    block.replace(QLatin1String(Crlf), QLatin1String("\n"));

    // The newest block stands at the top, in view.
    QTextCursor cursor(ui.ResultsText->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(block);
    cursor.movePosition(QTextCursor::Start);
    ui.ResultsText->setTextCursor(cursor);
    ui.ResultsText->ensureCursorVisible();
}

void ProbeNetwork::print()
{
    // The heading is the one line in bold.
    const QFont courier = PageFonts::printedResults();
    QFont heading = courier;
    heading.setBold(true);

    PrintDocument document;
    document.title = tr("Results Of Testing Distributed Memory On %1").arg(QString::fromStdString(net.TrainingFileName));
    document.addLine(QString(), courier);
    document.addLine(document.title, heading);
    document.addLine(QString(), courier);
    document.addLines(resultsText(), courier);
    printer.print(document);
}

}  // namespace vantorelle
