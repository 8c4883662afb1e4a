#include "radio/radio_link.h"

#include <gtest/gtest.h>

#include "radio/radio_model.h"
#include "support/fake_clock.h"
#include "support/scripted_prompts.h"
#include "support/scripted_serial_port.h"

namespace r8 {
namespace {

using testing::FakeClock;
using testing::ScriptedPrompts;
using testing::ScriptedSerialPort;

class RadioLinkTest : public ::testing::Test {
 protected:
  void Use(int model) {
    settings.RadioModel = model;
    settings.CommPort = 3;
  }
  ScriptedSerialPort port;
  FakeClock clock;
  ScriptedPrompts prompts;
  Settings settings;
  RadioState radio;
  RadioLink link{port, clock, prompts, settings, radio};
};

TEST_F(RadioLinkTest, PortNames) {
  for (int n = 1; n <= 8; ++n) {
    settings.CommPort = n;
    EXPECT_EQ(link.CommPortName(), "COM" + std::to_string(n));
  }
}

TEST_F(RadioLinkTest, OpeningAnR8SetsItsLineAndFlowControl) {
  Use(kModelR8);
  settings.TxPace = 7;
  settings.RxPace = 90;
  link.CommOpen();
  EXPECT_EQ(port.opened.back(), "COM3");
  EXPECT_EQ(link.PortError(), 0);
  EXPECT_EQ(port.queue_in, 256u);
  EXPECT_EQ(port.queue_out, 256u);
  EXPECT_GE(port.purges, 1);
  EXPECT_EQ(port.line.baud, 9600);
  EXPECT_EQ(port.line.data_bits, 7);
  EXPECT_EQ(port.line.parity, Parity::kEven);
  EXPECT_EQ(port.line.stop_bits, 1);
  EXPECT_TRUE(port.line.cts_output_flow);
  EXPECT_TRUE(port.line.dsr_output_flow);
  EXPECT_TRUE(port.line.dtr_handshake);
  EXPECT_TRUE(port.line.parity_check && port.line.rts_toggle);
  EXPECT_EQ(port.timeouts, (PortTimeouts{90, 7, 90}));
}

TEST_F(RadioLinkTest, OpeningAnR8AIs8N1WithoutFlowControl) {
  Use(kModelR8A);
  link.CommOpen();
  EXPECT_EQ(port.line.data_bits, 8);
  EXPECT_EQ(port.line.parity, Parity::kNone);
  EXPECT_FALSE(port.line.cts_output_flow);
  EXPECT_FALSE(port.line.dsr_output_flow);
  EXPECT_FALSE(port.line.parity_check || port.line.rts_toggle);
  EXPECT_TRUE(port.line.dtr_on);
  EXPECT_EQ(port.timeouts, (PortTimeouts{115, 0, 0}));
}

TEST_F(RadioLinkTest, WithoutDsrThePortIsUnusableUnlessDsrIsIgnored) {
  Use(kModelR8A);
  port.modem.dsr = false;
  link.CommOpen();
  EXPECT_EQ(link.PortError(), 1);
  const TransactResult t = link.RadioTransact("RA\r", 37);
  EXPECT_FALSE(t.sent);
  EXPECT_TRUE(port.writes.empty());

  settings.IgnoreDSR = true;
  link.CommOpen();
  EXPECT_EQ(link.PortError(), 0);
  port.answers.push_back("\r\n");
  EXPECT_TRUE(link.RadioTransact("VA\r", 2).ok);
}

TEST_F(RadioLinkTest, AFailedOpenLeavesThePortUnusableButRefusedLineSettingsOnlyWarn) {
  Use(kModelR8);
  port.open_succeeds = false;
  link.CommOpen();
  EXPECT_EQ(link.PortError(), 1);
  port.open_succeeds = true;
  port.configure_succeeds = false;
  link.CommOpen();
  EXPECT_EQ(link.PortError(), 0);
  EXPECT_EQ(link.line_warning(),
            "COM3: could not set the line settings; going on with the port's own settings.");
  EXPECT_TRUE(link.RadioTransact("VA", 1).sent);
  port.configure_succeeds = true;
  link.CommOpen();
  EXPECT_EQ(link.line_warning(), "");
}

TEST_F(RadioLinkTest, CloseMarksThePortUnusable) {
  Use(kModelR8);
  link.CommOpen();
  port.line = {};
  link.CommClose();
  EXPECT_TRUE(port.line.cts_output_flow);  // the R8's handshaking is left set up
  EXPECT_EQ(link.PortError(), 1);
  EXPECT_FALSE(link.port_open());
  EXPECT_FALSE(link.RadioTransact("VA\r", 2).sent);
}

TEST_F(RadioLinkTest, R8WritesOneCharacterAtATimeWithPacing) {
  Use(kModelR8);
  settings.TxPace = 5;
  settings.RxPace = 115;
  link.CommOpen();
  port.writes.clear();
  port.answers.push_back("\r\n");
  const std::uint64_t before = clock.total_paused_ms();
  const TransactResult t = link.RadioTransact("F0958000", 2);
  EXPECT_TRUE(t.ok);
  EXPECT_EQ(port.writes, (std::vector<std::string>{"F", "0", "9", "5", "8", "0", "0", "0"}));
  EXPECT_EQ(clock.total_paused_ms() - before, 8u * 5 + 115);  // n x TxPace, then RxPace
}

TEST_F(RadioLinkTest, R8AWritesTheWholeLineAtOnce) {
  Use(kModelR8A);
  link.CommOpen();
  port.writes.clear();
  port.answers.push_back("\r\n");
  const std::uint64_t before = clock.total_paused_ms();
  EXPECT_TRUE(link.RadioTransact("F0958000\r", 2).ok);
  EXPECT_EQ(port.writes, (std::vector<std::string>{"F0958000\r"}));
  EXPECT_EQ(clock.total_paused_ms() - before, 115u);
}

TEST_F(RadioLinkTest, ExpectedLengthZeroWritesOnceAndReadsNothing) {
  Use(kModelR8A);
  link.CommOpen();
  port.writes.clear();
  const TransactResult t = link.RadioTransact("U", 0);
  EXPECT_TRUE(t.ok);
  EXPECT_EQ(port.writes.size(), 1u);
  EXPECT_TRUE(port.reads.empty());
}

TEST_F(RadioLinkTest, AReplyNotEndingInLineFeedIsRetriedWithResynchronisation) {
  Use(kModelR8A);
  link.CommOpen();
  port.writes.clear();
  port.answers = {"\r\r", "x", "y", "\r\n"};  // bad reply, two resync reads, then good
  const TransactResult t = link.RadioTransact("VB\r", 2);
  EXPECT_TRUE(t.ok);
  EXPECT_EQ(t.reply, "\r\n");
  EXPECT_EQ(port.writes, (std::vector<std::string>{"VB\r", " \r", " \r", "VB\r"}));
  EXPECT_EQ(port.reads, (std::vector<std::size_t>{2, 1, 1, 2}));
  EXPECT_TRUE(prompts.beeps.empty());
}

TEST_F(RadioLinkTest, ThreeFailuresGiveThirtySevenSpacesAndOneBeepWhileOn) {
  Use(kModelR8A);
  link.CommOpen();
  radio.PowerOn = true;
  const TransactResult t = link.RadioTransact("RA\r", 37);  // no answers at all
  EXPECT_FALSE(t.ok);
  EXPECT_EQ(t.reply, std::string(37, ' '));
  EXPECT_EQ(t.bytes_read, 0u);
  EXPECT_EQ(port.reads.size(), 9u);  // three attempts, each with two resync reads
  EXPECT_EQ(prompts.beeps, (std::vector<BeepKind>{BeepKind::kExclamation}));

  radio.PowerOn = false;
  link.RadioTransact("RA\r", 37);
  EXPECT_EQ(prompts.beeps.size(), 1u);  // silent while the receiver is believed off
}

TEST_F(RadioLinkTest, AFailedOneByteExchangeIsNotMistakenForSuccess) {
  // The resynchronisation reads answer one byte each; they must not count as the reply.
  Use(kModelR8);
  link.CommOpen();
  port.answers = {"", "\n", "\n", "", "\n", "\n", "", "\n", "\n"};
  const TransactResult t = link.RadioTransact("VA\r", 1);
  EXPECT_FALSE(t.ok);
  EXPECT_EQ(t.bytes_read, 0u);
}

TEST_F(RadioLinkTest, ReadsArePacedAndPurgedButNotWhileTheReceiverScans) {
  Use(kModelR8A);
  settings.RxPace = 50;
  link.CommOpen();
  const int purges = port.purges;
  port.answers.push_back("abc");
  std::uint64_t before = clock.total_paused_ms();
  CommReadResult r = link.CommRead(5);
  EXPECT_EQ(r.reply, "abc");
  EXPECT_EQ(r.bytes_read, 3u);
  EXPECT_EQ(clock.total_paused_ms() - before, 50u);
  EXPECT_EQ(port.purges, purges + 1);

  radio.ScanState = ScanStateCode::kReceiverScan;
  before = clock.total_paused_ms();
  link.CommRead(5);
  EXPECT_EQ(clock.total_paused_ms(), before);
}

// Fast replies: no wait before the read, which takes the reply once it is whole and allows the
// reply's own line time on top of the pacing; the port's configured timeout comes back after.
TEST_F(RadioLinkTest, FastRepliesWaitOnlyAsLongAsTheReplyTakes) {
  Use(kModelR8A);
  settings.RxPace = 50;
  settings.complete_reply = true;
  link.CommOpen();
  port.answers.push_back("abc\n");
  const std::uint64_t before = clock.total_paused_ms();
  EXPECT_EQ(link.CommRead(37).reply, "abc\n");
  EXPECT_EQ(clock.total_paused_ms(), before);
  EXPECT_EQ(port.reply_read_timeouts, std::vector<std::uint32_t>{50 + 39});
  EXPECT_EQ(port.timeouts, (PortTimeouts{50, 0, 0}));
  EXPECT_EQ(LineTimeMs(1), 2u);
}

TEST_F(RadioLinkTest, TransactionsHoldTheBusyCursorUnlessAScanRuns) {
  Use(kModelR8A);
  link.CommOpen();
  port.answers.push_back("\r\n");
  link.RadioTransact("VA\r", 2);
  EXPECT_EQ(prompts.busy_changes, 2);
  EXPECT_EQ(prompts.busy_depth, 0);
  link.scan_active = true;
  port.answers.push_back("\r\n");
  link.RadioTransact("VA\r", 2);
  EXPECT_EQ(prompts.busy_changes, 2);
}

TEST_F(RadioLinkTest, ModemLines) {
  Use(kModelR8A);
  EXPECT_FALSE(link.CommDSR());  // nothing open
  link.CommOpen();
  port.modem = {true, true};
  EXPECT_TRUE(link.CommDSR());
  EXPECT_TRUE(link.CommCarrier());
  port.modem = {false, false};
  EXPECT_FALSE(link.CommDSR());
  EXPECT_FALSE(link.CommCarrier());
}

}  // namespace
}  // namespace r8
