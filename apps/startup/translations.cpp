#include "startup/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace stylewright {

bool loadQtTranslations()
{
    return loadQtTranslationsFrom(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool loadQtTranslationsFrom(const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace stylewright
