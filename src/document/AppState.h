#pragma once

#include "document/Document.h"

#include <string>

namespace tessra {

// Everything more than one window needs. One instance lives for the whole run (the application
// object hands it out); core operations take the state they change as a parameter.
//
// Texts that are stored or compared byte for byte (preset keys, format strings, printer names)
// are CP932 byte strings. Paths are native file-system strings.
struct AppState {
    // Settings and printer, persisted in the settings record.
    std::string settingsPath;
    std::string printerName;
    std::string printerPort;
    std::string printerModel;  // "ZEN10", "ZEN10R" or empty
    std::string leftMarginText;
    std::string topMarginText;
    std::string bottomMarginText;
    std::string horizontalCorrectionText;
    std::string verticalCorrectionText;
    double leftMargin = 0;
    double topMargin = 0;
    double bottomMargin = 0;
    double horizontalCorrection = 0;
    double verticalCorrection = 0;
    bool frontEject = false;
    bool thickPaper = false;
    int startLabel = 1;  // the label the job begins at, from 1; chosen per run, never saved

    // The document: what a file holds and what the user changes in it.
    Document document;

    // Display.
    std::string displayMode;  // "Braille" or "Japanease"
    std::string viewMode;     // "Sheet" or "Label"
    std::string zoom;         // "Zoom_0" .. "Zoom_3"
    long long shownSheet = 0;  // the sheet the sheet view shows, from 0
    bool allCellsPrintable = false;
    long long chosenLabel = 0;  // the sheet view's chosen label, reading order from 0
};

namespace mode {
inline constexpr const char* kBraille = "Braille";
inline constexpr const char* kKana = "Japanease";
inline constexpr const char* kSheet = "Sheet";
inline constexpr const char* kLabel = "Label";
inline constexpr const char* kZoom0 = "Zoom_0";
inline constexpr const char* kZoom1 = "Zoom_1";
inline constexpr const char* kZoom2 = "Zoom_2";
inline constexpr const char* kZoom3 = "Zoom_3";
inline constexpr const char* kZen10 = "ZEN10";
inline constexpr const char* kZen10R = "ZEN10R";
}  // namespace mode

}  // namespace tessra
