// SPDX-License-Identifier: GPL-3.0-or-later
#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vantorelle {

namespace {

// Where the build puts the program's compiled translations.
const QString OwnTranslations = QStringLiteral(":/translations");

QString Code(const QString& name) { return name.left(2).toLower(); }

QString taken = QStringLiteral("en");

QString Taken(const QString& code)
{
    taken = code;
    return code;
}

}  // namespace

QStringList AvailableLanguages()
{
    QStringList languages{QStringLiteral("en")};
    const QStringList files = QDir(OwnTranslations).entryList({QStringLiteral("vantorelle_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        // A language whose texts are not translated yet is not offered.
        QTranslator translation;
        const QString code = file.mid(QStringLiteral("vantorelle_").size(), 2);
        if (translation.load(file, OwnTranslations) && !translation.isEmpty() && !languages.contains(code))
            languages << code;
    }
    return languages;
}

QString UseLanguage(QCoreApplication& app, const QString& language)
{
    QStringList wanted;
    if (!language.isEmpty())
        wanted << Code(language);
    else
        for (const QString& name : QLocale::system().uiLanguages())
            wanted << Code(name);
    const QStringList available = AvailableLanguages();
    for (const QString& code : wanted) {
        if (code == QStringLiteral("en"))
            return Taken(code);
        if (!available.contains(code))
            continue;
        auto* own = new QTranslator(&app);
        if (!own->load(QStringLiteral("vantorelle_") + code, OwnTranslations)) {
            delete own;
            continue;
        }
        app.installTranslator(own);
        auto* toolkit = new QTranslator(&app);
        if (toolkit->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(toolkit);
        else
            delete toolkit;
        return Taken(code);
    }
    return Taken(QStringLiteral("en"));
}

QString WindowLanguage() { return taken; }

}  // namespace vantorelle
