// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadFile.h"

#include <QCoreApplication>
#include <QDir>

#include "Dialogs.h"
#include "FileBrowser.h"
#include "NetworkFiles.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "TrainingFile.h"
#include "TrainingTexts.h"

namespace vantorelle {

LoadFile::LoadFile(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, NetworkFiles* files, QWidget* parent)
    : ScrollPage(Design, parent), net(net), dialogs(dialogs), pages(pages), files(files)
{
    ui.setupUi(this);

    PageFonts::set(ui.Label1, PageFonts::title());
    PageFonts::set(ui.FileLabel, PageFonts::button());
    PageFonts::set(ui.Label8_0, PageFonts::heading());
    for (QLabel* label : {ui.Label8_1, ui.Label8_2, ui.Label8_3, ui.Label8_4})
        PageFonts::set(label, PageFonts::caption());
    for (QLineEdit* box : {ui.OutputText_0, ui.OutputText_1, ui.OutputText_2, ui.OutputText_3})
        PageFonts::set(box, PageFonts::box());
    PageFonts::set(ui.NextPage, PageFonts::button());
    PageFonts::set(ui.OpenSavedNetwork, PageFonts::button());
    PageFonts::set(ui.MakeTrainingSet, PageFonts::button());
    PageFonts::set(ui.Command2, PageFonts::exitButton());
    for (QWidget* list : std::initializer_list<QWidget*>{ui.Drive1, ui.Dir1, ui.File1})
        PageFonts::set(list, PageFonts::list());

    new FileBrowser(ui.Drive1, ui.Dir1, ui.File1, QStringLiteral("*.net"), dialogs, this);
    // Started from a desktop menu the working folder is the home folder, where
    // a new user has no training file yet: the installed examples are then a
    // better first view. A folder that holds training files is never passed over.
    if (const QString start = startFolder(ui.Dir1->path(), QCoreApplication::applicationDirPath());
        start != ui.Dir1->path())
        ui.Dir1->setPath(start);
    connect(ui.File1, &FileList::fileChosen, this, &LoadFile::fileChosen);
    connect(ui.NextPage, &QPushButton::clicked, this, &LoadFile::nextPage);
    connect(ui.Command2, &QPushButton::clicked, this, [this] { this->pages.exitProgram(); });
    ui.OpenSavedNetwork->setVisible(files != nullptr);
    connect(ui.OpenSavedNetwork, &QPushButton::clicked, this, [this] {
        if (this->files->open())
            close();
    });

    // The set page opens on what was read here; this page stays under it.
    ui.MakeTrainingSet->setVisible(pages.isDefined(PageNames::MakeTrainingSet));
    connect(ui.MakeTrainingSet, &QPushButton::clicked, this, [this] { this->pages.open(PageNames::MakeTrainingSet); });
    // The lessons put their own sets in place; this page stays under them.
    PageFonts::set(ui.LessonsButton, PageFonts::button());
    ui.LessonsButton->setVisible(pages.isDefined(PageNames::Lessons));
    connect(ui.LessonsButton, &QPushButton::clicked, this, [this] { this->pages.open(PageNames::Lessons); });

    // Browsing state: the file rows and the way on appear after a file is read.
    showFileRows(false);
    for (QLineEdit* box : {ui.OutputText_0, ui.OutputText_1, ui.OutputText_2, ui.OutputText_3}) {
        box->clear();
        box->setEnabled(false);
        // The boxes only display, but their numbers must read as clearly as any text.
        QPalette readable = box->palette();
        readable.setColor(QPalette::Disabled, QPalette::Text, readable.color(QPalette::Active, QPalette::Text));
        box->setPalette(readable);
    }

    finishLoad();
}

QString LoadFile::startFolder(const QString& shownFolder, const QString& programFolder)
{
    // Hidden files are left out and letter case ignored, as the file list does.
    const auto holdsTrainingFiles = [](const QString& folder) {
        return !QDir(folder, QStringLiteral("*.net")).isEmpty(QDir::Files | QDir::Readable);
    };
    if (holdsTrainingFiles(shownFolder))
        return shownFolder;
    // The install puts the programs in PREFIX/bin and the examples in
    // PREFIX/share/vantorelle/examples, so the examples move with the program
    // wherever it is installed.
    const QString examples =
        QDir::cleanPath(programFolder + QStringLiteral("/../share/vantorelle/examples"));
    return holdsTrainingFiles(examples) ? examples : shownFolder;
}

void LoadFile::showFileRows(bool shown)
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.Label8_0, ui.Label8_1, ui.Label8_2, ui.Label8_3, ui.Label8_4, ui.OutputText_0, ui.OutputText_1,
             ui.OutputText_2, ui.OutputText_3, ui.NextPage})
        control->setVisible(shown);
}

void LoadFile::fileChosen(const QString& name)
{
    // The reader changes nothing when it refuses a file, and the file name is
    // stored only after a successful read: a bad file never leaves the name of
    // one file beside the patterns of another.
    const ReadResult result = ReadTrainingFile(net, ui.File1->filePath(name).toStdString());
    if (!result.ok) {
        dialogs.Show(ErrorReport(result.message));
        return;
    }
    net.TrainingFileName = name.toStdString();

    ui.OutputText_0->setText(name);
    ui.OutputText_3->setText(QString::number(net.NumPatterns));
    ui.OutputText_2->setText(QString::number(net.NumInputs));
    ui.OutputText_1->setText(QString::number(net.NumOutputs));
    showFileRows(true);
    tellReadNotes(name, result);
}

void LoadFile::tellReadNotes(const QString& name, const ReadResult& result)
{
    // Read as it stands, but perhaps not as meant: said once, over the rows
    // that show what was read.
    const std::vector<std::string> notes = text::ReadNotes(result.valuesLeftOver, result.emptyFields);
    if (notes.empty())
        return;
    QString text;
    for (const std::string& note : notes)
        text += QStringLiteral("The file \"%1\" %2.\r").arg(name, QString::fromStdString(note));
    MessageBoxRequest box;
    box.text = text.toStdString();
    box.title = ProgramTitle;
    box.icon = BoxIcon::Exclamation;
    box.buttons = BoxButtons::OK;
    dialogs.Show(box);
}

void LoadFile::nextPage()
{
    net.FreshStart = true;
    if (!pages.open(PageNames::Perceptron))
        return;
    close();
}

}  // namespace vantorelle
