#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/WindowManager.h"

namespace forms {

// A window that may or may not be loaded, as VB's form variables are: using it loads it
// (building it with the factory and running Form_Load); unloading discards it, so the next
// use builds a new one. The program state owns one slot per window and declares its Runtime
// before the slots, so that the windows go first.
template <class T>
class FormSlot {
 public:
  using Factory = std::function<std::unique_ptr<T>()>;

  explicit FormSlot(Factory factory) : factory_(std::move(factory)) {}
  ~FormSlot() { Discard(); }
  FormSlot(const FormSlot&) = delete;
  FormSlot& operator=(const FormSlot&) = delete;

  // The window, loaded on first use. (Should its Form_Load unload it again, the window returned
  // lives on until the running user action ends, and the next use builds a new one.)
  T& Get() {
    if (!form_) {
      form_ = factory_();
      form_->release_ = [this]() -> std::unique_ptr<Form> { return std::move(form_); };
    }
    T& form = *form_;
    form.Load();
    return form;
  }
  T* operator->() { return &Get(); }
  T& operator*() { return Get(); }

  // The window if it exists, without loading it.
  T* IfLoaded() const { return form_ && form_->IsLoaded() ? form_.get() : nullptr; }
  bool IsLoaded() const { return IfLoaded() != nullptr; }

  void Load() { Get(); }
  // Unloads the window when it exists; false when its handlers cancelled.
  bool Unload() { return form_ ? form_->Unload() : true; }

  // Drops the window without running its handlers (the program ends).
  void Discard() {
    if (form_) {
      form_->release_ = nullptr;
      form_->windows_.Forget(*form_);
      form_.reset();
    }
  }

 private:
  Factory factory_;
  std::unique_ptr<T> form_;
};

}  // namespace forms
