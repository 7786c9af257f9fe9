// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedNetwork.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "TrainingFile.h"

namespace vantorelle {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* FormatName = "Vantorelle saved network";
constexpr const char* NotANumber = "NaN";
constexpr const char* PlusInfinity = "Infinity";
constexpr const char* MinusInfinity = "-Infinity";

// writing

Json Number(double value)
{
    if (std::isnan(value))
        return NotANumber;
    if (std::isinf(value))
        return value < 0 ? MinusInfinity : PlusInfinity;
    return value;
}

// Rows 1..rows of a matrix numbered from 1, each with columns 1..cols.
Json Rows(const Matrix& m, long rows, long cols)
{
    Json out = Json::array();
    for (long r = 1; r <= rows; ++r) {
        Json row = Json::array();
        for (long c = 1; c <= cols; ++c)
            row.push_back(Number(m(r, c)));
        out.push_back(std::move(row));
    }
    return out;
}

Json Settings(const TrainingSettings& s)
{
    Json out;
    out["learningRule"] = RuleName(s.LearningRule);
    out["learningRate"] = Number(s.LearningRate);
    out["minError"] = Number(s.MinError);
    out["printSweeps"] = s.PrintSweeps;
    out["epochLimit"] = s.EpochLimit;
    out["stopAtMaxEpochs"] = s.StopAtMaxEpochs;
    out["stopWhenAllHits"] = s.StopWhenAllHits;
    out["randomizeOrder"] = s.RandomizeOrder;
    out["freezeThresholds"] = s.FreezeThresholds;
    out["weightMin"] = Number(s.WeightMin);
    out["weightMax"] = Number(s.WeightMax);
    out["weightSign"] = SignName(s.WeightSign);
    out["thresholdMin"] = Number(s.ThresholdMin);
    out["thresholdMax"] = Number(s.ThresholdMax);
    out["thresholdSign"] = SignName(s.ThresholdSign);
    return out;
}

Json Units(const Network& net)
{
    Json kinds = Json::array();
    Json thresholds = Json::array();
    for (long k = 1; k <= net.NumOutputs; ++k) {
        kinds.push_back(UnitKindName(net.OutputUnits[k].UnitType));
        thresholds.push_back(Number(net.OutputUnits[k].Threshold));
    }
    Json out;
    out["unitKinds"] = std::move(kinds);
    out["thresholds"] = std::move(thresholds);
    out["weights"] = Rows(net.Weights, net.NumInputs, net.NumOutputs);
    return out;
}

Json Results(const SavedNetwork& saved)
{
    const NetworkState& net = saved.net;
    Json history = Json::array();
    for (int r = 1; r <= net.SSERecordCount; ++r)
        history.push_back(Json::array({Number(net.SSEHistory[r].Epochs), Number(net.SSEHistory[r].SSE)}));
    Json out;
    out["freshStart"] = net.FreshStart;
    out["epochCount"] = net.EpochCount;
    out["totalSSE"] = Number(net.TotalSSE);
    out["hits"] = net.Hits;
    out["lastDisplayedSSE"] = Number(saved.lastDisplayedSSE);
    out["historyRecordsDropped"] = net.SSERecordsDropped;
    out["history"] = std::move(history);
    return out;
}

Json Page(const SavedPage& page)
{
    Json out;
    out["epochsBox"] = page.epochsBox;
    out["printEveryBox"] = page.printEveryBox;
    out["rateBox"] = page.rateBox;
    out["minErrorBox"] = page.minErrorBox;
    out["statusLines"] = page.statusLines;
    out["changeColour"] = page.changeColour;
    out["hitsColour"] = page.hitsColour;
    return out;
}

// Indented like any JSON, except that a list of plain values (a pattern, a
// row of weights, the history's pairs) stays on one line, so that a network
// reads as rows and columns. Every leaf is the library's own text.
void Pretty(const Json& value, int depth, std::string& out)
{
    const std::string indent(static_cast<std::size_t>(depth + 1), ' ');
    const std::string closing(static_cast<std::size_t>(depth), ' ');
    if (value.is_object() && !value.empty()) {
        out += "{\n";
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            out += first ? "" : ",\n";
            first = false;
            out += indent + Json(key).dump() + ": ";
            Pretty(member, depth + 1, out);
        }
        out += "\n" + closing + "}";
        return;
    }
    const bool nested = value.is_array() &&
                        std::any_of(value.begin(), value.end(), [](const Json& e) { return e.is_structured(); });
    if (!nested) {
        out += value.dump(-1, ' ', false, Json::error_handler_t::strict);
        return;
    }
    out += "[\n";
    for (std::size_t i = 0; i < value.size(); ++i) {
        out += indent;
        Pretty(value[i], depth + 1, out);
        out += i + 1 < value.size() ? ",\n" : "\n";
    }
    out += closing + "]";
}

// reading

struct Refused {
    SavedNetworkFault fault;
    std::string reason;
};

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// A field's value by its dotted path, each step checked, so that a message
// can name exactly what is missing or wrong.
class Reader {
public:
    static const Json& At(const Json& parent, const std::string& parentPath, const char* key)
    {
        const std::string path = Join(parentPath, key);
        if (!parent.is_object() || !parent.contains(key))
            throw Refused{SavedNetworkFault::MissingField, "the field " + Quoted(path) + " is missing"};
        return parent.at(key);
    }

    static std::string Join(const std::string& parent, const std::string& key)
    {
        return parent.empty() ? key : parent + "." + key;
    }

    static double Double(const Json& value, const std::string& path)
    {
        // (The library itself refuses numbers beyond a double's range.)
        if (value.is_number())
            return value.get<double>();
        if (value.is_string()) {
            const std::string& s = value.get_ref<const std::string&>();
            if (s == PlusInfinity)
                return HUGE_VAL;
            if (s == MinusInfinity)
                return -HUGE_VAL;
            if (s == NotANumber)
                return std::nan("");
            throw Refused{SavedNetworkFault::BadNumber, Quoted(path) + " holds " + Quoted(s) + ", which is not a number"};
        }
        throw Refused{SavedNetworkFault::BadNumber, Quoted(path) + " holds " + value.dump() + ", which is not a number"};
    }

    static long Whole(const Json& value, const std::string& path, long min, long max)
    {
        if (!value.is_number_integer())
            throw Refused{SavedNetworkFault::BadNumber,
                          Quoted(path) + " holds " + value.dump() + ", which is not a whole number"};
        const auto n = value.get<long long>();
        if (n < min || n > max)
            throw Refused{SavedNetworkFault::BadValue, Quoted(path) + " holds " + value.dump() +
                                                           ", which is not from " + std::to_string(min) + " to " +
                                                           std::to_string(max)};
        return static_cast<long>(n);
    }

    static bool Flag(const Json& value, const std::string& path)
    {
        if (!value.is_boolean())
            throw Refused{SavedNetworkFault::MissingField, Quoted(path) + " is not true or false"};
        return value.get<bool>();
    }

    static std::string Text(const Json& value, const std::string& path)
    {
        if (!value.is_string())
            throw Refused{SavedNetworkFault::MissingField, Quoted(path) + " is not a text in quotes"};
        return value.get<std::string>();
    }

    // A list of exactly `count` entries; `what` says what sets the count.
    static const Json& List(const Json& value, const std::string& path, long count, const std::string& what)
    {
        if (!value.is_array())
            throw Refused{SavedNetworkFault::MissingField, Quoted(path) + " is not a list"};
        if (static_cast<long>(value.size()) != count)
            throw Refused{SavedNetworkFault::SizeMismatch, Quoted(path) + " has " + std::to_string(value.size()) +
                                                               " entries where " + what + " says " +
                                                               std::to_string(count)};
        return value;
    }
};

std::string Index(const std::string& path, std::size_t i) { return path + "[" + std::to_string(i) + "]"; }

void ReadMatrix(const Json& rows, const std::string& path, long numRows, long numCols, const std::string& rowWhat,
                const std::string& colWhat, Matrix& m)
{
    Reader::List(rows, path, numRows, rowWhat);
    for (long r = 1; r <= numRows; ++r) {
        const std::string rowPath = Index(path, static_cast<std::size_t>(r - 1));
        const Json& row = Reader::List(rows[static_cast<std::size_t>(r - 1)], rowPath, numCols, colWhat);
        for (long c = 1; c <= numCols; ++c)
            m(r, c) = Reader::Double(row[static_cast<std::size_t>(c - 1)], Index(rowPath, static_cast<std::size_t>(c - 1)));
    }
}

template <typename Kind>
Kind Named(const Json& value, const std::string& path, Kind (*fromName)(std::string_view), const char* allowed,
           bool noneAllowed)
{
    const std::string name = Reader::Text(value, path);
    const Kind kind = fromName(name);
    if (kind == Kind::None && !(noneAllowed && name.empty()))
        throw Refused{SavedNetworkFault::BadValue, Quoted(path) + " is " + Quoted(name) + ", not one of " + allowed};
    return kind;
}

UnitKind UnitKindFromName(std::string_view name)
{
    for (UnitKind kind : {UnitKind::Binary, UnitKind::IntDev, UnitKind::Value})
        if (name == UnitKindName(kind))
            return kind;
    return UnitKind::None;
}

void ReadSettings(const Reader& in, const Json& s, TrainingSettings& out)
{
    const std::string p = "settings";
    auto at = [&](const char* key) -> const Json& { return in.At(s, p, key); };
    auto path = [&](const char* key) { return Reader::Join(p, key); };
    out.LearningRule = Named(at("learningRule"), path("learningRule"), RuleKindFromName, "Delta, Gradient, Tarvik", true);
    out.LearningRate = Reader::Double(at("learningRate"), path("learningRate"));
    out.MinError = Reader::Double(at("minError"), path("minError"));
    out.PrintSweeps = Reader::Whole(at("printSweeps"), path("printSweeps"), 0, LONG_MAX);
    out.EpochLimit = Reader::Whole(at("epochLimit"), path("epochLimit"), LONG_MIN, LONG_MAX);
    out.StopAtMaxEpochs = Reader::Flag(at("stopAtMaxEpochs"), path("stopAtMaxEpochs"));
    out.StopWhenAllHits = Reader::Flag(at("stopWhenAllHits"), path("stopWhenAllHits"));
    out.RandomizeOrder = Reader::Flag(at("randomizeOrder"), path("randomizeOrder"));
    out.FreezeThresholds = Reader::Flag(at("freezeThresholds"), path("freezeThresholds"));
    out.WeightMin = Reader::Double(at("weightMin"), path("weightMin"));
    out.WeightMax = Reader::Double(at("weightMax"), path("weightMax"));
    out.WeightSign = Named(at("weightSign"), path("weightSign"), StartSignFromName, "Pos, Neg, Both", true);
    out.ThresholdMin = Reader::Double(at("thresholdMin"), path("thresholdMin"));
    out.ThresholdMax = Reader::Double(at("thresholdMax"), path("thresholdMax"));
    out.ThresholdSign = Named(at("thresholdSign"), path("thresholdSign"), StartSignFromName, "Pos, Neg, Both", true);
}

void ReadPatterns(const Reader& in, const Json& root, NetworkState& net)
{
    const Json& sizes = in.At(root, "", "sizes");
    net.NumOutputs = Reader::Whole(in.At(sizes, "sizes", "outputs"), "sizes.outputs", 1, MaxSizeValue);
    net.NumInputs = Reader::Whole(in.At(sizes, "sizes", "inputs"), "sizes.inputs", 1, MaxSizeValue);
    net.NumPatterns = Reader::Whole(in.At(sizes, "sizes", "patterns"), "sizes.patterns", 1, MaxSizeValue);
    net.NumResponses = net.NumPatterns * net.NumOutputs;
    if (net.NumResponses > MaxSizeValue)
        throw Refused{SavedNetworkFault::BadValue, "\"sizes\" give " + std::to_string(net.NumResponses) +
                                                       " responses, more than " + std::to_string(MaxSizeValue)};
    net.TrainingFileName = Reader::Text(in.At(root, "", "trainingFile"), "trainingFile");
    net.InputPatterns.Resize(net.NumPatterns, net.NumInputs);
    net.DesiredOutputs.Resize(net.NumPatterns, net.NumOutputs);
    ReadMatrix(in.At(root, "", "inputPatterns"), "inputPatterns", net.NumPatterns, net.NumInputs,
               "\"sizes.patterns\"", "\"sizes.inputs\"", net.InputPatterns);
    ReadMatrix(in.At(root, "", "desiredOutputs"), "desiredOutputs", net.NumPatterns, net.NumOutputs,
               "\"sizes.patterns\"", "\"sizes.outputs\"", net.DesiredOutputs);
    // Zeros before the first epoch has put the patterns in an order.
    const Json& order = Reader::List(in.At(root, "", "patternOrder"), "patternOrder", net.NumPatterns,
                                     "\"sizes.patterns\"");
    net.PatternOrder.assign(static_cast<std::size_t>(net.NumPatterns) + 1, 0);
    for (long i = 1; i <= net.NumPatterns; ++i)
        net.PatternOrder[static_cast<std::size_t>(i)] =
            Reader::Whole(order[static_cast<std::size_t>(i - 1)], Index("patternOrder", static_cast<std::size_t>(i - 1)),
                          0, net.NumPatterns);
}

void ReadUnits(const Reader& in, const Json& root, NetworkState& net)
{
    SizeUnitsAndWeights(net);
    const Json& units = in.At(root, "", "network");
    const Json& kinds = Reader::List(in.At(units, "network", "unitKinds"), "network.unitKinds", net.NumOutputs,
                                     "\"sizes.outputs\"");
    const Json& thresholds = Reader::List(in.At(units, "network", "thresholds"), "network.thresholds",
                                          net.NumOutputs, "\"sizes.outputs\"");
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        net.OutputUnits[k].UnitType =
            Named(kinds[i], Index("network.unitKinds", i), UnitKindFromName, "Binary, IntDev, Value", true);
        net.OutputUnits[k].Threshold = Reader::Double(thresholds[i], Index("network.thresholds", i));
    }
    ReadMatrix(in.At(units, "network", "weights"), "network.weights", net.NumInputs, net.NumOutputs,
               "\"sizes.inputs\"", "\"sizes.outputs\"", net.Weights);
}

void ReadResults(const Reader& in, const Json& root, SavedNetwork& saved)
{
    NetworkState& net = saved.net;
    const std::string p = "results";
    const Json& r = in.At(root, "", "results");
    auto at = [&](const char* key) -> const Json& { return in.At(r, p, key); };
    auto path = [&](const char* key) { return Reader::Join(p, key); };
    net.FreshStart = Reader::Flag(at("freshStart"), path("freshStart"));
    net.EpochCount = Reader::Whole(at("epochCount"), path("epochCount"), 0, LONG_MAX);
    net.TotalSSE = Reader::Double(at("totalSSE"), path("totalSSE"));
    net.Hits = Reader::Whole(at("hits"), path("hits"), 0, net.NumResponses);
    saved.lastDisplayedSSE = Reader::Double(at("lastDisplayedSSE"), path("lastDisplayedSSE"));
    net.SSERecordsDropped = Reader::Whole(at("historyRecordsDropped"), path("historyRecordsDropped"), 0, LONG_MAX);
    const Json& history = at("history");
    if (!history.is_array())
        throw Refused{SavedNetworkFault::MissingField, "\"results.history\" is not a list"};
    if (history.size() > MaxHistoryRows)
        throw Refused{SavedNetworkFault::SizeMismatch, "\"results.history\" has " + std::to_string(history.size()) +
                                                           " rows, more than the " + std::to_string(MaxHistoryRows) +
                                                           " a history keeps"};
    net.SSERecordCount = static_cast<int>(history.size());
    for (std::size_t i = 0; i < history.size(); ++i) {
        const std::string rowPath = Index("results.history", i);
        const Json& row = Reader::List(history[i], rowPath, 2, "an epoch count and a total SSE");
        net.SSEHistory[i + 1] = {Reader::Double(row[0], Index(rowPath, 0)), Reader::Double(row[1], Index(rowPath, 1))};
    }
}

void ReadPage(const Reader& in, const Json& root, SavedPage& page)
{
    const std::string p = "page";
    const Json& j = in.At(root, "", "page");
    auto text = [&](const char* key) { return Reader::Text(in.At(j, p, key), Reader::Join(p, key)); };
    page.epochsBox = text("epochsBox");
    page.printEveryBox = text("printEveryBox");
    page.rateBox = text("rateBox");
    page.minErrorBox = text("minErrorBox");
    const Json& lines = Reader::List(in.At(j, p, "statusLines"), "page.statusLines", 5, "the page's five lines");
    for (std::size_t i = 0; i < 5; ++i)
        page.statusLines[i] = Reader::Text(lines[i], Index("page.statusLines", i));
    page.changeColour = text("changeColour");
    page.hitsColour = text("hitsColour");
}

void ReadRandom(const Reader& in, const Json& root, SavedNetwork& saved)
{
    const Json& r = in.At(root, "", "random");
    if (r.is_null()) {
        saved.random.reset();
        return;
    }
    const std::string seedText = Reader::Text(in.At(r, "random", "seed"), "random.seed");
    RandomState state;
    std::size_t used = 0;
    try {
        state.seed = std::stoull(seedText, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != seedText.size() || seedText[0] == '-')
        throw Refused{SavedNetworkFault::BadNumber, "\"random.seed\" holds " + Quoted(seedText) +
                                                         ", which is not a whole number from 0 to 18446744073709551615"};
    state.engine = Reader::Text(in.At(r, "random", "engine"), "random.engine");
    // Whether the engine text is a state is for the generator to say.
    if (!MersenneRandom().Restore(state))
        throw Refused{SavedNetworkFault::BadValue, "\"random.engine\" is not the state of the random generator"};
    saved.random = state;
}

void ReadAll(const Json& root, SavedNetwork& saved)
{
    const Reader in;
    if (!root.is_object() || !root.contains("format") || root["format"] != FormatName)
        throw Refused{SavedNetworkFault::NotSaved, std::string("it does not begin with \"format\": \"") + FormatName + "\""};
    const long version = Reader::Whole(in.At(root, "", "version"), "version", 1, LONG_MAX);
    if (version > SavedNetworkVersion)
        throw Refused{SavedNetworkFault::NewerVersion,
                      "it is in format version " + std::to_string(version) + ", written by a later Vantorelle; this one reads version " +
                          std::to_string(SavedNetworkVersion)};
    saved.note = Reader::Text(in.At(root, "", "note"), "note");
    ReadPatterns(in, root, saved.net);
    ReadSettings(in, in.At(root, "", "settings"), saved.net);
    ReadRandom(in, root, saved);
    ReadUnits(in, root, saved.net);
    ReadResults(in, root, saved);
    ReadPage(in, root, saved.page);
}

constexpr const char* GreenName = "green";
constexpr const char* RedName = "red";

std::string ColourName(StatusColour colour)
{
    switch (colour) {
    case StatusColour::Green: return GreenName;
    case StatusColour::Red: return RedName;
    case StatusColour::Unchanged: break;
    }
    return {};
}

StatusColour ColourFromName(const std::string& name)
{
    if (name == GreenName)
        return StatusColour::Green;
    if (name == RedName)
        return StatusColour::Red;
    return StatusColour::Unchanged;
}

}  // namespace

void KeepStatusLines(SavedPage& page, const StatusLines& lines)
{
    page.statusLines = {lines.Epochs, lines.TotalSSE, lines.Change, lines.Hits, lines.Misses};
    page.changeColour = ColourName(lines.ChangeColour);
    page.hitsColour = ColourName(lines.HitsColour);
}

StatusLines SavedStatusLines(const SavedPage& page)
{
    const auto& l = page.statusLines;
    return {l[0], l[1], l[2], l[3], l[4], ColourFromName(page.changeColour), ColourFromName(page.hitsColour)};
}

bool ShowsStatus(const SavedPage& page)
{
    return std::any_of(page.statusLines.begin(), page.statusLines.end(), [](const std::string& l) { return !l.empty(); });
}

std::string WriteSavedNetwork(const SavedNetwork& saved)
{
    const NetworkState& net = saved.net;
    Json out;
    out["format"] = FormatName;
    out["version"] = SavedNetworkVersion;
    out["note"] = saved.note;
    out["trainingFile"] = net.TrainingFileName;
    out["sizes"] = {{"outputs", net.NumOutputs}, {"inputs", net.NumInputs}, {"patterns", net.NumPatterns}};
    out["inputPatterns"] = Rows(net.InputPatterns, net.NumPatterns, net.NumInputs);
    out["desiredOutputs"] = Rows(net.DesiredOutputs, net.NumPatterns, net.NumOutputs);
    Json order = Json::array();
    for (long i = 1; i <= net.NumPatterns; ++i)
        order.push_back(i < static_cast<long>(net.PatternOrder.size()) ? net.PatternOrder[static_cast<std::size_t>(i)] : i);
    out["patternOrder"] = std::move(order);
    out["settings"] = Settings(net);
    if (saved.random)
        out["random"] = {{"seed", std::to_string(saved.random->seed)}, {"engine", saved.random->engine}};
    else
        out["random"] = nullptr;
    out["network"] = Units(net);
    out["results"] = Results(saved);
    out["page"] = Page(saved.page);
    std::string text;
    Pretty(out, 0, text);
    return text + "\n";
}

std::optional<SavedNetworkProblem> ReadSavedNetwork(const std::string& text, SavedNetwork& saved)
{
    auto read = std::make_unique<SavedNetwork>();
    try {
        const Json root = Json::parse(text);
        ReadAll(root, *read);
    } catch (const Json::parse_error& error) {
        return SavedNetworkProblem{SavedNetworkFault::NotJson,
                                   "it is not JSON text, or it is cut short (at byte " + std::to_string(error.byte) + ")"};
    } catch (const Json::out_of_range& error) {
        // The library refuses a number beyond a double's range while parsing.
        std::string what = error.what();
        what = what.substr(what.find(']') + 2);
        return SavedNetworkProblem{SavedNetworkFault::BadNumber,
                                   "it holds a number beyond the range of a double (" + what + "; write \"" +
                                       PlusInfinity + "\" or \"" + MinusInfinity + "\" for one)"};
    } catch (const Refused& refused) {
        return SavedNetworkProblem{refused.fault, refused.reason};
    } catch (const std::bad_alloc&) {
        return SavedNetworkProblem{SavedNetworkFault::BadValue, "it needs more memory than there is"};
    }
    saved = std::move(*read);
    return std::nullopt;
}

std::optional<SavedNetworkProblem> ReadSavedNetworkFile(const std::string& path, SavedNetwork& saved)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (file)
        text << file.rdbuf();
    if (!file || file.bad())
        return SavedNetworkProblem{SavedNetworkFault::NotJson, "it cannot be read"};
    return ReadSavedNetwork(text.str(), saved);
}

std::string SavedNetworkMessage(const std::string& path, const SavedNetworkProblem& problem)
{
    return "The file \"" + FileBaseName(path) + "\" cannot be opened as a saved network: " + problem.message + ".";
}

}  // namespace vantorelle
