// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's language: English, as its texts are written, unless the
// system's language or the --language option asks for one it has a
// translation for. The translations come with the program (built into it),
// with Qt's own for the toolkit's buttons and dialogs. The report and the
// workbook stay English whatever the window's language.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vantorelle {

// The languages the program has translations for (with at least one text
// translated), as ISO 639-1 codes, English first.
QStringList AvailableLanguages();

// Installs the translations for `language` ("de", "es"; empty: the system's
// preferred languages in turn) into the application. Answers the language
// taken: "en" when none fits, and then nothing is installed.
QString UseLanguage(QCoreApplication& app, const QString& language);

// The language UseLanguage took last: "en" until it has taken another. What
// the window's own texts are in, for texts that are data rather than tr()
// texts (the lessons).
QString WindowLanguage();

}  // namespace vantorelle
