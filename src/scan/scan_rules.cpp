#include "scan/scan_rules.h"

namespace r8 {

double WrapToScanLimits(double radio_freq, double offset, double lower, double upper, bool up) {
  if (up && radio_freq - offset > upper) return lower + offset;
  if (!up && radio_freq - offset < lower) return upper + offset;
  return radio_freq;
}

std::optional<int> NextListChannel(int current, bool up, const BankFlags& banks, int model,
                                   const std::function<bool(int)>& occupied) {
  if (!occupied) return std::nullopt;
  const int highest = HighestBank(model);
  const int last_channel = highest * 10 + 9;
  int k = up ? current + 1 : current - 1;
  // Off either end of the model's channels: the wrap to the next bank below takes it from there.
  if (k < 0) k = -1;
  if (k > last_channel) k = last_channel + 1;
  int bank = k < 0 ? -1 : k / 10;
  auto search = [&](int from, int b) -> std::optional<int> {
    if (b < 0 || b > highest || !banks[static_cast<std::size_t>(b)]) return std::nullopt;
    for (int c = from; up ? c <= b * 10 + 9 : c >= b * 10; c += up ? 1 : -1) {
      if (occupied(c)) return c;
    }
    return std::nullopt;
  };
  if (auto found = search(k, bank)) return found;
  // Every bank once, then the starting bank again from its far end: a full pass.
  for (int pass = 0; pass <= highest + 1; ++pass) {
    bank = up ? (bank >= highest ? 0 : bank + 1) : (bank <= 0 ? highest : bank - 1);
    if (auto found = search(up ? bank * 10 : bank * 10 + 9, bank)) return found;
  }
  return std::nullopt;
}

int ScanDelayMs(int scan_delay) {
  if (scan_delay < 1 || scan_delay > static_cast<int>(kScanDelaysMs.size())) scan_delay = 3;
  return kScanDelaysMs[static_cast<std::size_t>(scan_delay - 1)];
}

}  // namespace r8
