// SPDX-License-Identifier: GPL-3.0-or-later
// ST6UNST.EXE: removes the Vantorelle installation its log describes.
//   ST6UNST.EXE [--text] -n PREFIX/bin/ST6UNST.LOG
// uninstall-vantorelle starts it from the desktop, often with no terminal to
// write to: so where there is a screen, what it did is shown in a window as
// well, unless --text asks for the terminal alone (`make uninstall`).

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QMessageBox>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

#include "InstallationLog.h"
#include "Removal.h"
#include "Summary.h"

namespace {

constexpr int RemovedAll = 0;
constexpr int LeftSome = 1;
constexpr int CannotStart = 2;

std::optional<std::string> Sha256Of(int fd)
{
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result().toHex().toStdString();
}

bool ShowsWindow(bool textOnly)
{
    return !textOnly && (getenv("DISPLAY") || getenv("WAYLAND_DISPLAY"));
}

int Tell(int argc, char** argv, bool textOnly, const std::string& text, int status)
{
    (status == CannotStart ? std::cerr : std::cout) << text << std::flush;
    if (ShowsWindow(textOnly)) {
        QApplication app(argc, argv);
        QMessageBox box(status == RemovedAll ? QMessageBox::Information : QMessageBox::Warning,
                        QStringLiteral("Uninstall Vantorelle"), QString::fromStdString(text), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    bool textOnly = false;
    std::string logPath;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--text")
            textOnly = true;
        else if (argument == "-n" && i + 1 < argc)
            logPath = argv[++i];
        else if (argument == "-h" || argument == "--help") {
            std::cout << "Usage: ST6UNST.EXE [--text] -n INSTALLATION_LOG\n"
                         "Removes the files of the Vantorelle installation the log lists, if they are\n"
                         "unchanged, and its folders if they are left empty; says what it left.\n"
                         "--text: say it on standard output only, never in a window.\n"
                         "Exit status: 0 all removed, 1 something left, 2 the log cannot be used.\n";
            return 0;
        } else
            return Tell(argc, argv, textOnly, "ST6UNST.EXE: unknown argument \"" + argument + "\"; see --help\n",
                        CannotStart);
    }
    if (logPath.empty())
        return Tell(argc, argv, textOnly, "ST6UNST.EXE: no installation log given (-n LOG); see --help\n",
                    CannotStart);

    std::ifstream in(logPath);
    if (!in)
        return Tell(argc, argv, textOnly, "ST6UNST.EXE: cannot open the installation log " + logPath + "\n",
                    CannotStart);
    const remover::LogReading reading = remover::ReadInstallationLog(in);
    if (!reading.ok)
        return Tell(argc, argv, textOnly,
                    "ST6UNST.EXE: " + logPath + ": " + reading.problem + "\nNothing was removed.\n", CannotStart);

    // The log lies in the installation's bin folder.
    const std::filesystem::path log = std::filesystem::absolute(logPath).lexically_normal();
    const std::string installation = log.parent_path().parent_path().string();
    const int installationFd = open(installation.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (installationFd < 0)
        return Tell(argc, argv, textOnly, "ST6UNST.EXE: cannot open the installation folder " + installation + "\n",
                    CannotStart);
    const remover::RemovalOutcome outcome = remover::RemoveInstallation(installationFd, reading.log, Sha256Of);
    close(installationFd);

    const bool logRemoved = outcome.AllGone() && std::remove(log.c_str()) == 0;
    return Tell(argc, argv, textOnly, remover::SummaryText(installation, outcome, logRemoved),
                outcome.AllGone() ? RemovedAll : LeftSome);
}
