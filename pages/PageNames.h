// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of every page of the program, in the order a user meets them. The
// registry takes a page's name only as a PageName, so every definition, open
// and lookup names a page from this list.

#include <array>

#include "PageRegistry.h"

namespace vantorelle::PageNames {

inline constexpr PageName LoadFile{"LoadFile"};
inline constexpr PageName Perceptron{"Perceptron"};
inline constexpr PageName WeightStart{"WeightStart"};
inline constexpr PageName BiasStart{"BiasStart"};
inline constexpr PageName TestPerceptron{"TestPerceptron"};
inline constexpr PageName ProbeNetwork{"ProbeNetwork"};
inline constexpr PageName Generalize{"Generalize"};
inline constexpr PageName PlotSSEdata{"PlotSSEdata"};
inline constexpr PageName NetworkView{"NetworkView"};
inline constexpr PageName SaveResults{"SaveResults"};
inline constexpr PageName MakeTrainingSet{"MakeTrainingSet"};
inline constexpr PageName Lessons{"Lessons"};
inline constexpr PageName CompareRuns{"CompareRuns"};
inline constexpr PageName ConfusionTables{"ConfusionTables"};

inline constexpr std::array All{LoadFile,        Perceptron,  WeightStart,    BiasStart,      TestPerceptron,
                                ProbeNetwork,    Generalize,  PlotSSEdata,    NetworkView,    SaveResults,
                                MakeTrainingSet, Lessons,     CompareRuns,    ConfusionTables};

}  // namespace vantorelle::PageNames
