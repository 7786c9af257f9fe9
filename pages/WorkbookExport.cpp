// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkbookExport.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QStandardPaths>
#include <QUrl>

#include "CoreTexts.h"
#include "Dialogs.h"
#include "ScrollPage.h"

namespace vantorelle {

namespace {
constexpr const char* WorkbookType = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
}  // namespace

QString NoViewerMessage(const QString& path)
{
    return WorkbookExport::tr("The workbook has been saved as \"%1\", but no program for spreadsheet (.xlsx) files "
                              "could be started to show it.\rOpen it with a spreadsheet program such as LibreOffice Calc.")
        .arg(QDir::toNativeSeparators(path));
}

DesktopWorkbookViewer::DesktopWorkbookViewer()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists())
        documents = QDir::homePath();
    runFolder = QDir(documents).filePath(QStringLiteral("Vantorelle workbooks/") +
                                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
}

bool DesktopWorkbookViewer::open(const QString& path)
{
    // Where the desktop keeps a register of programs by file type, ask it
    // first: the launcher itself starts even when nothing will open the file.
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!query.isEmpty()) {
        QProcess ask;
        ask.start(query, {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(WorkbookType)});
        if (ask.waitForFinished(5000) && ask.exitCode() == 0 && ask.readAllStandardOutput().trimmed().isEmpty())
            return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// Carries the worker's progress to the hub's controls on the interface thread.
class WorkbookExport::Progress : public SummaryObserver {
public:
    explicit Progress(WorkbookExport& owner) : owner(owner) {}

    void Feedback(const std::string& text) override
    {
        post([text](WorkbookExport& e) {
            if (e.feedback)
                e.feedback->setText(ShownText(text));
        });
    }
    void StepsPlanned(int maximum) override
    {
        post([maximum](WorkbookExport& e) {
            if (!e.bar)
                return;
            e.bar->setRange(0, maximum);
            e.bar->setValue(0);
            e.bar->show();
        });
    }
    void StepDone() override
    {
        post([](WorkbookExport& e) {
            if (e.bar)
                e.bar->setValue(e.bar->value() + 1);
        });
    }
    void StepsEnded() override
    {
        post([](WorkbookExport& e) {
            if (e.bar)
                e.bar->hide();
        });
    }

private:
    template <typename Change>
    void post(Change change)
    {
        WorkbookExport* target = &owner;
        QMetaObject::invokeMethod(target, [target, change] { change(*target); }, Qt::QueuedConnection);
    }

    WorkbookExport& owner;
};

WorkbookExport::WorkbookExport(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, WorkbookViewer& viewer,
                               ScrollPage* owner, QLabel* feedback, QProgressBar* bar, QList<QWidget*> busyControls)
    : QObject(owner), net(net), dialogs(dialogs), viewer(viewer), feedback(feedback), bar(bar),
      progress(std::make_unique<Progress>(*this)), job(pages, owner)
{
    for (QWidget* control : busyControls)
        busy.append(control);
    // The job's end comes after every progress update the worker posted.
    connect(&job, &BackgroundJob::ended, this, &WorkbookExport::done);
    connect(&job, &BackgroundJob::released, this, [this] { emit finished(result.ok); });
}

WorkbookExport::~WorkbookExport() = default;

void WorkbookExport::start()
{
    if (job.running())
        return;
    const std::string folder = QFile::encodeName(viewer.folder()).toStdString();
    const AnalysisMoment when = LocalMoment();
    // Worked out here, before the worker has the network state.
    WorkbookExtras extras = extrasFor ? extrasFor() : WorkbookExtras{};
    auto work = [this, folder, when, extras = std::move(extras)] {
        NewBookInFolder destination(folder);
        result = BuildSpreadsheetSummary(net, when, destination, *progress, extras);
    };
    auto held = [this] {
        for (const auto& control : busy)
            if (control)
                control->setEnabled(false);
    };
    job.start(work, {}, held);
}

void WorkbookExport::done()
{
    for (const auto& control : busy)
        if (control)
            control->setEnabled(true);

    // The pages stay held until the messages are answered: a page whose
    // close was asked for meanwhile closes after them, not under them.
    if (!result.ok) {
        dialogs.Show(ErrorReport(result.message));
    } else {
        const QString path = QFile::decodeName(result.path.c_str());
        if (!viewer.open(path))
            dialogs.Show(ErrorReport(NoViewerMessage(path).toStdString()));
    }
}

}  // namespace vantorelle
