// r8emu serving a receiver on its pseudo-terminal, for the benchmarks that go through the real
// serial code.
#pragma once

#include <string>

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <benchmark/benchmark.h>

#include "radio/ui/qt_serial_port.h"

namespace r8::bench {

// r8emu with the given arguments; device() is its pseudo-terminal, empty when it did not start.
// It ends with this object (its input closes).
class R8emu {
 public:
  explicit R8emu(const QStringList& arguments) {
    process_.start(QStringLiteral(R8EMU_PATH), arguments);
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
      device_ = QString::fromLatin1(process_.readLine()).trimmed().toStdString();
  }
  ~R8emu() {
    process_.closeWriteChannel();
    if (!process_.waitForFinished(2000)) process_.kill();
  }
  const std::string& device() const { return device_; }
  QProcess& process() { return process_; }

 private:
  QProcess process_;
  std::string device_;
};

// r8emu as the given model and the program's serial port on its pseudo-terminal.
class EmulatorLine {
 public:
  explicit EmulatorLine(const char* model)
      : emu_({QStringLiteral("--model"), QString::fromLatin1(model)}),
        port_([this](const std::string&) { return emu_.device(); }) {}
  // False, with the benchmark told why, when r8emu did not start.
  bool Started(benchmark::State& state) {
    if (!emu_.device().empty()) return true;
    state.SkipWithError("r8emu did not start");
    return false;
  }
  R8emu& emu() { return emu_; }
  QtSerialPort& port() { return port_; }

 private:
  R8emu emu_;
  QtSerialPort port_;
};

}  // namespace r8::bench

// main() for the benchmarks that need Qt's event machinery (QSerialPort, QProcess).
#define R8_QT_BENCHMARK_MAIN()           \
  int main(int argc, char** argv) {      \
    QCoreApplication app(argc, argv);    \
    benchmark::Initialize(&argc, argv);  \
    benchmark::RunSpecifiedBenchmarks(); \
    return 0;                            \
  }
