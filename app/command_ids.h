#pragma once
// Command numbers of the main window's menu, button bar and thumbnails.
namespace veltrano::command {

inline constexpr int kShowMainMenu = 32772;
inline constexpr int kEdit = 32774;
inline constexpr int kPrintSheets = 32776;
inline constexpr int kSaveAs = 32780;
inline constexpr int kSave = 32781;
inline constexpr int kOpen = 32782;
inline constexpr int kNew = 32784;
inline constexpr int kChooseYear = 32786;
inline constexpr int kMultiDay = 32788;
inline constexpr int kPrintDropDown = 32789;
inline constexpr int kImportBirthdays = 32806;
inline constexpr int kClearAll = 32808;
inline constexpr int kPrintOneSheet = 32810;
inline constexpr int kChooseLanguage = 32813;
inline constexpr int kExit = 32814;
inline constexpr int kManual = 40004;
inline constexpr int kAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kUndo = 29800;
inline constexpr int kRedo = 29801;
// The recently used calendars in the "Kalender" menu, most recent first.
inline constexpr int kFirstRecentFile = 29830;
inline constexpr int kRecentFileCount = 8;

// The twelve thumbnails, January first.
inline constexpr int kFirstThumbnail = 1006;
inline constexpr int kLastThumbnail = 1017;
inline constexpr int kHeadingLine = 1018;

// Resources of the main menu view.
inline constexpr int kMainMenu = 128;
inline constexpr int kMainToolbar = 128;
inline constexpr int kPrintMenu = 144;
inline constexpr int kToolbarBitmap = 154;

} // namespace veltrano::command
