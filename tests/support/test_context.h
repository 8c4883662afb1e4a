// An AppContext wired to fakes: the fake clock, scripted prompts and the emulated receiver, with
// its settings file in a folder of its own.
#pragma once

#include "app/app_context.h"
#include "emulator/emulated_serial_port.h"
#include "radio/radio_model.h"
#include "support/fake_clock.h"
#include "support/recording_launcher.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace r8::testing {

class TestContext {
 public:
  explicit TestContext(int model = kModelR8A)
      : port_(clock_, model),
        ctx_(clock_, prompts_, port_, launcher_, dir_ / std::string(kSettingsFileName)) {
    ctx_.settings().RadioModel = model;
    ctx_.settings().CommPort = 1;
  }

  AppContext& ctx() { return ctx_; }
  FakeClock& clock() { return clock_; }
  ScriptedPrompts& prompts() { return prompts_; }
  emulator::EmulatedSerialPort& port() { return port_; }
  emulator::Receiver& receiver() { return port_.receiver(); }
  RecordingLauncher& launcher() { return launcher_; }
  RadioState& radio() { return ctx_.radio(); }
  const TempDir& dir() const { return dir_; }
  std::filesystem::path settings_path() const { return dir_ / std::string(kSettingsFileName); }

  // Opens the port to the emulated receiver as the program does at start.
  void Connect() { ctx_.link().CommOpen(); }
  // A settings file with the receiver chosen, so that the program does not take it for a first
  // start.
  void WriteSettingsFile() { WriteSettings(ctx_.profile(), ctx_.settings()); }

 private:
  TempDir dir_;
  FakeClock clock_;
  ScriptedPrompts prompts_;
  emulator::EmulatedSerialPort port_;
  RecordingLauncher launcher_;
  AppContext ctx_;
};

}  // namespace r8::testing
