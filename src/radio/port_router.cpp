#include "radio/port_router.h"

#include "radio/port_names.h"

namespace r8 {

PortRouter::PortRouter(std::function<PortTarget(const std::string&)> resolve, SerialPort& device,
                       std::function<std::unique_ptr<SerialPort>()> make_emulator)
    : resolve_(std::move(resolve)), device_(device), make_emulator_(std::move(make_emulator)) {}

bool PortRouter::Open(const std::string& name) {
  Close();
  const PortTarget t = resolve_ ? resolve_(name) : PortTarget{false, name};
  if (t.emulator) {
    if (!emulator_ && make_emulator_) emulator_ = make_emulator_();
    if (!emulator_) return false;
    active_ = emulator_.get();
    target_ = std::string(kEmulatorDevice);
    return active_->Open(name);
  }
  active_ = &device_;
  target_ = t.device;
  return active_->Open(t.device);
}

void PortRouter::Close() {
  if (active_) active_->Close();
}

bool PortRouter::IsOpen() const { return active_ && active_->IsOpen(); }

bool PortRouter::SetQueueSizes(std::size_t input, std::size_t output) {
  return active_ && active_->SetQueueSizes(input, output);
}

bool PortRouter::Configure(const LineSettings& settings) {
  return active_ && active_->Configure(settings);
}

std::string PortRouter::ConfigureProblem() const {
  return active_ ? active_->ConfigureProblem() : std::string();
}

bool PortRouter::SetTimeouts(const PortTimeouts& timeouts) {
  return active_ && active_->SetTimeouts(timeouts);
}

int PortRouter::Write(std::string_view bytes) {
  return active_ ? active_->Write(bytes) : kLineErrorIo;
}

ReadResult PortRouter::Read(std::size_t count) {
  if (active_) return active_->Read(count);
  return {{}, kLineErrorIo, false};
}

void PortRouter::Purge() {
  if (active_) active_->Purge();
}

std::size_t PortRouter::InputQueueCount() { return active_ ? active_->InputQueueCount() : 0; }

ModemLines PortRouter::Modem() { return active_ ? active_->Modem() : ModemLines{}; }

void PortRouter::ClearBreak() {
  if (active_) active_->ClearBreak();
}

void PortRouter::FlushOutput() {
  if (active_) active_->FlushOutput();
}

}  // namespace r8
