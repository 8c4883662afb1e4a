// The network control server on its sockets against the emulated receiver: Hamlib's own client,
// several raw clients at once, a client that sends garbage or nothing, a port already taken.
#include "netctl/ui/net_server.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>

#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8::netctl {
namespace {

// Lets the event loop run until done() or the time is up.
bool RunUntil(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

class NetServerTest : public ::testing::Test {
 protected:
  explicit NetServerTest(int idle_ms = kIdleTimeoutMs) : server(t.ctx(), nullptr, idle_ms) {
    t.Connect();
    EXPECT_TRUE(server.Start(ListenAddress{"127.0.0.1", 0})) << server.error();
  }
  QTcpSocket* Client() {
    auto* s = new QTcpSocket;
    sockets.emplace_back(s);
    s->connectToHost(QStringLiteral("127.0.0.1"), server.port());
    EXPECT_TRUE(RunUntil([s] { return s->state() == QAbstractSocket::ConnectedState; }));
    return s;
  }
  // The reply lines until n have come.
  static std::string Lines(QTcpSocket* s, int n) {
    std::string got;
    RunUntil([&] {
      got += s->readAll().toStdString();
      return std::count(got.begin(), got.end(), '\n') >= n;
    });
    return got;
  }

  r8::testing::TestContext t{kModelR8B};
  NetServer server;
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
  p.start(rigctl, {"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(server.port()), "F",
                   "6070000", "f", "M", "USB", "2400", "V", "VFOB", "v", "V", "VFOA", "l",
                   "STRENGTH", "j"});
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
  EXPECT_EQ(t.radio().VFO, VfoCode::kA);
}

TEST_F(NetServerTest, ClientsAreServedTogetherAndGarbageDropsOnlyItsSender) {
  QTcpSocket* a = Client();
  QTcpSocket* b = Client();
  QTcpSocket* garbage = Client();
  QTcpSocket* flood = Client();
  garbage->write(QByteArray("f\n\x00\x01\x02\xff binary", 14));
  flood->write(QByteArray(2000, 'F'));
  a->write("F 6000000\nf\n");
  b->write("+v\nf\n");
  EXPECT_EQ(Lines(a, 2), "RPRT 0\n6000000\n");
  EXPECT_EQ(Lines(b, 4), "get_vfo:\nVFO: VFOA\nRPRT 0\n6000000\n");
  EXPECT_TRUE(RunUntil([&] { return garbage->state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_TRUE(RunUntil([&] { return flood->state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_EQ(server.client_count(), 2u);
  b->write("q\n");
  EXPECT_EQ(Lines(b, 1), "RPRT 0\n");
  EXPECT_TRUE(RunUntil([&] { return b->state() == QAbstractSocket::UnconnectedState; }));
  a->write("m\n");
  EXPECT_EQ(Lines(a, 2), "AM\n6000\n");
}

TEST_F(NetServerTest, APortAlreadyTakenIsToldToTheUser) {
  NetServer second(t.ctx());
  EXPECT_FALSE(second.Start(ListenAddress{"127.0.0.1", server.port()}));
  ASSERT_EQ(t.prompts().messages.size(), 1u);
  EXPECT_NE(t.prompts().messages[0].text.find(
                "cannot listen on 127.0.0.1:" + std::to_string(server.port())),
            std::string::npos);
  // NETPORT 0 and no command line: no server, no message.
  EXPECT_FALSE(second.Start(std::nullopt));
  EXPECT_EQ(t.prompts().messages.size(), 1u);
}

class NetServerIdleTest : public NetServerTest {
 protected:
  NetServerIdleTest() : NetServerTest(300) {}
};

TEST_F(NetServerIdleTest, ASilentClientTimesOut) {
  QTcpSocket* quiet = Client();
  QTcpSocket* talker = Client();
  for (int i = 0; i < 4; ++i) {
    talker->write("v\n");
    EXPECT_EQ(Lines(talker, 1), "VFOA\n");
    QElapsedTimer wait;
    wait.start();
    RunUntil([&] { return wait.elapsed() > 100; });
  }
  EXPECT_EQ(quiet->state(), QAbstractSocket::UnconnectedState);
  EXPECT_EQ(talker->state(), QAbstractSocket::ConnectedState);
}

TEST_F(NetServerTest, TheOptionsPortIsFollowed) {
  t.ctx().settings().net_port = 0;
  server.Start(std::nullopt);
  EXPECT_FALSE(server.listening());
  t.ctx().settings().net_port = 45329;
  t.ctx().events().display_refreshed.Emit(t.radio());
  EXPECT_TRUE(server.listening());
  EXPECT_EQ(server.port(), 45329);
}

}  // namespace
}  // namespace r8::netctl
