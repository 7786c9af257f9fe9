#include "Pages.h"

#include "LoadFile.h"
#include "PageRegistry.h"
#include "Perceptron.h"

namespace vantorelle {

void DefinePages(PageRegistry& pages, NetworkState& net, Dialogs& dialogs)
{
    pages.define(QStringLiteral("LoadFile"), [&] { return new LoadFile(net, dialogs, pages); });
    pages.define(QStringLiteral("Perceptron"), [&] { return new Perceptron(net, dialogs, pages); });
}

}  // namespace vantorelle
