#include "options/scan_settings.h"

#include <gtest/gtest.h>

#include <set>

#include "radio/radio_model.h"

namespace r8 {
namespace {

std::set<int> Selected(const BankFlags& banks) {
  std::set<int> out;
  for (int b = 0; b < kBankCount; ++b) {
    if (banks[static_cast<std::size_t>(b)]) out.insert(b);
  }
  return out;
}

BankFlags Flags(std::initializer_list<int> banks) {
  BankFlags f{};
  for (int b : banks) f[static_cast<std::size_t>(b)] = true;
  return f;
}

TEST(ScanList, ParsesOneDigitPerBankOnTheR8AndTwoOnTheOthers) {
  struct Case {
    const char* list;
    int model;
    std::set<int> banks;
  };
  const Case cases[] = {
      {"empty", kModelR8, {}},
      {"empty", kModelR8B, {}},
      {"", kModelR8A, {}},
      {"0359", kModelR8, {0, 3, 5, 9}},
      {"000312", kModelR8A, {0, 3, 12}},
      {"9950", kModelR8B, {50, 99}},
      // Before a model is chosen the list is read in pairs, as for the R8A/R8B.
      {"0312", kModelNone, {3, 12}},
      // Characters that are not bank numbers select nothing and do not shift the pairs.
      {"0x1243", kModelR8A, {12, 43}},
      {"a3-", kModelR8, {3}},
      {"00031", kModelR8B, {0, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Selected(ParseScanList(c.list, c.model)), c.banks)
        << c.list << " on model " << c.model;
  }
}

TEST(ScanList, BuildsFromTheBanksTheModelHasInBankOrder) {
  struct Case {
    BankFlags banks;
    int model;
    const char* list;
  };
  const Case cases[] = {
      {Flags({0, 3, 12}), kModelR8A, "000312"},
      {Flags({9, 5, 3, 0}), kModelR8, "0359"},
      {Flags({}), kModelR8B, "empty"},
      // Banks the model does not have are not scanned on it.
      {Flags({3, 12}), kModelR8, "3"},
      {Flags({12}), kModelR8, "empty"},
      {Flags({43, 44, 99}), kModelR8A, "43"},
      {Flags({43, 44, 99}), kModelR8B, "434499"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildScanList(c.banks, c.model), c.list) << "model " << c.model;
  }
}

TEST(ScanList, KeepsAtMost88CharactersSoTheFirst44Banks) {
  BankFlags all{};
  all.fill(true);
  const std::string list = BuildScanList(all, kModelR8B);
  ASSERT_EQ(list.size(), 88u);
  EXPECT_EQ(list.substr(0, 4), "0001");
  EXPECT_EQ(list.substr(84), "4243");
  const std::set<int> kept = Selected(ParseScanList(list, kModelR8B));
  EXPECT_EQ(kept.size(), 44u);
  EXPECT_EQ(*kept.rbegin(), 43);
}

TEST(ScanList, EveryChoiceOfBanksSurvivesTheSettingsFile) {
  const int models[] = {kModelR8, kModelR8A, kModelR8B};
  for (int model : models) {
    const int highest = HighestBank(model);
    // A few spread choices, each within what SCANLIST can hold.
    for (int stride = 1; stride <= 7; stride += 3) {
      BankFlags banks{};
      int count = 0;
      for (int b = stride - 1; b <= highest && count < 44; b += stride, ++count) {
        banks[static_cast<std::size_t>(b)] = true;
      }
      EXPECT_EQ(ParseScanList(BuildScanList(banks, model), model), banks)
          << "model " << model << " stride " << stride;
      EXPECT_TRUE(AnyBankOf(banks, model));
    }
  }
}

TEST(ScanList, HighestBankAndAnyBankFollowTheModel) {
  EXPECT_EQ(HighestBank(kModelNone), 9);
  EXPECT_EQ(HighestBank(kModelR8), 9);
  EXPECT_EQ(HighestBank(kModelR8A), 43);
  EXPECT_EQ(HighestBank(kModelR8B), 99);
  EXPECT_FALSE(AnyBankOf(Flags({10}), kModelR8));
  EXPECT_TRUE(AnyBankOf(Flags({10}), kModelR8A));
  EXPECT_FALSE(AnyBankOf(Flags({44}), kModelR8A));
  EXPECT_TRUE(AnyBankOf(Flags({99}), kModelR8B));
}

}  // namespace
}  // namespace r8
