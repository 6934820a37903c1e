// morvellan: the program on real windows.
#include <QApplication>
#include <iostream>

#include "forms/qt/QtPlatform.h"
#include "program/Program.h"

int main(int argc, char** argv) {
  if (const std::string problem = forms::qt::DisplayProblem(); !problem.empty()) {
    std::cerr << problem;
    return 1;
  }
  QApplication app(argc, argv);
  forms::qt::QtPlatform platform;
  mv::Program program(platform);
  platform.Attach(program.s.rt);
  const int status = program.Start();
  if (status != 0) return status;
  if (program.s.rt.Ended()) return platform.ExitCode();
  return app.exec();
}
