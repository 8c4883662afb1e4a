#include <QApplication>
#include <QMessageBox>

#include "app/app_context.h"
#include "app/command_line.h"
#include "common/qt_clock.h"
#include "common/qt_user_prompts.h"
#include "faceplate/face_plate_window.h"
#include "radio/port_names.h"
#include "radio/port_router.h"
#include "radio/qt_serial_port.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Veltrix R8 Control"));
  QApplication::setApplicationDisplayName(QStringLiteral("Veltrix R8 Control 32"));

  std::vector<std::string> args;
  for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toStdString());
  const r8::CommandLine cl = r8::ParseCommandLine(args);

  r8::TFacePlate* main_window = nullptr;
  r8::AppContext* context = nullptr;
  r8::QtClock clock;
  r8::QtUserPrompts prompts([&]() -> QWidget* { return main_window; },
                            [&] {
                              return context && context->startup_finished && main_window &&
                                     !main_window->isMinimized();
                            });
  r8::QtSerialPort device(nullptr);
  r8::PortRouter port(
      [&](const std::string& name) {
        if (cl.emulate) return r8::PortTarget{true, {}};
        return r8::ResolvePort(context->profile(), name);
      },
      device, [&]() -> std::unique_ptr<r8::SerialPort> { return nullptr; });

  r8::AppContext ctx(clock, prompts, port);
  context = &ctx;
  ctx.LoadSettings();
  if (cl.emulate_model) ctx.settings().RadioModel = *cl.emulate_model;
  if (!cl.unknown.empty()) {
    QMessageBox::warning(
        nullptr, QApplication::applicationDisplayName(),
        QStringLiteral("Unknown option: %1").arg(QString::fromStdString(cl.unknown.front())));
  }

  r8::TFacePlate face(ctx);
  main_window = &face;
  face.show();
  ctx.startup_finished = true;
  return app.exec();
}
