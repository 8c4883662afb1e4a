#include "radio/port_names.h"

#include <memory>

#include "radio/port_router.h"
#include "support/scripted_serial_port.h"

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

TEST(PortNames, RelativeDevicePathsAreFoundInTheWorkingFolder) {
  TempDir dir;
  WriteBytes(dir / "ttyR8", "");
  WriteBytes(
      dir / "T.INI",
      "[PORTS]\nCOM1=pty/ttyR8\nCOM2=./ttyR8\nCOM3=ttyR8\nCOM4=ttyUSB0\nCOM5=/dev/ttyUSB1\n");
  ProfileFile f(dir / "T.INI");
  const std::string folder = std::filesystem::absolute(dir.path()).lexically_normal().string();
  EXPECT_EQ(ResolvePort(f, "COM1").device, folder + "/pty/ttyR8");
  EXPECT_EQ(ResolvePort(f, "COM2").device, folder + "/ttyR8");
  EXPECT_EQ(ResolvePort(f, "COM3").device, folder + "/ttyR8");  // a file of the working folder
  EXPECT_EQ(ResolvePort(f, "COM4").device, "ttyUSB0");          // the system's device
  EXPECT_EQ(ResolvePort(f, "COM5").device, "/dev/ttyUSB1");
}

TEST(PortRouter, EachOpenGoesWhereTheSettingsSayAtThatMoment) {
  TempDir dir;
  ProfileFile f(dir / "T.INI");
  testing::ScriptedSerialPort device;
  int emulators_made = 0;
  PortRouter router([&](const std::string& name) { return ResolvePort(f, name); }, device,
                    [&] {
                      ++emulators_made;
                      return std::make_unique<testing::ScriptedSerialPort>();
                    });

  ASSERT_TRUE(router.Open("COM2"));
  EXPECT_EQ(device.opened.back(), "/dev/ttyS1");
  EXPECT_FALSE(router.using_emulator());

  ASSERT_TRUE(WritePortMapping(f, 2, "EMULATOR"));
  ASSERT_TRUE(router.Open("COM2"));
  EXPECT_TRUE(router.using_emulator());
  EXPECT_EQ(router.target(), "EMULATOR");
  EXPECT_EQ(device.closes, 1);  // the device was let go before the emulator took over
  router.Write("RA\r");
  EXPECT_TRUE(device.writes.empty());

  ASSERT_TRUE(router.Open("COM2"));  // the emulated receiver is made once and kept
  EXPECT_EQ(emulators_made, 1);
  router.Close();
  EXPECT_FALSE(router.IsOpen());
}

}  // namespace
}  // namespace r8
