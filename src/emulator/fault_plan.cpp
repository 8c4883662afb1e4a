#include "emulator/fault_plan.h"

#include <charconv>
#include <limits>

namespace r8::emulator {

namespace {

std::optional<double> Chance(std::string_view text) {
  double v = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !(v >= 0.0 && v <= 1.0))
    return std::nullopt;
  return v;
}

// A whole number with "ms", "s" or "m", up to a day.
std::optional<std::uint64_t> DurationMs(std::string_view text) {
  std::uint64_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end == text.data()) return std::nullopt;
  const std::string_view unit(end, static_cast<std::size_t>(text.data() + text.size() - end));
  std::uint64_t scale = 0;
  if (unit == "ms") scale = 1;
  if (unit == "s") scale = 1000;
  if (unit == "m") scale = 60000;
  constexpr std::uint64_t kDayMs = 86'400'000;
  if (scale == 0 || n > kDayMs / scale) return std::nullopt;
  return n * scale;
}

}  // namespace

std::optional<FaultPlan> ParseFaultPlan(std::string_view text, std::string& error) {
  FaultPlan plan;
  // Every item between commas must be one of the faults, so "drop=0.1," is refused.
  for (bool more = !text.empty(); more;) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    more = comma != std::string_view::npos;
    if (more) text = text.substr(comma + 1);
    const std::size_t eq = item.find('=');
    const std::string_view key = item.substr(0, eq);
    const std::string_view value =
        eq == std::string_view::npos ? std::string_view() : item.substr(eq + 1);
    bool ok = false;
    if (key == "drop" || key == "garble") {
      const auto p = Chance(value);
      ok = p.has_value();
      if (ok) (key == "drop" ? plan.drop : plan.garble) = *p;
    } else if (key == "late") {
      const std::size_t colon = value.find(':');
      const auto p = Chance(value.substr(0, colon));
      std::optional<std::uint64_t> ms = FaultPlan::kDefaultLateMs;
      if (colon != std::string_view::npos) ms = DurationMs(value.substr(colon + 1));
      ok = p && ms && *ms <= std::numeric_limits<std::uint32_t>::max();
      if (ok) {
        plan.late = *p;
        plan.late_ms = static_cast<std::uint32_t>(*ms);
      }
    } else if (key == "silence") {
      const std::size_t at = value.find('@');
      const auto length = DurationMs(value.substr(0, at));
      const auto start = at == std::string_view::npos ? std::optional<std::uint64_t>()
                                                      : DurationMs(value.substr(at + 1));
      ok = length && start;
      if (ok) {
        plan.silence_ms = *length;
        plan.silence_at_ms = *start;
      }
    } else {
      error = "unknown fault \"" + std::string(key) + "\" (drop, garble, late, silence)";
      return std::nullopt;
    }
    if (!ok) {
      error = "bad value in \"" + std::string(item) +
              "\" (chances 0 to 1, late=P[:D], silence=D@T, durations as 500ms, 5s or 2m)";
      return std::nullopt;
    }
  }
  return plan;
}

FaultInjector::FaultInjector(const FaultPlan& plan, std::uint32_t seed)
    : plan_(plan), rng_(seed) {}

bool FaultInjector::Chance(double p) {
  return p > 0.0 && std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p;
}

bool FaultInjector::Apply(Reply& reply) {
  if (reply.at_ms >= plan_.silence_at_ms && reply.at_ms - plan_.silence_at_ms < plan_.silence_ms) {
    ++counts_.silenced;
    return false;
  }
  if (Chance(plan_.drop)) {
    ++counts_.dropped;
    return false;
  }
  if (!reply.bytes.empty() && Chance(plan_.garble)) {
    std::string& b = reply.bytes;
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, b.size() - 1)(rng_);
    // Any other byte: an offset of 1..255 never gives the same one back.
    const int offset = std::uniform_int_distribution<int>(1, 255)(rng_);
    b[at] = static_cast<char>((static_cast<unsigned char>(b[at]) + offset) & 0xFF);
    ++counts_.garbled;
  }
  if (Chance(plan_.late)) {
    reply.at_ms += plan_.late_ms;
    ++counts_.late;
  }
  return true;
}

}  // namespace r8::emulator
