#pragma once
// Conversions between the runtime's values and Qt's: UTF-8 texts with "\r" line breaks,
// 0x00BBGGRR colours, fonts in points and twips (15 twips = 1 pixel).
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "forms/Color.h"
#include "forms/Font.h"

namespace forms::qt {

QString ToQt(const std::string& utf8);
std::string FromQt(const QString& text);
// A caption as shown: "\r\n" and "\r" become line breaks.
QString Caption(const std::string& utf8);

QColor ToQColor(Color c);
Color FromQColor(const QColor& c);

// Pixels for twips, rounded to the nearest pixel.
int Px(int twips);
constexpr int Twips(int pixels) { return pixels * 15; }
// Edges are rounded, not sizes, so that neighbours placed by twips meet without gaps.
QRect PxRect(int left, int top, int width, int height);

// The font at the windows' 96 pixels per inch, whatever the screen's resolution.
QFont ToQFont(const Font& font);
// For the font dialog: sizes in points.
QFont ToPointFont(const Font& font);
Font FromQFont(const QFont& font);

// Classic Windows family names stand in for the metric-compatible fonts installed here.
void InstallFontSubstitutions();

}  // namespace forms::qt
