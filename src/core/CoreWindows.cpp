#include "core/CoreWindows.h"

#include "core/frmLogin.h"

namespace mv {

CoreWindows::CoreWindows(State& state)
    : s(state), frmLogin([this] { return std::make_unique<mv::frmLogin>(*this); }) {}

CoreWindows::~CoreWindows() = default;

}  // namespace mv
