// morvellan-pictures FOLDER
// Draws the program's pictures into FOLDER: the two language flags of the options dialog
// (Deutsch.png, English.png, 320 x 200 pixels) and the about box's calendar sheet (Info.png,
// 383 x 257 pixels). Shapes only, no text, so that every machine draws the same pixels.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <iostream>
#include <numbers>

namespace {

constexpr int kFlagWidth = 320;
constexpr int kFlagHeight = 200;
constexpr int kInfoWidth = 383;
constexpr int kInfoHeight = 257;

QImage Canvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  return image;
}

QImage GermanFlag() {
  QImage image = Canvas(kFlagWidth, kFlagHeight);
  QPainter p(&image);
  const QColor stripes[] = {QColor(0, 0, 0), QColor(0xDD, 0, 0), QColor(0xFF, 0xCE, 0)};
  for (int i = 0; i < 3; ++i) {
    const int top = kFlagHeight * i / 3;
    p.fillRect(0, top, kFlagWidth, kFlagHeight * (i + 1) / 3 - top, stripes[i]);
  }
  return image;
}

// The union flag on its 60 x 30 grid, stretched over the picture.
QImage UnionFlag() {
  QImage image = Canvas(kFlagWidth, kFlagHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kFlagWidth / 60.0, kFlagHeight / 30.0);
  const QColor blue(0x01, 0x21, 0x69);
  const QColor red(0xC8, 0x10, 0x2E);
  p.fillRect(QRectF(0, 0, 60, 30), blue);

  QPainterPath diagonals;
  diagonals.moveTo(0, 0);
  diagonals.lineTo(60, 30);
  diagonals.moveTo(60, 0);
  diagonals.lineTo(0, 30);
  p.setClipRect(QRectF(0, 0, 60, 30));
  p.strokePath(diagonals, QPen(Qt::white, 6));
  // The red diagonals lie off centre: each arm keeps its red on the clockwise side.
  QPainterPath counterchange;
  counterchange.addPolygon(QPolygonF({{30, 15}, {60, 15}, {60, 30}}));
  counterchange.addPolygon(QPolygonF({{30, 15}, {30, 30}, {0, 30}}));
  counterchange.addPolygon(QPolygonF({{30, 15}, {0, 15}, {0, 0}}));
  counterchange.addPolygon(QPolygonF({{30, 15}, {30, 0}, {60, 0}}));
  p.setClipPath(counterchange);
  p.strokePath(diagonals, QPen(red, 4));
  p.setClipping(false);

  QPainterPath cross;
  cross.moveTo(30, 0);
  cross.lineTo(30, 30);
  cross.moveTo(0, 15);
  cross.lineTo(60, 15);
  p.strokePath(cross, QPen(Qt::white, 10, Qt::SolidLine, Qt::FlatCap));
  p.strokePath(cross, QPen(red, 6, Qt::SolidLine, Qt::FlatCap));
  return image;
}

void Sun(QPainter& p, QPointF centre, double radius) {
  p.setPen(QPen(QColor(0xFF, 0xC0, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
  for (int ray = 0; ray < 12; ++ray) {
    const double angle = ray * std::numbers::pi / 6;
    const QPointF direction(std::cos(angle), std::sin(angle));
    p.drawLine(centre + direction * (radius + 5), centre + direction * (radius + 14));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xD8, 0x40));
  p.drawEllipse(centre, radius, radius);
}

// A month sheet: five weeks of seven days, the weekend grey and some days enquired (yellow),
// approved (green) and declined (red), as the month calendar shows them.
void CalendarSheet(QPainter& p, QRectF sheet) {
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(sheet, 6, 6);
  const QRectF header(sheet.left(), sheet.top(), sheet.width(), 34);
  QPainterPath rounded;
  rounded.addRoundedRect(sheet, 6, 6);
  p.setClipPath(rounded);
  p.fillRect(header, QColor(0x00, 0x00, 0x80));
  p.setClipping(false);
  for (double x : {sheet.left() + 40, sheet.right() - 40}) {
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    p.drawRoundedRect(QRectF(x - 5, sheet.top() - 12, 10, 26), 5, 5);
  }

  const QColor yellow(0xFF, 0xFF, 0x00), green(0x00, 0xFF, 0x00), red(0xFF, 0x00, 0x00);
  const QColor weekend(0xC0, 0xC0, 0xC0);
  const double left = sheet.left() + 12, top = header.bottom() + 10;
  const double cellWidth = (sheet.width() - 24) / 7, cellHeight = (sheet.bottom() - 10 - top) / 5;
  for (int week = 0; week < 5; ++week) {
    for (int day = 0; day < 7; ++day) {
      QColor fill = day >= 5 ? weekend : QColor(0xF8, 0xF8, 0xF8);
      const int n = week * 7 + day;
      if (n >= 8 && n <= 11) fill = green;
      if (n == 16 || n == 17) fill = yellow;
      if (n == 23) fill = red;
      if (n >= 29 && n <= 30) fill = yellow;
      p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
      p.setBrush(fill);
      p.drawRect(QRectF(left + day * cellWidth + 2, top + week * cellHeight + 2, cellWidth - 4,
                        cellHeight - 4));
    }
  }
}

void PaperPlane(QPainter& p, QPointF tip) {
  const QPolygonF wing({tip, tip + QPointF(-58, 14), tip + QPointF(-36, 20)});
  const QPolygonF fold({tip, tip + QPointF(-36, 20), tip + QPointF(-30, 36)});
  p.setPen(QPen(QColor(0x30, 0x50, 0x90), 1.5));
  p.setBrush(Qt::white);
  p.drawPolygon(wing);
  p.setBrush(QColor(0xDD, 0xE6, 0xF4));
  p.drawPolygon(fold);
}

QImage InfoPicture() {
  QImage image = Canvas(kInfoWidth, kInfoHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kInfoHeight);
  sky.setColorAt(0, QColor(0x9C, 0xCF, 0xF5));
  sky.setColorAt(1, QColor(0xF2, 0xF8, 0xFF));
  p.fillRect(image.rect(), sky);
  Sun(p, QPointF(kInfoWidth - 58, 54), 26);
  CalendarSheet(p, QRectF(34, 46, 250, 190));
  PaperPlane(p, QPointF(kInfoWidth - 24, 150));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: morvellan-pictures FOLDER\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::cerr << "morvellan-pictures: cannot create " << argv[1] << "\n";
    return 1;
  }
  const std::pair<const char*, QImage> pictures[] = {
      {"Deutsch.png", GermanFlag()}, {"English.png", UnionFlag()}, {"Info.png", InfoPicture()}};
  for (const auto& [name, image] : pictures) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (!image.save(path, "PNG")) {
      std::cerr << "morvellan-pictures: cannot write " << path.toStdString() << "\n";
      return 1;
    }
  }
  return 0;
}
