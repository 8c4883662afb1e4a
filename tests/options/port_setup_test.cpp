#include "options/port_setup.h"

#include <gtest/gtest.h>

#include "options/clock_settings.h"
#include "radio/port_names.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(PortSetup, AssignmentsRoundTripThroughThePortsSection) {
  TempDir dir;
  ProfileFile f(dir / "TARVELIN.INI");
  struct Case {
    PortAssignment a;
    const char* text;
    bool emulator;
    const char* device;  // what the link then opens
  };
  const Case cases[] = {
      {{PortAssignmentKind::kDevice, "/dev/ttyUSB0"},
       "COM3: is /dev/ttyUSB0",
       false,
       "/dev/ttyUSB0"},
      {{PortAssignmentKind::kEmulator, ""}, "COM3: is the built-in emulated receiver", true, ""},
      {{PortAssignmentKind::kSystemDefault, ""},
       "COM3: is /dev/ttyS2 (the system's default)",
       false,
       "/dev/ttyS2"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(ApplyPortAssignment(f, 3, c.a));
    EXPECT_EQ(CurrentAssignment(f, 3), c.a);
    EXPECT_EQ(AssignmentText(CurrentAssignment(f, 3), 3), c.text);
    const PortTarget target = ResolvePort(f, "COM3");
    EXPECT_EQ(target.emulator, c.emulator) << c.text;
    EXPECT_EQ(target.device, c.device) << c.text;
  }
  // The default removes the key rather than leaving an empty value behind.
  EXPECT_FALSE(f.Find(kPortsSection, "COM3"));
}

TEST(PortSetup, RefusesPortsOutsideOneToEightAndPathsThatCannotBeDevices) {
  TempDir dir;
  ProfileFile f(dir / "TARVELIN.INI");
  EXPECT_FALSE(ApplyPortAssignment(f, 0, {PortAssignmentKind::kEmulator, ""}));
  EXPECT_FALSE(ApplyPortAssignment(f, 9, {PortAssignmentKind::kEmulator, ""}));
  EXPECT_FALSE(ApplyPortAssignment(f, 1, {PortAssignmentKind::kDevice, "  "}));
  EXPECT_FALSE(f.Exists());

  struct Case {
    const char* path;
    bool ok;
  };
  const Case cases[] = {{"/dev/ttyUSB0", true},
                        {"  /dev/serial/by-id/usb-Adapter-if00-port0 ", true},
                        {"", false},
                        {"   ", false},
                        {"/dev/tty\nS0", false},
                        {"emulator", false}};
  for (const Case& c : cases) EXPECT_EQ(!CheckDevicePath(c.path), c.ok) << c.path;
}

TEST(PortSetup, ReadsAMappingSomeoneWroteByHand) {
  TempDir dir;
  WriteBytes(dir / "TARVELIN.INI", "[Ports]\ncom2 =  emulator \nCOM4=/dev/ttyACM0\n");
  ProfileFile f(dir / "TARVELIN.INI");
  EXPECT_EQ(CurrentAssignment(f, 2).kind, PortAssignmentKind::kEmulator);
  EXPECT_EQ(CurrentAssignment(f, 4), (PortAssignment{PortAssignmentKind::kDevice, "/dev/ttyACM0"}));
  EXPECT_EQ(CurrentAssignment(f, 5).kind, PortAssignmentKind::kSystemDefault);
}

TEST(PortSetup, UsbIdsAreFourHexDigitsEach) {
  SerialDeviceInfo d;
  EXPECT_EQ(UsbIdsText(d), "");
  d.vendor_id = 0x0403;
  EXPECT_EQ(UsbIdsText(d), "");
  d.product_id = 0x6001;
  EXPECT_EQ(UsbIdsText(d), "0403:6001");
  d.vendor_id = 0x1A86;
  d.product_id = 0x7523;
  EXPECT_EQ(UsbIdsText(d), "1a86:7523");
}

TEST(ClockSettings, OpensTheDesktopsOwnDateAndTimeSettings) {
  struct Case {
    const char* desktops;
    std::vector<std::string> installed;
    std::optional<LaunchCommand> expected;
  };
  const Case cases[] = {
      {"GNOME",
       {"gnome-control-center"},
       LaunchCommand{"/usr/bin/gnome-control-center", {"datetime"}}},
      {"ubuntu:GNOME",
       {"gnome-control-center", "kcmshell5"},
       LaunchCommand{"/usr/bin/gnome-control-center", {"datetime"}}},
      {"KDE",
       {"gnome-control-center", "kcmshell5"},
       LaunchCommand{"/usr/bin/kcmshell5", {"clock"}}},
      {"kde", {"kcmshell6", "kcmshell5"}, LaunchCommand{"/usr/bin/kcmshell6", {"kcm_clock"}}},
      // A desktop without one of its own: another desktop's settings set the same clock.
      {"Sway", {"cinnamon-settings"}, LaunchCommand{"/usr/bin/cinnamon-settings", {"calendar"}}},
      {"", {"time-admin"}, LaunchCommand{"/usr/bin/time-admin", {}}},
      {"GNOME", {}, std::nullopt},
      {"Windows", {"control.exe"}, LaunchCommand{"/usr/bin/control.exe", {"timedate.cpl"}}},
      // control.exe is no use away from its own system.
      {"LXQt", {"control.exe"}, std::nullopt},
  };
  for (const Case& c : cases) {
    const ProgramFinder find = [&](const std::string& name) {
      for (const std::string& i : c.installed) {
        if (i == name) return "/usr/bin/" + name;
      }
      return std::string();
    };
    EXPECT_EQ(DateTimeSettingsCommand(c.desktops, find), c.expected) << c.desktops;
  }
  EXPECT_EQ(DateTimeSettingsCommand("GNOME", nullptr), std::nullopt);
}

}  // namespace
}  // namespace r8
