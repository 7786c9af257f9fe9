// SPDX-License-Identifier: GPL-3.0-or-later
#include "FannPeer.h"

#ifdef VANTORELLE_HAVE_FANN
#include <doublefann.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>
#endif

namespace vantorelle::bench {

#ifdef VANTORELLE_HAVE_FANN
namespace {

double ThreadSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace

std::optional<double> FannEpochsPerSecond(const NetworkState& net, double seconds, int repeats)
{
    const auto inputs = static_cast<unsigned>(net.NumInputs);
    const auto outputs = static_cast<unsigned>(net.NumOutputs);
    const auto patterns = static_cast<unsigned>(net.NumPatterns);
    std::unique_ptr<fann_train_data, void (*)(fann_train_data*)> data(fann_create_train(patterns, inputs, outputs),
                                                                      fann_destroy_train);
    std::unique_ptr<fann, void (*)(fann*)> ann(fann_create_standard(2, inputs, outputs), fann_destroy);
    if (!data || !ann)
        return std::nullopt;
    for (unsigned p = 0; p < patterns; ++p) {
        for (unsigned i = 0; i < inputs; ++i)
            data->input[p][i] = net.InputPatterns(p + 1, i + 1);
        for (unsigned k = 0; k < outputs; ++k)
            data->output[p][k] = net.DesiredOutputs(p + 1, k + 1);
    }
    fann_set_activation_function_output(ann.get(), FANN_SIGMOID);
    fann_set_training_algorithm(ann.get(), FANN_TRAIN_INCREMENTAL);
    fann_set_learning_rate(ann.get(), 0.5f);
    fann_randomize_weights(ann.get(), -0.5, 0.5);
    for (int warm = 0; warm < 3; ++warm)
        fann_train_epoch(ann.get(), data.get());
    const double one = [&] {
        const double t0 = ThreadSeconds();
        fann_train_epoch(ann.get(), data.get());
        return std::max(ThreadSeconds() - t0, 1e-9);
    }();
    const int epochs = std::max(3, static_cast<int>(seconds / one));
    std::vector<double> rates;
    for (int r = 0; r < repeats; ++r) {
        const double t0 = ThreadSeconds();
        for (int e = 0; e < epochs; ++e)
            fann_train_epoch(ann.get(), data.get());
        rates.push_back(epochs / std::max(ThreadSeconds() - t0, 1e-9));
    }
    std::sort(rates.begin(), rates.end());
    return rates[rates.size() / 2];
}
#else
std::optional<double> FannEpochsPerSecond(const NetworkState&, double, int) { return std::nullopt; }
#endif

}  // namespace vantorelle::bench
