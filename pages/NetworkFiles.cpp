// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkFiles.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "Dialogs.h"
#include "KeptRun.h"
#include "NetworkState.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Perceptron.h"
#include "Printing.h"
#include "SavedNetwork.h"
#include "SavedNetworkFile.h"

namespace vantorelle {

namespace {

QString Filter() { return NetworkFiles::tr("Saved networks (*.vnet);;All files (*)"); }

void Tell(Dialogs& dialogs, const std::string& text, BoxIcon icon)
{
    MessageBoxRequest box;
    box.text = text;
    box.title = ProgramTitle;
    box.icon = icon;
    dialogs.Show(box);
}

}  // namespace

NetworkFiles::NetworkFiles(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, SaveFileDialog& saveDialog,
                           OpenFileDialog& openDialog)
    : net(net), dialogs(dialogs), pages(pages), saveDialog(saveDialog), openDialog(openDialog)
{
}

QString NetworkFiles::suggestedPath(const std::string& name) const
{
    if (!lastFile.empty())
        return QString::fromStdString(lastFile);
    QString base = QFileInfo(QString::fromStdString(name)).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("network");
    return QDir::current().filePath(base + QString::fromLatin1(SavedNetworkExtension));
}

bool NetworkFiles::save()
{
    // The page holds the generator and the boxes that go with the network.
    auto* setUp = qobject_cast<Perceptron*>(pages.find(PageNames::Perceptron));
    if (!setUp || net.EpochCount == 0) {
        Tell(dialogs, tr("There is no trained network to save yet: train one first.").toStdString(), BoxIcon::Information);
        return false;
    }
    return askAndWrite(net.TrainingFileName, {}, [setUp](const std::string& note) { return setUp->saved(note); });
}

bool NetworkFiles::saveRun(const KeptRun& run)
{
    return askAndWrite(run.Saved.net.TrainingFileName, run.Name, [&run](const std::string& note) {
        SavedNetwork saved = run.Saved;
        saved.note = note;
        return saved;
    });
}

bool NetworkFiles::askAndWrite(const std::string& trainingFile, const std::string& offeredNote,
                               const std::function<SavedNetwork(const std::string& note)>& network)
{
    InputBoxRequest ask;
    ask.title = ProgramTitle;
    ask.prompt = tr("A note to keep with the network (who trained it, on what, why), or none:").toStdString();
    ask.defaultText = offeredNote;
    const std::optional<std::string> note = dialogs.Input(ask);
    if (!note)
        return false;
    const std::optional<QString> path =
        saveDialog.saveFileName({tr("Save The Trained Network"), suggestedPath(trainingFile), Filter()});
    if (!path)
        return false;
    QString chosen = *path;
    // A name typed without an ending gets ours, so the open dialog lists it.
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QString::fromLatin1(SavedNetworkExtension);
    const std::string file = QDir::toNativeSeparators(chosen).toStdString();
    if (std::string failure = WriteSavedNetworkFile(network(*note), file); !failure.empty()) {
        dialogs.Show(ErrorReport(failure));
        return false;
    }
    lastFile = file;
    Tell(dialogs, tr("The network has been saved as \"%1\".").arg(QString::fromStdString(file)).toStdString(),
         BoxIcon::Information);
    return true;
}

bool NetworkFiles::open()
{
    // No name is offered that may not exist: the last file, or the current folder.
    const QString offered = lastFile.empty() ? QDir::currentPath() : QString::fromStdString(lastFile);
    const std::optional<QString> path = openDialog.openFileName({tr("Open A Saved Network"), offered, Filter()});
    if (!path)
        return false;
    const std::string file = QDir::toNativeSeparators(*path).toStdString();
    auto read = std::make_unique<SavedNetwork>();
    if (const auto problem = ReadSavedNetworkFile(file, *read)) {
        dialogs.Show(ErrorReport(SavedNetworkMessage(file, *problem) + "\rThe network in use has not been changed."));
        return false;
    }
    lastFile = file;
    // The set-up page opens as it would for a new file, then takes the saved
    // network with its boxes and status lines.
    net.FreshStart = true;
    auto* setUp = qobject_cast<Perceptron*>(pages.open(PageNames::Perceptron));
    if (!setUp)
        return false;
    setUp->restore(*read);
    if (!read->note.empty())
        Tell(dialogs, tr("The note saved with this network:").toStdString() + "\r" + read->note, BoxIcon::Information);
    return true;
}

}  // namespace vantorelle
