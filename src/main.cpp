#include <algorithm>
#include <vector>

#include <cstdio>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>

#include "app/app_context.h"
#include "app/command_line.h"
#include "app/ui/instance_lock.h"
#include "common/ui/qt_clock.h"
#include "common/ui/qt_program_launcher.h"
#include "common/ui/qt_user_prompts.h"
#include "emulator/emulated_serial_port.h"
#include "emulator/signal_band.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/face_plate_window.h"
#include "log/adif_export.h"
#include "log/log_file.h"
#include "netctl/ui/net_server.h"
#include "radio/port_names.h"
#include "radio/port_router.h"
#include "radio/radio_model.h"
#include "radio/ui/qt_serial_port.h"

namespace {

// r8control --export-adif LOG ADI: no window, a line on the terminal, 0 when written.
int ExportAdif(const r8::CommandLine::AdifExport& job) {
  std::string error;
  const std::vector<std::string> lines = r8::LogFile(job.log).AllEntryLines(error);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const QDateTime now = QDateTime::currentDateTimeUtc();
  const r8::LocalDateTime utc{now.date().year(), now.date().month(), now.date().day(),
                              now.time().hour(), now.time().minute(), now.time().second()};
  const r8::AdifExportResult r = r8::ExportAdifFile(lines, job.adi, utc, R8_VERSION);
  if (!r.error.empty()) {
    std::fprintf(stderr, "%s could not be written: %s\n", job.adi.c_str(), r.error.c_str());
    return 1;
  }
  std::printf("%d entries written to %s", r.written, job.adi.c_str());
  if (r.skipped > 0) std::printf("; %d lines of the log are no entries and were left out", r.skipped);
  std::printf(".\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  {
    std::vector<std::string> early(argv + 1, argv + argc);
    const r8::CommandLine cl = r8::ParseCommandLine(early);
    if (cl.export_adif) return ExportAdif(*cl.export_adif);
    // A command-line job asked for wrongly is told on the terminal, not with a window.
    for (const std::string& u : cl.unknown) {
      if (u.starts_with("--export-adif")) {
        std::fprintf(stderr, "%s\nusage: r8control --export-adif LOGFILE ADIFFILE\n", u.c_str());
        return 2;
      }
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Veltrix R8 Control"));
  // No display name: Qt would append it to every dialog's caption, and the captions are the
  // program's own.

  // One program per user and working folder drives the receiver.
  const r8::InstanceLock instance =
      r8::TakeInstanceLock(r8::DefaultLockFolder(), QDir::currentPath());
  if (instance.state == r8::InstanceLockState::kRunning) {
    QMessageBox::information(nullptr, r8::ToQt(std::string(r8::kProgramTitle)),
                             QStringLiteral("Veltrix R8 Control is already running."));
    return 0;
  }
  if (instance.state == r8::InstanceLockState::kFailed) {
    // Not a reason to refuse to run, but the user should know a second copy would not be stopped.
    QMessageBox::warning(nullptr, r8::ToQt(std::string(r8::kProgramTitle)),
                         QStringLiteral("Cannot create the lock file %1, so a second copy of the "
                                        "program would not be noticed.")
                             .arg(QDir::toNativeSeparators(instance.path)));
  }

  std::vector<std::string> args;
  for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toStdString());
  const r8::CommandLine cl = r8::ParseCommandLine(args);

  r8::TFacePlate* main_window = nullptr;
  r8::AppContext* context = nullptr;
  // The busy cursor waits until the main window is up.
  bool startup_finished = false;
  r8::QtClock clock;
  r8::QtUserPrompts prompts(
      [&]() -> QWidget* { return main_window; },
      [&] { return startup_finished && main_window && !main_window->isMinimized(); });
  r8::QtSerialPort device(nullptr);
  r8::PortRouter port(
      [&](const std::string& name) {
        if (cl.emulate) return r8::PortTarget{true, {}};
        return r8::ResolvePort(context->profile(), name);
      },
      device,
      [&]() -> std::unique_ptr<r8::SerialPort> {
        int model = context->settings().RadioModel;
        if (model == r8::kModelNone) model = r8::kModelR8B;
        return std::make_unique<r8::emulator::EmulatedSerialPort>(clock, model);
      });

  r8::QtProgramLauncher launcher;
  r8::AppContext ctx(clock, prompts, port, launcher);
  context = &ctx;
  ctx.LoadSettings();
  if (cl.emulate_model) ctx.settings().RadioModel = *cl.emulate_model;
  if (cl.emulate && ctx.settings().RadioModel == r8::kModelNone)
    ctx.settings().RadioModel = r8::kModelR8B;
  if (ctx.settings().CommPort == 0) ctx.settings().CommPort = 1;
  if (!cl.unknown.empty()) {
    QMessageBox::warning(
        nullptr, r8::ToQt(std::string(r8::kProgramTitle)),
        QStringLiteral("Unknown option: %1").arg(QString::fromStdString(cl.unknown.front())));
  }

  r8::TFacePlate face(ctx);
  main_window = &face;
  face.show();
  face.FormShow();
  if (cl.emulate && ctx.radio().PowerOn) {
    // The demo opens on a signal whose station is on the air now, so the station list and the
    // meter show something real from the first second.
    std::vector<r8::emulator::Carrier> carriers(r8::emulator::Carriers().begin(),
                                                r8::emulator::Carriers().end());
    std::stable_sort(carriers.begin(), carriers.end(),
                     [](const auto& a, const auto& b) { return a.strength > b.strength; });
    std::vector<double> candidates;
    for (const auto& c : carriers) candidates.push_back(c.freq_10hz / 100.0);
    if (const auto khz = face.panel().core().FirstFrequencyOnAir(candidates)) {
      ctx.control().TuneRadio(*khz);
      face.UpdateDisplay();
    }
  }
  // Decoders and loggers share the receiver through Hamlib's network protocol when asked to.
  r8::netctl::NetServer net_server(ctx);
  net_server.Start(cl.listen);
  startup_finished = true;
  return app.exec();
}
