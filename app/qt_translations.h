#pragma once
// Qt's own texts (the file, print and print-preview dialogs, standard buttons,
// context menus of text fields) in the program's language, from the catalogue
// Qt installs in its translations folder.
#include <QString>

namespace veltrano {

// The locale name of a program language ("de", "nl", "en", "fr", "es", "it");
// "" for a number outside 0..5.
QString qtLanguageCode(int language);

// Installs Qt's catalogue "qt_<code>" for language from folder (Qt's own
// translations folder when empty) into the running application, replacing one
// installed earlier; English needs none. False when there is no such
// catalogue; Qt then shows its English texts.
bool installQtTranslations(int language, const QString& folder = QString());

} // namespace veltrano
