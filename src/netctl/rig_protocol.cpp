#include "netctl/rig_protocol.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "faceplate/tuning.h"
#include "pan/pan_sweep.h"
#include "radio/radio_model.h"

namespace r8::netctl {
namespace {

struct CommandInfo {
  char letter;  // 0: only the long form
  std::string_view name;
  RigKind kind;
  std::size_t args;  // the fewest arguments it takes
  RigError refusal = RigError::kOk;
};

constexpr RigError kNoTx = RigError::kNotAvailable;
constexpr std::array<CommandInfo, 24> kCommands = {{
    {'F', "set_freq", RigKind::kSet, 1},
    {'f', "get_freq", RigKind::kGet, 0},
    {'M', "set_mode", RigKind::kSet, 1},
    {'m', "get_mode", RigKind::kGet, 0},
    {'V', "set_vfo", RigKind::kSet, 1},
    {'v', "get_vfo", RigKind::kGet, 0},
    {'l', "get_level", RigKind::kGet, 1},
    {0, "set_powerstat", RigKind::kSet, 1},
    {0, "get_powerstat", RigKind::kGet, 0},
    {'s', "get_split_vfo", RigKind::kInfo, 0},
    {0, "dump_state", RigKind::kInfo, 0},
    {0, "chk_vfo", RigKind::kInfo, 0},
    // Hamlib's client asks before it sets a mode; no client here can lock the mode for others.
    {0, "get_lock_mode", RigKind::kInfo, 0},
    {0, "set_lock_mode", RigKind::kRefused, 0, RigError::kNotAvailable},
    {'q', "quit", RigKind::kQuit, 0},
    {'Q', "quit", RigKind::kQuit, 0},
    // A receiver has no transmitter and no levels to set.
    {'T', "set_ptt", RigKind::kRefused, 0, kNoTx},
    {'t', "get_ptt", RigKind::kRefused, 0, kNoTx},
    {'S', "set_split_vfo", RigKind::kRefused, 0, kNoTx},
    {'I', "set_split_freq", RigKind::kRefused, 0, kNoTx},
    {'X', "set_split_mode", RigKind::kRefused, 0, kNoTx},
    {'Z', "set_xit", RigKind::kRefused, 0, kNoTx},
    {'b', "send_morse", RigKind::kRefused, 0, kNoTx},
    {'L', "set_level", RigKind::kRefused, 0, kNoTx},
}};

const CommandInfo* FindCommand(std::string_view word, bool long_form) {
  for (const CommandInfo& c : kCommands) {
    if (long_form ? c.name == word : (c.letter != 0 && word.size() == 1 && c.letter == word[0]))
      return &c;
  }
  return nullptr;
}

std::vector<std::string> Split(std::string_view text) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t j = i;
    while (j < text.size() && !std::isspace(static_cast<unsigned char>(text[j]))) ++j;
    if (j > i) out.emplace_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

// A whole-text number, or nullopt.
std::optional<double> Number(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

struct Value {
  std::string_view key;
  std::string text;
};

std::string Reply(const RigRequest& r, RigError error, const std::vector<Value>& values) {
  const std::string rprt = "RPRT " + std::to_string(-static_cast<int>(error)) + "\n";
  if (r.separator == 0) {
    if (error != RigError::kOk || values.empty()) return rprt;
    std::string out;
    for (const Value& v : values) out += v.text + "\n";
    return out;
  }
  std::string out(r.name);
  out += ':';
  for (const std::string& a : r.args) out += " " + a;
  out += r.separator;
  if (error == RigError::kOk) {
    for (const Value& v : values) {
      out += std::string(v.key) + ": " + v.text;
      out += r.separator;
    }
  }
  return out + rprt;
}

std::string VfoToken(VfoCode vfo) { return vfo == VfoCode::kB ? "VFOB" : "VFOA"; }

// nullopt for a token that names no VFO; the current VFO for "currVFO".
std::optional<VfoCode> VfoFromToken(std::string_view t, VfoCode current) {
  if (t == "VFOA" || t == "A" || t == "Main" || t == "MainA") return VfoCode::kA;
  if (t == "VFOB" || t == "B" || t == "Sub" || t == "MainB") return VfoCode::kB;
  if (t == "currVFO" || t == "VFO") return current;
  return std::nullopt;
}

std::string ModeList() { return "AM FM CW RTTY LSB USB"; }

RigError SetCommand(const RigRequest& r, RigReceiver& rx) {
  const std::string& a0 = r.args[0];
  // The values are checked first, so a wrong one is told as such even while busy.
  std::optional<double> khz;
  std::optional<ModeCode> mode;
  std::optional<BandwidthCode> width;
  std::optional<VfoCode> vfo;
  bool power = false;
  if (r.name == "set_freq") {
    const std::optional<double> hz = Number(a0);
    if (!hz || !InCoverage(*hz / 1000.0)) return RigError::kInvalid;
    khz = *hz / 1000.0;
  } else if (r.name == "set_mode") {
    mode = ModeFromToken(a0);
    if (!mode) return RigError::kInvalid;
    long long passband = -1;
    if (r.args.size() > 1) {
      const std::optional<double> p = Number(r.args[1]);
      if (!p || *p < -1 || *p > 1e9) return RigError::kInvalid;
      passband = std::llround(*p);
    }
    width = WidthForPassband(passband, *mode);
  } else if (r.name == "set_vfo") {
    vfo = VfoFromToken(a0, rx.State().VFO);
    if (!vfo) return RigError::kInvalid;
  } else {  // set_powerstat
    if (a0 != "0" && a0 != "1") return RigError::kInvalid;
    power = a0 == "1";
  }
  if (!rx.Connected()) return RigError::kIo;
  if (rx.Busy()) return RigError::kBusy;
  bool ok = true;
  if (khz) {
    ok = rx.Tune(*khz);
  } else if (mode) {
    ok = rx.SetMode(*mode, width);
  } else if (vfo) {
    ok = *vfo == rx.State().VFO || rx.SetVfo(*vfo);
  } else {
    ok = power == rx.State().PowerOn || rx.SetPower(power);
  }
  return ok ? RigError::kOk : RigError::kIo;
}

}  // namespace

int WidthHz(BandwidthCode code) {
  switch (code) {
    case BandwidthCode::k12:
      return 12000;
    case BandwidthCode::k6_0:
      return 6000;
    case BandwidthCode::k4_0:
      return 4000;
    case BandwidthCode::k2_3:
      return 2300;
    case BandwidthCode::k1_8:
      return 1800;
    case BandwidthCode::k0_5:
      return 500;
  }
  return 0;
}

std::optional<BandwidthCode> WidthForPassband(long long hz, ModeCode mode) {
  if (hz < 0 || mode == ModeCode::kFm) return std::nullopt;
  if (hz == 0) {
    if (mode == ModeCode::kAm) return BandwidthCode::k6_0;
    if (mode == ModeCode::kCw) return BandwidthCode::k0_5;
    return BandwidthCode::k2_3;
  }
  BandwidthCode best = BandwidthCode::k6_0;
  for (int c = CodeNumber(BandwidthCode::k6_0); c <= CodeNumber(BandwidthCode::k0_5); ++c) {
    const auto code = static_cast<BandwidthCode>(c);
    if (std::llabs(WidthHz(code) - hz) < std::llabs(WidthHz(best) - hz)) best = code;
  }
  return best;
}

int StrengthDb(int level) {
  auto mark_db = [](int mark) {
    return mark <= kPanS9Mark ? (mark - kPanS9Mark) * 6 : (mark - kPanS9Mark) * 10;
  };
  if (level <= kPanLevels[0]) return mark_db(0);
  for (int m = 1; m < kPanMarks; ++m) {
    const int lo = kPanLevels[static_cast<std::size_t>(m - 1)];
    const int hi = kPanLevels[static_cast<std::size_t>(m)];
    if (level <= hi) {
      const double t = static_cast<double>(level - lo) / (hi - lo);
      return static_cast<int>(std::lround(mark_db(m - 1) + t * (mark_db(m) - mark_db(m - 1))));
    }
  }
  return mark_db(kPanMarks - 1);
}

std::optional<ModeCode> ModeFromToken(std::string_view t) {
  // The data-mode names decoders use stand for the receiver's sideband.
  if (t == "AM") return ModeCode::kAm;
  if (t == "FM" || t == "PKTFM") return ModeCode::kFm;
  if (t == "CW") return ModeCode::kCw;
  if (t == "RTTY") return ModeCode::kRtty;
  if (t == "LSB" || t == "PKTLSB") return ModeCode::kLsb;
  if (t == "USB" || t == "PKTUSB") return ModeCode::kUsb;
  return std::nullopt;
}

std::string_view ModeToken(ModeCode mode) {
  switch (mode) {
    case ModeCode::kAm:
      return "AM";
    case ModeCode::kFm:
      return "FM";
    case ModeCode::kCw:
      return "CW";
    case ModeCode::kRtty:
      return "RTTY";
    case ModeCode::kLsb:
      return "LSB";
    case ModeCode::kUsb:
      return "USB";
  }
  return "AM";
}

std::string DumpState() {
  // Hamlib's mode bits: AM 0x1, CW 0x2, USB 0x4, LSB 0x8, RTTY 0x10, FM 0x20.
  return "0\n"  // layout version
         "2\n"  // NET rigctl
         "1\n"  // ITU region
         // Receive ranges (Hz, modes, no power, VFO A and B, antennas 1 and 2), then none to
         // transmit on.
         "100000 30000000 0x3f -1 -1 0x3 0x3\n"
         "35000000 55000000 0x3f -1 -1 0x3 0x3\n"
         "108000000 174000000 0x3f -1 -1 0x3 0x3\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0x3f 10\n"
         "0 0\n"
         // Filters, each mode's normal one first.
         "0x1 6000\n0x1c 2300\n0x2 500\n0x20 12000\n"
         "0x1f 4000\n0x1f 1800\n0x1d 500\n0x1e 6000\n0x3 2300\n"
         "0 0\n"
         "0\n0\n0\n0\n"  // RIT, XIT, IF shift, announcements
         "0\n0\n"        // preamplifier, attenuator
         "0x0\n0x0\n"    // functions
         "0x40000000\n"  // levels read: STRENGTH
         "0x0\n0x0\n0x0\n";
}

RigRequest ParseRigLine(std::string_view line) {
  RigRequest r;
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
    line.remove_suffix(1);
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
    line.remove_prefix(1);
  if (line.empty() || line.front() == '#') return r;
  const char first = line.front();
  if (std::ispunct(static_cast<unsigned char>(first)) && first != '\\' && first != '?' &&
      first != '_') {
    r.separator = first == '+' ? '\n' : first;
    line.remove_prefix(1);
  }
  std::string word;
  const bool long_form = !line.empty() && line.front() == '\\';
  if (long_form) {
    std::vector<std::string> parts = Split(line.substr(1));
    if (!parts.empty()) {
      word = parts.front();
      r.args.assign(parts.begin() + 1, parts.end());
    }
  } else if (!line.empty()) {
    word = std::string(1, line.front());
    r.args = Split(line.substr(1));
  }
  const CommandInfo* info = FindCommand(word, long_form);
  if (info == nullptr) {
    r.kind = RigKind::kRefused;
    r.name = word.empty() ? "?" : word;
    r.refusal = RigError::kNotImplemented;
    return r;
  }
  r.name = info->name;
  r.kind = info->kind;
  r.refusal = info->refusal;
  if (r.args.size() < info->args) {
    r.kind = RigKind::kRefused;
    r.refusal = RigError::kInvalid;
  }
  return r;
}

std::string AnswerRig(const RigRequest& r, RigReceiver& rx) {
  const RadioState& s = rx.State();
  switch (r.kind) {
    case RigKind::kIgnore:
      return {};
    case RigKind::kQuit:
      return Reply(r, RigError::kOk, {});
    case RigKind::kRefused:
      return Reply(r, r.refusal, {});
    case RigKind::kInfo:
      if (r.name == "dump_state") {
        std::string state = DumpState();
        if (r.separator == 0) return state;
        state.pop_back();
        return Reply(r, RigError::kOk, {{"State", state}});
      }
      if (r.name == "chk_vfo") return Reply(r, RigError::kOk, {{"ChkVFO", "0"}});
      if (r.name == "get_lock_mode") return Reply(r, RigError::kOk, {{"Locked", "0"}});
      return Reply(r, RigError::kOk, {{"Split", "0"}, {"TX VFO", VfoToken(s.VFO)}});
    case RigKind::kGet:
      if (r.name == "get_freq") {
        return Reply(r, RigError::kOk,
                     {{"Frequency", std::to_string(std::llround(s.RadioFreq * 1000.0))}});
      }
      if (r.name == "get_mode") {
        return Reply(r, RigError::kOk,
                     {{"Mode", std::string(ModeToken(s.Mode))},
                      {"Passband", std::to_string(WidthHz(s.Bandwidth))}});
      }
      if (r.name == "get_vfo") return Reply(r, RigError::kOk, {{"VFO", VfoToken(s.VFO)}});
      if (r.name == "get_powerstat")
        return Reply(r, RigError::kOk, {{"Power Status", s.PowerOn ? "1" : "0"}});
      // get_level
      if (r.args[0] == "?") return Reply(r, RigError::kOk, {{"Levels", "STRENGTH"}});
      if (r.args[0] != "STRENGTH") return Reply(r, RigError::kInvalid, {});
      // The R8 reports no signal level.
      if (rx.Model() != kModelR8A && rx.Model() != kModelR8B)
        return Reply(r, RigError::kNotAvailable, {});
      return Reply(r, RigError::kOk, {{"Level Value", std::to_string(StrengthDb(s.MeterLevel))}});
    case RigKind::kSet:
      if (r.name == "set_mode" && r.args[0] == "?")
        return Reply(r, RigError::kOk, {{"Modes", ModeList()}});
      return Reply(r, SetCommand(r, rx), {});
  }
  return Reply(r, RigError::kNotImplemented, {});
}

}  // namespace r8::netctl
