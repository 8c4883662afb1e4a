// The real serial path end to end: the program's transport through QSerialPort to the emulated
// receiver served by r8emu on a pseudo-terminal, in real time.
#include "radio/ui/qt_serial_port.h"

#include <gtest/gtest.h>

#include <QProcess>

#include "common/ui/qt_clock.h"
#include "radio/radio_link.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
#include "support/scripted_prompts.h"

namespace r8 {
namespace {

class R8emuProcess {
 public:
  explicit R8emuProcess(const char* model) {
    process_.start(QStringLiteral(R8EMU_PATH),
                   {QStringLiteral("--model"), QString::fromLatin1(model)});
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000)) {
      device_ = QString::fromLatin1(process_.readLine()).trimmed().toStdString();
    }
  }
  ~R8emuProcess() {
    process_.closeWriteChannel();  // r8emu ends when its input closes
    if (!process_.waitForFinished(2000)) process_.kill();
    process_.waitForFinished(2000);
  }
  const std::string& device() const { return device_; }

 private:
  QProcess process_;
  std::string device_;
};

TEST(QtSerialPortEndToEnd, TheTransportTalksToR8emuThroughQSerialPort) {
  // Both ways of reading: after the full pacing wait, and as soon as the reply is whole.
  for (const bool fast : {false, true}) {
    SCOPED_TRACE(fast ? "fast replies" : "default reads");
    R8emuProcess emu("R8A");
    ASSERT_FALSE(emu.device().empty()) << "r8emu did not start";

    QtSerialPort port([&](const std::string&) { return emu.device(); });
    QtClock clock;
    testing::ScriptedPrompts prompts;
    Settings settings;
    settings.RadioModel = kModelR8A;
    settings.CommPort = 1;
    settings.RxPace = 50;
    settings.IgnoreDSR = true;  // a pseudo-terminal has no modem lines
    settings.complete_reply = fast;
    RadioState radio;
    RadioLink link(port, clock, prompts, settings, radio);
    RadioControl control(link, radio, settings, clock);

    link.CommOpen();
    ASSERT_EQ(link.PortError(), 0);
    EXPECT_EQ(port.device(), emu.device());

    PollResult poll = control.PollStatus();
    ASSERT_TRUE(poll.read);
    EXPECT_TRUE(radio.PowerOn);
    EXPECT_DOUBLE_EQ(radio.RadioFreq, 5975.0);

    control.TuneRadio(9580);
    poll = control.PollStatus();
    ASSERT_TRUE(poll.read);
    EXPECT_DOUBLE_EQ(radio.RadioFreq, 9580.0);
    EXPECT_GT(radio.MeterLevel, 40);  // a strong carrier there

    radio.Mode = ModeCode::kUsb;
    EXPECT_TRUE(control.RadioCommand(kCmdMode, false));
    control.PollStatus();
    EXPECT_EQ(radio.Mode, ModeCode::kUsb);
    EXPECT_TRUE(prompts.beeps.empty());
    link.CommClose();
  }
}

// The R8 on a pseudo-terminal, which refuses its 7E1: the link goes on with what the device has,
// says what it could not set, and the receiver answers through the real serial code.
TEST(QtSerialPortEndToEnd, TheR8WorksOnAPortThatRefusesItsLineSettings) {
  R8emuProcess emu("R8");
  ASSERT_FALSE(emu.device().empty()) << "r8emu did not start";
  QtSerialPort port([&](const std::string&) { return emu.device(); });
  QtClock clock;
  testing::ScriptedPrompts prompts;
  Settings settings;
  settings.RadioModel = kModelR8;
  settings.CommPort = 1;
  settings.RxPace = 50;
  settings.TxPace = 2;
  settings.IgnoreDSR = true;
  RadioState radio;
  RadioLink link(port, clock, prompts, settings, radio);
  RadioControl control(link, radio, settings, clock);

  link.CommOpen();
  ASSERT_EQ(link.PortError(), 0);
  EXPECT_EQ(link.line_warning().empty(), port.ConfigureProblem().empty());
  control.TuneRadio(9580);
  ASSERT_TRUE(control.PollStatus().read);
  EXPECT_DOUBLE_EQ(radio.RadioFreq, 9580.0);
  EXPECT_TRUE(prompts.beeps.empty());
  link.CommClose();
}

}  // namespace
}  // namespace r8
