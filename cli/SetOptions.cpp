// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetOptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "NumberFormat.h"
#include "Options.h"
#include "StandardStreams.h"

namespace vantorelle::cli {

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::optional<double> Number(const std::string& text) { return ParseBoxNumber(text, NumberLocale{}); }

std::string WholeValue(const std::string& key, const std::string& value, long& out)
{
    const auto number = Number(value);
    if (!number || *number != std::floor(*number) || std::fabs(*number) > 1e9)
        return key + " must be a whole number";
    out = static_cast<long>(*number);
    return {};
}

std::string ShareValue(const std::string& key, const std::string& value, double& out)
{
    const auto number = Number(value);
    if (!number)
        return key + " must be a number";
    out = *number;
    return {};
}

std::string YesNo(const std::string& key, const std::string& value, bool& out)
{
    const std::string v = Lower(value);
    if (v != "yes" && v != "no")
        return key + " must be yes or no";
    out = v == "yes";
    return {};
}

// One KEY=VALUE of a --make value, for the set `recipe` makes.
std::string ApplyKey(MakeRecipe& recipe, const std::string& key, const std::string& value)
{
    switch (recipe.kind) {
    case MakeRecipe::Logic:
        if (key == "inputs")
            return WholeValue(key, value, recipe.inputs);
        return "unknown key " + key + " (inputs)";
    case MakeRecipe::Clouds:
        if (key == "classes")
            return WholeValue(key, value, recipe.clouds.classes);
        if (key == "points")
            return WholeValue(key, value, recipe.clouds.perClass);
        if (key == "spread")
            return ShareValue(key, value, recipe.clouds.spread);
        if (key == "noise")
            return ShareValue(key, value, recipe.clouds.noise);
        if (key == "separable")
            return YesNo(key, value, recipe.clouds.separable);
        return "unknown key " + key + " (classes, points, spread, noise, separable)";
    case MakeRecipe::Letters:
        if (key == "letters") {
            std::string letters = value;
            std::transform(letters.begin(), letters.end(), letters.begin(),
                           [](unsigned char c) { return std::toupper(c); });
            recipe.letters.letters = letters;
            return {};
        }
        if (key == "copies")
            return WholeValue(key, value, recipe.letters.copies);
        if (key == "noise")
            return ShareValue(key, value, recipe.letters.noise);
        return "unknown key " + key + " (letters, copies, noise)";
    }
    return {};
}

bool StartsSet(const MakeRecipe& recipe, const std::string& name, MakeRecipe& out)
{
    static const std::pair<const char*, LogicFunction> logic[] = {
        {"and", LogicFunction::And}, {"or", LogicFunction::Or}, {"nand", LogicFunction::Nand},
        {"xor", LogicFunction::Xor}};
    out = recipe;
    for (const auto& [word, function] : logic)
        if (name == word) {
            out.kind = MakeRecipe::Logic;
            out.function = function;
            return true;
        }
    if (name == "parity") {
        out.kind = MakeRecipe::Logic;
        out.function = LogicFunction::Xor;
        out.inputs = 3;
        return true;
    }
    if (name == "clouds" || name == "letters") {
        out.kind = name == "clouds" ? MakeRecipe::Clouds : MakeRecipe::Letters;
        return true;
    }
    return false;
}

// What the generator says of the parameters, with the sets' size limits.
std::string RecipeProblem(const MakeRecipe& recipe)
{
    switch (recipe.kind) {
    case MakeRecipe::Logic:
        return LogicProblem(recipe.inputs);
    case MakeRecipe::Clouds:
        return CloudProblem(recipe.clouds);
    case MakeRecipe::Letters:
        return LetterProblem(recipe.letters);
    }
    return {};
}

std::string WithoutFinalStop(std::string text)
{
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

}  // namespace

std::string ParseMakeRecipe(const std::string& text, std::optional<MakeRecipe>& recipe)
{
    const auto colon = text.find(':');
    const std::string name = Lower(text.substr(0, colon));
    MakeRecipe made;
    if (!StartsSet(MakeRecipe{}, name, made))
        return "not one of and, or, nand, xor, parity, clouds, letters";
    if (colon != std::string::npos) {
        std::size_t start = colon + 1;
        while (true) {
            const auto comma = text.find(',', start);
            const std::string pair = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            const auto equals = pair.find('=');
            if (equals == std::string::npos)
                return "\"" + pair + "\" is not KEY=VALUE";
            if (std::string why = ApplyKey(made, Lower(pair.substr(0, equals)), pair.substr(equals + 1)); !why.empty())
                return why;
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    }
    if (std::string problem = RecipeProblem(made); !problem.empty())
        return WithoutFinalStop(problem);
    recipe = made;
    return {};
}

std::string ParseColumns(const std::string& text, std::vector<long>& columns)
{
    const auto list = ParseColumnList(text);
    if (!list)
        return "not a list of column numbers such as 1-4 or 1,3,5-7";
    columns = *list;
    return {};
}

std::string ParseClassColumn(const std::string& text, std::optional<long>& column)
{
    const auto list = ParseColumnList(text);
    if (!list || list->size() != 1)
        return "not one column number";
    column = list->front();
    return {};
}

std::string ParseDelimiter(const std::string& text, char& delimiter)
{
    if (Lower(text) == "tab") {
        delimiter = '\t';
        return {};
    }
    const unsigned char c = text.size() == 1 ? static_cast<unsigned char>(text[0]) : 0;
    if (c == 0 || c == '"' || c == '\r' || c == '\n' || c >= 0x80)
        return "not one character (or tab) other than a quote";
    delimiter = static_cast<char>(c);
    return {};
}

std::string ParseDecimal(const std::string& text, DecimalMark& decimal)
{
    const std::string v = Lower(text);
    if (v != "point" && v != "comma")
        return "not point or comma";
    decimal = v == "point" ? DecimalMark::Point : DecimalMark::Comma;
    return {};
}

std::string ParseSplit(const std::string& text, std::optional<double>& percent)
{
    const auto number = Number(text);
    if (!number || !(*number > 0 && *number < 100))
        return "not a percentage above 0 and below 100";
    percent = *number;
    return {};
}

std::string SetOptionsRefusal(Options& o, const std::vector<std::string>& given)
{
    SetOptions& set = o.set;
    auto was = [&](const std::string& name) { return std::find(given.begin(), given.end(), name) != given.end(); };
    static const char* const csvOnly[] = {"--inputs", "--outputs", "--class", "--delimiter", "--header",
                                          "--no-header", "--decimal"};
    for (const char* name : csvOnly)
        if (was(name) && !set.importFile)
            return std::string(name) + " needs --import FILE.csv";
    if (set.splitPercent.has_value() != set.heldOutFile.has_value())
        return set.splitPercent ? "--split needs --held-out FILE.net" : "--held-out needs --split PERCENT";
    if (set.splitPercent && !set.Making())
        return "--split needs --make or --import";
    if (!set.Making())
        return {};

    if (set.make && set.importFile)
        return "--make and --import: a set is either made or imported";
    // What a set needs, and nothing that trains: making a set trains nothing.
    static const char* const makingOptions[] = {"--make", "--import", "--inputs", "--outputs", "--class",
                                                "--delimiter", "--header", "--no-header", "--decimal", "--split",
                                                "--held-out", "--seed", "-o", "-q", "--quiet"};
    for (const std::string& name : given)
        if (std::none_of(std::begin(makingOptions), std::end(makingOptions), [&](const char* m) { return name == m; }))
            return name + (name == "--report" ? ": a made set has no report; name its file with -o"
                                              : ": making a training set trains nothing");
    if (!o.trainingFile.empty())
        return "\"" + o.trainingFile + "\": making a training set reads no training file";
    if (set.importFile && set.csv.inputs.empty())
        return "--import needs --inputs LIST";
    if (set.importFile && set.csv.outputs.empty() && !set.csv.classColumn)
        return "--import needs --outputs LIST or --class COLUMN";
    if (!o.reportFile)
        return std::string(set.make ? "--make" : "--import") + " needs -o FILE.net (- for standard output)";
    set.setFile = *o.reportFile;
    o.reportFile.reset();
    if (set.heldOutFile && *set.heldOutFile == set.setFile)
        return "--held-out \"" + *set.heldOutFile + "\": the same file as -o";
    if (set.heldOutFile && IsStandardStream(*set.heldOutFile))
        return "--held-out \"-\": only -o can write to standard output";
    return {};
}

}  // namespace vantorelle::cli
