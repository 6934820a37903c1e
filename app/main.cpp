// morvellan: the program on real windows.
#include "core/Main.h"

#include <QApplication>
#include <iostream>

#include "core/State.h"
#include "forms/qt/QtPlatform.h"

int main(int argc, char** argv) {
  if (const std::string problem = forms::qt::DisplayProblem(); !problem.empty()) {
    std::cerr << problem;
    return 1;
  }
  QApplication app(argc, argv);
  forms::qt::QtPlatform platform;
  mv::State state(platform);
  platform.Attach(state.rt);
  const int status = mv::Main(state);
  if (status != 0) return status;
  if (state.rt.Ended()) return platform.ExitCode();
  return app.exec();
}
