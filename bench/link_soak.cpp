// A fault soak of the receiver link, end to end: the program's transport and protocol through
// QSerialPort to r8emu on a pseudo-terminal, with r8emu dropping, garbling and delaying what it
// sends and falling silent for a while. Tunes and status polls alternate as the faceplate makes
// them. After every poll that no fault can have touched, the program's view of the receiver is
// compared with the receiver's own ("status" on r8emu's standard input).
//
//   link_soak [--count N] [--model R8|R8A|R8B] [--rxpace MS] [--fast] [--faults PLAN] [--seed N]
//
// Prints the transactions made, how many failed, the longest one, and the state mismatches found
// (there must be none); exits 1 on a mismatch or a transaction that outlasts every retry.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "bench_support.h"
#include "common/ui/qt_clock.h"
#include "common/user_prompts.h"
#include "radio/radio_link.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
#include "radio/status_line.h"
#include "radio/ui/qt_serial_port.h"
#include "settings/settings.h"

namespace {

struct EmulatorStatus {
  std::string line;  // the status line with its CR LF
  unsigned long long faults = 0;
  bool ok = false;
};

// "status" on r8emu's standard input: the line it would send now (escaped) and its fault count.
EmulatorStatus AskStatus(QProcess& emu) {
  EmulatorStatus s;
  emu.write("status\n");
  QElapsedTimer wait;
  wait.start();
  while (!emu.canReadLine() && wait.elapsed() < 2000) emu.waitForReadyRead(100);
  if (!emu.canReadLine()) return s;
  const std::string text = QString::fromLatin1(emu.readLine()).trimmed().toStdString();
  const std::size_t sep = text.rfind(" faults=");
  if (sep == std::string::npos) return s;
  s.faults = std::stoull(text.substr(sep + 8));
  // Undo the escaping of control characters ("\r", "\n", "\xNN").
  for (std::size_t i = 0; i < sep; ++i) {
    if (text[i] == '\\' && i + 1 < sep && text[i + 1] == 'x' && i + 3 < sep) {
      s.line += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else if (text[i] == '\\' && i + 1 < sep) {
      s.line += text[i + 1] == 'r' ? '\r' : text[i + 1] == 'n' ? '\n' : text[i + 1];
      ++i;
    } else {
      s.line += text[i];
    }
  }
  s.line += "\r\n";
  s.ok = true;
  return s;
}

bool SameView(const r8::RadioState& a, const r8::RadioState& b) {
  return std::fabs(a.RadioFreq - b.RadioFreq) < 0.005 && a.Mode == b.Mode &&
         a.Bandwidth == b.Bandwidth && a.AGC == b.AGC && a.RF == b.RF && a.Antenna == b.Antenna &&
         a.VFO == b.VFO && a.MemoryMode == b.MemoryMode && a.PowerOn == b.PowerOn &&
         a.NoiseBlanker == b.NoiseBlanker && a.Notch == b.Notch;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int count = 10000;
  QString model = QStringLiteral("R8A");
  int rxpace = 115;
  bool fast = false;
  QString faults = QStringLiteral("drop=0.01,garble=0.01,late=0.01,silence=5s@30s");
  QString seed = QStringLiteral("1");
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool more = i + 1 < args.size();
    if (a == QLatin1String("--count") && more) {
      count = args[++i].toInt();
    } else if (a == QLatin1String("--model") && more) {
      model = args[++i];
    } else if (a == QLatin1String("--rxpace") && more) {
      rxpace = args[++i].toInt();
    } else if (a == QLatin1String("--fast")) {
      fast = true;
    } else if (a == QLatin1String("--faults") && more) {
      faults = args[++i];
    } else if (a == QLatin1String("--seed") && more) {
      seed = args[++i];
    } else {
      std::fprintf(stderr,
                   "usage: link_soak [--count N] [--model R8|R8A|R8B] [--rxpace MS] [--fast] "
                   "[--faults PLAN] [--seed N]\n");
      return 2;
    }
  }
  const int model_number = r8::ModelFromName(model.toStdString()).value_or(r8::kModelNone);
  if (model_number == r8::kModelNone || count <= 0) return 2;

  QProcess emu;
  emu.start(QStringLiteral(R8EMU_PATH),
            {QStringLiteral("--model"), model, QStringLiteral("--faults"), faults,
             QStringLiteral("--seed"), seed});
  if (!emu.waitForStarted(5000) || !emu.waitForReadyRead(5000)) {
    std::fprintf(stderr, "link_soak: r8emu did not start\n");
    return 1;
  }
  const std::string device = QString::fromLatin1(emu.readLine()).trimmed().toStdString();
  r8::QtSerialPort port([&](const std::string&) { return device; });
  r8::QtClock clock;
  r8::bench::AnsweringPrompts prompts;
  r8::Settings settings;
  settings.RadioModel = model_number;
  settings.CommPort = 1;
  settings.RxPace = rxpace;
  settings.complete_reply = fast;
  settings.IgnoreDSR = true;
  r8::RadioState radio;
  r8::RadioLink link(port, clock, prompts, settings, radio);
  r8::RadioControl control(link, radio, settings, clock);
  link.CommOpen();

  // A transaction outlasting every retry with their resynchronisations is a hang.
  const qint64 hang_ms = 3 * (4 * (rxpace + 60) + 200);
  const qint64 quiet_ms = 1000;  // no fault this long before a poll: nothing late can reach it
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> khz(500, 29999);
  int failed = 0, checked = 0, mismatches = 0, hangs = 0;
  qint64 longest = 0;
  unsigned long long last_faults = 0;
  QElapsedTimer run, since_fault, one;
  run.start();
  since_fault.start();
  for (int i = 0; i < count; ++i) {
    const bool poll = i % 2 == 1;
    EmulatorStatus before;
    if (poll) {
      before = AskStatus(emu);
      if (before.faults != last_faults) {
        last_faults = before.faults;
        since_fault.restart();
      }
    }
    const bool quiet = since_fault.elapsed() > quiet_ms;
    one.start();
    bool ok = true;
    if (poll) {
      ok = control.PollStatus().read;
    } else {
      control.TuneRadio(khz(rng));
      ok = !link.last_failed();
    }
    const qint64 took = one.elapsed();
    longest = std::max(longest, took);
    if (took > hang_ms) ++hangs;
    if (!ok) ++failed;
    if (!poll || !ok || !quiet) continue;
    const EmulatorStatus after = AskStatus(emu);
    if (!after.ok || !before.ok || after.faults != before.faults) continue;
    r8::RadioState expected = radio;
    r8::DecodeStatusLine(after.line, model_number, expected);
    ++checked;
    if (!SameView(radio, expected)) {
      ++mismatches;
      std::fprintf(stderr, "mismatch at %d: program %.2f kHz, receiver line \"%s\"\n", i,
                   radio.RadioFreq, after.line.substr(0, after.line.size() - 2).c_str());
    }
  }
  const double seconds = static_cast<double>(run.elapsed()) / 1000.0;
  std::printf(
      "model %s, RXPACE %d, %s mode, faults \"%s\": %d transactions in %.1f s, %d failed after "
      "retries, longest %lld ms (hang limit %lld ms, %d over), %d quiet polls checked against "
      "the receiver, %d mismatches, %llu faults injected\n",
      model.toLatin1().constData(), rxpace, fast ? "fast" : "default",
      faults.toLatin1().constData(), count, seconds, failed, static_cast<long long>(longest),
      static_cast<long long>(hang_ms), hangs, checked, mismatches, AskStatus(emu).faults);
  link.CommClose();
  emu.closeWriteChannel();
  if (!emu.waitForFinished(2000)) emu.kill();
  return mismatches == 0 && hangs == 0 ? 0 : 1;
}
