// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's options that make a training set instead of training: a set
// made by a generator (--make) or imported from CSV (--import), perhaps split
// in two (--split, --held-out), written as ".net" files (-o).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CsvImport.h"
#include "SetGenerators.h"

namespace vantorelle::cli {

struct Options;

// What --make asks for: NAME[:KEY=VALUE,...].
struct MakeRecipe {
    enum Kind { Logic, Clouds, Letters } kind = Logic;
    LogicFunction function = LogicFunction::And;
    long inputs = 2;
    CloudParams clouds;
    LetterParams letters;
};

struct SetOptions {
    std::optional<MakeRecipe> make;
    std::optional<std::string> importFile;
    CsvOptions csv;  // --inputs, --outputs, --class, --delimiter, --header, --decimal
    std::optional<double> splitPercent;
    std::optional<std::string> heldOutFile;
    std::string setFile;  // -o when making a set
    bool Making() const { return make || importFile; }
};

// Reads a --make value; empty when it is understood, otherwise why not.
std::string ParseMakeRecipe(const std::string& text, std::optional<MakeRecipe>& recipe);
std::string ParseColumns(const std::string& text, std::vector<long>& columns);
std::string ParseClassColumn(const std::string& text, std::optional<long>& column);
std::string ParseDelimiter(const std::string& text, char& delimiter);
std::string ParseDecimal(const std::string& text, DecimalMark& decimal);
std::string ParseSplit(const std::string& text, std::optional<double>& percent);

// After every argument is read: the set options fit together and with the
// rest (-o names the set file when a set is made, and nothing that trains is
// given then). `given` holds each option as it was typed, in order. Empty
// when they fit, otherwise one line for the user.
std::string SetOptionsRefusal(Options& options, const std::vector<std::string>& given);

}  // namespace vantorelle::cli
