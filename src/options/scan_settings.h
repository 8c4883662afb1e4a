// The scan parameters as the settings file keeps them: the mode, type and delay lists of the
// Options dialog's "Scan" page, and SCANLIST, the memory banks a "List" scan visits.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace r8 {

inline constexpr int kBankCount = 100;
// One flag per memory bank; bank b holds channels 10*b .. 10*b+9.
using BankFlags = std::array<bool, kBankCount>;

// Item texts in list order; the item index + 1 is the stored SCANMODE / SCANTYPE / SCANDELAY.
inline constexpr std::array<std::string_view, 4> kScanModeNames = {"Mem", "List", "A-B", "Freq"};
inline constexpr std::array<std::string_view, 3> kScanTypeNames = {"Seek", "Time", "Carr"};
inline constexpr std::array<int, 10> kScanDelaysMs = {10,  20,   50,   100,  200,
                                                      500, 1000, 2000, 5000, 10000};
inline constexpr int kScanModeMem = 1;
inline constexpr int kScanModeList = 2;
inline constexpr int kScanModeAB = 3;
inline constexpr int kScanModeFreq = 4;
inline constexpr int kScanTypeSeek = 1;
inline constexpr int kScanTypeTime = 2;
inline constexpr int kScanTypeCarr = 3;

// 9 on the R8 (and before a model is chosen), 43 on the R8A, 99 on the R8B.
int HighestBank(int model);

// The bank flags a SCANLIST value selects: one digit per bank on the R8, two on the R8A/R8B.
// "empty", and characters that are not bank numbers, select nothing.
BankFlags ParseScanList(std::string_view scan_list, int model);

// SCANLIST for the checked banks the model has, in bank order: one digit each on the R8, two on
// the others, at most 88 characters (so the first 44 banks of a larger choice); "empty" for none.
std::string BuildScanList(const BankFlags& banks, int model);

// Whether any bank the model has is checked.
bool AnyBankOf(const BankFlags& banks, int model);

}  // namespace r8
