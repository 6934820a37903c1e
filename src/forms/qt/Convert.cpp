#include "forms/qt/Convert.h"

#include <algorithm>
#include <cmath>

namespace forms::qt {

QString ToQt(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

QString Caption(const std::string& utf8) {
  QString text = ToQt(utf8);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QColor ToQColor(Color c) {
  const Color rgb = SystemColorRgb(c);
  return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

Color FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

int Px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect PxRect(int left, int top, int width, int height) {
  const int x = Px(left);
  const int y = Px(top);
  return QRect(x, y, std::max(0, Px(left + width) - x), std::max(0, Px(top + height) - y));
}

QFont ToQFont(const Font& font) {
  QFont f(ToQt(font.Name.empty() ? Font{}.Name : font.Name));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * 96.0 / 72.0))));
  f.setBold(font.Bold);
  f.setItalic(font.Italic);
  f.setUnderline(font.Underline);
  return f;
}

QFont ToPointFont(const Font& font) {
  QFont f = ToQFont(font);
  f.setPointSizeF(font.Size > 0 ? font.Size : Font{}.Size);
  return f;
}

Font FromQFont(const QFont& font) {
  Font f;
  f.Name = FromQt(font.family());
  f.Size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
  f.Bold = font.bold();
  f.Italic = font.italic();
  f.Underline = font.underline();
  return f;
}

void InstallFontSubstitutions() {
  const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                            QStringLiteral("DejaVu Sans")};
  for (const char* family :
       {"MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Tahoma"}) {
    QFont::insertSubstitutions(QString::fromLatin1(family), sans);
  }
  QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
}

}  // namespace forms::qt
