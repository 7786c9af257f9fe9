// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The testing hub, opened by "Test Recall" over the training page. Its two
// lists are acted on by a double-click: `TestList` examines the trained
// network (probe, workbook, text report, SSE graph, the network's weights
// and decisions, saving it), `ContinueList` goes on from it (train again,
// continue, a new problem, test on another file, open a saved network, or
// make or edit a training set).
// The hub keeps no data of its own: it sets `FreshStart` and
// `ContinueFromTests` and chooses which page comes next.

#include <memory>

#include "ScrollPage.h"
#include "ui_TestPerceptron.h"

class QListWidget;

namespace vantorelle {

struct NetworkState;
struct PageMemory;
class Dialogs;
class NetworkFiles;
class PageName;
class PageRegistry;
class WorkbookExport;
class WorkbookViewer;

class TestPerceptron : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{11115, 9750};

    // `viewer` says where workbooks go and opens them; without one the hub
    // uses the desktop's, with a folder of its own.
    // `files` saves and opens networks; without it those items say they are not available.
    TestPerceptron(NetworkState& net, PageMemory& memory, Dialogs& dialogs, PageRegistry& pages, WorkbookViewer* viewer = nullptr,
                   NetworkFiles* files = nullptr, QWidget* parent = nullptr);
    ~TestPerceptron() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void testChosen(int position);
    void continueChosen(int position);
    void createExcelSummary();
    void saveTextSummary();
    void exitProgram();
    void closePage(PageName name);
    void noMethodSelected();

    Ui::TestPerceptron ui;
    NetworkState& net;
    PageMemory& memory;
    Dialogs& dialogs;
    PageRegistry& pages;
    std::unique_ptr<WorkbookViewer> ownViewer;
    std::unique_ptr<WorkbookExport> workbookExport;
    NetworkFiles* files;
};

}  // namespace vantorelle
