#pragma once
// Defines every page of the program in a registry: how each is created, with
// the network state and the dialogs it works with.

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;

void DefinePages(PageRegistry& pages, NetworkState& net, Dialogs& dialogs);

}  // namespace vantorelle
