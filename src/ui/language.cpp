// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

constexpr QLatin1StringView kOption("--lang");

std::unique_ptr<QTranslator>& Installed(int which) {
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

// Loads a catalogue for the first of the locale's languages that has one
// and installs it in place of the earlier one of the same kind.
bool Install(int which, const QLocale& locale, const QString& name, const QString& folder) {
    auto& slot = Installed(which);
    if (slot) QCoreApplication::removeTranslator(slot.get());
    slot = std::make_unique<QTranslator>();
    if (!slot->load(locale, name, QStringLiteral("_"), folder)) {
        slot.reset();
        return false;
    }
    QCoreApplication::installTranslator(slot.get());
    return true;
}

}  // namespace

QString LanguageArgument(const QStringList& arguments) {
    QString code;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == kOption && i + 1 < arguments.size())
            code = arguments[++i];
        else if (arg.startsWith(kOption + QLatin1Char('=')))
            code = arg.mid(kOption.size() + 1);
    }
    return code;
}

QStringList WithoutLanguageArgument(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == kOption) {
            ++i;  // and its code
            continue;
        }
        if (arg.startsWith(kOption + QLatin1Char('='))) continue;
        rest << arg;
    }
    return rest;
}

QString InstallTranslations(const QString& code) {
    // "C" and "POSIX" name no language: English.
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    const bool own = Install(0, locale, QStringLiteral("csq5"), QStringLiteral(":/i18n"));
    if (!own) {
        // English throughout: Qt's own texts too, lest a file dialog speak
        // another language than the program.
        if (auto& qt = Installed(1)) {
            QCoreApplication::removeTranslator(qt.get());
            qt.reset();
        }
        return {};
    }
    const QString file = Installed(0)->filePath();
    // ":/i18n/csq5_de.qm" gives "de".
    const qsizetype start = file.lastIndexOf(QLatin1Char('_')) + 1;
    const QString language = file.mid(start, file.size() - start - 3);
    // Qt's texts in the language the program speaks, not in the first one
    // the desktop names (which the program may not have).
    Install(1, QLocale(language), QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}
