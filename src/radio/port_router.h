// The serial port the program uses: each open looks up what the port name means ("PORTS" section)
// and routes to a real device or to the built-in emulated receiver.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "radio/port_names.h"
#include "radio/serial_port.h"

namespace r8 {

class PortRouter : public SerialPort {
 public:
  // resolve says what a port name means at the moment of opening (the settings may have changed);
  // device is the real-device port, opened with device paths; make_emulator builds the emulated
  // receiver's port on first use.
  PortRouter(std::function<PortTarget(const std::string&)> resolve, SerialPort& device,
             std::function<std::unique_ptr<SerialPort>()> make_emulator);

  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  bool SetQueueSizes(std::size_t input, std::size_t output) override;
  bool Configure(const LineSettings& settings) override;
  std::string ConfigureProblem() const override;
  bool SetTimeouts(const PortTimeouts& timeouts) override;
  int Write(std::string_view bytes) override;
  ReadResult Read(std::size_t count) override;
  void Purge() override;
  std::size_t InputQueueCount() override;
  ModemLines Modem() override;
  void ClearBreak() override;
  void FlushOutput() override;

  bool using_emulator() const { return active_ != nullptr && active_ == emulator_.get(); }
  // What the last open went to: a device path or "EMULATOR".
  const std::string& target() const { return target_; }

 private:
  std::function<PortTarget(const std::string&)> resolve_;
  SerialPort& device_;
  std::function<std::unique_ptr<SerialPort>()> make_emulator_;
  std::unique_ptr<SerialPort> emulator_;
  SerialPort* active_ = nullptr;
  std::string target_;
};

}  // namespace r8
