// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvImportPanel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <fstream>

#include "CoreTexts.h"
#include "Dialogs.h"
#include "Printing.h"
#include "SetTable.h"

namespace vantorelle {

namespace {

QString Filter() { return CsvImportPanel::tr("CSV files (*.csv *.tsv *.txt);;All files (*)"); }

// The delimiter box's entries, in its order; 0 guesses.
constexpr char Delimiters[] = {0, ',', ';', '\t', '|'};

QString UseText(CsvImportPanel::ColumnUse use)
{
    switch (use) {
    case CsvImportPanel::ColumnUse::Input: return CsvImportPanel::tr("Input");
    case CsvImportPanel::ColumnUse::Output: return CsvImportPanel::tr("Output");
    case CsvImportPanel::ColumnUse::Class: return CsvImportPanel::tr("Class");
    case CsvImportPanel::ColumnUse::Ignored: break;
    }
    return CsvImportPanel::tr("Ignored");
}

// `one` or `many` ("%1 pattern", "%1 patterns") with the count put in: each
// language words its own plural.
QString Plural(long count, const QString& one, const QString& many)
{
    return (count == 1 ? one : many).arg(count);
}

}  // namespace

CsvImportPanel::CsvImportPanel(Dialogs& dialogs, OpenFileDialog& openDialog, SetTable& table, QWidget* parent)
    : QWidget(parent),
      dialogs(dialogs),
      openDialog(openDialog),
      table(table),
      openButton(new QPushButton(tr("&Open CSV File..."), this)),
      fileLabel(new QLabel(tr("No file chosen."), this)),
      delimiterBox(new QComboBox(this)),
      headerBox(new QComboBox(this)),
      decimalBox(new QComboBox(this)),
      grid(new QTableWidget(this)),
      summary(new QLabel(this)),
      importButton(new QPushButton(tr("&Import Into The Table"), this))
{
    openButton->setObjectName(QStringLiteral("OpenCsv"));
    fileLabel->setObjectName(QStringLiteral("CsvFile"));
    delimiterBox->setObjectName(QStringLiteral("CsvDelimiter"));
    headerBox->setObjectName(QStringLiteral("CsvHeader"));
    decimalBox->setObjectName(QStringLiteral("CsvDecimal"));
    grid->setObjectName(QStringLiteral("CsvPreview"));
    summary->setObjectName(QStringLiteral("CsvSummary"));
    importButton->setObjectName(QStringLiteral("ImportCsv"));

    delimiterBox->addItems({tr("Guess"), tr("Comma ( , )"), tr("Semicolon ( ; )"), tr("Tab"), tr("Bar ( | )")});
    headerBox->addItems({tr("Guess"), tr("First row is a header"), tr("No header row")});
    decimalBox->addItems({tr("Decimal point (1.5)"), tr("Decimal comma (1,5)")});
    fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileLabel->setWordWrap(true);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
    // Tab goes to the column boxes inside it: the cells only show the file.
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->setAccessibleName(tr("The file's first rows, and what each column is for"));
    importButton->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(openButton);
    top->addWidget(fileLabel, 1);
    auto* choices = new QHBoxLayout;
    auto labelled = [&](const QString& text, QComboBox* box) {
        auto* label = new QLabel(text, this);
        label->setBuddy(box);
        choices->addWidget(label);
        choices->addWidget(box);
    };
    labelled(tr("D&elimiter:"), delimiterBox);
    labelled(tr("&Header:"), headerBox);
    labelled(tr("Nu&mbers:"), decimalBox);
    choices->addStretch(1);
    auto* hint = new QLabel(tr("The first row of the grid says what each column is for: Input, Output, Class "
                               "(one output per value, 1 for the row's class and 0 for the others) or Ignored."),
                            this);
    hint->setWordWrap(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(summary, 1);
    bottom->addWidget(importButton, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(choices);
    layout->addWidget(hint);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);

    connect(openButton, &QPushButton::clicked, this, &CsvImportPanel::chooseFile);
    connect(importButton, &QPushButton::clicked, this, &CsvImportPanel::import);
    connect(delimiterBox, &QComboBox::currentIndexChanged, this, [this] { showPreview(false); });
    connect(decimalBox, &QComboBox::currentIndexChanged, this, [this] { showPreview(true); });
    connect(headerBox, &QComboBox::currentIndexChanged, this, &CsvImportPanel::showHeaderRow);
}

void CsvImportPanel::chooseFile()
{
    const QString folder = path.isEmpty() ? QDir::currentPath() : QFileInfo(path).absolutePath();
    if (const std::optional<QString> chosen = openDialog.openFileName({tr("Open A CSV File"), folder, Filter()}))
        openFile(*chosen);
}

void CsvImportPanel::openFile(const QString& chosen)
{
    path = chosen;
    fileLabel->setText(QDir::toNativeSeparators(path));
    showPreview(false);
}

void CsvImportPanel::showPreview(bool keepUses)
{
    if (path.isEmpty())
        return;
    const std::vector<ColumnUse> kept = columnUses();
    // The old column boxes go at once: the new ones take their names.
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (QWidget* box = grid->cellWidget(0, c)) {
            grid->removeCellWidget(0, c);
            delete box;
        }
    }
    std::ifstream source(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!source) {
        preview = {};
        grid->clear();
        grid->setRowCount(0);
        grid->setColumnCount(0);
        importButton->setEnabled(false);
        showSummary(tr("The file \"%1\" cannot be opened.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    const CsvOptions chosen = options();
    preview = PreviewCsv(source, chosen.delimiter, chosen.decimal, PreviewRows);

    const int columns = static_cast<int>(preview.widest);
    const int rows = static_cast<int>(preview.rows.size());
    grid->clear();
    grid->setColumnCount(columns);
    grid->setRowCount(rows + 1);
    QStringList rowNames{tr("Use")};
    for (int r = 1; r <= rows; ++r)
        rowNames << QString::number(r);
    grid->setVerticalHeaderLabels(rowNames);
    for (int r = 0; r < rows; ++r) {
        const auto& cells = preview.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            grid->setItem(r + 1, c, new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)])));
    }
    // A column whose cells below the first row are all numbers is an input,
    // the last column the output, or the class when it holds words.
    auto numeric = [this](int column) {
        for (std::size_t r = 1; r < preview.rows.size(); ++r) {
            const auto& cells = preview.rows[r];
            if (static_cast<std::size_t>(column) < cells.size() && !cells[static_cast<std::size_t>(column)].empty() &&
                IsHeaderCell(cells[static_cast<std::size_t>(column)]))
                return false;
        }
        return true;
    };
    for (int c = 0; c < columns; ++c) {
        auto* box = new QComboBox(grid);
        box->setObjectName(QStringLiteral("CsvColumnUse_%1").arg(c));
        box->setAccessibleName(tr("Column %1 is").arg(c + 1));
        for (ColumnUse use : {ColumnUse::Input, ColumnUse::Output, ColumnUse::Class, ColumnUse::Ignored})
            box->addItem(UseText(use));
        ColumnUse use = c == columns - 1 ? (numeric(c) ? ColumnUse::Output : ColumnUse::Class)
                                         : (numeric(c) ? ColumnUse::Input : ColumnUse::Ignored);
        if (keepUses && kept.size() == static_cast<std::size_t>(columns))
            use = kept[static_cast<std::size_t>(c)];
        box->setCurrentIndex(static_cast<int>(use));
        connect(box, &QComboBox::currentIndexChanged, this, &CsvImportPanel::showHeaderRow);
        grid->setCellWidget(0, c, box);
    }
    QStringList columnNames;
    for (int c = 1; c <= columns; ++c)
        columnNames << tr("Column %1").arg(c);
    grid->setHorizontalHeaderLabels(columnNames);
    grid->resizeColumnsToContents();
    importButton->setEnabled(true);
    showHeaderRow();
    emit columnsShown();
}

std::vector<QWidget*> CsvImportPanel::tabStops() const
{
    std::vector<QWidget*> stops{openButton, delimiterBox, headerBox, decimalBox};
    for (int c = 0; c < grid->columnCount(); ++c)
        if (QComboBox* box = useBox(c))
            stops.push_back(box);
    stops.push_back(importButton);
    return stops;
}

QComboBox* CsvImportPanel::useBox(int column) const { return qobject_cast<QComboBox*>(grid->cellWidget(0, column)); }

std::vector<CsvImportPanel::ColumnUse> CsvImportPanel::columnUses() const
{
    std::vector<ColumnUse> uses;
    for (int c = 0; c < grid->columnCount(); ++c)
        if (QComboBox* box = useBox(c))
            uses.push_back(static_cast<ColumnUse>(box->currentIndex()));
    return uses;
}

void CsvImportPanel::setColumnUse(int column, ColumnUse use)
{
    if (QComboBox* box = useBox(column))
        box->setCurrentIndex(static_cast<int>(use));
}

CsvOptions CsvImportPanel::options() const
{
    CsvOptions chosen;
    chosen.delimiter = Delimiters[std::clamp(delimiterBox->currentIndex(), 0, 4)];
    static constexpr HeaderRow headers[] = {HeaderRow::Guess, HeaderRow::Present, HeaderRow::Absent};
    chosen.header = headers[std::clamp(headerBox->currentIndex(), 0, 2)];
    chosen.decimal = decimalBox->currentIndex() == 1 ? DecimalMark::Comma : DecimalMark::Point;
    const std::vector<ColumnUse> uses = columnUses();
    for (std::size_t c = 0; c < uses.size(); ++c) {
        const long column = static_cast<long>(c) + 1;
        if (uses[c] == ColumnUse::Input)
            chosen.inputs.push_back(column);
        else if (uses[c] == ColumnUse::Output)
            chosen.outputs.push_back(column);
        else if (uses[c] == ColumnUse::Class && !chosen.classColumn)
            chosen.classColumn = column;
    }
    // A file with no cells at all leaves nothing to choose: the reader is
    // asked with the smallest plan, so that its own words say what is wrong.
    if (uses.empty() && !path.isEmpty()) {
        chosen.inputs = {1};
        chosen.outputs = {2};
    }
    return chosen;
}

void CsvImportPanel::showHeaderRow()
{
    if (preview.rows.empty()) {
        showSummary(path.isEmpty() ? QString() : tr("The file holds no rows."));
        return;
    }
    const CsvOptions chosen = options();
    // The reader's own rule: a first-row cell of an input or output column that is no number.
    bool header = chosen.header == HeaderRow::Present;
    if (chosen.header == HeaderRow::Guess) {
        const auto& first = preview.rows.front();
        auto wordAt = [&first](long column) {
            const auto at = static_cast<std::size_t>(column - 1);
            return at < first.size() && !first[at].empty() && IsHeaderCell(first[at]);
        };
        header = std::any_of(chosen.inputs.begin(), chosen.inputs.end(), wordAt) ||
                 std::any_of(chosen.outputs.begin(), chosen.outputs.end(), wordAt);
    }
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (QTableWidgetItem* item = grid->item(1, c)) {
            QFont font = item->font();
            font.setItalic(header);
            item->setFont(font);
            item->setForeground(header ? palette().color(QPalette::PlaceholderText) : palette().color(QPalette::Text));
        }
    }
    grid->verticalHeaderItem(1)->setText(header ? tr("Header") : QStringLiteral("1"));

    const std::vector<ColumnUse> uses = columnUses();
    const long classColumns = std::count(uses.begin(), uses.end(), ColumnUse::Class);
    QString text =
        tr("%1 and %2")
            .arg(Plural(static_cast<long>(chosen.inputs.size()), tr("%1 input column"), tr("%1 input columns")),
                 Plural(static_cast<long>(chosen.outputs.size()), tr("%1 output column"), tr("%1 output columns")));
    if (chosen.classColumn)
        text += tr(", and column %1 as the class").arg(*chosen.classColumn);
    text += QStringLiteral(". ");
    if (classColumns > 1)
        text += tr("Only one column can be the class: the others are ignored. ");
    if (!preview.problem.empty())
        text += ShownText(preview.problem) + QStringLiteral(" ");
    if (preview.rows.size() == static_cast<std::size_t>(PreviewRows))
        text += tr("The first %1 rows are shown.").arg(PreviewRows);
    showSummary(text.trimmed());
}

void CsvImportPanel::showSummary(const QString& text) { summary->setText(text); }

bool CsvImportPanel::import()
{
    if (path.isEmpty())
        return false;
    const CsvImport read = ImportCsvFile(QFile::encodeName(QDir::toNativeSeparators(path)).toStdString(), options());
    if (!read.ok) {
        showSummary(ShownText(read.message));
        dialogs.Show(ErrorReport(read.message));
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    table.replaceAll(GridOf(read.set), tr("Import %1").arg(name));
    QString text = tr("Read %1 of %2 and %3 from \"%4\".")
                       .arg(Plural(read.set.NumPatterns(), tr("%1 pattern"), tr("%1 patterns")),
                            Plural(read.set.NumInputs(), tr("%1 input"), tr("%1 inputs")),
                            Plural(read.set.NumOutputs(), tr("%1 output"), tr("%1 outputs")), name);
    if (!read.classNames.empty()) {
        const long first = read.set.NumOutputs() - static_cast<long>(read.classNames.size()) + 1;
        QStringList names;
        for (std::size_t n = 0; n < read.classNames.size(); ++n)
            names << tr("%1 = output %2").arg(QString::fromStdString(read.classNames[n])).arg(first + static_cast<long>(n));
        text += tr(" Classes: %1.").arg(names.join(QStringLiteral(", ")));
    }
    showSummary(text);
    emit imported(path);
    return true;
}

}  // namespace vantorelle
