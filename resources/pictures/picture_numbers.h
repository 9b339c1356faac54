#pragma once
// Numbers of the program's pictures (resources/pictures/<number>.png) and the
// layout of each image strip. Pure constants, usable from every layer.
//
// Transparent pixels of every picture carry alpha 0. Their colour is the key
// colour the picture's users leave out, so a user that ignores alpha still
// gets clean edges: kKeyStrip (128, 0, 128) for the 16-pixel strip, the
// message symbols, the flags, the swatches and the 32-pixel icons;
// kKeyMagenta (255, 0, 255) for the button-bar images and the check boxes.

namespace veltrano::pictures {

// Message symbols: 128 × 32, four 32 × 32 images.
inline constexpr int kMessageSymbols = 113;
inline constexpr int kSymbolInformation = 0;
inline constexpr int kSymbolQuestion = 1;
inline constexpr int kSymbolStop = 2;
inline constexpr int kSymbolPlain = 3;

// The printer beside the heading of the print dialog: 32 × 32.
inline constexpr int kPrintPicture = 140;

// Day colour swatches: 120 × 16, five 24 × 16 images in day colour order
// (none, blue, red, yellow, green).
inline constexpr int kDayColourSwatches = 142;
inline constexpr int kSwatchWidth = 24;

// The two sibling products in the birthday import: 100 × 72 each.
inline constexpr int kAppointmentBookPicture = 149;
inline constexpr int kAddressBookPicture = 150;

// Main button bar: 22 × 20 images over the command buttons of toolbar 128,
// in its order: new, open, edit, save, multi-day entry, print, manual, about.
inline constexpr int kToolbarImages = 154;
inline constexpr int kToolbarImageWidth = 22;
inline constexpr int kToolbarImageHeight = 20;

// 32 × 32 icons (shared resource 6); also fit as the icon bitmap of icon
// labels: 0 information, 1 calendar, 2 photo, 3 printer, 4 birthday,
// 5 language, 6 folder, 7 warning.
inline constexpr int kLargeIcons = 155;
inline constexpr int kLargeIconSize = 32;

// Pictures of the widget set itself.
inline constexpr int kHandCursor = 24576;         // 32 × 32, hot spot below
inline constexpr int kCheckBoxImages = 24577;     // 78 × 13: six 13 × 13 states
inline constexpr int kCalendarButtonDown = 24578; // 20 × 20 each
inline constexpr int kCalendarButtonUp = 24579;
inline constexpr int kSumButtonDown = 24580;
inline constexpr int kSumButtonUp = 24581;
inline constexpr int kSmallImages = 24582;   // the 16-pixel command icon strip
inline constexpr int kLanguageFlags = 24595; // 96 × 16: six 16 × 16, language order

inline constexpr int kHandHotSpotX = 11;
inline constexpr int kHandHotSpotY = 0;
inline constexpr int kCheckBoxSize = 13;
inline constexpr int kSmallImageSize = 16;

// Images of the 16-pixel strip (the command image table holds these indices).
inline constexpr int kIconNew = 0;
inline constexpr int kIconOpen = 1;
inline constexpr int kIconSave = 2;
inline constexpr int kIconCheckMark = 3; // checked menu items
inline constexpr int kIconSaveAs = 4;
inline constexpr int kIconEdit = 5;
inline constexpr int kIconExit = 6;
inline constexpr int kIconYear = 7;
inline constexpr int kIconClearEntries = 8;
inline constexpr int kIconMultiDay = 9;
inline constexpr int kIconPrint = 10;
inline constexpr int kIconUndo = 11;
inline constexpr int kIconRedo = 12;
inline constexpr int kIconPrintOneSheet = 13;
inline constexpr int kIconAbout = 22;
inline constexpr int kIconBirthdays = 23;
inline constexpr int kIconHelp = 24;
inline constexpr int kIconManual = 39;
inline constexpr int kIconFirstFlag = 41; // 41 + language index 0..5
inline constexpr int kSmallImageCount = 47;

// The key colours, as 0xRRGGBB.
inline constexpr unsigned kKeyStrip = 0x800080;
inline constexpr unsigned kKeyMagenta = 0xFF00FF;

// Every picture the program has: its size, the width of one image (the whole
// width for a single picture) and the key colour of its transparent pixels.
struct PictureInfo {
    int number;
    int width;
    int height;
    int imageWidth;
    unsigned key;
};

inline constexpr PictureInfo kPictureCatalogue[] = {
    {kMessageSymbols, 128, 32, 32, kKeyStrip},
    {kPrintPicture, 32, 32, 32, kKeyStrip},
    {kDayColourSwatches, 120, 16, kSwatchWidth, kKeyStrip},
    {kAppointmentBookPicture, 100, 72, 100, kKeyStrip},
    {kAddressBookPicture, 100, 72, 100, kKeyStrip},
    {kToolbarImages, 10 * kToolbarImageWidth, kToolbarImageHeight, kToolbarImageWidth, kKeyMagenta},
    {kLargeIcons, 8 * kLargeIconSize, kLargeIconSize, kLargeIconSize, kKeyStrip},
    {kHandCursor, 32, 32, 32, kKeyStrip},
    {kCheckBoxImages, 6 * kCheckBoxSize, kCheckBoxSize, kCheckBoxSize, kKeyMagenta},
    {kCalendarButtonDown, 20, 20, 20, kKeyStrip},
    {kCalendarButtonUp, 20, 20, 20, kKeyStrip},
    {kSumButtonDown, 20, 20, 20, kKeyStrip},
    {kSumButtonUp, 20, 20, 20, kKeyStrip},
    {kSmallImages, kSmallImageCount* kSmallImageSize, kSmallImageSize, kSmallImageSize, kKeyStrip},
    {kLanguageFlags, 6 * kSmallImageSize, kSmallImageSize, kSmallImageSize, kKeyStrip},
};

} // namespace veltrano::pictures
