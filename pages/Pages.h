// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Defines every page of the program in a registry: how each is created, with
// the network state, the dialogs and the printer it works with.

#include <functional>
#include <memory>

#include "QtDialogs.h"

namespace vantorelle {

struct NetworkState;
struct PageMemory;
class Dialogs;
class PageRegistry;
class Printer;
class Random;
class SaveFileDialog;
class OpenFileDialog;

// Makes the random generator of a new training page; the program's gives one
// seeded from the clock, tests give fixed seeds.
using RandomFactory = std::function<std::unique_ptr<Random>()>;

// Where the program's boxes open: over the page in charge in the registry.
DialogOwner PageInCharge(const PageRegistry& pages);

// The file dialogs of "Save The Trained Network", "Open A Saved Network" and
// the training-set page's saving and importing; none: the program's own. Tests answer them.
struct NetworkFileDialogs {
    SaveFileDialog* save = nullptr;
    OpenFileDialog* open = nullptr;
    SaveFileDialog* saveSet = nullptr;
    OpenFileDialog* openSet = nullptr;  // the CSV file to import
};

void DefinePages(PageRegistry& pages, NetworkState& net, PageMemory& memory, Dialogs& dialogs, Printer& printer,
                 RandomFactory makeRandom = {}, NetworkFileDialogs fileDialogs = {});
// The same for callers that never print (tests of pages without printing):
// pages that print use a printer of their own, the program's real one.
void DefinePages(PageRegistry& pages, NetworkState& net, PageMemory& memory, Dialogs& dialogs,
                 RandomFactory makeRandom = {});

}  // namespace vantorelle
