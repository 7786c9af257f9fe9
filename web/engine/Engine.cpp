// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's bindings for the page's worker (web/src/worker.js): one
// session, JSON texts in and out, file contents and the report as bytes.

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <emscripten/emscripten.h>

#include "ResultsReport.h"
#include "NumberFormat.h"
#include "Session.h"
#include "TrainingSettings.h"

using namespace emscripten;

namespace vantorelle::web {
namespace {

Session& TheSession()
{
    static Session session;
    return session;
}

// A Uint8Array's bytes as they are: a file's contents must not pass through
// text decoding, which would change any byte above 127.
std::string Bytes(const val& array)
{
    const std::vector<unsigned char> v = convertJSArrayToNumberVector<unsigned char>(array);
    return {v.begin(), v.end()};
}

val ByteArray(const std::string& bytes)
{
    return val::global("Uint8Array")
        .new_(typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<val>("slice");
}

std::string CheckHeader(std::string name, val firstBytes)
{
    return TheSession().CheckHeader(name, Bytes(firstBytes)).dump();
}
std::string OpenTrainingFile(std::string name, val bytes)
{
    return TheSession().OpenTrainingFile(name, Bytes(bytes)).dump();
}
std::string OpenSavedNetwork(std::string name, val bytes)
{
    return TheSession().OpenSavedNetwork(name, Bytes(bytes)).dump();
}
std::string Probe(int pattern) { return TheSession().Probe(pattern).dump(); }
std::string TestOnFile(std::string name, val bytes) { return TheSession().TestOnFile(name, Bytes(bytes)).dump(); }
std::string Picture() { return TheSession().Picture().dump(); }
val Plane(int unit, double low, double high, int cells)
{
    const std::vector<double> values = TheSession().Plane(unit, low, high, cells);
    return val::global("Float64Array").new_(typed_memory_view(values.size(), values.data())).call<val>("slice");
}
val Report(std::string request) { return ByteArray(TheSession().Report(nlohmann::json::parse(request))); }
val SavedNetworkText(std::string setup)
{
    return ByteArray(TheSession().SavedNetworkText(nlohmann::json::parse(setup)));
}
// The report's section boxes as the desktop's save page opens them.
std::string DefaultSections()
{
    nlohmann::json sections = nlohmann::json::array();
    for (bool on : DefaultReportSections)
        sections.push_back(on);
    return sections.dump();
}

// The set-up page's boxes as they open, from the defaults every front end shares.
std::string Defaults()
{
    return nlohmann::json{{"epochs", defaults::EpochsText},
                          {"printEvery", defaults::PrintSweepsText},
                          {"minError", defaults::MinErrorText},
                          {"rule", RuleName(defaults::Rule)},
                          {"rates",
                           {{"Delta", defaults::RateText(RuleKind::Delta)},
                            {"Gradient", defaults::RateText(RuleKind::Gradient)},
                            {"Tarvik", defaults::RateText(RuleKind::Tarvik)}}},
                          {"weights", {{"min", FormatGeneral(defaults::WeightMin, {})},
                                       {"max", FormatGeneral(defaults::WeightMax, {})},
                                       {"sign", SignName(defaults::WeightSign)}}},
                          {"thresholds", {{"min", FormatGeneral(defaults::ThresholdMin, {})},
                                          {"max", FormatGeneral(defaults::ThresholdMax, {})},
                                          {"sign", SignName(defaults::ThresholdSign)}}}}
        .dump();
}

}  // namespace
}  // namespace vantorelle::web

// A run hands control back to the worker while it trains (Asyncify), which
// embind's wrappers do not expect: the two runs are plain exports the worker
// calls with ccall's async mode, which waits for the run's real end. The
// answer stays valid until the next run.
extern "C" {
EMSCRIPTEN_KEEPALIVE const char* vantorelle_start(const char* setup)
{
    static std::string answer;
    answer = vantorelle::web::TheSession().Start(nlohmann::json::parse(setup)).dump();
    return answer.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* vantorelle_continue(const char* setup)
{
    static std::string answer;
    answer = vantorelle::web::TheSession().Continue(nlohmann::json::parse(setup)).dump();
    return answer.c_str();
}
}

EMSCRIPTEN_BINDINGS(vantorelle_engine)
{
    using namespace vantorelle::web;
    function("checkHeader", &CheckHeader);
    function("openTrainingFile", &OpenTrainingFile);
    function("openSavedNetwork", &OpenSavedNetwork);
    function("probe", &Probe);
    function("testOnFile", &TestOnFile);
    function("picture", &Picture);
    function("plane", &Plane);
    function("report", &Report);
    function("savedNetwork", &SavedNetworkText);
    function("defaultSections", &DefaultSections);
    function("defaults", &Defaults);
}
