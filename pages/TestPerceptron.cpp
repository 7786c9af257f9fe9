// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPerceptron.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "Dialogs.h"
#include "NetworkFiles.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "ScrollPage.h"
#include "WorkbookExport.h"

namespace vantorelle {

namespace {

// The position of a list's selected item, -1 when none is selected.
int SelectedPosition(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void ShowPlain(Dialogs& dialogs, const QString& text)
{
    MessageBoxRequest box;
    box.text = text.toStdString();
    box.title = ProgramTitle;
    dialogs.Show(box);
}

}  // namespace

TestPerceptron::TestPerceptron(NetworkState& net, PageMemory& memory, Dialogs& dialogs, PageRegistry& pages,
                               WorkbookViewer* viewer, NetworkFiles* files, QWidget* parent)
    : ScrollPage(Design, parent), net(net), memory(memory), dialogs(dialogs), pages(pages), files(files)
{
    ui.setupUi(this);
    for (QWidget* caption : std::initializer_list<QWidget*>{ui.Label5, ui.Label4, ui.Label1, ui.TestList,
                                                             ui.ContinueList, ui.Command2})
        PageFonts::set(caption, PageFonts::button());
    PageFonts::set(ui.FeedBackLabel, PageFonts::box());

    // A double-click anywhere in a list acts on its selection, as the lists
    // promise; on an empty part of the list that may be no item at all.
    // Enter does the same for the keyboard.
    for (QListWidget* list : {ui.TestList, ui.ContinueList}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
    }
    connect(ui.Command2, &QPushButton::clicked, this, &TestPerceptron::exitProgram);
    // Escape closes the hub alone, as its window frame does: the training page
    // under it stays ("Exit Program" closes that too, and may end the program).
    closeOnEscape([this] { close(); });

    // The workbook is built on a worker thread; the lists and "Exit Program" wait for it.
    if (!viewer) {
        ownViewer = std::make_unique<DesktopWorkbookViewer>();
        viewer = ownViewer.get();
    }
    workbookExport = std::make_unique<WorkbookExport>(net, dialogs, pages, *viewer, this, ui.FeedBackLabel,
                                                      ui.ExcelProgressBar,
                                                      QList<QWidget*>{ui.TestList, ui.ContinueList, ui.Command2});

    workbookExport->setExtras([this] {
        WorkbookExtras extras;
        if (this->memory.ConfusionInResults)
            extras.Confusions = CurrentConfusions(this->net, this->memory.Runs);
        extras.Seeds = this->memory.SeedRun;
        extras.SeedsSummary = this->memory.SeedRunSummary;
        return extras;
    });

    // The load step.
    memory.ContinueFromTests = false;
    ui.ExcelProgressBar->hide();
    finishLoad();
}

bool TestPerceptron::eventFilter(QObject* watched, QEvent* event)
{
    QListWidget* list = nullptr;
    if (watched == ui.TestList || watched == ui.TestList->viewport())
        list = ui.TestList;
    else if (watched == ui.ContinueList || watched == ui.ContinueList->viewport())
        list = ui.ContinueList;
    if (list) {
        bool chosen = false;
        if (event->type() == QEvent::MouseButtonDblClick && watched == list->viewport())
            chosen = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        else if (event->type() == QEvent::KeyPress && watched == list) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            chosen = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (chosen) {
            const int position = SelectedPosition(list);
            if (list == ui.TestList)
                testChosen(position);
            else
                continueChosen(position);
            return true;
        }
    }
    return ScrollPage::eventFilter(watched, event);
}

void TestPerceptron::noMethodSelected() { ShowPlain(dialogs, tr("No method for continuing has been selected!")); }

void TestPerceptron::testChosen(int position)
{
    switch (position) {
    case 0: pages.open(PageNames::ProbeNetwork); break;
    case 1: createExcelSummary(); break;
    case 2: saveTextSummary(); break;
    case 3: pages.open(PageNames::PlotSSEdata); break;
    case 4: pages.open(PageNames::NetworkView); break;
    case 5:
        if (files)
            files->save();
        else
            ShowPlain(dialogs, tr("Saving the network is not available here."));
        break;
    // Our own items, after the list's first six.
    case 6: pages.open(PageNames::CompareRuns); break;
    case 7: pages.open(PageNames::ConfusionTables); break;
    default: noMethodSelected(); break;
    }
}

void TestPerceptron::continueChosen(int position)
{
    // The flags are set before any page opens or closes: the training page's
    // load and activation steps read them.
    switch (position) {
    case 0:
        // The set-up page under the hub comes back; it holds the user's
        // settings and the generator, so it is not made anew.
        net.FreshStart = true;
        pages.open(PageNames::Perceptron);
        close();
        break;
    case 1:
        net.FreshStart = false;
        memory.ContinueFromTests = true;
        // The training page becomes active and recomputes at once, even when
        // a probe or graph page was in front more recently.
        pages.open(PageNames::Perceptron);
        close();
        break;
    case 2:
        // The load-file page opens first, so a page is open at every moment.
        pages.open(PageNames::LoadFile);
        closePage(PageNames::Perceptron);
        close();
        break;
    case 3:
        net.FreshStart = false;
        pages.open(PageNames::Generalize);
        break;
    case 4:
        if (!files) {
            ShowPlain(dialogs, tr("Opening a saved network is not available here."));
        } else if (files->open()) {
            // As after "Keep Current Weights And Continue Training": the set-up page takes over.
            close();
        }
        break;
    case 5:
        // The set in use is the table's start; the hub stays until a set is trained on.
        pages.open(PageNames::MakeTrainingSet);
        break;
    default: noMethodSelected(); break;
    }
}

TestPerceptron::~TestPerceptron() = default;

void TestPerceptron::createExcelSummary() { workbookExport->start(); }

void TestPerceptron::saveTextSummary()
{
    if (!pages.isDefined(PageNames::SaveResults)) {
        ShowPlain(dialogs, tr("Saving the summary as a text file is not available yet."));
        return;
    }
    pages.open(PageNames::SaveResults);
}

void TestPerceptron::exitProgram()
{
    // Only the set-up page and the hub close; pages opened from the hub stay
    // open, and the program ends when the last of them closes.
    closePage(PageNames::Perceptron);
    close();
}

void TestPerceptron::closePage(PageName name)
{
    if (ScrollPage* page = pages.find(name))
        page->close();
}

}  // namespace vantorelle
