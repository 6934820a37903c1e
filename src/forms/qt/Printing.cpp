#include "forms/qt/Printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>
#include <system_error>

#include "forms/qt/Convert.h"
#include "forms/qt/GridPainter.h"

namespace forms::qt {

namespace {

// The windows' pixels are 1/96 inch.
constexpr double kScreenDpi = 96.0;

bool PaintPage(QPrinter& printer, const GridPicture& picture) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QStringLiteral("Morvellan"));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double scale = printer.resolution() / kScreenDpi;
  painter.scale(scale, scale);
  PaintGridPicture(painter, picture);
  return painter.end();
}

std::string Stamp(const DateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return text;
}

}  // namespace

bool HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

PrintOutcome PrintOnDefaultPrinter(const GridPicture& picture) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  const std::string name = FromQt(info.printerName());
  QPrinter printer(info, QPrinter::HighResolution);
  if (!PaintPage(printer, picture))
    return {false, "The printer " + name + " could not print the page.", ""};
  return {true, "", ""};
}

PrintOutcome PrintToPdf(const GridPicture& picture, const std::filesystem::path& folder,
                        const DateTime& now) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error)
    return {false, "The folder " + folder.string() + " cannot be created: " + error.message(), ""};
  std::filesystem::path file;
  for (int counter = 1;; ++counter) {
    file = folder / ("Morvellan_" + Stamp(now) + "_" + std::to_string(counter) + ".pdf");
    if (!std::filesystem::exists(file, error)) break;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ToQt(file.string()));
  if (!PaintPage(printer, picture) || !std::filesystem::exists(file, error)) {
    return {false, "The file " + file.string() + " cannot be written.", ""};
  }
  return {true, "", file.string()};
}

}  // namespace forms::qt
