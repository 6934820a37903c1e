#pragma once

#include <string>
#include <vector>

#include "forms/Forms.h"
#include "forms/headless/HeadlessPlatform.h"

// A window that logs its own handlers into a shared journal, "name:Event".
class TestWindow : public forms::Form {
 public:
  TestWindow(forms::Runtime& rt, std::string name, std::vector<std::string>& journal)
      : forms::Form(rt, name), journal_(journal) {}

  int cancelQueryUnload = 0;
  int cancelUnload = 0;
  int lastUnloadMode = -1;

 protected:
  void Form_Load() override { Log("Load"); }
  void Form_Activate() override { Log("Activate"); }
  void Form_Deactivate() override { Log("Deactivate"); }
  void Form_QueryUnload(int& cancel, int unloadMode) override {
    Log("QueryUnload");
    lastUnloadMode = unloadMode;
    cancel = cancelQueryUnload;
  }
  void Form_Unload(int& cancel) override {
    Log("Unload");
    cancel = cancelUnload;
  }

  void Log(const std::string& event) { journal_.push_back(Name() + ":" + event); }

 private:
  std::vector<std::string>& journal_;
};

// A fresh headless program: platform and runtime.
struct Program {
  forms::HeadlessPlatform platform;
  forms::Runtime rt{platform};
  std::vector<std::string> journal;
};
