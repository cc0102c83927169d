#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace ordavex {

// Families named by the design, and the metric-compatible families used where they are missing.
inline constexpr const char* kSegoeUi = "Segoe UI";
inline constexpr const char* kTrebuchet = "Trebuchet MS";
inline constexpr const char* kCourierNew = "Courier New";

// Registers the pictures, the fallback fonts, Qt's Italian texts and the program's icon; called
// once, before any window is built.
void PrepareApplication();
void InstallFontFallbacks();

// The type sizes of the design, in points: the windows' default and options, then captions,
// command buttons and help texts, then counts, values and messages, then lists, keypad numbers
// and names.
inline constexpr double kSmallPoints = 8.25;
inline constexpr double kRegularPoints = 9;
inline constexpr double kMediumPoints = 9.75;
inline constexpr double kLargePoints = 11.25;

// A font of the design: family, size in points, semibold or regular.
QFont DesignFont(const char* family, double points, bool semibold = false);

// A rectangle given in twips, as left, top, width, height, turned into pixels.
QRect TwipsRect(int left, int top, int width, int height);
int Px(int twips);

// Colours of the design, given as red, green, blue.
inline const QColor kValueLabelBackground{240, 240, 255};
inline const QColor kSelectedColour{164, 196, 208};  // azure
inline const QColor kFixedColour{232, 206, 23};      // gold
inline const QColor kCountColour{64, 64, 64};        // dark grey of the keypad counters

// Sets a widget's background colour through its palette and style sheet.
void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);

// The title shared by the program's windows: "Ordavex® - by Quarnelo", and its variants.
QString ProductName();
QString ProductTitle();
QString ProductTitleWithHelp();

}  // namespace ordavex
