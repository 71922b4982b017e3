#include "platform/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QTranslator>

#include <memory>

namespace platform {

namespace {
std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}
} // namespace

QString installTranslations(const QLocale& locale)
{
    for (const auto& t : installed())
        QCoreApplication::removeTranslator(t.get());
    installed().clear();

    auto own = std::make_unique<QTranslator>();
    // Built into the program, so a moved or half-installed copy still speaks the language.
    if (!own->load(locale, QStringLiteral("qelvanto"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return {};
    // The file's name says the language as the program ships it: "de", "pt_BR".
    const QString language = own->filePath().section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0).mid(9);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed().push_back(std::move(qt));
    }
    QCoreApplication::installTranslator(own.get());
    installed().push_back(std::move(own));
    return language;
}

} // namespace platform
