// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveResults.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "PageMemory.h"
#include "CoreTexts.h"
#include "Dialogs.h"
#include "FileBrowser.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "SystemTexts.h"

namespace vantorelle {

namespace {

// The longest file name the usual Linux file systems take, in bytes.
constexpr int MaxNameBytes = 255;

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

QString ReportFileName(const QString& typed)
{
    // Exactly ".txt", letter case included, as the name ends when it needs nothing added.
    return typed.endsWith(QStringLiteral(".txt"), Qt::CaseSensitive) ? typed : typed + QStringLiteral(".txt");
}

SaveResults::SaveResults(NetworkState& net, PageMemory& memory, Dialogs& dialogs, QWidget* parent)
    : ScrollPage(Design, parent), net(net), memory(memory), dialogs(dialogs), messages(dialogs)
{
    ui.setupUi(this);

    setFonts();
    QPalette white = ui.Command2->palette();
    white.setColor(QPalette::Button, Qt::white);
    ui.Command2->setPalette(white);

    new FileBrowser(ui.Drive1, ui.Dir1, ui.File1, QStringLiteral("*.txt"), dialogs, this);
    connect(ui.File1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { fileClicked(item->text()); });
    connect(ui.File1, &FileList::fileChosen, this, &SaveResults::fileClicked);
    connect(ui.DirButton, &QPushButton::clicked, this, &SaveResults::createDirectory);
    connect(ui.FileButton, &QPushButton::clicked, this, &SaveResults::createFilename);
    connect(ui.SaveFile, &QPushButton::clicked, this, &SaveResults::saveFile);
    connect(ui.Command2, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(ui.Command2);  // reports are on disk, and the chosen file is remembered

    // A file chosen on an earlier visit is still the one "Save The File" writes.
    if (!memory.ResultsFilePath.empty())
        ui.FileNameLabel->setText(QFileInfo(QFile::decodeName(memory.ResultsFilePath.c_str())).fileName());

    finishLoad();
}

void SaveResults::setFonts()
{
    PageFonts::set(ui.Label1, PageFonts::title());
    PageFonts::set(ui.Label2, PageFonts::listHeading());
    PageFonts::set(ui.PropertyLabel, PageFonts::listHeading());
    for (QWidget* list : std::initializer_list<QWidget*>{ui.Drive1, ui.Dir1, ui.File1})
        PageFonts::set(list, PageFonts::list());
    PageFonts::set(ui.DirButton, PageFonts::listButton());
    PageFonts::set(ui.FileButton, PageFonts::listButton());
    for (QWidget* check : std::initializer_list<QWidget*>{ui.Check1_0, ui.Check1_1, ui.Check1_2, ui.Check1_3,
                                                          ui.Check1_4, ui.Check1_5, ui.Check1_6})
        PageFonts::set(check, PageFonts::caption());
    PageFonts::set(ui.FileLabel, PageFonts::heading());
    PageFonts::set(ui.FileNameLabel, PageFonts::fileName());
    PageFonts::set(ui.Label3, PageFonts::note());
    PageFonts::set(ui.SaveFile, PageFonts::button());
    PageFonts::set(ui.Command2, PageFonts::exitButton());
}

QCheckBox* SaveResults::check(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(index));
}

void SaveResults::fileClicked(const QString& name)
{
    if (name.isEmpty())
        return;
    ui.FileNameLabel->setText(name);
    memory.ResultsFilePath = LocalPath(ui.File1->filePath(name));
}

std::optional<QString> SaveResults::acceptedName(const QString& typed, const QString& name, NameFor kind)
{
    // Whole sentences for each kind, so a translator never joins "folder" or "file" into one.
    const bool folder = kind == NameFor::Folder;
    QString why;
    // Blanks alone make a name no one can see in a list, nor type again.
    if (typed.trimmed().isEmpty())
        why = folder ? tr("A folder name cannot be made of blanks only.") : tr("A file name cannot be made of blanks only.");
    else if (typed.contains(QLatin1Char('/')))
        why = folder ? tr("A folder name cannot hold \"/\"; choose the folder in the lists instead.")
                     : tr("A file name cannot hold \"/\"; choose the folder in the lists instead.");
    else if (typed.count(QLatin1Char('.')) == typed.size())
        why = folder ? tr("A folder name cannot be made of dots only.") : tr("A file name cannot be made of dots only.");
    else if (typed.contains(QChar(0)))
        why = folder ? tr("A folder name cannot hold a zero character.")
                     : tr("A file name cannot hold a zero character.");
    else if (QFile::encodeName(name).size() > MaxNameBytes)
        why = tr("The name is longer than the %1 bytes a file system allows.").arg(MaxNameBytes);
    if (why.isEmpty())
        return name;
    const QString refused =
        folder ? tr("\"%1\" cannot be the name of a folder.") : tr("\"%1\" cannot be the name of a file.");
    dialogs.Show(ErrorReport((refused.arg(name) + QLatin1Char('\r') + why).toStdString()));
    return std::nullopt;
}

void SaveResults::createDirectory()
{
    const auto answer = dialogs.Input({tr("Enter name of directory:").toStdString(), tr("Create Directory").toStdString(), ""});
    if (!answer || answer->empty())
        return;
    const auto name = acceptedName(QString::fromStdString(*answer), QString::fromStdString(*answer), NameFor::Folder);
    if (!name)
        return;

    const QString path = ui.File1->filePath(*name);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0) {
        const int error = errno;
        const QString why = error == EEXIST ? (QFileInfo(path).isDir() ? tr("it already exists")
                                                                      : tr("a file of that name is in the way"))
                                            : QString::fromLocal8Bit(std::strerror(error));
        dialogs.Show(ErrorReport(tr("The folder \"%1\" cannot be created: %2.\rThe lists still show \"%3\".")
                                     .arg(Native(path), why, Native(ui.Dir1->path()))
                                     .toStdString()));
        return;
    }
    // The new folder becomes the program's current folder and is listed.
    QDir::setCurrent(path);
    QString why;
    if (!ui.Dir1->setPath(path, &why))
        dialogs.Show(ErrorReport(tr("The folder \"%1\" was created but cannot be listed: %2.")
                                     .arg(Native(path), why)
                                     .toStdString()));
}

void SaveResults::createFilename()
{
    const auto answer = dialogs.Input({tr("Enter name of file to save:").toStdString(), tr("Name File").toStdString(), ""});
    const QString typed = QString::fromStdString(answer.value_or(std::string()));
    if (typed.isEmpty()) {
        // An empty or cancelled answer leaves no file chosen; the label keeps its text.
        memory.ResultsFilePath.clear();
        return;
    }
    const auto name = acceptedName(typed, ReportFileName(typed), NameFor::File);
    if (!name)
        return;
    ui.FileNameLabel->setText(*name);
    memory.ResultsFilePath = LocalPath(ui.File1->filePath(*name));
}

ReportSections SaveResults::sections() const
{
    ReportSections on{};
    for (int i = 0; i < ReportSectionCount; ++i)
        on[static_cast<std::size_t>(i)] = check(i)->isChecked();
    return on;
}

void SaveResults::saveFile()
{
    if (memory.ResultsFilePath.empty()) {
        dialogs.Show(ErrorReport(
            tr("No file has been chosen to save to.\rClick a file in the list or use \"Create A New Filename\" first.")
                .toStdString()));
        return;
    }
    const QString path = QFile::decodeName(memory.ResultsFilePath.c_str());
    // Every existing file is asked about, hidden ones too: nothing is replaced unasked.
    if (QFileInfo(path).isFile()) {
        MessageBoxRequest question{tr("File already exists -- overwrite it?").toStdString(),
                                   tr("Pre-existing Filename").toStdString(), BoxIcon::Question, BoxButtons::YesNo, 1};
        if (dialogs.Show(question) != Answer::Yes)
            return;
    }

    ReportRequest request;
    request.path = memory.ResultsFilePath;
    request.sections = sections();
    reportName = QFileInfo(path).fileName().toStdString();
    const QtSystemTexts system;
    request.date = system.Date();
    request.time = system.Time();
    request.locale = system.Numbers();
    ReportExtras extras;
    if (memory.ConfusionInResults)
        extras.confusions = CurrentConfusions(net, memory.Runs);
    if (!WriteResultsReport(net, request, *this, messages, extras))
        return;

    // Show the new file in the list when it was written to the listed folder.
    if (QFileInfo(path).absoluteDir() == QDir(ui.File1->path())) {
        ui.File1->refresh();
        const auto found = ui.File1->findItems(QFileInfo(path).fileName(), Qt::MatchExactly);
        if (!found.isEmpty())
            ui.File1->setCurrentItem(found.first());
    }
}

void SaveResults::StageReached(ReportStage stage)
{
    ui.FileNameLabel->setText(ShownText(ReportStageCaption(stage, reportName)));
    QPalette palette = ui.FileNameLabel->palette();
    palette.setColor(QPalette::Window,
                     ReportStageColour(stage) == StatusColour::Green ? QColor(0, 255, 0) : QColor(255, 0, 0));
    ui.FileNameLabel->setPalette(palette);
    // The report is written within this click: paint the status before the writing starts.
    ui.FileNameLabel->repaint();
}

}  // namespace vantorelle
