#include "ledger/app/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ledger {

bool installQtTranslations(const QString &folder) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    auto *translator = new QTranslator(QCoreApplication::instance());
    // "qt" is the catalogue that pulls in the translations of every Qt module installed.
    if (!translator->load(chinese, QStringLiteral("qt"), QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    QLocale::setDefault(chinese);
    return true;
}

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace ledger
