#include "netctl/context_receiver.h"

#include "app/app_context.h"
#include "faceplate/faceplate_view.h"

namespace r8::netctl {

const RadioState& ContextReceiver::State() const { return ctx_.radio(); }

int ContextReceiver::Model() const { return ctx_.settings().RadioModel; }

bool ContextReceiver::Busy() const {
  // The receiver's own scan sends its lines unasked; the program's scans and a memory capture or
  // fill own the link until they end.
  return ctx_.radio().ScanState == ScanStateCode::kReceiverScan || ctx_.scan().active ||
         ctx_.link().scan_active || ctx_.link().exchange_active;
}

bool ContextReceiver::Connected() const { return ctx_.link().PortError() == 0; }

void ContextReceiver::Refresh() {
  RadioControl& control = ctx_.control();
  const PollResult poll = control.PollStatus();
  ApplyDisplayRules(ctx_.radio(), ctx_.settings().RadioModel);
  control.SendFollowUps(poll);
}

bool ContextReceiver::Tune(double khz) {
  ctx_.control().TuneRadio(khz);
  return !ctx_.link().last_failed();
}

bool ContextReceiver::SetMode(ModeCode mode, std::optional<BandwidthCode> width) {
  RadioControl& control = ctx_.control();
  control.SetRadioMode(mode);
  if (ctx_.link().last_failed()) return false;
  if (width) {
    ctx_.radio().Bandwidth = *width;
    control.RadioCommand(kCmdBandwidth, false);
  }
  return !ctx_.link().last_failed();
}

// The protocol asks only for a change: both commands toggle.
bool ContextReceiver::SetVfo(VfoCode) {
  ctx_.control().RadioCommand(kCmdVfo, false);
  return !ctx_.link().last_failed();
}

bool ContextReceiver::SetPower(bool) {
  ctx_.control().PowerToggle();
  return !ctx_.link().last_failed();
}

void ContextReceiver::Show() {
  // The faceplate's refresh reads the receiver and redraws; without a faceplate, a read will do.
  if (!ctx_.commands().Post(AppCommand::kRefresh)) Refresh();
}

}  // namespace r8::netctl
