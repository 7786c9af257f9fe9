// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonData.h"

#include <memory>
#include <sstream>

#include "Random.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {

const char* LogicName(LogicFunction function, long inputs)
{
    switch (function) {
    case LogicFunction::And: return "AND";
    case LogicFunction::Or: return "OR";
    case LogicFunction::Nand: return "NAND";
    case LogicFunction::Xor: return inputs > 2 ? "parity" : "XOR";
    }
    return "";
}

std::string FileName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The set the lesson's source gives, before any patterns are held out.
std::variant<TrainingSet, std::string> SourceSet(const LessonData& data, const std::string& folder, Random& random,
                                                 std::string& name)
{
    switch (data.source) {
    case LessonData::Source::File: {
        const std::string path = data.file.front() == '/' ? data.file : folder + "/" + data.file;
        auto read = std::make_unique<NetworkState>();
        const ReadResult result = ReadTrainingFile(*read, path);
        if (!result.ok)
            return result.message;
        name = FileName(data.file);
        return SetOf(*read);
    }
    case LessonData::Source::Logic:
        name = std::string(LogicName(data.logic, data.inputs)) + " of " + std::to_string(data.inputs) + " inputs";
        return LogicSet(data.logic, data.inputs);
    case LessonData::Source::Clouds:
        name = std::to_string(data.clouds.classes) + " clouds of points";
        return CloudSet(data.clouds, random);
    case LessonData::Source::Letters:
        name = "letters " + data.letters.letters;
        return LetterSet(data.letters, random);
    }
    return std::string("The lesson names no training set.");
}

// The one path from a set to the network's patterns: its training-file text, read back.
std::variant<std::unique_ptr<NetworkState>, std::string> ReadSet(const TrainingSet& set, const std::string& name)
{
    if (std::string problem = SetProblem(set); !problem.empty())
        return problem;
    const std::string text = TrainingFileText(set);
    std::istringstream source(text);
    auto read = std::make_unique<NetworkState>();
    const ReadResult result = ReadTrainingFile(*read, source, name, text.size());
    if (!result.ok)
        return result.message;
    return read;
}

}  // namespace

std::variant<LessonSets, std::string> MakeLessonSets(const LessonData& data, const std::string& folder)
{
    MersenneRandom random(data.seed);
    LessonSets sets;
    auto made = SourceSet(data, folder, random, sets.name);
    if (auto* problem = std::get_if<std::string>(&made))
        return *problem;
    TrainingSet& whole = std::get<TrainingSet>(made);
    if (!data.name.empty())
        sets.name = data.name;
    if (data.heldOutPercent <= 0) {
        sets.training = std::move(whole);
        return sets;
    }
    const long heldOut = HeldOutCount(whole.NumPatterns(), data.heldOutPercent);
    if (heldOut < 1 || heldOut >= whole.NumPatterns())
        return "Holding out " + std::to_string(data.heldOutPercent) + "% of " + std::to_string(whole.NumPatterns()) +
               " patterns would leave one part empty.";
    SplitSets split = SplitSet(whole, heldOut, random);
    sets.training = std::move(split.kept);
    sets.heldOut = std::move(split.heldOut);
    return sets;
}

std::string UseTrainingSet(NetworkState& net, const TrainingSet& set, const std::string& name)
{
    auto read = ReadSet(set, name);
    if (auto* problem = std::get_if<std::string>(&read))
        return *problem;
    AdoptTrainingData(net, *std::get<std::unique_ptr<NetworkState>>(read));
    net.TrainingFileName = name;
    net.FreshStart = true;
    // No epoch has been trained on this set yet: testing it means nothing until one has.
    net.EpochCount = 0;
    return {};
}

bool UseTestSet(NetworkState& net, const TrainingSet& set, const std::string& name)
{
    auto read = ReadSet(set, name);
    if (std::holds_alternative<std::string>(read))
        return false;
    return AdoptTestPatterns(net, *std::get<std::unique_ptr<NetworkState>>(read), name);
}

}  // namespace vantorelle
