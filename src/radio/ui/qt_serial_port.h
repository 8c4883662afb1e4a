// The SerialPort port on a real serial device, through QSerialPort.
#pragma once

#include <functional>
#include <memory>

#include "radio/serial_port.h"

class QSerialPort;

namespace r8 {

class QtSerialPort : public SerialPort {
 public:
  // device_for turns the program's port name ("COM1") into a device path ("/dev/ttyUSB0").
  explicit QtSerialPort(std::function<std::string(const std::string&)> device_for);
  ~QtSerialPort() override;

  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  bool SetQueueSizes(std::size_t input, std::size_t output) override;
  bool Configure(const LineSettings& settings) override;
  std::string ConfigureProblem() const override { return problem_; }
  bool SetTimeouts(const PortTimeouts& timeouts) override;
  int Write(std::string_view bytes) override;
  ReadResult Read(std::size_t count) override;
  ReadResult ReadReply(std::size_t count) override;
  void Purge() override;
  std::size_t InputQueueCount() override;
  ModemLines Modem() override;
  void FlushOutput() override;

  const std::string& device() const { return device_; }

 private:
  ReadResult ReadUntil(std::size_t count, bool stop_at_line_feed);

  std::function<std::string(const std::string&)> device_for_;
  std::unique_ptr<QSerialPort> port_;
  PortTimeouts timeouts_;
  std::string device_;
  std::string problem_;
};

}  // namespace r8
