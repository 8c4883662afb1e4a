#include "options/scan_settings.h"

#include "settings/settings.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int HighestBank(int model) {
  if (model == kModelR8A) return 43;
  if (model == kModelR8B) return 99;
  return 9;
}

BankFlags ParseScanList(std::string_view scan_list, int model) {
  BankFlags banks{};
  if (scan_list == "empty") return banks;
  if (model == kModelR8) {
    for (char c : scan_list) {
      if (IsDigit(c)) banks[static_cast<std::size_t>(c - '0')] = true;
    }
    return banks;
  }
  for (std::size_t i = 0; i + 1 < scan_list.size(); i += 2) {
    const char hi = scan_list[i];
    const char lo = scan_list[i + 1];
    if (!IsDigit(hi) || !IsDigit(lo)) continue;
    banks[static_cast<std::size_t>((hi - '0') * 10 + (lo - '0'))] = true;
  }
  return banks;
}

std::string BuildScanList(const BankFlags& banks, int model) {
  std::string list;
  const bool r8 = model == kModelR8;
  const int highest = HighestBank(model);
  for (int b = 0; b <= highest; ++b) {
    if (!banks[static_cast<std::size_t>(b)]) continue;
    const std::string digits =
        r8 ? std::string(1, static_cast<char>('0' + b))
           : std::string{static_cast<char>('0' + b / 10), static_cast<char>('0' + b % 10)};
    if (list.size() + digits.size() > kScanListMax) break;
    list += digits;
  }
  return list.empty() ? std::string("empty") : list;
}

bool AnyBankOf(const BankFlags& banks, int model) {
  const int highest = HighestBank(model);
  for (int b = 0; b <= highest; ++b) {
    if (banks[static_cast<std::size_t>(b)]) return true;
  }
  return false;
}

}  // namespace r8
