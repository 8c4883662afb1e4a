#include "radio/port_names.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace r8 {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(PortNames, NumbersAndDefaults) {
  EXPECT_EQ(PortNumber("COM1"), 1);
  EXPECT_EQ(PortNumber("com8"), 8);
  for (const char* bad : {"COM0", "COM9", "COM10", "LPT1", "", "COM"})
    EXPECT_EQ(PortNumber(bad), 0) << bad;
  EXPECT_EQ(DefaultDevice(1), "/dev/ttyS0");
  EXPECT_EQ(DefaultDevice(8), "/dev/ttyS7");
}

TEST(PortNames, TheSettingsFileMapsPortsToDevicesOrTheEmulator) {
  TempDir dir;
  WriteBytes(dir / "T.INI", "[Ports]\ncom2=/dev/ttyUSB0\nCOM3=emulator\nCOM4=\n");
  ProfileFile f(dir / "T.INI");
  EXPECT_EQ(ResolvePort(f, "COM1").device, "/dev/ttyS0");
  EXPECT_FALSE(ResolvePort(f, "COM1").emulator);
  EXPECT_EQ(ResolvePort(f, "COM2").device, "/dev/ttyUSB0");
  EXPECT_TRUE(ResolvePort(f, "COM3").emulator);
  EXPECT_EQ(ResolvePort(f, "COM4").device, "/dev/ttyS3");

  ASSERT_TRUE(WritePortMapping(f, 5, "EMULATOR"));
  EXPECT_TRUE(ResolvePort(f, "COM5").emulator);
  EXPECT_FALSE(WritePortMapping(f, 9, "/dev/null"));
}

}  // namespace
}  // namespace r8
