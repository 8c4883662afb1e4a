// The network control server on its sockets against the emulated receiver: Hamlib's own client,
// several raw clients at once, garbage, silence, a port already taken.
#include "netctl/ui/net_server.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>

#include "faceplate/ui/face_plate_panel.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8::netctl {
namespace {

// Lets the event loop run until done() or the time is up.
bool RunUntil(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

class NetServerTest : public ::testing::Test {
 protected:
  NetServerTest() {
    t.Connect();
    EXPECT_TRUE(server.Start(ListenAddress{"127.0.0.1", 0})) << server.error();
  }
  QTcpSocket* Client() {
    sockets.push_back(std::make_unique<QTcpSocket>());
    sockets.back()->connectToHost(QStringLiteral("127.0.0.1"), server.port());
    return sockets.back().get();
  }
  static std::string Lines(QTcpSocket* s, int n) {
    std::string got;
    RunUntil([&] {
      got += s->readAll().toStdString();
      return std::count(got.begin(), got.end(), '\n') >= n;
    });
    return got;
  }
  static bool Closed(QTcpSocket* s) {
    return RunUntil([s] { return s->state() == QAbstractSocket::UnconnectedState; });
  }

  r8::testing::TestContext t{kModelR8B};
  NetServer server{t.ctx(), nullptr, /*idle_timeout_ms=*/600};
  std::vector<std::unique_ptr<QTcpSocket>> sockets;
};

TEST_F(NetServerTest, HamlibsNetworkClientDrivesTheReceiver) {
  const QString rigctl = QStandardPaths::findExecutable(QStringLiteral("rigctl"));
  if (rigctl.isEmpty()) {
    GTEST_SKIP() << "rigctl is not installed (Debian package libhamlib-utils; scripts/test.sh "
                    "installs it with scripts/deps.sh --test)";
  }
  QProcess p;
  // "j" (RIT) is a command this server does not know.
  p.start(rigctl,
          {"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(server.port()), "F", "6070000", "f",
           "M", "USB", "2400", "V", "VFOB", "v", "V", "VFOA", "l", "STRENGTH", "j"});
  ASSERT_TRUE(RunUntil([&] { return p.state() == QProcess::NotRunning; }, 30000));
  const std::string out = p.readAllStandardOutput().toStdString();
  const std::string err = p.readAllStandardError().toStdString();
  const std::string level = std::to_string(StrengthDb(t.radio().MeterLevel));
  // rigctl reports the failed command after the values, on either stream.
  EXPECT_EQ(out.substr(0, out.find("get_rit")), "6070000\nVFOB\n" + level + "\n") << err;
  EXPECT_NE((out + err).find("Feature not implemented"), std::string::npos) << out << err;
  EXPECT_EQ(t.receiver().state().vfo[0].freq_10hz, 607000);
  EXPECT_EQ(t.radio().Mode, ModeCode::kUsb);
  EXPECT_EQ(t.radio().Bandwidth, BandwidthCode::k2_3);
}

TEST_F(NetServerTest, ClientsAreServedTogetherAndGarbageOrSilenceDropsOnlyItsSender) {
  FacePlatePanel panel(t.ctx());  // shows what a client set
  QTcpSocket* a = Client();
  QTcpSocket* b = Client();
  QTcpSocket* garbage = Client();
  QTcpSocket* flood = Client();
  QTcpSocket* silent = Client();
  garbage->write(QByteArray("f\n\x00\x01\x02\xff binary", 14));
  flood->write(QByteArray(2000, 'F'));
  a->write("F 6000000\nf\n");
  b->write("+v\nf\n");
  EXPECT_EQ(Lines(a, 2), "RPRT 0\n6000000\n");
  EXPECT_EQ(r8::testing::Named<QLabel>(&panel, "FreqLbl")->text(), QStringLiteral(" 6000.00"));
  EXPECT_EQ(Lines(b, 4), "get_vfo:\nVFO: VFOA\nRPRT 0\n6000000\n");
  EXPECT_TRUE(Closed(garbage) && Closed(flood));
  b->write("q\n");
  EXPECT_EQ(Lines(b, 1), "RPRT 0\n");
  EXPECT_TRUE(Closed(b));
  // Talking keeps a client; silence past the timeout ends one.
  for (int i = 0; i < 6; ++i) {
    a->write("m\n");
    EXPECT_EQ(Lines(a, 2), "AM\n6000\n");
    QElapsedTimer pause;
    pause.start();
    RunUntil([&] { return pause.elapsed() > 150; });
  }
  EXPECT_EQ(a->state(), QAbstractSocket::ConnectedState);
  EXPECT_EQ(silent->state(), QAbstractSocket::UnconnectedState);
  EXPECT_EQ(server.client_count(), 1u);
}

TEST_F(NetServerTest, APortTakenIsToldAndTheOptionsPortIsFollowed) {
  NetServer second(t.ctx());
  EXPECT_FALSE(second.Start(ListenAddress{"127.0.0.1", server.port()}));
  ASSERT_EQ(t.prompts().messages.size(), 1u);
  EXPECT_NE(t.prompts().messages[0].text.find("cannot listen on 127.0.0.1:" +
                                              std::to_string(server.port())),
            std::string::npos);
  EXPECT_FALSE(second.Start(std::nullopt));  // NETPORT 0: off, and nothing to tell
  t.ctx().settings().net_port = 45329;       // the Options dialog's OK, then its refresh
  t.ctx().events().display_refreshed.Emit(t.radio());
  EXPECT_TRUE(second.listening());
  EXPECT_EQ(second.port(), 45329);
  EXPECT_EQ(t.prompts().messages.size(), 1u);
}

}  // namespace
}  // namespace r8::netctl
