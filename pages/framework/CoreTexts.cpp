// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace vantorelle {

namespace {

// A core sentence. `nested` marks the parts (bit n for %n) that are core
// texts of their own, such as the subject "The training file \"%1\"" and
// the problem after "cannot be used:"; those are translated in turn.
struct Pattern {
    const char* english;
    unsigned nested = 0;
    // A sentence that wraps another ("%1 cannot be used: %2") is tried
    // before the sentences it may wrap, whose parts could otherwise swallow it.
    bool wraps = false;
};

constexpr bool Wraps = true;

constexpr unsigned Nested(std::initializer_list<int> parts)
{
    unsigned mask = 0;
    for (int part : parts)
        mask |= 1u << part;
    return mask;
}

#define CORE_TEXT(text) QT_TRANSLATE_NOOP("CoreTexts", text)

// clang-format off
const Pattern Patterns[] = {
    // The training page's status lines.
    {CORE_TEXT("Epochs: %1")},
    {CORE_TEXT("Total SSE: %1")},
    {CORE_TEXT("Change in SSE: %1")},
    {CORE_TEXT("Hits: %1")},
    {CORE_TEXT("Misses: %1")},
    {CORE_TEXT("Training: %1")},

    // The settings a run is checked for.
    {CORE_TEXT("Maximum Epochs")},
    {CORE_TEXT("Maximum number of training epochs must be greater than zero.")},
    {CORE_TEXT("No stopping method set")},
    {CORE_TEXT("At least one box for method of ending training must be checked.")},
    {CORE_TEXT("Learning Rate")},
    {CORE_TEXT("Learning rate cannot be negative")},
    {CORE_TEXT("Display Interval")},
    {CORE_TEXT("The number of epochs between progress displays must be at least one.")},
    {CORE_TEXT("Type mismatch: the %1 box holds \"%2\", which is not a number."), Nested({1}), Wraps},
    {CORE_TEXT("Overflow: the number in the %1 box is too large."), Nested({1}), Wraps},
    {CORE_TEXT("maximum epochs")},
    {CORE_TEXT("learning rate")},
    {CORE_TEXT("epochs between displays")},
    {CORE_TEXT("minimum error")},

    // The error report and the run's own errors.
    {CORE_TEXT("This version of the code has encountered an error%1."), Nested({1})},
    {CORE_TEXT("with excel")},
    {CORE_TEXT("It would be helpful if you could report this error to %1")},
    {CORE_TEXT("Please include the following error message as well as")},
    {CORE_TEXT("where the error occured and what version of windows you are using:")},
    {CORE_TEXT("Overflow error:")},
    {CORE_TEXT("An overflow error has occured.")},
    {CORE_TEXT("Please consider decreasing the learning rate and trying again.")},
    {CORE_TEXT("Out of memory error:")},
    {CORE_TEXT("Please try closing some applications and retrying.")},
    {CORE_TEXT("Training stopped after epoch %1:")},
    {CORE_TEXT("A weight, a threshold or the total error is no longer a finite number.")},
    {CORE_TEXT("The network's units and weights do not match the patterns of the training file.")},
    {CORE_TEXT("Please read the training file again from the first page.")},
    {CORE_TEXT("out of memory")},
    {CORE_TEXT("the network's units and weights do not match its patterns")},

    // The start ranges of weights and thresholds.
    {CORE_TEXT("Minimum cannot be less than 0.  (It is an absolute value.)")},
    {CORE_TEXT("The minimum weight cannot be greater than the maximum weight.")},
    {CORE_TEXT("The range has been set back to its default: minimum %1, maximum %2.")},
    {CORE_TEXT("The entry for minimum bias cannot be less than zero.  (It is an absolute value)")},
    {CORE_TEXT("The minimum threshold start cannot be greater than the maximum threshold start.")},
    {CORE_TEXT("Both have been set back to %1.")},

    // Reading a training or test file.
    {CORE_TEXT("The training file \"%1\"")},
    {CORE_TEXT("The test file \"%1\"")},
    {CORE_TEXT("%1 cannot be read."), Nested({1}), Wraps},
    {CORE_TEXT("%1 cannot be used: %2"), Nested({1, 2}), Wraps},
    // The system's own reason (strerror) stays as the system gives it.
    {CORE_TEXT("%1 cannot be opened: %2."), Nested({1}), Wraps},
    {CORE_TEXT("%1 cannot be opened: it is a folder."), Nested({1}), Wraps},
    {CORE_TEXT("%1 cannot be opened: it is not an ordinary file."), Nested({1}), Wraps},
    {CORE_TEXT("%1 cannot be opened: unknown error."), Nested({1}), Wraps},
    {CORE_TEXT("value %1 (line %2, column %3)")},
    {CORE_TEXT("%1, \"%2\", is too long to be a number."), Nested({1})},
    {CORE_TEXT("%1, \"%2\", is not a number."), Nested({1})},
    {CORE_TEXT("the file ends before %1."), Nested({1})},
    {CORE_TEXT("the number of outputs")},
    {CORE_TEXT("the second header value")},
    {CORE_TEXT("the number of inputs")},
    {CORE_TEXT("the number of patterns")},
    {CORE_TEXT("all input values are read")},
    {CORE_TEXT("all desired outputs are read")},
    {CORE_TEXT("%1 must be a whole number, not %2."), Nested({1})},
    {CORE_TEXT("%1 must be from 1 to %2, not %3."), Nested({1})},
    {CORE_TEXT("%1 outputs times %2 patterns make %3 responses; at most %4 are allowed.")},
    {CORE_TEXT("%1 patterns of %2 inputs would need more memory than this program allows.")},
    {CORE_TEXT("the file ends before all %1 pattern values; it is only %2 bytes long.")},
    // What is said of a file read, after its name (the load page's note).
    {CORE_TEXT("The file \"%1\" %2."), Nested({2}), Wraps},
    {CORE_TEXT("has more values than its header asks for; the rest are ignored (numbers take a \".\" decimal point)")},
    {CORE_TEXT("has %1 empty field (\",,\"), read as no value at all")},
    {CORE_TEXT("has %1 empty fields (\",,\"), read as no value at all")},

    // Importing a CSV file.
    {CORE_TEXT("The CSV file \"%1\"")},
    {CORE_TEXT("The CSV file \"%1\" cannot be opened: %2."), 0, Wraps},
    {CORE_TEXT("The CSV file \"%1\" cannot be opened: unknown error."), 0, Wraps},
    {CORE_TEXT("no input columns are chosen.")},
    {CORE_TEXT("no output columns and no class column are chosen.")},
    {CORE_TEXT("column %1 does not exist; columns are numbered from 1.")},
    {CORE_TEXT("column %1 is chosen twice.")},
    {CORE_TEXT("column %1 is chosen, but row %2 has only %3 column.")},
    {CORE_TEXT("column %1 is chosen, but row %2 has only %3 columns.")},
    {CORE_TEXT("row %1 has %2 column, but row %3 has %4.")},
    {CORE_TEXT("row %1 has %2 columns, but row %3 has %4.")},
    {CORE_TEXT("row %1, column %2")},
    {CORE_TEXT("%1 is empty."), Nested({1})},
    {CORE_TEXT("%1, \"%2\", is not a number with a decimal comma; it has a decimal point, but decimal commas were chosen."), Nested({1})},
    {CORE_TEXT("%1, \"%2\", is not a number with a decimal point; it has a decimal comma, but decimal points were chosen."), Nested({1})},
    {CORE_TEXT("row %1 holds a cell longer than %2 bytes.")},
    {CORE_TEXT("row %1 has a quote (\") inside a cell that does not begin with one, or after a quoted cell's end.")},
    {CORE_TEXT("Row %1 has a quote (\") inside a cell that does not begin with one, or after a quoted cell's end.")},
    {CORE_TEXT("the file ends inside a quoted cell (a quote that is never closed).")},
    {CORE_TEXT("it holds only a header row.")},
    {CORE_TEXT("it holds no rows.")},

    // Making a training set.
    {CORE_TEXT("The %1 set cannot be made: %2"), Nested({2}), Wraps},
    {CORE_TEXT("The table cannot be saved as a training file: %1"), Nested({1}), Wraps},
    {CORE_TEXT("the number of inputs must be from 1 to %1.")},
    {CORE_TEXT("the number of classes must be from 2 to 26.")},
    {CORE_TEXT("the number of points per class must be from 1 to %1.")},
    {CORE_TEXT("the spread must be above 0 and at most 10.")},
    {CORE_TEXT("%1 must be a share from 0 to 1."), Nested({1})},
    {CORE_TEXT("the noise")},
    {CORE_TEXT("no letters given.")},
    {CORE_TEXT("the letters must be capitals from A to Z, not \"%1\".")},
    {CORE_TEXT("the letter %1 is given twice.")},
    {CORE_TEXT("the number of copies must be from 1 to %1.")},
    {CORE_TEXT("input %1 of pattern %2 is not a finite number.")},
    {CORE_TEXT("desired output %1 of pattern %2 is not a finite number.")},

    // Opening a saved network.
    {CORE_TEXT("The file \"%1\" cannot be opened as a saved network: %2."), Nested({2}), Wraps},
    {CORE_TEXT("The network in use has not been changed.")},
    {CORE_TEXT("the field %1 is missing")},
    {CORE_TEXT("%1 holds %2, which is not a number")},
    {CORE_TEXT("%1 holds %2, which is not a whole number")},
    {CORE_TEXT("%1 holds %2, which is not from %3 to %4")},
    {CORE_TEXT("%1 holds %2, which is not a whole number from 0 to %3")},
    {CORE_TEXT("%1 is not true or false")},
    {CORE_TEXT("%1 is not a text in quotes")},
    {CORE_TEXT("%1 is not a list")},
    {CORE_TEXT("%1 has %2 entries where %3 says %4"), Nested({3})},
    {CORE_TEXT("an epoch count and a total SSE")},
    {CORE_TEXT("the page's five lines")},
    {CORE_TEXT("%1 is %2, not one of %3")},
    {CORE_TEXT("\"sizes\" give %1 responses, more than %2")},
    {CORE_TEXT("\"results.history\" has %1 rows, more than the %2 a history keeps")},
    {CORE_TEXT("%1 is not the state of the random generator")},
    {CORE_TEXT("it does not begin with \"format\": \"%1\"")},
    {CORE_TEXT("it is in format version %1, written by a later Vantorelle; this one reads version %2")},
    {CORE_TEXT("it is not JSON text, or it is cut short (at byte %1)")},
    {CORE_TEXT("it holds a number beyond the range of a double (%1; write \"Infinity\" or \"-Infinity\" for one)")},
    {CORE_TEXT("it needs more memory than there is")},
    {CORE_TEXT("it cannot be read")},

    // Saving the report, the workbook and made sets (the files themselves stay English).
    {CORE_TEXT("%1 being saved...")},
    {CORE_TEXT("%1 has not been saved!")},
    {CORE_TEXT("%1 has been saved!")},
    {CORE_TEXT("Please be patient while the spreadsheet is built...")},
    {CORE_TEXT("The workbook has been written to %1")},
    {CORE_TEXT("The report could not be saved as \"%1\".")},
    {CORE_TEXT("The training set could not be saved as \"%1\".")},
    {CORE_TEXT("The earlier file of that name has been left as it was.")},
    {CORE_TEXT("No file has been changed.")},
    {CORE_TEXT("The folder \"%1\" does not exist.")},
    {CORE_TEXT("Part of the path is not a folder.")},
    {CORE_TEXT("Permission denied.")},
    {CORE_TEXT("The disk is full.")},
    {CORE_TEXT("The disk is read-only.")},
    {CORE_TEXT("A folder of that name is in the way.")},
    {CORE_TEXT("The name is too long.")},
    {CORE_TEXT("The program reading from the pipe stopped reading.")},
    {CORE_TEXT("No program is reading from the pipe.")},
    {CORE_TEXT("A socket of that name is in the way.")},
    {CORE_TEXT("A disk device of that name is in the way.")},
    {CORE_TEXT("Something of that name that is not a file is in the way.")},

    // The seed sweep's summary.
    {CORE_TEXT("All hits in %1 of %2 run")},
    {CORE_TEXT("All hits in %1 of %2 runs")},
    {CORE_TEXT("All hits at the end in %1 of %2 run")},
    {CORE_TEXT("All hits at the end in %1 of %2 runs")},
    {CORE_TEXT("All hits in %1 of %2 run; epochs to all hits: median %3, fewest %4, most %5")},
    {CORE_TEXT("All hits in %1 of %2 runs; epochs to all hits: median %3, fewest %4, most %5")},

    // The step explanation: the formulas stay, their words are translated.
    {CORE_TEXT("net = \u03a3 x\u1d62 \u00b7 w\u1d62 + \u03b8 = (%1 inputs) + %2 = %3")},
    {CORE_TEXT("a = 1 if net \u2265 0, else 0: a = %1")},
    {CORE_TEXT("%1  (the sigmoid's slope)")},
    {CORE_TEXT("Overflow: a new weight would not be finite, so this unit's update stopped there; that weight and the ones after it kept their values.")},
    {CORE_TEXT("\u0394w\u1d62 = c \u00b7 x\u1d62: %1 of %2 weights changed (the inputs that are 0 change nothing).")},
    {CORE_TEXT("\u03b8 is frozen: %1")},
    {CORE_TEXT("%1 (unchanged)")},
};
// clang-format on

// One pattern ready to match: anchored, its parts captured in the order they
// appear, with the longest fixed piece to rule it out cheaply.
struct Compiled {
    const Pattern* pattern;
    QRegularExpression expression;
    std::vector<int> parts;  // the %n of each capture
    QString longestPiece;
    qsizetype fixedLength = 0;
};

std::vector<Compiled> Compile()
{
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    std::vector<Compiled> all;
    for (const Pattern& pattern : Patterns) {
        const QString english = QString::fromUtf8(pattern.english);
        Compiled c{&pattern, {}, {}, {}, 0};
        QString expression = QStringLiteral("^");
        qsizetype at = 0;
        auto addPiece = [&](const QString& piece) {
            expression += QRegularExpression::escape(piece);
            c.fixedLength += piece.size();
            if (piece.size() > c.longestPiece.size())
                c.longestPiece = piece;
        };
        for (auto it = placeholder.globalMatch(english); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            addPiece(english.mid(at, match.capturedStart() - at));
            expression += QStringLiteral("(.*?)");
            c.parts.push_back(match.captured(1).toInt());
            at = match.capturedEnd();
        }
        addPiece(english.mid(at));
        expression += QLatin1Char('$');
        c.expression = QRegularExpression(expression);
        all.push_back(std::move(c));
    }
    // Wrapping sentences first, and among equals the most specific: "The file
    // \"%1\" cannot be opened as a saved network: %2." before "The file \"%1\" %2.".
    std::stable_sort(all.begin(), all.end(), [](const Compiled& a, const Compiled& b) {
        if (a.pattern->wraps != b.pattern->wraps)
            return a.pattern->wraps;
        return a.fixedLength > b.fixedLength;
    });
    return all;
}

const std::vector<Compiled>& CompiledPatterns()
{
    static const std::vector<Compiled> compiled = Compile();
    return compiled;
}

struct Outcome {
    QString text;
    bool known = true;
};

Outcome Translated(const QString& text);

// %1..%9 of `translation` replaced by the parts in one pass, so a part that
// itself holds "%2" (a file name, say) is never replaced again.
QString PutBack(const QString& translation, const QString (&parts)[10])
{
    QString out;
    out.reserve(translation.size() + 32);
    for (qsizetype i = 0; i < translation.size(); ++i) {
        const QChar c = translation[i];
        if (c == QLatin1Char('%') && i + 1 < translation.size() && translation[i + 1] >= QLatin1Char('1') &&
            translation[i + 1] <= QLatin1Char('9')) {
            out += parts[translation[i + 1].digitValue()];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// A line of words needs a pattern; a formula ("e = t − a = 1 − 0 = 1") has
// none but "net" and passes as it is.
bool HasWords(const QString& line)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    for (auto it = word.globalMatch(line); it.hasNext();) {
        if (it.next().captured() != QLatin1String("net"))
            return true;
    }
    return false;
}

Outcome TranslatedLine(const QString& line)
{
    // Leading and trailing blanks ("  Hits: 4", "Overflow error: ") belong to
    // the layout, not to the sentence.
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == QLatin1Char(' '))
        ++first;
    while (last > first && line[last - 1] == QLatin1Char(' '))
        --last;
    const QString core = line.mid(first, last - first);
    if (core.isEmpty())
        return {line, true};
    for (const Compiled& c : CompiledPatterns()) {
        if (!core.contains(c.longestPiece))
            continue;
        const QRegularExpressionMatch match = c.expression.match(core);
        if (!match.hasMatch())
            continue;
        Outcome outcome;
        QString parts[10];
        for (std::size_t i = 0; i < c.parts.size(); ++i) {
            const int n = c.parts[i];
            parts[n] = match.captured(static_cast<int>(i) + 1);
            if (c.pattern->nested & (1u << n)) {
                Outcome part = Translated(parts[n]);
                parts[n] = part.text;
                outcome.known = outcome.known && part.known;
            }
        }
        const QString translation = QCoreApplication::translate("CoreTexts", c.pattern->english);
        outcome.text = line.left(first) + PutBack(translation, parts) + line.mid(last);
        return outcome;
    }
    return {line, !HasWords(core)};
}

Outcome Translated(const QString& text)
{
    Outcome whole{QString(), true};
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
            continue;
        Outcome line = TranslatedLine(text.mid(start, i - start));
        whole.text += line.text;
        whole.known = whole.known && line.known;
        if (i < text.size())
            whole.text += text[i];
        start = i + 1;
    }
    return whole;
}

}  // namespace

QString ShownText(const QString& english) { return Translated(english).text; }

QString ShownText(std::string_view english)
{
    return ShownText(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())));
}

bool IsKnownCoreText(std::string_view english)
{
    return Translated(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()))).known;
}

}  // namespace vantorelle
