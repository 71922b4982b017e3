#pragma once
#include <QLocale>
#include <QString>

namespace platform {

// Installs the program's translation for the first of the locale's languages it
// has (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), and Qt's own for the same one so
// that the pickers and standard buttons match. Replaces what an earlier call
// installed. Returns the language used ("de", "pt_BR"), empty for the English texts.
QString installTranslations(const QLocale& locale = QLocale::system());

} // namespace platform
