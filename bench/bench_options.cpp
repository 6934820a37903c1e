// The print manager and the language switch over 300 employees in ten teams and 100,000
// tbl_Kalender rows: a batch of 10 teams x 12 months printed to PDF files on the Qt offscreen
// platform (target: under 50 ms a page), and a click on a flag of the options dialog, which
// discards and sets up the main window again (headless; target: under 60 ms).
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "BenchProgram.h"
#include "calendar/frmKalender.h"
#include "forms/qt/QtPlatform.h"
#include "overview/frmDrucken.h"
#include "overview/frmOptionen.h"

namespace {

// The offscreen platform says on every window that it cannot raise it.
void QuietHandler(QtMsgType, const QMessageLogContext&, const QString& message) {
  if (!message.contains(QStringLiteral("does not support")))
    fprintf(stderr, "%s\n", qPrintable(message));
}

struct AppFirst {
  AppFirst() {
    qInstallMessageHandler(QuietHandler);
    static int argc = 1;
    static char name[] = "bench_options";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
  }
};

// The program as bench::Program sets it up, on the Qt platform; every page goes to a PDF file.
struct QtProgram : AppFirst {
  QtProgram() {
    platform.SetProgramFolder(folder.path().toStdString());
    platform.SetPrintToPdf(true);
    program = std::make_unique<mv::Program>(platform);
    platform.Attach(program->s.rt);
    bench::SetUp(*program, mv::SettingsRecord{}, "");
  }
  ~QtProgram() { program.reset(); }

  QTemporaryDir folder;
  forms::qt::QtPlatform platform;
  std::unique_ptr<mv::Program> program;
};

int PdfFiles(const std::filesystem::path& folder) {
  int files = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder))
    files += file.path().extension() == ".pdf";
  return files;
}

void BM_PrintManagerBatchToPdfPerPage(benchmark::State& st) {
  QtProgram qt;
  qt.program->calendar.frmKalender->UserShortcut("Ctrl+D");
  mv::frmDrucken& manager = *qt.program->overview.frmDrucken.IfLoaded();
  for (int t = 0; t < manager.lstTeams.ListCount(); ++t) manager.lstTeams.UserClick(t);
  for (int m = 0; m < manager.lstMonate.ListCount(); ++m) manager.lstMonate.UserClick(m);
  const int pages = manager.lstTeams.SelCount() * manager.lstMonate.SelCount();
  const std::filesystem::path prints = qt.platform.ProgramFolder() / "prints";
  double total = 0;
  for (auto _ : st) {
    std::filesystem::remove_all(prints);
    const auto start = std::chrono::steady_clock::now();
    manager.cmd_Print.UserClick();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (PdfFiles(prints) != pages) st.SkipWithError("a page was not printed");
  }
  st.counters["pages"] = pages;
  bench::ReportMs(st, total / pages, 50.0);
}
BENCHMARK(BM_PrintManagerBatchToPdfPerPage)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LanguageSwitch(benchmark::State& st) {
  bench::Program headless(mv::SettingsRecord{}, "");
  mv::Program& program = *headless.program;
  program.calendar.frmKalender->UserShortcut("Ctrl+E");
  mv::frmOptionen& options = *program.overview.frmOptionen.IfLoaded();
  bool english = false;
  double total = 0;
  for (auto _ : st) {
    english = !english;
    forms::Image& flag = english ? options.imgEnglish : options.imgDeutsch;
    const auto start = std::chrono::steady_clock::now();
    flag.UserClick();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  bench::ReportMs(st, total, 60.0);
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
