// SPDX-License-Identifier: GPL-3.0-or-later
#include "Generalize.h"

#include <memory>

#include "Dialogs.h"
#include "FileBrowser.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {

const char* const MismatchMessage =
    QT_TRANSLATE_NOOP("vantorelle::Generalize", "New file does not have the same number of inputs or outputs as the old!");
const char* const NotInputMessage = QT_TRANSLATE_NOOP(
    "vantorelle::Generalize", "New file not input because it does not have the same number of inputs or outputs as the old!");
const char* const NoFileMessage = QT_TRANSLATE_NOOP("vantorelle::Generalize", "No file name has been selected!");

}  // namespace

Generalize::Generalize(NetworkState& net, Dialogs& dialogs, QWidget* parent)
    : ScrollPage(Design, parent), net(net), dialogs(dialogs)
{
    ui.setupUi(this);
    PageFonts::set(ui.Label2, PageFonts::caption());
    PageFonts::set(ui.Label1, PageFonts::caption());
    PageFonts::set(ui.FileLabel, PageFonts::button());
    PageFonts::set(ui.Label8_0, PageFonts::heading());
    for (QLabel* label : {ui.Label8_1, ui.Label8_2, ui.Label8_3, ui.Label8_4})
        PageFonts::set(label, PageFonts::caption());
    for (QLineEdit* box : {ui.OutputText_0, ui.OutputText_1, ui.OutputText_2, ui.OutputText_3}) {
        PageFonts::set(box, PageFonts::box());
        box->clear();
    }
    PageFonts::set(ui.ReadNewFile, PageFonts::button());
    PageFonts::set(ui.Command2, PageFonts::exitButton());
    for (QWidget* list : std::initializer_list<QWidget*>{ui.Drive2, ui.Dir2, ui.File2})
        PageFonts::set(list, PageFonts::list());
    ui.Label8_1->setBuddy(ui.OutputText_0);
    ui.Label8_2->setBuddy(ui.OutputText_1);
    ui.Label8_3->setBuddy(ui.OutputText_2);
    ui.Label8_4->setBuddy(ui.OutputText_3);

    new FileBrowser(ui.Drive2, ui.Dir2, ui.File2, QStringLiteral("*.net"), dialogs, this);
    connect(ui.File2, &FileList::fileChosen, this, &Generalize::fileChosen);
    connect(ui.ReadNewFile, &QPushButton::clicked, this, &Generalize::readNewFile);
    connect(ui.Command2, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(ui.Command2);  // nothing is read, as with "Exit This Form"

    // The load step; `GeneralizeMismatch` keeps the verdict of the last check.
    showFileRows(false);
    finishLoad();
}

void Generalize::showFileRows(bool shown)
{
    for (QWidget* control : std::initializer_list<QWidget*>{ui.Label8_0, ui.Label8_1, ui.Label8_2, ui.Label8_3,
                                                             ui.Label8_4, ui.OutputText_0, ui.OutputText_1,
                                                             ui.OutputText_2, ui.OutputText_3})
        control->setVisible(shown);
}

void Generalize::refuse(const char* text)
{
    MessageBoxRequest box;
    box.text = tr(text).toStdString();
    box.title = ProgramTitle;
    box.icon = BoxIcon::Critical;
    box.buttons = BoxButtons::OKCancel;
    dialogs.Show(box);
}

void Generalize::fileChosen(const QString& name)
{
    FileHeader header;
    const ReadResult result = ReadTrainingFileHeader(ui.File2->filePath(name).toStdString(), header);
    if (!result.ok) {
        // A header that cannot be read says nothing about the file's units:
        // the boxes and the last verdict stay as they were.
        dialogs.Show(ErrorReport(result.message));
        return;
    }
    ui.OutputText_0->setText(name);
    ui.OutputText_3->setText(QString::number(header.NumPatterns));
    ui.OutputText_2->setText(QString::number(header.NumInputs));
    ui.OutputText_1->setText(QString::number(header.NumOutputs));
    showFileRows(true);

    GeneralizeMismatch = header.NumOutputs != net.NumOutputs || header.NumInputs != net.NumInputs;
    if (GeneralizeMismatch)
        refuse(MismatchMessage);
}

void Generalize::readNewFile()
{
    const QString name = ui.File2->fileName();
    if (name.isEmpty() || GeneralizeMismatch) {
        refuse(GeneralizeMismatch ? NotInputMessage : NoFileMessage);
        return;
    }
    auto read = std::make_unique<NetworkState>();
    const ReadResult result = ReadTrainingFile(*read, ui.File2->filePath(name).toStdString());
    if (!result.ok) {
        dialogs.Show(ErrorReport(result.message));
        return;
    }
    // The file may not have been checked (a single click only selects it),
    // or may have changed since.
    if (!AdoptTestPatterns(net, *read, name.toStdString())) {
        refuse(NotInputMessage);
        return;
    }
    close();
}

}  // namespace vantorelle
