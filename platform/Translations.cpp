#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

bool install(const QString &catalog)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app->findChild<QTranslator *>(catalog, Qt::FindDirectChildrenOnly))
        return true;
    auto *translator = new QTranslator(app);
    translator->setObjectName(catalog);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), catalog, QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}
