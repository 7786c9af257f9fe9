#pragma once
// Defines every page of the program in a registry: how each is created, with
// the network state and the dialogs it works with.

#include <functional>
#include <memory>

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;
class Random;

// Makes the random generator of a new training page; the program's gives one
// seeded from the clock, tests give fixed seeds.
using RandomFactory = std::function<std::unique_ptr<Random>()>;

void DefinePages(PageRegistry& pages, NetworkState& net, Dialogs& dialogs, RandomFactory makeRandom = {});

}  // namespace vantorelle
