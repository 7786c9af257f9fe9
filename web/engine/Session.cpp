// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

#include "ReadWarnings.h"
#include "Response.h"
#include "ResultsReport.h"
#include "StartRanges.h"
#include "StatusLines.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"
#include "WorkerObserver.h"

namespace vantorelle::web {

namespace {

// The page writes numbers the C way, as the trainer's options do.
const NumberLocale PageLocale{};

nlohmann::json Refused(const std::string& field, const std::string& message, const std::string& title = {},
                       const std::string& correction = {})
{
    return {{"refused", true}, {"field", field}, {"title", title}, {"message", message}, {"correction", correction}};
}

const char* FieldName(SettingsField field)
{
    switch (field) {
    case SettingsField::Epochs: return "epochs";
    case SettingsField::StopMethod: return "stop";
    case SettingsField::LearningRate: return "rate";
    case SettingsField::PrintSweeps: return "printEvery";
    case SettingsField::MinError: return "minError";
    case SettingsField::Network: break;
    }
    return "network";
}

nlohmann::json SettingsRefusal(const SettingsProblem& problem)
{
    return Refused(FieldName(problem.field), problem.message, problem.title, problem.correction);
}

std::string Text(const nlohmann::json& setup, const char* key)
{
    return setup.contains(key) && setup[key].is_string() ? setup[key].get<std::string>() : std::string();
}

bool Flag(const nlohmann::json& setup, const char* key, bool otherwise)
{
    return setup.contains(key) && setup[key].is_boolean() ? setup[key].get<bool>() : otherwise;
}

SettingsInput InputOf(const nlohmann::json& setup)
{
    SettingsInput input;
    input.Epochs = EnteredNumber::FromText(Text(setup, "epochs"), PageLocale);
    input.LearningRate = EnteredNumber::FromText(Text(setup, "rate"), PageLocale);
    input.PrintSweeps = EnteredNumber::FromText(Text(setup, "printEvery"), PageLocale);
    input.MinError = EnteredNumber::FromText(Text(setup, "minError"), PageLocale);
    input.StopAtMaxEpochs = Flag(setup, "stopAtMaxEpochs", true);
    input.StopWhenAllHits = Flag(setup, "stopWhenAllHits", true);
    return input;
}

struct StartRange {
    double min = 0;
    double max = 0;
    StartSign sign = StartSign::Both;
};

// A start range from the page's three boxes; an answer when it cannot be used.
std::optional<nlohmann::json> ReadRange(const nlohmann::json& setup, const char* key, const StartRangeKind& kind,
                                        StartRange& range)
{
    if (!setup.contains(key))
        return std::nullopt;
    const nlohmann::json& boxes = setup[key];
    const auto min = ParseBoxNumber(Text(boxes, "min"), PageLocale);
    const auto max = ParseBoxNumber(Text(boxes, "max"), PageLocale);
    if (!min || !max)
        return Refused(key, std::string("The ") + kind.what + " range needs a number in each of its boxes.");
    if (const StartRangeFault fault = CheckStartRange(*min, *max); fault != StartRangeFault::None)
        return Refused(key, StartRangeMessage(kind, fault));
    range = {*min, *max, StartSignFromName(Text(boxes, "sign"))};
    if (range.sign == StartSign::None)
        range.sign = StartSign::Both;
    return std::nullopt;
}

std::optional<std::uint64_t> ReadSeed(const std::string& text)
{
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seed;
}

nlohmann::json Sizes(const NetworkState& net)
{
    return {{"outputs", net.NumOutputs}, {"inputs", net.NumInputs}, {"patterns", net.NumPatterns}};
}

}  // namespace

Session::Session() : saved(std::make_unique<SavedNetwork>()), random(std::make_unique<MersenneRandom>()) {}

nlohmann::json Session::CheckHeader(const std::string& name, const std::string& firstBytes) const
{
    std::istringstream source(firstBytes);
    FileHeader header;
    const ReadResult read = ReadTrainingFileHeader(source, name, header);
    return {{"ok", read.ok}, {"message", read.message}};
}

nlohmann::json Session::OpenTrainingFile(const std::string& name, const std::string& bytes)
{
    std::istringstream source(bytes);
    auto fresh = std::make_unique<SavedNetwork>();
    NetworkState& net = fresh->net;
    const ReadResult read = ReadTrainingFile(net, source, name, bytes.size());
    if (!read.ok)
        return {{"ok", false}, {"message", read.message}};
    net.TrainingFileName = FileBaseName(name);
    net.FreshStart = true;
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    saved = std::move(fresh);
    loaded = true;
    nlohmann::json answer = {{"ok", true}, {"sizes", Sizes(net)}, {"name", net.TrainingFileName}};
    answer["warnings"] = cli::ReadWarnings(read, name, FileRole::Training);
    return answer;
}

nlohmann::json Session::OpenSavedNetwork(const std::string& name, const std::string& text)
{
    auto fresh = std::make_unique<SavedNetwork>();
    if (const auto problem = ReadSavedNetwork(text, *fresh))
        return {{"ok", false}, {"message", SavedNetworkMessage(name, *problem)}};
    saved = std::move(fresh);
    if (saved->random)
        random->Restore(*saved->random);
    loaded = true;
    const NetworkState& net = saved->net;
    const SavedPage& page = saved->page;
    nlohmann::json setup = {{"rule", RuleName(net.LearningRule)},
                            {"fileOrder", !net.RandomizeOrder},
                            {"freezeThresholds", net.FreezeThresholds},
                            {"epochs", page.epochsBox},
                            {"rate", page.rateBox},
                            {"printEvery", page.printEveryBox},
                            {"minError", page.minErrorBox},
                            {"stopAtMaxEpochs", net.StopAtMaxEpochs},
                            {"stopWhenAllHits", net.StopWhenAllHits}};
    const StatusLines lines = ShowsStatus(page) ? SavedStatusLines(page) : TrainedLines(net, PageLocale);
    return {{"ok", true}, {"sizes", Sizes(net)}, {"name", net.TrainingFileName}, {"setup", setup},
            {"status", LinesJson(lines)}};
}

void Session::ApplySetup(const nlohmann::json& setup)
{
    NetworkState& net = saved->net;
    const RuleKind rule = RuleKindFromName(Text(setup, "rule"));
    net.LearningRule = rule == RuleKind::None ? defaults::Rule : rule;
    net.RandomizeOrder = !Flag(setup, "fileOrder", !defaults::RandomizeOrder);
    net.FreezeThresholds = Flag(setup, "freezeThresholds", defaults::FreezeThresholds);
}

nlohmann::json Session::Run(const nlohmann::json& setup, bool fresh)
{
    if (!loaded)
        return Refused("network", "Open a training file first.");
    NetworkState& net = saved->net;
    StartRange weights{net.WeightMin, net.WeightMax, net.WeightSign};
    StartRange thresholds{net.ThresholdMin, net.ThresholdMax, net.ThresholdSign};
    if (fresh) {
        if (auto refusal = ReadRange(setup, "weights", WeightRange, weights))
            return *refusal;
        if (auto refusal = ReadRange(setup, "thresholds", ThresholdRange, thresholds))
            return *refusal;
        // A typed seed repeats its run at every Start; an empty box draws from the clock.
        const std::string seedText = Text(setup, "seed");
        if (!seedText.empty()) {
            const auto seed = ReadSeed(seedText);
            if (!seed)
                return Refused("seed", "The seed must be a whole number from 0 to 18446744073709551615.");
            random = std::make_unique<MersenneRandom>(*seed);
        } else {
            random = std::make_unique<MersenneRandom>();
        }
    }
    ApplySetup(setup);
    if (fresh) {
        net.WeightMin = weights.min;
        net.WeightMax = weights.max;
        net.WeightSign = weights.sign;
        net.ThresholdMin = thresholds.min;
        net.ThresholdMax = thresholds.max;
        net.ThresholdSign = thresholds.sign;
        saved->lastDisplayedSSE = 0;
    }
    WorkerObserver observer(PageLocale);
    const SettingsInput input = InputOf(setup);
    const Refusal refusal = fresh ? StartTraining(net, input, *random, observer, saved->lastDisplayedSSE)
                                  : ContinueTraining(net, input, *random, observer, saved->lastDisplayedSSE);
    if (refusal)
        return SettingsRefusal(*refusal);
    KeepStatusLines(saved->page, observer.LastLines);
    return {{"refused", false}, {"status", LinesJson(observer.LastLines)}};
}

nlohmann::json Session::Start(const nlohmann::json& setup) { return Run(setup, true); }
nlohmann::json Session::Continue(const nlohmann::json& setup) { return Run(setup, false); }

nlohmann::json Session::Probe(long pattern)
{
    NetworkState& net = saved->net;
    if (!loaded || pattern < 1 || pattern > net.NumPatterns)
        return {{"ok", false}, {"message", "Enter a pattern number from 1 to " + std::to_string(net.NumPatterns) + "."}};
    ComputeResponse(net, pattern);
    nlohmann::json inputs = nlohmann::json::array(), outputs = nlohmann::json::array();
    for (long i = 1; i <= net.NumInputs; ++i)
        inputs.push_back(net.InputPatterns(pattern, i));
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const Unit& unit = net.OutputUnits[k];
        outputs.push_back({{"response", FormatGeneral(unit.Activation, PageLocale)},
                           {"desired", FormatGeneral(unit.Target, PageLocale)},
                           {"error", FormatGeneral(unit.Error, PageLocale)},
                           {"hit", unit.Error * unit.Error < net.MinError}});
    }
    nlohmann::json inputTexts = nlohmann::json::array();
    for (const auto& v : inputs)
        inputTexts.push_back(FormatGeneral(v.get<double>(), PageLocale));
    return {{"ok", true}, {"pattern", pattern}, {"inputs", inputTexts}, {"outputs", outputs}};
}

nlohmann::json Session::TestOnFile(const std::string& name, const std::string& bytes)
{
    if (!loaded)
        return {{"ok", false}, {"message", "Open a training file first."}};
    NetworkState read;
    std::istringstream source(bytes);
    if (ReadResult result = ReadTrainingFile(read, source, name, bytes.size(), FileRole::Test); !result.ok)
        return {{"ok", false}, {"message", result.message}};
    NetworkState& net = saved->net;
    if (!AdoptTestPatterns(net, read, FileBaseName(name)))
        return {{"ok", false},
                {"message", "The test file has " + std::to_string(read.NumInputs) + " inputs and " +
                                std::to_string(read.NumOutputs) + " outputs; the network has " +
                                std::to_string(net.NumInputs) + " and " + std::to_string(net.NumOutputs) + "."}};
    EvaluateTrainingSet(net);
    return {{"ok", true}, {"sizes", Sizes(net)}, {"name", net.TrainingFileName},
            {"status", LinesJson(ResultLines(net, PageLocale))}};
}

nlohmann::json Session::Picture()
{
    NetworkState& net = saved->net;
    nlohmann::json weights = nlohmann::json::array(), thresholds = nlohmann::json::array(),
                   kinds = nlohmann::json::array(), patterns = nlohmann::json::array(),
                   history = nlohmann::json::array();
    for (long k = 1; k <= net.NumOutputs; ++k) {
        nlohmann::json row = nlohmann::json::array();
        for (long i = 1; i <= net.NumInputs; ++i)
            row.push_back(net.Weights(i, k));
        weights.push_back(std::move(row));
        thresholds.push_back(net.OutputUnits[k].Threshold);
        kinds.push_back(UnitKindName(net.OutputUnits[k].UnitType));
    }
    // The patterns only where the decision plane draws them.
    if (net.NumInputs == 2) {
        for (long p = 1; p <= net.NumPatterns; ++p) {
            ComputeResponse(net, p);
            nlohmann::json desired = nlohmann::json::array(), hit = nlohmann::json::array();
            for (long k = 1; k <= net.NumOutputs; ++k) {
                desired.push_back(net.DesiredOutputs(p, k));
                const double e = net.OutputUnits[k].Error;
                hit.push_back(e * e < net.MinError);
            }
            patterns.push_back({{"x", net.InputPatterns(p, 1)}, {"y", net.InputPatterns(p, 2)},
                                {"desired", desired}, {"hit", hit}});
        }
    }
    for (int r = 1; r <= net.SSERecordCount; ++r)
        history.push_back({net.SSEHistory[r].Epochs, net.SSEHistory[r].SSE});
    return {{"sizes", Sizes(net)}, {"name", net.TrainingFileName}, {"trained", net.EpochCount > 0},
            {"weights", weights}, {"thresholds", thresholds}, {"kinds", kinds}, {"patterns", patterns},
            {"history", history}, {"dropped", net.SSERecordsDropped}};
}

std::vector<double> Session::Plane(long unit, double low, double high, long cells)
{
    std::vector<double> values;
    const NetworkState& net = saved->net;
    if (!loaded || net.NumInputs != 2 || unit < 1 || unit > net.NumOutputs || cells < 2)
        return values;
    // One pattern at each point of the plane, through the same response as training.
    auto probe = std::make_unique<NetworkState>();
    probe->NumInputs = 2;
    probe->NumOutputs = net.NumOutputs;
    probe->NumPatterns = 1;
    probe->InputPatterns.Resize(1, 2);
    probe->DesiredOutputs.Resize(1, net.NumOutputs);
    probe->Weights = net.Weights;
    probe->OutputUnits = net.OutputUnits;
    probe->InputUnits = net.InputUnits;
    values.reserve(static_cast<std::size_t>(cells * cells));
    const double step = (high - low) / static_cast<double>(cells - 1);
    for (long row = 0; row < cells; ++row) {
        for (long col = 0; col < cells; ++col) {
            probe->InputPatterns(1, 1) = low + step * static_cast<double>(col);
            probe->InputPatterns(1, 2) = high - step * static_cast<double>(row);
            ComputeResponse(*probe, 1);
            values.push_back(probe->OutputUnits[unit].Activation);
        }
    }
    return values;
}

std::string Session::Report(const nlohmann::json& request)
{
    if (!loaded)
        return {};
    ReportRequest report;
    report.path = "/tmp/report.txt";
    if (request.contains("sections") && request["sections"].is_array() &&
        request["sections"].size() == ReportSectionCount)
        for (int s = 0; s < ReportSectionCount; ++s)
            report.sections[s] = request["sections"][s].get<bool>();
    report.date = Text(request, "date");
    report.time = Text(request, "time");
    report.locale = PageLocale;
    struct Silent : ReportObserver {
        void StageReached(ReportStage) override {}
    } observer;
    struct Collected : Messages {
        void Warning(std::string_view, std::string_view) override {}
        void Error(std::string_view) override {}
    } messages;
    if (!WriteResultsReport(saved->net, report, observer, messages))
        return {};
    std::ifstream written(report.path, std::ios::binary);
    return {std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>()};
}

std::string Session::SavedNetworkText(const nlohmann::json& setup)
{
    if (!loaded)
        return {};
    SavedPage& page = saved->page;
    page.epochsBox = Text(setup, "epochs");
    page.printEveryBox = Text(setup, "printEvery");
    page.rateBox = Text(setup, "rate");
    page.minErrorBox = Text(setup, "minError");
    saved->random = random->State();
    return WriteSavedNetwork(*saved);
}

}  // namespace vantorelle::web
