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

// clang-format off
const Pattern Patterns[] = {
    // The training page's status lines.
    {QT_TRANSLATE_NOOP("CoreTexts", "Epochs: %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Total SSE: %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Change in SSE: %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Hits: %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Misses: %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Training: %1")},

    // The settings a run is checked for.
    {QT_TRANSLATE_NOOP("CoreTexts", "Maximum Epochs")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Maximum number of training epochs must be greater than zero.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "No stopping method set")},
    {QT_TRANSLATE_NOOP("CoreTexts", "At least one box for method of ending training must be checked.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Learning Rate")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Learning rate cannot be negative")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Display Interval")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The number of epochs between progress displays must be at least one.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Type mismatch: the %1 box holds \"%2\", which is not a number."), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "Overflow: the number in the %1 box is too large."), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "maximum epochs")},
    {QT_TRANSLATE_NOOP("CoreTexts", "learning rate")},
    {QT_TRANSLATE_NOOP("CoreTexts", "epochs between displays")},
    {QT_TRANSLATE_NOOP("CoreTexts", "minimum error")},

    // The error report and the run's own errors.
    {QT_TRANSLATE_NOOP("CoreTexts", "This version of the code has encountered an error%1."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "with excel")},
    {QT_TRANSLATE_NOOP("CoreTexts", "It would be helpful if you could report this error to %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Please include the following error message as well as")},
    {QT_TRANSLATE_NOOP("CoreTexts", "where the error occured and what version of windows you are using:")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Overflow error:")},
    {QT_TRANSLATE_NOOP("CoreTexts", "An overflow error has occured.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Please consider decreasing the learning rate and trying again.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Out of memory error:")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Please try closing some applications and retrying.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Training stopped after epoch %1:")},
    {QT_TRANSLATE_NOOP("CoreTexts", "A weight, a threshold or the total error is no longer a finite number.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The network's units and weights do not match the patterns of the training file.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Please read the training file again from the first page.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "out of memory")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the network's units and weights do not match its patterns")},

    // The start ranges of weights and thresholds.
    {QT_TRANSLATE_NOOP("CoreTexts", "Minimum cannot be less than 0.  (It is an absolute value.)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The minimum weight cannot be greater than the maximum weight.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The range has been set back to its default: minimum %1, maximum %2.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The entry for minimum bias cannot be less than zero.  (It is an absolute value)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The minimum threshold start cannot be greater than the maximum threshold start.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Both have been set back to %1.")},

    // Reading a training or test file.
    {QT_TRANSLATE_NOOP("CoreTexts", "The training file \"%1\"")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The test file \"%1\"")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 cannot be read."), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 cannot be used: %2"), Nested({1, 2}), Wraps},
    // The system's own reason (strerror) stays as the system gives it.
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 cannot be opened: %2."), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 cannot be opened: it is a folder."), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 cannot be opened: it is not an ordinary file."), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 cannot be opened: unknown error."), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "value %1 (line %2, column %3)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1, \"%2\", is too long to be a number."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1, \"%2\", is not a number."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "the file ends before %1."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "the number of outputs")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the second header value")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the number of inputs")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the number of patterns")},
    {QT_TRANSLATE_NOOP("CoreTexts", "all input values are read")},
    {QT_TRANSLATE_NOOP("CoreTexts", "all desired outputs are read")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 must be a whole number, not %2."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 must be from 1 to %2, not %3."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 outputs times %2 patterns make %3 responses; at most %4 are allowed.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 patterns of %2 inputs would need more memory than this program allows.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the file ends before all %1 pattern values; it is only %2 bytes long.")},
    // What is said of a file read, after its name (the load page's note).
    {QT_TRANSLATE_NOOP("CoreTexts", "The file \"%1\" %2."), Nested({2}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "has more values than its header asks for; the rest are ignored (numbers take a \".\" decimal point)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 empty field (\",,\"), read as no value at all")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 empty fields (\",,\"), read as no value at all")},

    // Importing a CSV file.
    {QT_TRANSLATE_NOOP("CoreTexts", "The CSV file \"%1\"")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The CSV file \"%1\" cannot be opened: %2."), 0, Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The CSV file \"%1\" cannot be opened: unknown error."), 0, Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "no input columns are chosen.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "no output columns and no class column are chosen.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "column %1 does not exist; columns are numbered from 1.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "column %1 is chosen twice.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "column %1 is chosen, but row %2 has only %3 column.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "column %1 is chosen, but row %2 has only %3 columns.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "row %1 has %2 column, but row %3 has %4.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "row %1 has %2 columns, but row %3 has %4.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "row %1, column %2")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 is empty."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1, \"%2\", is not a number with a decimal comma; it has a decimal point, but decimal commas were chosen."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1, \"%2\", is not a number with a decimal point; it has a decimal comma, but decimal points were chosen."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "row %1 holds a cell longer than %2 bytes.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "row %1 has a quote (\") inside a cell that does not begin with one, or after a quoted cell's end.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Row %1 has a quote (\") inside a cell that does not begin with one, or after a quoted cell's end.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the file ends inside a quoted cell (a quote that is never closed).")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it holds only a header row.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it holds no rows.")},

    // Making a training set.
    {QT_TRANSLATE_NOOP("CoreTexts", "The %1 set cannot be made: %2"), Nested({2}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The table cannot be saved as a training file: %1"), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "the number of inputs must be from 1 to %1.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the number of classes must be from 2 to 26.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the number of points per class must be from 1 to %1.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the spread must be above 0 and at most 10.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 must be a share from 0 to 1."), Nested({1})},
    {QT_TRANSLATE_NOOP("CoreTexts", "the noise")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the spread")},
    {QT_TRANSLATE_NOOP("CoreTexts", "no letters given.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the letters must be capitals from A to Z, not \"%1\".")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the letter %1 is given twice.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the number of copies must be from 1 to %1.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "input %1 of pattern %2 is not a finite number.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "desired output %1 of pattern %2 is not a finite number.")},

    // Opening a saved network.
    {QT_TRANSLATE_NOOP("CoreTexts", "The file \"%1\" cannot be opened as a saved network: %2."), Nested({2}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The network in use has not been changed.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the field %1 is missing")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 holds %2, which is not a number")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 holds %2, which is not a whole number")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 holds %2, which is not from %3 to %4")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 holds %2, which is not a whole number from 0 to %3")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 is not true or false")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 is not a text in quotes")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 is not a list")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 has %2 entries where %3 says %4"), Nested({3})},
    {QT_TRANSLATE_NOOP("CoreTexts", "an epoch count and a total SSE")},
    {QT_TRANSLATE_NOOP("CoreTexts", "the page's five lines")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 is %2, not one of %3")},
    {QT_TRANSLATE_NOOP("CoreTexts", "\"sizes\" give %1 responses, more than %2")},
    {QT_TRANSLATE_NOOP("CoreTexts", "\"results.history\" has %1 rows, more than the %2 a history keeps")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 is not the state of the random generator")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it does not begin with \"format\": \"%1\"")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it is in format version %1, written by a later Vantorelle; this one reads version %2")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it is not JSON text, or it is cut short (at byte %1)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it holds a number beyond the range of a double (%1; write \"Infinity\" or \"-Infinity\" for one)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it needs more memory than there is")},
    {QT_TRANSLATE_NOOP("CoreTexts", "it cannot be read")},

    // Saving the report, the workbook and made sets (the files themselves stay English).
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 being saved...")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 has not been saved!")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 has been saved!")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Please be patient while the spreadsheet is built...")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The workbook has been written to %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The report could not be saved as \"%1\".")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The training set could not be saved as \"%1\".")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The network could not be saved as \"%1\".")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The earlier file of that name has been left as it was.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "No file has been changed.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The folder \"%1\" does not exist.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Part of the path is not a folder.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Permission denied.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The disk is full.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The disk is read-only.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "A folder of that name is in the way.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The name is too long.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The program reading from the pipe stopped reading.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "No program is reading from the pipe.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "A socket of that name is in the way.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "A disk device of that name is in the way.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Something of that name that is not a file is in the way.")},

    // The seed sweep's summary.
    {QT_TRANSLATE_NOOP("CoreTexts", "All hits in %1 of %2 run")},
    {QT_TRANSLATE_NOOP("CoreTexts", "All hits in %1 of %2 runs")},
    {QT_TRANSLATE_NOOP("CoreTexts", "All hits at the end in %1 of %2 run")},
    {QT_TRANSLATE_NOOP("CoreTexts", "All hits at the end in %1 of %2 runs")},
    {QT_TRANSLATE_NOOP("CoreTexts", "All hits in %1 of %2 run; epochs to all hits: median %3, fewest %4, most %5")},
    {QT_TRANSLATE_NOOP("CoreTexts", "All hits in %1 of %2 runs; epochs to all hits: median %3, fewest %4, most %5")},

    // Lesson files: the file, then where in it, then what is wrong there.
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\" cannot be read."), 0, Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\" is not valid JSON: %2."), 0, Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\" %2."), Nested({2}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\": step %2 %3."), Nested({3}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\": \"data\" %2."), Nested({2}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\": \"settings\" %2."), Nested({2}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\": the \"data\" of step %2 %3."), Nested({3}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\": the \"settings\" of step %2 %3."), Nested({3}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson file \"%1\": step %2 tests on held-out patterns, but the lesson's \"data\" holds none out (\"holdOutPercent\")."), 0, Wraps},
    // A translated copy of a lesson that does not match its original.
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" names another training set in \"data\" than the original.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has other \"settings\" than the original.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has %2 steps; the original has %3.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has in step %2 another training set than the original.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has in step %2 other settings than the original.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has in step %2 another action than the original.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has in step %2 a question the original does not ask.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has in step %2 no question; the original asks one.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has in step %2 an \"actionLabel\" the original does not have.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The translated lesson file \"%1\" has in step %2 no \"actionLabel\"; the original has one.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "must be an object in braces { }")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has no %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 that is not a text in quotes")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 that is not a number")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 %2, outside %3 to %4")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 that is not a whole number")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 that is not a whole number from 0 up")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has %1 that is neither true nor false")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has a field %1 that lessons do not know")},
    {QT_TRANSLATE_NOOP("CoreTexts", "needs either \"file\" or \"generate\", not both or neither")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has an empty %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "asks for a set that cannot be made: %1"), Nested({1}), Wraps},
    {QT_TRANSLATE_NOOP("CoreTexts", "has \"generate\" %1; it must be and, or, nand, xor, parity, clouds or letters")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has \"rule\" %1; it must be Delta, Gradient or Tarvik")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has \"action\" %1; it must be one of %2")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has an answer but no question")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has a question but no answer")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has an \"actionLabel\" but no \"action\"")},
    {QT_TRANSLATE_NOOP("CoreTexts", "does not start with \"lesson\": 1, the format version")},
    {QT_TRANSLATE_NOOP("CoreTexts", "is of lesson format %1, which this program does not know (it reads %2)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has no \"data\": every lesson names its training set")},
    {QT_TRANSLATE_NOOP("CoreTexts", "has no \"steps\": a list [ ] of at least one step")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Holding out %1% of %2 patterns would leave one part empty.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "The lesson names no training set.")},

    // The confusion tables (the headings keep their columns' widths: 4, 8 and 8).
    {QT_TRANSLATE_NOOP("CoreTexts", "Unit    Hits  Misses")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Classes: rows the class wanted, columns the class answered (the highest activation)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Accuracy: %1 of %2 patterns, %3%")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Training file: %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Tested on: %1")},

    // Kept runs side by side: the rows' labels and their worded values.
    {QT_TRANSLATE_NOOP("CoreTexts", "%1, rate %2")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1, rate %2, seed %3")},
    {QT_TRANSLATE_NOOP("CoreTexts", "not reached")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Training file")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Learning rule")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Learning rate")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Hit criterion")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Epoch limit")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Stop at all hits")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Pattern order")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Thresholds")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Weight starts")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Threshold starts")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Display every")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Seed")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Epochs trained")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Epochs to all hits")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Total SSE")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Hits")},
    {QT_TRANSLATE_NOOP("CoreTexts", "none")},
    {QT_TRANSLATE_NOOP("CoreTexts", "yes")},
    {QT_TRANSLATE_NOOP("CoreTexts", "no")},
    {QT_TRANSLATE_NOOP("CoreTexts", "random")},
    {QT_TRANSLATE_NOOP("CoreTexts", "file order")},
    {QT_TRANSLATE_NOOP("CoreTexts", "held")},
    {QT_TRANSLATE_NOOP("CoreTexts", "trained")},
    {QT_TRANSLATE_NOOP("CoreTexts", "unknown")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 to %2, %3"), Nested({3})},
    // The signs a start range allows (also on the training page).
    {QT_TRANSLATE_NOOP("CoreTexts", "Pos")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Neg")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Both")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 of %2")},

    // The step explanation: the formulas stay, their words are translated.
    {QT_TRANSLATE_NOOP("CoreTexts", "net = Σ xᵢ · wᵢ + θ = (%1 inputs) + %2 = %3")},
    {QT_TRANSLATE_NOOP("CoreTexts", "a = 1 if net ≥ 0, else 0: a = %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1  (the sigmoid's slope)")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Overflow: a new weight would not be finite, so this unit's update stopped there; that weight and the ones after it kept their values.")},
    {QT_TRANSLATE_NOOP("CoreTexts", "Δwᵢ = c · xᵢ: %1 of %2 weights changed (the inputs that are 0 change nothing).")},
    {QT_TRANSLATE_NOOP("CoreTexts", "θ is frozen: %1")},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 (unchanged)")},
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
