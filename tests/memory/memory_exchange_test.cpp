#include <gtest/gtest.h>

#include "app/app_context.h"
#include "common/format.h"
#include "memory/memory_commands.h"
#include "memory/memory_exchange.h"
#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

class HookedProgress : public MemoryProgress {
 public:
  void Open(std::string_view, std::string_view) override {}
  void Position(int done, int) override {
    positions.push_back(done);
    if (on_position) on_position(done);
  }
  bool CancelRequested() override { return positions.size() > cancel_after; }
  void Close() override {}
  std::vector<int> positions;
  std::function<void(int)> on_position;
  std::size_t cancel_after = 100000;
};

// 50 channels of every mode, AM channels alternating synchro on and off, named and unnamed.
std::vector<MemoryLine> FiftyChannels() {
  std::vector<MemoryLine> lines;
  const int modes[] = {kModeAm, kModeAm, kModeUsb, kModeAm, kModeLsb, kModeCw, kModeRtty, kModeFm};
  for (int i = 0; i < 50; ++i) {
    MemoryLine m;
    m.channel = 2 + i * 8;
    const int mode = modes[i % 8];
    m.settings = MemorySettings{i % 2,
                                i % 3,
                                i % 3,
                                1 + i % 5,
                                mode,
                                (i / 2) % 3,
                                1 + (i % 4 == 1),
                                mode == kModeAm && i % 2 == 0};
    m.unit = i % 3 == 0 ? kUnitMHz : kUnitKHz;
    m.freq_khz = 2000.0 + i * 530.0 + (i % 4) * 0.25;
    if (m.settings.mode == kModeFm) {
      m.freq_khz = 145000.0 + i;
      m.settings = MemorySettings{kAntennaC, kBlankRf,      kBlankAgc, kBw12,
                                  kModeFm,   kBlankBlanker, kNotchOff, false};
    }
    m.notes = i % 5 == 0 ? "" : (i % 5 == 1 ? "RADIO NEDERLAND" : "S" + std::to_string(i));
    lines.push_back(m);
  }
  return lines;
}

TEST(MemoryFill, FiftyChannelsStoredAsTheirLines) {
  TestContext t(kModelR8A);
  t.Connect();
  const std::vector<MemoryLine> lines = FiftyChannels();
  for (const MemoryLine& m : lines)
    t.ctx().memory().SetSlot(m.channel, CreateTuneString(m, kModelR8A));
  const std::string file = (t.dir() / "F.MEM").string();
  t.ctx().memory().file_name = file;
  t.prompts().QueueAnswer(Answer::kYes);
  const FillOutcome out = CMMemoryFill(t.ctx(), nullptr);
  EXPECT_EQ(out.channels_filled, 50);
  EXPECT_EQ(out.channels_failed, 0);
  for (const MemoryLine& m : lines) {
    SCOPED_TRACE(m.channel);
    const emulator::Channel& c = t.receiver().channel(m.channel);
    const emulator::Tuning& tu = c.tuning;
    ASSERT_TRUE(c.stored);
    EXPECT_EQ(tu.freq_10hz, static_cast<std::int32_t>(m.freq_khz * 100 + 0.5));
    EXPECT_EQ(TrimStr(c.name),
              TrimStr(m.notes.substr(0, std::min<std::size_t>(7, m.notes.size()))));
    // FM keeps the set's other settings as they were: only mode, antenna and synchro count.
    const bool fm = m.settings.mode == kModeFm;
    const MemorySettings got{static_cast<int>(tu.antenna),
                             fm ? kBlankRf : static_cast<int>(tu.rf),
                             fm ? kBlankAgc : static_cast<int>(tu.agc),
                             fm ? kBw12 : static_cast<int>(tu.bandwidth),
                             static_cast<int>(tu.mode),
                             fm ? kBlankBlanker : static_cast<int>(tu.noise_blanker),
                             fm ? kNotchOff : 1 + tu.notch,
                             tu.sync};
    EXPECT_EQ(got, m.settings);
  }
  int stored = 0;
  for (int n = 0; n < 440; ++n) stored += t.receiver().channel(n).stored ? 1 : 0;
  EXPECT_EQ(stored, 50);
  // A space in a name goes as "_"; the fill ends on VFO A as it began.
  EXPECT_EQ(std::count(t.port().commands().begin(), t.port().commands().end(), "NCRADIO_N\r"), 10);
  EXPECT_EQ(t.receiver().state().active_vfo, emulator::Vfo::kA);
  EXPECT_EQ(t.ctx().profile().ReadString("OPTIONS", "MEMFILE", ""), file);
  // A channel stored again sends only its frequency, units, mode and synchro: the rest agree.
  ASSERT_TRUE(FillChannel(t.ctx(), lines[0]));
  t.port().ClearLog();
  ASSERT_TRUE(FillChannel(t.ctx(), lines[0]));
  for (const std::string& c : t.port().commands()) {
    EXPECT_TRUE(c[0] == 'F' || c[0] == 'S' || c[0] == 'M' || c[0] == 'P' || c[0] == 'C') << c;
  }
}

TEST(MemoryCapture, FullR8BReadBackChannelByChannel) {
  TestContext t(kModelR8B);
  t.Connect();
  const std::vector<MemoryLine> lines = FiftyChannels();
  for (const MemoryLine& m : lines) {
    ASSERT_TRUE(FillChannel(t.ctx(), m));
    t.ctx().control().StoreRadioMemName(m.notes);
  }
  // In VFO mode on 7335 kHz, channel 5 shown; mem-tune on.
  t.ctx().control().RecallChannel(5);
  t.ctx().control().TuneRadio(7335.0);
  t.ctx().control().PollStatus();
  t.radio().MemTune = 1;
  t.prompts().QueueAnswer(Answer::kYes);
  t.prompts().QueueFileCancel();
  HookedProgress progress;
  // Network clients keep off the link while the walk runs (its progress window lets them in).
  int owned = 0;
  progress.on_position = [&](int) { owned += t.ctx().link().exchange_active ? 1 : 0; };
  const CaptureOutcome out = CMMemoryCapture(t.ctx(), &progress);
  EXPECT_EQ(owned, static_cast<int>(progress.positions.size()));
  EXPECT_FALSE(t.ctx().link().exchange_active);
  EXPECT_TRUE(out.ran);
  EXPECT_EQ(out.channels_read, 1000);
  EXPECT_FALSE(out.receiver_stopped);
  EXPECT_FALSE(out.saved);
  EXPECT_FALSE(t.receiver().state().memory_mode);
  EXPECT_EQ(t.receiver().state().active_vfo, emulator::Vfo::kA);
  EXPECT_EQ(t.receiver().shown().freq_10hz, 733500);
  EXPECT_TRUE(t.receiver().state().mem_tune);
  // From the channel after the start round to the start itself.
  ASSERT_EQ(progress.positions.size(), 1001u);
  EXPECT_EQ(progress.positions[1], 1);
  EXPECT_EQ(progress.positions.back(), 1000);
  const MemoryDocument& doc = t.ctx().memory();
  EXPECT_EQ(doc.modified, 1);
  EXPECT_EQ(doc.file_name, "<Untitled>");
  for (const MemoryLine& m : lines) {
    SCOPED_TRACE(m.channel);
    const LineReading r = ReadMemoryLine(doc.slot(m.channel));
    ASSERT_TRUE(r.line) << doc.slot(m.channel);
    EXPECT_EQ(r.line->channel, m.channel);
    EXPECT_NEAR(r.line->freq_khz, m.freq_khz, 0.001);
    EXPECT_EQ(r.line->notes, TrimStr(m.notes.substr(0, std::min<std::size_t>(7, m.notes.size()))));
    if (m.settings.mode == kModeFm) {
      EXPECT_EQ(r.line->settings.mode, kModeFm);
      continue;
    }
    EXPECT_EQ(r.line->settings, m.settings);
  }
  // An unnamed channel is the 24-character line without a tab.
  EXPECT_EQ(doc.slot(2).size(), 24u);
}

TEST(MemoryCapture, ReceiverFallingSilentEndsTheWalkAndKeepsWhatWasRead) {
  TestContext t(kModelR8);
  t.Connect();
  HookedProgress progress;
  progress.on_position = [&](int done) {
    if (done == 40) t.port().SetSilent(true);
  };
  t.prompts().QueueAnswer(Answer::kYes);
  t.prompts().QueueFileCancel();
  const CaptureOutcome out = CMMemoryCapture(t.ctx(), &progress);
  EXPECT_TRUE(out.receiver_stopped);
  EXPECT_EQ(out.channels_read, 40);
  ASSERT_EQ(t.prompts().messages.size(), 2u);
  EXPECT_EQ(t.prompts().messages[1].text,
            "The capture stopped after 40 of 100 channels: the receiver did not answer as "
            "expected. The channels read so far are kept.");
  int occupied = 0;
  for (int c = 0; c < 100; ++c) occupied += t.ctx().memory().Occupied(c) ? 1 : 0;
  EXPECT_EQ(occupied, 40);
  EXPECT_EQ(t.ctx().memory().modified, 1);
}

TEST(MemoryCapture, CancelEndsBetweenChannelsWithoutAWarning) {
  TestContext t(kModelR8);
  t.Connect();
  HookedProgress progress;
  progress.cancel_after = 10;  // the first position is the opening 0
  t.prompts().QueueAnswer(Answer::kYes);
  t.prompts().QueueFileCancel();
  const CaptureOutcome out = CMMemoryCapture(t.ctx(), &progress);
  EXPECT_TRUE(out.cancelled);
  EXPECT_EQ(out.channels_read, 10);
  EXPECT_EQ(t.prompts().messages.size(), 1u);
}

TEST(MemoryFill, AbortRetryIgnore) {
  TestContext t(kModelR8);
  t.Connect();
  MemoryDocument& doc = t.ctx().memory();
  for (int c : {1, 2, 3}) {
    MemoryLine m;
    m.channel = c;
    m.freq_khz = 6000.0 + c;
    doc.SetSlot(c, CreateTuneString(m, kModelR8));
  }
  t.port().SetSilent(true);
  for (Answer a : {Answer::kYes, Answer::kRetry, Answer::kIgnore, Answer::kAbort}) {
    t.prompts().QueueAnswer(a);
  }
  const FillOutcome out = CMMemoryFill(t.ctx(), nullptr);
  EXPECT_TRUE(out.aborted);
  EXPECT_EQ(out.channels_failed, 2);
  const std::vector<std::string> expected = {
      "About to fill the radio's memories.\r\rAre you sure you want to continue?",
      "An error occurred when trying to fill channel 01.",
      "An error occurred when trying to fill channel 01.",
      "An error occurred when trying to fill channel 02.",
  };
  EXPECT_EQ(t.prompts().texts(), expected);
  EXPECT_EQ(t.prompts().messages[1].caption, "Error");
  EXPECT_EQ(t.prompts().messages[1].buttons, MessageButtons::kAbortRetryIgnore);
  // The VFOs are swapped back even after Abort.
  EXPECT_EQ(t.receiver().state().active_vfo, emulator::Vfo::kA);
}

}  // namespace
}  // namespace r8
