// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one network a page's worker holds, and everything the page does with
// it: read a training file, train, probe, test on a second file, write the
// report and the saved-network file. Requests and answers are JSON texts
// (the report and files are bytes), so the worker passes them on unchanged.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Random.h"
#include "SavedNetwork.h"

namespace vantorelle::web {

class Session {
public:
    Session();

    // Only the header of a training file, from its first bytes: a file whose
    // sizes are beyond the limits is refused before the page reads it whole.
    nlohmann::json CheckHeader(const std::string& name, const std::string& firstBytes) const;
    // A training file in place of the current network.
    nlohmann::json OpenTrainingFile(const std::string& name, const std::string& bytes);
    // A saved network ("*.vnet") in place of the current one.
    nlohmann::json OpenSavedNetwork(const std::string& name, const std::string& text);

    // "Start Training" and "Continue Training" with the set-up page's values;
    // answers the settings problem that refused the run, if one did.
    nlohmann::json Start(const nlohmann::json& setup);
    nlohmann::json Continue(const nlohmann::json& setup);

    // One pattern's inputs, response, desired output and error per output unit.
    nlohmann::json Probe(long pattern);
    // The patterns of a second file in place of the training patterns.
    nlohmann::json TestOnFile(const std::string& name, const std::string& bytes);
    // What the pictures draw: sizes, weights, thresholds, patterns, history.
    nlohmann::json Picture();
    // Output unit `unit`'s activation over the input plane from `low` to
    // `high` in `cells` steps each way, row by row from the top; two inputs only.
    std::vector<double> Plane(long unit, double low, double high, long cells);

    // The text report, its bytes as the trainer writes them.
    std::string Report(const nlohmann::json& request);
    // The saved-network text with the page's boxes and status lines.
    std::string SavedNetworkText(const nlohmann::json& setup);

private:
    nlohmann::json Run(const nlohmann::json& setup, bool fresh);
    void ApplySetup(const nlohmann::json& setup);

    std::unique_ptr<SavedNetwork> saved;
    std::unique_ptr<Random> random;
    bool loaded = false;
};

}  // namespace vantorelle::web
