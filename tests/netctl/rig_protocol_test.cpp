// The rigctld protocol without sockets: the reply forms, the set commands' road to the receiver,
// the server's rounds and the listen address.
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

// Writes what the protocol asked of the receiver into log.
struct FakeReceiver : RigReceiver {
  FakeReceiver() { state.RadioFreq = 9580.0, state.PowerOn = true, state.MeterLevel = 107; }
  const RadioState& State() const override { return state; }
  int Model() const override { return model; }
  bool Busy() const override { return busy; }
  bool Connected() const override { return connected; }
  void Refresh() override { log += "refresh;"; }
  bool Tune(double khz) override { return Did("tune " + std::to_string(std::llround(khz * 100))); }
  bool SetMode(ModeCode m, std::optional<BandwidthCode> w) override {
    return Did("mode " + std::to_string(CodeNumber(m)) + " " +
               (w ? std::to_string(WidthHz(*w)) : "keep"));
  }
  bool SetVfo(VfoCode v) override { return Did("vfo " + std::to_string(CodeNumber(v))); }
  bool SetPower(bool on) override { return Did(on ? "on" : "off"); }
  void Show() override { log += "show;"; }
  bool Did(const std::string& what) {
    log += what + ";";
    return takes;
  }
  RadioState state;
  int model = kModelR8A;
  bool busy = false, connected = true, takes = true;
  std::string log;
};

std::string Answer(FakeReceiver& rx, std::string_view line) {
  return AnswerRig(ParseRigLine(line), rx);
}

TEST(RigProtocol, GetCommandsInEveryReplyForm) {
  const std::pair<const char*, const char*> cases[] = {
      {"f", "9580000\n"},
      {" \\get_freq \r", "9580000\n"},
      {"+f", "get_freq:\nFrequency: 9580000\nRPRT 0\n"},
      {";\\get_mode", "get_mode:;Mode: AM;Passband: 6000;RPRT 0\n"},
      {"m", "AM\n6000\n"},
      {"v", "VFOA\n"},
      {"l STRENGTH", "0\n"},
      {"l ?", "STRENGTH\n"},
      {"l AF", "RPRT -1\n"},
      {"\\get_powerstat", "1\n"},
      {"\\chk_vfo", "0\n"},
      {"s", "0\nVFOA\n"},
      {"M ?", "AM FM CW RTTY LSB USB\n"},
      {"+\\set_mode USB 2400", "set_mode: USB 2400\nRPRT 0\n"},
      {"T 1", "RPRT -11\n"},
      {"\\get_lock_mode", "0\n"},
      {"w FA;", "RPRT -4\n"},
      {"+\\frobnicate 1", "frobnicate: 1\nRPRT -4\n"},
      {"q", "RPRT 0\n"},
      {"", ""},
      {"# a comment", ""},
  };
  for (const auto& [line, reply] : cases) {
    FakeReceiver rx;
    EXPECT_EQ(Answer(rx, line), reply) << line;
  }
  FakeReceiver rx;
  const std::string state = DumpState();
  EXPECT_EQ(Answer(rx, "\\dump_state"), state);
  EXPECT_EQ(Answer(rx, "+\\dump_state"), "dump_state:\nState: " + state + "RPRT 0\n");
  rx.state.VFO = VfoCode::kB, rx.state.Mode = ModeCode::kFm,
  rx.state.Bandwidth = BandwidthCode::k12;
  rx.state.PowerOn = false, rx.state.MeterLevel = 255;
  EXPECT_EQ(
      Answer(rx, "v") + Answer(rx, "m") + Answer(rx, "\\get_powerstat") + Answer(rx, "l STRENGTH"),
      "VFOB\nFM\n12000\n0\n60\n");
  rx.model = kModelR8;  // reports no level
  EXPECT_EQ(Answer(rx, "l STRENGTH"), "RPRT -11\n");
}

TEST(RigProtocol, SetCommandsReachTheReceiverOrAreRefused) {
  struct Case {
    const char *line, *reply, *log;
  };
  const char* kOk = "RPRT 0\n";
  const char* kBad = "RPRT -1\n";
  const Case cases[] = {
      {"F 14250000", kOk, "tune 1425000;"},
      {"\\set_freq 9580000.0", kOk, "tune 958000;"},
      {"F 99999", kBad, ""},
      {"F nan", kBad, ""},
      {"F 9580k", kBad, ""},
      {"F", kBad, ""},
      {"M USB 2400", kOk, "mode 5 2300;"},
      {"M LSB 0", kOk, "mode 4 2300;"},
      {"M CW 0", kOk, "mode 2 500;"},
      {"M CW 300", kOk, "mode 2 500;"},
      {"M AM 0", kOk, "mode 0 6000;"},
      {"M AM 4500", kOk, "mode 0 4000;"},
      {"M AM 5000", kOk, "mode 0 6000;"},
      {"M RTTY -1", kOk, "mode 3 keep;"},
      {"M PKTUSB 3000", kOk, "mode 5 2300;"},
      {"M FM 6000", kOk, "mode 1 keep;"},
      {"M AM", kOk, "mode 0 keep;"},
      {"M WFM 0", kBad, ""},
      {"M AM -5", kBad, ""},
      {"V VFOB", kOk, "vfo 2;"},
      {"V Sub", kOk, "vfo 2;"},
      {"V currVFO", kOk, ""},
      {"V MEM", kBad, ""},
      {"V VFO", kOk, ""},
      {"\\set_powerstat 0", kOk, "off;"},
      {"\\set_powerstat 1", kOk, ""},
      {"\\set_powerstat 2", kBad, ""},
  };
  for (const Case& c : cases) {
    FakeReceiver rx;
    EXPECT_EQ(Answer(rx, c.line), c.reply) << c.line;
    EXPECT_EQ(rx.log, c.log) << c.line;
  }
  // Busy, a closed port and a silent receiver reach no command; a bad value is told first.
  FakeReceiver rx;
  rx.busy = true;
  EXPECT_EQ(Answer(rx, "F 9580000") + Answer(rx, "F 5"), "RPRT -14\nRPRT -1\n");
  rx.busy = false, rx.connected = false;
  EXPECT_EQ(Answer(rx, "M USB 2400"), "RPRT -6\n");
  EXPECT_EQ(rx.log, "");
  rx.connected = true, rx.takes = false;
  EXPECT_EQ(Answer(rx, "F 9580000"), "RPRT -6\n");
}

TEST(RigProtocol, StrengthFollowsTheMeterScale) {
  const std::pair<int, int> cases[] = {{-5, -48}, {0, -48},  {17, -36}, {58, -18}, {107, 0},
                                       {117, 5},  {150, 20}, {255, 60}, {300, 60}};
  for (const auto& [level, db] : cases) EXPECT_EQ(StrengthDb(level), db) << level;
}

TEST(NetServerCore, ClientsAreServedInTurnShareOneReadAndBadInputDropsThem) {
  FakeReceiver rx;
  NetServerCore core(rx);
  core.Add(1);
  core.Add(2);
  ASSERT_TRUE(core.Feed(1, "f\nm\n") && core.Feed(2, "+v\r\nF 95"));
  auto out = core.Round();
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].reply + out[1].reply, "9580000\nget_vfo:\nVFO: VFOA\nRPRT 0\n");
  // The rest of client 2's line arrives; the set is shown once at the round's end.
  ASSERT_TRUE(core.Feed(2, "80000\nq\n"));
  EXPECT_EQ(core.Round()[0].reply, "AM\n6000\n");
  EXPECT_EQ(rx.log, "refresh;refresh;tune 958000;show;");
  out = core.Round();
  EXPECT_TRUE(out.size() == 1 && out[0].close);
  EXPECT_FALSE(core.HasWork());
  // A busy receiver is not read: its last state answers.
  rx.busy = true;
  ASSERT_TRUE(core.Feed(1, "f\n"));
  EXPECT_EQ(core.Round()[0].reply, "9580000\n");
  EXPECT_EQ(core.refreshes(), 3);

  const std::pair<std::string, bool> inputs[] = {
      {std::string(kMaxLineLength, 'f') + "\n", true},
      {std::string(kMaxLineLength + 1, 'f'), false},
      {"f\x01\n", false},
      {std::string("f\0\n", 3), false},
      {"\xff", false},
      {"\t+f\r\n", true},
      {std::string(kMaxQueuedLines, '\n'), true},
      {std::string(kMaxQueuedLines + 1, '\n'), false},
  };
  for (const auto& [bytes, kept] : inputs) {
    core.Add(7);
    EXPECT_EQ(core.Feed(7, bytes), kept) << bytes.substr(0, 8);
    core.Remove(7);
  }
  EXPECT_FALSE(core.Feed(8, "f\n"));  // not a client
}

TEST(ContextReceiver, ClientCommandsTakeTheProgramsRoadToTheReceiver) {
  r8::testing::TestContext t(kModelR8B);
  t.Connect();
  ContextReceiver rx(t.ctx());
  int shown = 0;  // the faceplate's refresh follows every set command that took
  const Subscription faceplate = t.ctx().commands().Register(AppCommand::kRefresh, [&](int) {
    ++shown;
    rx.Refresh();
  });
  NetServerCore core(rx);
  core.Add(1);
  ASSERT_TRUE(core.Feed(1, "F 9580000\nM USB 2400\nV VFOB\nv\nm\nF 1\nV VFOA\nf\nm\nl STRENGTH\n"));
  std::string replies;
  while (core.HasWork()) replies += core.Round().front().reply;
  // Read back from the receiver: VFO B keeps its own mode, A holds what was set.
  EXPECT_EQ(replies,
            "RPRT 0\nRPRT 0\nRPRT 0\nVFOB\nAM\n6000\nRPRT -1\nRPRT 0\n9580000\nUSB\n2300\n" +
                std::to_string(StrengthDb(t.radio().MeterLevel)) + "\n");
  EXPECT_EQ(shown, 4);
  // Whoever owns the receiver makes it busy for the clients.
  const std::function<void(bool)> owners[] = {
      [&](bool on) { t.ctx().link().exchange_active = on; },
      [&](bool on) { t.ctx().link().scan_active = on; },
      [&](bool on) { t.ctx().scan().active = on; },
      [&](bool on) {
        t.radio().ScanState = on ? ScanStateCode::kReceiverScan : ScanStateCode::kIdle;
      },
  };
  for (const auto& own : owners) {
    own(true);
    EXPECT_TRUE(rx.Busy());
    own(false);
    EXPECT_FALSE(rx.Busy());
  }
}

TEST(ListenAddress, CommandLineAndSettingsChooseWhereToListen) {
  using A = ListenAddress;
  EXPECT_EQ(ParseListenAddress("[::1]:65535"), (A{"::1", 65535}));
  for (const char* bad : {"", "0", "65536", ":4532", "host:", "45x2", "123456"})
    EXPECT_EQ(ParseListenAddress(bad), std::nullopt) << bad;
  EXPECT_EQ(ChooseListenAddress(std::nullopt, 0), std::nullopt);
  EXPECT_EQ(ChooseListenAddress(std::nullopt, 4532), (A{"127.0.0.1", 4532}));
  EXPECT_EQ(ChooseListenAddress(A{"::", 7000}, 4532), (A{"::", 7000}));
  EXPECT_EQ(ParseCommandLine({"--listen", "4534"}).listen, (A{"127.0.0.1", 4534}));
  EXPECT_EQ(ParseCommandLine({"--listen=0.0.0.0:4535", "x"}).listen, (A{"0.0.0.0", 4535}));
  EXPECT_EQ(ParseCommandLine({"--listen", "x"}).unknown, (std::vector<std::string>{"--listen x"}));
}

}  // namespace
}  // namespace r8::netctl
