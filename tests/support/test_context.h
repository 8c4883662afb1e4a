// An AppContext wired to fakes, with its settings file in a folder of its own.
#pragma once

#include "app/app_context.h"
#include "support/fake_clock.h"
#include "support/scripted_prompts.h"
#include "support/scripted_serial_port.h"
#include "support/temp_dir.h"

namespace r8::testing {

class TestContext {
 public:
  TestContext() : ctx_(clock_, prompts_, port_, dir_ / std::string(kSettingsFileName)) {}

  AppContext& ctx() { return ctx_; }
  FakeClock& clock() { return clock_; }
  ScriptedPrompts& prompts() { return prompts_; }
  const TempDir& dir() const { return dir_; }
  std::filesystem::path settings_path() const { return dir_ / std::string(kSettingsFileName); }

 private:
  TempDir dir_;
  FakeClock clock_;
  ScriptedPrompts prompts_;
  ScriptedSerialPort port_;
  AppContext ctx_;
};

}  // namespace r8::testing
