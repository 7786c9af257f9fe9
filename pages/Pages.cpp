#include "Pages.h"

#include "BiasStart.h"
#include "LoadFile.h"
#include "PageRegistry.h"
#include "Perceptron.h"
#include "Random.h"
#include "TestPerceptron.h"
#include "WeightStart.h"

namespace vantorelle {

void DefinePages(PageRegistry& pages, NetworkState& net, Dialogs& dialogs, RandomFactory makeRandom)
{
    pages.define(QStringLiteral("LoadFile"), [&] { return std::make_unique<LoadFile>(net, dialogs, pages); });
    pages.define(QStringLiteral("Perceptron"), [&, makeRandom] {
        return std::make_unique<Perceptron>(net, dialogs, pages, makeRandom ? makeRandom() : std::make_unique<MersenneRandom>());
    });
    pages.define(QStringLiteral("WeightStart"), [&] { return std::make_unique<WeightStart>(net, dialogs); });
    pages.define(QStringLiteral("BiasStart"), [&] { return std::make_unique<BiasStart>(net, dialogs); });
    pages.define(QStringLiteral("TestPerceptron"), [&] { return std::make_unique<TestPerceptron>(net); });
}

}  // namespace vantorelle
