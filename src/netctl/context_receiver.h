// The receiver as the network clients see it: the program's own state and receiver link, so a
// client's command takes the same road as a faceplate control's.
#pragma once

#include "netctl/rig_protocol.h"

namespace r8 {
class AppContext;
}

namespace r8::netctl {

class ContextReceiver : public RigReceiver {
 public:
  explicit ContextReceiver(AppContext& ctx) : ctx_(ctx) {}

  const RadioState& State() const override;
  int Model() const override;
  bool Busy() const override;
  bool Connected() const override;
  void Refresh() override;
  bool Tune(double khz) override;
  bool SetMode(ModeCode mode, std::optional<BandwidthCode> width) override;
  bool SetVfo(VfoCode vfo) override;
  bool SetPower(bool on) override;
  void Show() override;

 private:
  AppContext& ctx_;
};

}  // namespace r8::netctl
