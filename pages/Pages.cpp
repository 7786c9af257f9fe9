// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pages.h"

#include <QCoreApplication>

#include "BiasStart.h"
#include "CompareRuns.h"
#include "ConfusionTables.h"
#include "Generalize.h"
#include "Languages.h"
#include "Lessons.h"
#include "LoadFile.h"
#include "MakeTrainingSet.h"
#include "NetworkFiles.h"
#include "NetworkView.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Perceptron.h"
#include "PlotSSEdata.h"
#include "PrintingQt.h"
#include "ProbeNetwork.h"
#include "Random.h"
#include "SaveResults.h"
#include "TestPerceptron.h"
#include "WeightStart.h"
#include "WorkbookExport.h"

namespace vantorelle {

namespace {

// The printer of callers that bring none, kept alive by the factories that use it.
struct OwnPrinter {
    OwnPrinter(Dialogs& dialogs, DialogOwner owner) : files(std::move(owner)), printer(dialogs, files) {}
    QtSaveFileDialog files;
    QtPrinter printer;
};

// The saved-network files with the file dialogs they ask: the callers' or the program's own.
struct OwnNetworkFiles {
    OwnNetworkFiles(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, NetworkFileDialogs given)
        : saveDialog(PageInCharge(pages)),
          openDialog(PageInCharge(pages)),
          files(net, dialogs, pages, given.save ? *given.save : saveDialog, given.open ? *given.open : openDialog)
    {
    }
    QtSaveFileDialog saveDialog;
    QtOpenFileDialog openDialog;
    NetworkFiles files;
};

void Define(PageRegistry& pages, NetworkState& net, PageMemory& memory, Dialogs& dialogs,
            std::shared_ptr<Printer> printer, RandomFactory makeRandom, NetworkFileDialogs fileDialogs)
{
    auto networkFiles = std::make_shared<OwnNetworkFiles>(net, dialogs, pages, fileDialogs);
    pages.define(PageNames::LoadFile, [&, networkFiles] {
        return std::make_unique<LoadFile>(net, dialogs, pages, &networkFiles->files);
    });
    pages.define(PageNames::Perceptron, [&, makeRandom] {
        return std::make_unique<Perceptron>(net, memory, dialogs, pages, makeRandom ? makeRandom() : std::make_unique<MersenneRandom>());
    });
    pages.define(PageNames::WeightStart, [&] { return std::make_unique<WeightStart>(net, dialogs); });
    pages.define(PageNames::BiasStart, [&] { return std::make_unique<BiasStart>(net, dialogs); });
    // One folder for the workbooks of this run of the program, whichever hub builds them.
    auto workbooks = std::make_shared<DesktopWorkbookViewer>();
    pages.define(PageNames::TestPerceptron, [&, workbooks, networkFiles] {
        return std::make_unique<TestPerceptron>(net, memory, dialogs, pages, workbooks.get(), &networkFiles->files);
    });
    pages.define(PageNames::ProbeNetwork, [&, printer] {
        return std::make_unique<ProbeNetwork>(net, dialogs, *printer);
    });
    pages.define(PageNames::Generalize, [&] { return std::make_unique<Generalize>(net, dialogs); });
    pages.define(PageNames::PlotSSEdata, [&, printer] { return std::make_unique<PlotSSEdata>(net, *printer); });
    // The picture widths chosen stay for the session, across openings of the view.
    auto pictureFiles = std::make_shared<QtSaveFileDialog>(PageInCharge(pages));
    auto pictureWidths = std::make_shared<PictureWidths>();
    pages.define(PageNames::NetworkView, [&, printer, pictureFiles, pictureWidths] {
        return std::make_unique<NetworkView>(net, dialogs, pages, *printer, *pictureFiles, *pictureWidths);
    }, PageRegistry::Role::Companion);
    pages.define(PageNames::SaveResults, [&] { return std::make_unique<SaveResults>(net, memory, dialogs); });
    pages.define(PageNames::CompareRuns, [&, networkFiles] {
        return std::make_unique<CompareRuns>(net, memory.Runs, dialogs, &networkFiles->files);
    }, PageRegistry::Role::Companion);
    pages.define(PageNames::ConfusionTables, [&] {
        return std::make_unique<ConfusionTables>(net, memory, pages);
    }, PageRegistry::Role::Companion);
    // The set files' dialog, the callers' or the program's own.
    auto setFiles = std::make_shared<QtSaveFileDialog>(PageInCharge(pages));
    SaveFileDialog* setDialog = fileDialogs.saveSet ? fileDialogs.saveSet : setFiles.get();
    auto csvFiles = std::make_shared<QtOpenFileDialog>(PageInCharge(pages));
    OpenFileDialog* csvDialog = fileDialogs.openSet ? fileDialogs.openSet : csvFiles.get();
    pages.define(PageNames::MakeTrainingSet, [&, setFiles, setDialog, csvFiles, csvDialog] {
        return std::make_unique<MakeTrainingSet>(net, dialogs, pages, *setDialog, *csvDialog);
    });
    pages.define(PageNames::Lessons, [&] {
        return std::make_unique<Lessons>(net, dialogs, pages,
                                         Lessons::installedFolder(QCoreApplication::applicationDirPath()),
                                         WindowLanguage());
    });
}

}  // namespace

DialogOwner PageInCharge(const PageRegistry& pages)
{
    return [&pages]() -> QWidget* { return pages.pageInCharge(); };
}

void DefinePages(PageRegistry& pages, NetworkState& net, PageMemory& memory, Dialogs& dialogs, Printer& printer,
                 RandomFactory makeRandom, NetworkFileDialogs fileDialogs)
{
    // The caller owns the printer: the pointer only refers to it.
    Define(pages, net, memory, dialogs, std::shared_ptr<Printer>(std::shared_ptr<Printer>(), &printer),
           std::move(makeRandom), fileDialogs);
}

void DefinePages(PageRegistry& pages, NetworkState& net, PageMemory& memory, Dialogs& dialogs, RandomFactory makeRandom)
{
    auto own = std::make_shared<OwnPrinter>(dialogs, PageInCharge(pages));
    Define(pages, net, memory, dialogs, std::shared_ptr<Printer>(own, &own->printer), std::move(makeRandom), {});
}

}  // namespace vantorelle
