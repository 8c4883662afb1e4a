#include "radio/ui/qt_serial_port.h"

#include <string>
#include <vector>

#include <QDeadlineTimer>
#include <QSerialPort>

#include "common/ui/qt_user_prompts.h"

namespace r8 {

QtSerialPort::QtSerialPort(std::function<std::string(const std::string&)> device_for)
    : device_for_(std::move(device_for)), port_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() = default;

bool QtSerialPort::Open(const std::string& name) {
  Close();
  device_ = device_for_ ? device_for_(name) : name;
  port_->setPortName(FileNameToQt(device_));
  return port_->open(QIODevice::ReadWrite);
}

void QtSerialPort::Close() {
  if (port_->isOpen()) port_->close();
}

bool QtSerialPort::IsOpen() const { return port_->isOpen(); }

bool QtSerialPort::SetQueueSizes(std::size_t input, std::size_t) {
  // Qt keeps no output queue limit; the input limit makes it stop reading past the receiver's
  // queue size, as the line's own buffer would.
  port_->setReadBufferSize(static_cast<qint64>(input));
  return true;
}

bool QtSerialPort::Configure(const LineSettings& s) {
  std::vector<std::string> failed;
  auto check = [&](bool ok, std::string what) {
    if (ok) return;
    failed.push_back(std::move(what));
    port_->clearError();
  };
  check(port_->setBaudRate(s.baud), std::to_string(s.baud) + " baud");
  check(port_->setDataBits(s.data_bits == 7 ? QSerialPort::Data7 : QSerialPort::Data8),
        std::to_string(s.data_bits) + " data bits");
  check(
      port_->setParity(s.parity == Parity::kEven ? QSerialPort::EvenParity : QSerialPort::NoParity),
      s.parity == Parity::kEven ? "even parity" : "no parity");
  check(port_->setStopBits(s.stop_bits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop),
        std::to_string(s.stop_bits) + " stop bits");
  // QSerialPort offers RTS/CTS flow control only; DSR flow control and DTR handshaking have no
  // equivalent, so DTR is simply held on.
  check(port_->setFlowControl(s.cts_output_flow ? QSerialPort::HardwareControl
                                                : QSerialPort::NoFlowControl),
        s.cts_output_flow ? "hardware flow control" : "no flow control");
  // A device without modem lines (a pseudo-terminal, some adapters) refuses DTR; that is no fault
  // of the line, and the error must not stand until the next read takes it for one.
  if ((s.dtr_on || s.dtr_handshake) && !port_->setDataTerminalReady(true)) (void)0;
  problem_.clear();
  for (const std::string& f : failed) problem_ += (problem_.empty() ? "" : ", ") + f;
  return failed.empty();
}

bool QtSerialPort::SetTimeouts(const PortTimeouts& timeouts) {
  timeouts_ = timeouts;
  return true;
}

int QtSerialPort::Write(std::string_view bytes) {
  if (!port_->isOpen()) return kLineErrorIo;
  const qint64 n = port_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  const int wait =
      static_cast<int>(timeouts_.write_constant_ms + timeouts_.write_multiplier_ms * bytes.size()) +
      100;
  while (port_->bytesToWrite() > 0) {
    if (!port_->waitForBytesWritten(wait)) break;
  }
  return n == static_cast<qint64>(bytes.size()) ? kLineErrorNone : kLineErrorIo;
}

ReadResult QtSerialPort::Read(std::size_t count) { return ReadUntil(count, false); }

ReadResult QtSerialPort::ReadReply(std::size_t count) { return ReadUntil(count, true); }

ReadResult QtSerialPort::ReadUntil(std::size_t count, bool stop_at_line_feed) {
  ReadResult r;
  if (!port_->isOpen()) {
    r.ok = false;
    r.errors = kLineErrorIo;
    return r;
  }
  QDeadlineTimer deadline(static_cast<qint64>(timeouts_.read_total_ms));
  auto complete = [&] {
    const qint64 have = port_->bytesAvailable();
    if (static_cast<std::size_t>(have) >= count) return true;
    return stop_at_line_feed && port_->peek(have).contains('\n');
  };
  while (!complete() && !deadline.hasExpired()) {
    if (!port_->waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)))) {
      if (port_->error() != QSerialPort::NoError && port_->error() != QSerialPort::TimeoutError)
        break;
    }
  }
  qint64 take = static_cast<qint64>(count);
  if (stop_at_line_feed) {
    const qsizetype lf = port_->peek(take).indexOf('\n');
    if (lf >= 0) take = lf + 1;
  }
  const QByteArray data = port_->read(take);
  r.bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
  switch (port_->error()) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
      break;
    default:
      r.errors = kLineErrorIo;
      break;
  }
  port_->clearError();
  return r;
}

void QtSerialPort::Purge() {
  if (!port_->isOpen()) return;
  port_->waitForReadyRead(0);  // take in what the system has buffered, so it is dropped too
  port_->clear(QSerialPort::AllDirections);
  port_->readAll();
}

std::size_t QtSerialPort::InputQueueCount() {
  if (!port_->isOpen()) return 0;
  port_->waitForReadyRead(0);
  return static_cast<std::size_t>(port_->bytesAvailable());
}

ModemLines QtSerialPort::Modem() {
  ModemLines m;
  if (!port_->isOpen()) return m;
  const QSerialPort::PinoutSignals pins = port_->pinoutSignals();
  if (port_->error() == QSerialPort::UnsupportedOperationError) port_->clearError();
  m.dsr = pins.testFlag(QSerialPort::DataSetReadySignal);
  m.carrier = pins.testFlag(QSerialPort::DataCarrierDetectSignal);
  return m;
}

void QtSerialPort::FlushOutput() {
  if (port_->isOpen()) port_->flush();
}

}  // namespace r8
