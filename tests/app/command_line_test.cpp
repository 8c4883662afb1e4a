#include "app/command_line.h"

#include <gtest/gtest.h>

#include "radio/radio_model.h"

namespace r8 {
namespace {

TEST(CommandLine, EmulateWithAndWithoutAModel) {
  EXPECT_FALSE(ParseCommandLine({}).emulate);
  const CommandLine plain = ParseCommandLine({"--emulate"});
  EXPECT_TRUE(plain.emulate);
  EXPECT_FALSE(plain.emulate_model.has_value());
  EXPECT_EQ(ParseCommandLine({"--emulate", "r8a"}).emulate_model, kModelR8A);
  EXPECT_EQ(ParseCommandLine({"--emulate=R8B"}).emulate_model, kModelR8B);
  EXPECT_EQ(ParseCommandLine({"--emulate", "R8"}).emulate_model, kModelR8);
  // A word after --emulate that is no model is not swallowed.
  const CommandLine other = ParseCommandLine({"--emulate", "--verbose"});
  EXPECT_TRUE(other.emulate);
  EXPECT_EQ(other.unknown, (std::vector<std::string>{"--verbose"}));
  EXPECT_EQ(ParseCommandLine({"--emulate=R9"}).unknown.size(), 1u);
}

TEST(CommandLine, ModelNames) {
  EXPECT_EQ(ModelFromName("R8"), kModelR8);
  EXPECT_FALSE(ModelFromName("R8C").has_value());
  EXPECT_STREQ(ModelName(kModelR8B), "R8B");
  EXPECT_EQ(ChannelCount(kModelR8), 100);
  EXPECT_EQ(ChannelCount(kModelR8A), 440);
  EXPECT_EQ(ChannelCount(kModelR8B), 1000);
}

}  // namespace
}  // namespace r8
