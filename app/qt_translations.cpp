#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <array>
#include <memory>

namespace veltrano {

QString qtLanguageCode(int language) {
    static constexpr std::array<const char*, 6> kCodes = {"de", "nl", "en", "fr", "es", "it"};
    if (language < 0 || language >= static_cast<int>(kCodes.size()))
        return {};
    return QString::fromLatin1(kCodes[static_cast<std::size_t>(language)]);
}

bool installQtTranslations(int language, const QString& folder) {
    auto* app = QCoreApplication::instance();
    const QString code = qtLanguageCode(language);
    if (app == nullptr || code.isEmpty())
        return false;
    const QString where =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    static QPointer<QTranslator> installed;
    auto translator = std::make_unique<QTranslator>(app);
    // Qt's texts are English already: its English catalogue may well be empty.
    const bool english = code == QLatin1String("en");
    if (!english && !translator->load(QStringLiteral("qt_") + code, where))
        return false;
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (english)
        return true;
    installed = translator.release();
    return QCoreApplication::installTranslator(installed);
}

} // namespace veltrano
