#include "ui/qt/QtOwnTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace orvane {

QtOwnTexts::QtOwnTexts(const Texts& texts)
{
    if (!texts.language().empty() && translator_.load("qtbase_" + QString::fromStdString(texts.language()),
                                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator_);
}

} // namespace orvane
