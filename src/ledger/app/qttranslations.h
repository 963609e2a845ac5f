#pragma once

#include <QString>

namespace ledger {

// Qt's own texts (standard buttons, file dialogs, the calendar, the fields' context menus) in
// Chinese: installs Qt's Chinese translations from folder and makes Chinese the default locale.
// Returns false, silently, when folder holds no such translation; Qt's texts then stay English.
bool installQtTranslations(const QString &folder);
// The folder Qt's translations are installed in.
QString qtTranslationsFolder();

} // namespace ledger
