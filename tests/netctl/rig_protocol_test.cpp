// The rigctld protocol without sockets: what each line asks, the reply forms, the set commands'
// road to the receiver, the server's rounds and the listen address.
#include "netctl/rig_protocol.h"

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "netctl/context_receiver.h"
#include "netctl/listen_address.h"
#include "netctl/net_server_core.h"
#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8::netctl {
namespace {

// Records what the protocol asked of the receiver.
class FakeReceiver : public RigReceiver {
 public:
  FakeReceiver() {
    state.RadioFreq = 9580.0;
    state.PowerOn = true;
    state.MeterLevel = 107;
  }
  const RadioState& State() const override { return state; }
  int Model() const override { return model; }
  bool Busy() const override { return busy; }
  bool Connected() const override { return connected; }
  void Refresh() override { log += "refresh;"; }
  bool Tune(double khz) override {
    log += "tune " + std::to_string(std::llround(khz * 100)) + ";";
    return takes;
  }
  bool SetMode(ModeCode mode, std::optional<BandwidthCode> width) override {
    log += "mode " + std::to_string(CodeNumber(mode)) + " " +
           (width ? std::to_string(WidthHz(*width)) : "keep") + ";";
    return takes;
  }
  bool SetVfo(VfoCode vfo) override {
    log += "vfo " + std::to_string(CodeNumber(vfo)) + ";";
    return takes;
  }
  bool SetPower(bool on) override {
    log += on ? "on;" : "off;";
    return takes;
  }
  void Show() override { log += "show;"; }

  RadioState state;
  int model = kModelR8A;
  bool busy = false;
  bool connected = true;
  bool takes = true;
  std::string log;
};

std::string Answer(FakeReceiver& rx, std::string_view line) {
  return AnswerRig(ParseRigLine(line), rx);
}

TEST(RigProtocol, GetCommandsInEveryReplyForm) {
  struct Case {
    const char* line;
    const char* reply;
  };
  const Case cases[] = {
      {"f", "9580000\n"},
      {"\\get_freq", "9580000\n"},
      {"  f  \r", "9580000\n"},
      {"+f", "get_freq:\nFrequency: 9580000\nRPRT 0\n"},
      {";\\get_mode", "get_mode:;Mode: AM;Passband: 6000;RPRT 0\n"},
      {"|m", "get_mode:|Mode: AM|Passband: 6000|RPRT 0\n"},
      {"m", "AM\n6000\n"},
      {"v", "VFOA\n"},
      {",v", "get_vfo:,VFO: VFOA,RPRT 0\n"},
      {"l STRENGTH", "0\n"},
      {"+l STRENGTH", "get_level: STRENGTH\nLevel Value: 0\nRPRT 0\n"},
      {"l ?", "STRENGTH\n"},
      {"l AF", "RPRT -1\n"},
      {"l", "RPRT -1\n"},
      {"\\get_powerstat", "1\n"},
      {"\\chk_vfo", "0\n"},
      {"\\get_lock_mode", "0\n"},
      {"s", "0\nVFOA\n"},
      {"M ?", "AM FM CW RTTY LSB USB\n"},
      {"+\\set_mode USB 2400", "set_mode: USB 2400\nRPRT 0\n"},
      // Transmitting is not for a receiver; unknown commands are Hamlib's "not implemented".
      {"T 1", "RPRT -11\n"},
      {"t", "RPRT -11\n"},
      {"\\set_split_vfo 1 VFOB", "RPRT -11\n"},
      {"w FA;", "RPRT -4\n"},
      {"\\frobnicate", "RPRT -4\n"},
      {"+\\frobnicate 1", "frobnicate: 1\nRPRT -4\n"},
      {"\\", "RPRT -4\n"},
      {"q", "RPRT 0\n"},
      {"", ""},
      {"# a comment", ""},
  };
  for (const Case& c : cases) {
    FakeReceiver rx;
    EXPECT_EQ(Answer(rx, c.line), c.reply) << c.line;
  }
  FakeReceiver rx;
  EXPECT_EQ(ParseRigLine("Q").kind, RigKind::kQuit);
  EXPECT_EQ(ParseRigLine("\\dump_state").kind, RigKind::kInfo);
  EXPECT_EQ(Answer(rx, "\\dump_state"), DumpState());
  rx.state.VFO = VfoCode::kB;
  rx.state.Mode = ModeCode::kFm;
  rx.state.Bandwidth = BandwidthCode::k12;
  rx.state.PowerOn = false;
  rx.state.MeterLevel = 255;
  EXPECT_EQ(Answer(rx, "v") + Answer(rx, "m") + Answer(rx, "\\get_powerstat") +
                Answer(rx, "l STRENGTH"),
            "VFOB\nFM\n12000\n0\n60\n");
  rx.model = kModelR8;  // reports no level
  EXPECT_EQ(Answer(rx, "l STRENGTH"), "RPRT -11\n");
}

TEST(RigProtocol, SetCommandsReachTheReceiverOrAreRefused) {
  struct Case {
    const char* line;
    const char* reply;
    const char* log;
  };
  const Case cases[] = {
      {"F 14250000", "RPRT 0\n", "tune 1425000;"},
      {"\\set_freq 9580000.0", "RPRT 0\n", "tune 958000;"},
      {"F 118000000", "RPRT 0\n", "tune 11800000;"},
      {"F 99999", "RPRT -1\n", ""},
      {"F 31000000", "RPRT -1\n", ""},
      {"F nan", "RPRT -1\n", ""},
      {"F 9580k", "RPRT -1\n", ""},
      {"F", "RPRT -1\n", ""},
      {"M USB 2400", "RPRT 0\n", "mode 5 2300;"},
      {"M LSB 0", "RPRT 0\n", "mode 4 2300;"},
      {"M CW 0", "RPRT 0\n", "mode 2 500;"},
      {"M AM 0", "RPRT 0\n", "mode 0 6000;"},
      {"M CW 300", "RPRT 0\n", "mode 2 500;"},
      {"M AM 4500", "RPRT 0\n", "mode 0 4000;"},
      {"M AM 5000", "RPRT 0\n", "mode 0 6000;"},  // halfway: the wider
      {"M AM 9000", "RPRT 0\n", "mode 0 6000;"},
      {"M RTTY -1", "RPRT 0\n", "mode 3 keep;"},
      {"M PKTUSB 3000", "RPRT 0\n", "mode 5 2300;"},
      {"M FM 6000", "RPRT 0\n", "mode 1 keep;"},
      {"M AM", "RPRT 0\n", "mode 0 keep;"},
      {"M WFM 0", "RPRT -1\n", ""},
      {"M AM -5", "RPRT -1\n", ""},
      {"V VFOB", "RPRT 0\n", "vfo 2;"},
      {"V currVFO", "RPRT 0\n", ""},
      {"V VFOA", "RPRT 0\n", ""},
      {"V MEM", "RPRT -1\n", ""},
      {"\\set_powerstat 0", "RPRT 0\n", "off;"},
      {"\\set_powerstat 1", "RPRT 0\n", ""},
      {"\\set_powerstat 2", "RPRT -1\n", ""},
  };
  for (const Case& c : cases) {
    FakeReceiver rx;
    EXPECT_EQ(Answer(rx, c.line), c.reply) << c.line;
    EXPECT_EQ(rx.log, c.log) << c.line;
  }
  // A scan or memory exchange owns the receiver; a closed port or a silent receiver is an I/O
  // error. Neither reaches the receiver's commands, and a bad value is told first.
  FakeReceiver rx;
  rx.busy = true;
  EXPECT_EQ(Answer(rx, "F 9580000"), "RPRT -14\n");
  EXPECT_EQ(Answer(rx, "F 5"), "RPRT -1\n");
  rx.busy = false;
  rx.connected = false;
  EXPECT_EQ(Answer(rx, "M USB 2400"), "RPRT -6\n");
  EXPECT_EQ(rx.log, "");
  rx.connected = true;
  rx.takes = false;
  EXPECT_EQ(Answer(rx, "F 9580000"), "RPRT -6\n");
}

TEST(RigProtocol, StrengthFollowsTheMeterScale) {
  const std::pair<int, int> cases[] = {{-5, -48}, {0, -48}, {17, -36}, {58, -18}, {107, 0},
                                       {117, 5},  {127, 10}, {150, 20}, {206, 40}, {255, 60},
                                       {300, 60}};
  for (const auto& [level, db] : cases) EXPECT_EQ(StrengthDb(level), db) << level;
}

TEST(NetServerCore, ClientsAreServedInTurnAndShareOneRead) {
  FakeReceiver rx;
  NetServerCore core(rx);
  core.Add(1);
  core.Add(2);
  ASSERT_TRUE(core.Feed(1, "f\nm\n"));
  ASSERT_TRUE(core.Feed(2, "+v\r\nF 95"));
  EXPECT_TRUE(core.HasWork());
  auto out = core.Round();
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].reply, "9580000\n");
  EXPECT_EQ(out[1].reply, "get_vfo:\nVFO: VFOA\nRPRT 0\n");
  EXPECT_EQ(rx.log, "refresh;");
  // The rest of client 2's line arrives; the set is shown once at the round's end.
  ASSERT_TRUE(core.Feed(2, "80000\nq\n"));
  rx.log.clear();
  out = core.Round();
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].reply, "AM\n6000\n");
  EXPECT_EQ(rx.log, "refresh;tune 958000;show;");
  out = core.Round();
  ASSERT_EQ(out.size(), 1u);
  EXPECT_TRUE(out[0].close);
  EXPECT_FALSE(core.HasWork());
  EXPECT_EQ(core.refreshes(), 3);
  // A busy receiver is not read: its last state answers.
  rx.busy = true;
  rx.log.clear();
  ASSERT_TRUE(core.Feed(1, "f\n"));
  EXPECT_EQ(core.Round()[0].reply, "9580000\n");
  EXPECT_EQ(rx.log, "");
}

TEST(NetServerCore, LongLinesBinaryBytesAndFloodsDropTheClient) {
  FakeReceiver rx;
  NetServerCore core(rx);
  struct Case {
    std::string bytes;
    bool kept;
  };
  const Case cases[] = {
      {std::string(kMaxLineLength, 'f') + "\n", true},
      {std::string(kMaxLineLength + 1, 'f'), false},
      {"f\x01\n", false},
      {std::string("f\0\n", 3), false},
      {"\xff\xfe", false},
      {"\t+f\r\n", true},
      {std::string(kMaxQueuedLines, '\n'), true},
      {std::string(kMaxQueuedLines + 1, '\n'), false},
  };
  for (const Case& c : cases) {
    core.Add(7);
    EXPECT_EQ(core.Feed(7, c.bytes), c.kept) << c.bytes.substr(0, 8);
    core.Remove(7);
  }
  EXPECT_FALSE(core.Feed(8, "f\n"));  // not a client
}

TEST(ContextReceiver, ClientCommandsTakeTheProgramsRoadToTheReceiver) {
  r8::testing::TestContext t(kModelR8B);
  t.Connect();
  ContextReceiver rx(t.ctx());
  // The faceplate's refresh follows every set command that took.
  int shown = 0;
  const Subscription faceplate = t.ctx().commands().Register(AppCommand::kRefresh, [&](int) {
    ++shown;
    rx.Refresh();
  });
  NetServerCore core(rx);
  core.Add(1);
  ASSERT_TRUE(core.Feed(1, "F 9580000\nM USB 2400\nV VFOB\nv\nm\nF 1\n"));
  std::string replies;
  while (core.HasWork()) replies += core.Round().front().reply;
  // Read back from the receiver: VFO B keeps its own mode, A holds what was set.
  EXPECT_EQ(replies, "RPRT 0\nRPRT 0\nRPRT 0\nVFOB\nAM\n6000\nRPRT -1\n");
  EXPECT_EQ(shown, 3);
  ASSERT_TRUE(core.Feed(1, "V VFOA\nf\nm\nl STRENGTH\n"));
  replies.clear();
  while (core.HasWork()) replies += core.Round().front().reply;
  EXPECT_EQ(replies, "RPRT 0\n9580000\nUSB\n2300\n" +
                         std::to_string(StrengthDb(t.radio().MeterLevel)) + "\n");
  EXPECT_GT(t.radio().MeterLevel, 0);  // 9580 kHz carries a signal
  {
    const RadioLink::ExchangeGuard exchange(t.ctx().link());
    EXPECT_TRUE(rx.Busy());
  }
  EXPECT_FALSE(rx.Busy());
  t.ctx().scan().active = true;
  EXPECT_TRUE(rx.Busy());
  t.ctx().scan().active = false;
  t.radio().ScanState = ScanStateCode::kReceiverScan;
  EXPECT_TRUE(rx.Busy());
  t.ctx().link().CommClose();
  EXPECT_FALSE(rx.Connected());
}

TEST(ListenAddress, CommandLineAndSettingsChooseWhereToListen) {
  const std::pair<const char*, std::optional<ListenAddress>> cases[] = {
      {"4532", ListenAddress{"127.0.0.1", 4532}},
      {"0.0.0.0:4533", ListenAddress{"0.0.0.0", 4533}},
      {"[::1]:65535", ListenAddress{"::1", 65535}},
      {"", std::nullopt},
      {"0", std::nullopt},
      {"65536", std::nullopt},
      {":4532", std::nullopt},
      {"host:", std::nullopt},
      {"45x2", std::nullopt},
      {"123456", std::nullopt},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(ParseListenAddress(text), want) << text;
  EXPECT_EQ(ChooseListenAddress(std::nullopt, 0), std::nullopt);
  EXPECT_EQ(ChooseListenAddress(std::nullopt, 4532), (ListenAddress{"127.0.0.1", 4532}));
  EXPECT_EQ(ChooseListenAddress(ListenAddress{"0.0.0.0", 7000}, 4532),
            (ListenAddress{"0.0.0.0", 7000}));
  EXPECT_EQ(ParseCommandLine({"--listen", "4534"}).listen, (ListenAddress{"127.0.0.1", 4534}));
  EXPECT_EQ(ParseCommandLine({"--listen=0.0.0.0:4535"}).listen, (ListenAddress{"0.0.0.0", 4535}));
  EXPECT_EQ(ParseCommandLine({"--listen", "x"}).unknown, (std::vector<std::string>{"--listen x"}));
  EXPECT_EQ(ParseCommandLine({"--listen"}).unknown.size(), 1u);
}

}  // namespace
}  // namespace r8::netctl
