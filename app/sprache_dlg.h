#pragma once
// The language dialog: the interface language (German and every language
// that is selectable, each with its flag) and the date format, each format
// shown with today's date in it.
#include "core/clock.h"
#include "core/translation.h"
#include "widgets/qt/new_dialog.h"

#include <array>
#include <string>

namespace veltrano {

class Registry;

// Control numbers of template 24584.
namespace SpracheControls {
inline constexpr int Language = 49160;
inline constexpr int DateFormat = 49159;
} // namespace SpracheControls

// The date-format entry: the pattern with "dd", "mm" and "yyyy" replaced by
// the date's day, month (two digits each) and year (four digits), then
// " (pattern)". "dd.mm.yyyy" on 7 December 2026 gives "07.12.2026 (dd.mm.yyyy)".
std::string dateFormatEntry(const std::string& pattern, const CivilDate& date);

class CMySpracheDlg : public CNewDialog {
    Q_OBJECT
  public:
    // Starts with the current language, date format and selectable flags.
    explicit CMySpracheDlg(QWidget* parent = nullptr);

    std::array<bool, kLanguageCount> selectable{};
    int language = 0;
    int dateFormatIndex = 0;

    // What OK does: reads both choices and closes with OK.
    void confirm();

  protected:
    void onInitDialog() override;
    void onCommand(int id) override;

  private:
    void fillLanguages();
    void fillDateFormats();
};

// Makes the language and date format current, stores them as "Language" and
// "DateFormat" and loads the translation for the language from programFolder
// (German when it cannot be read).
void applyLanguageChoice(int language, int format, Registry& registry,
                         const std::string& programFolder);

// The language command's dialog: on OK makes the chosen language and date
// format current, stores them as "Language" and "DateFormat", loads the
// translation for the new language from programFolder and returns true.
// Cancel changes nothing and returns false.
bool runLanguageDialog(Registry& registry, const std::string& programFolder,
                       QWidget* parent = nullptr);

} // namespace veltrano
