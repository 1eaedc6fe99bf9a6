#pragma once

#include <QString>

// The toolkit's own texts (save dialog, message box buttons, text context menus) in the
// language of the screens: "ro" for Romanian, "en" or "" for the toolkit's English. The
// toolkit's catalogue from the system is used where one exists; the system has none for
// Romanian, so the texts the program's dialogs show come with the program. Calling it again
// replaces the earlier choice. Returns false when no translation for `lang` is known.
bool installToolkitTranslation(const QString &lang);

// The language last installed: "ro", or "en" for the toolkit's English.
QString toolkitTranslationLanguage();
