#include "options/port_setup_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "radio/port_names.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::TestContext;
using testing::WriteBytes;

std::vector<SerialDeviceInfo> Devices() {
  return {{"/dev/ttyS0", "ttyS0", "", std::nullopt, std::nullopt},
          {"/dev/ttyUSB0", "USB serial adapter", "Adapter maker", 0x0403, 0x6001},
          {"/dev/ttyACM0", "USB CDC modem", "Maker", 0x2341, 0x0043}};
}

TEST(PortSetupWindow, ListsTheDevicesAndShowsTheCurrentMapping) {
  TestContext t;
  WriteBytes(t.settings_path(), "[PORTS]\nCOM2=/dev/ttyUSB0\nCOM5=/dev/odd-link\n");
  TPortSetupDlg dlg(t.ctx(), 2, Devices());
  dlg.show();
  ASSERT_EQ(dlg.DeviceLst->topLevelItemCount(), 3);
  EXPECT_EQ(dlg.DeviceLst->topLevelItem(1)->text(1), QStringLiteral("USB serial adapter"));
  EXPECT_EQ(dlg.DeviceLst->topLevelItem(1)->text(3), QStringLiteral("0403:6001"));
  EXPECT_EQ(dlg.MappingLbl->text(), QStringLiteral("COM2: is /dev/ttyUSB0"));
  EXPECT_TRUE(dlg.ListedRb->isChecked());
  EXPECT_EQ(dlg.DeviceLst->currentItem(), dlg.DeviceLst->topLevelItem(1));
  testing::SaveShot(&dlg, QStringLiteral("port_setup"));

  // A mapped device the system does not list is shown as a typed path.
  TPortSetupDlg other(t.ctx(), 5, Devices());
  EXPECT_TRUE(other.PathRb->isChecked());
  EXPECT_EQ(other.PathEdit->text(), QStringLiteral("/dev/odd-link"));
}

TEST(PortSetupWindow, AssignsAListedDeviceATypedPathTheDefaultOrTheEmulator) {
  TestContext t;
  struct Case {
    const char* what;
    std::function<void(TPortSetupDlg&)> choose;
    bool emulator;
    const char* device;
  };
  const Case cases[] = {
      {"listed",
       [](TPortSetupDlg& d) { d.DeviceLst->setCurrentItem(d.DeviceLst->topLevelItem(2)); }, false,
       "/dev/ttyACM0"},
      {"typed", [](TPortSetupDlg& d) { QTest::keyClicks(d.PathEdit, " /dev/serial/by-id/usb-x "); },
       false, "/dev/serial/by-id/usb-x"},
      {"emulator", [](TPortSetupDlg& d) { d.EmulatorRb->click(); }, true, ""},
      {"default", [](TPortSetupDlg& d) { d.DefaultRb->click(); }, false, "/dev/ttyS6"},
  };
  for (const Case& c : cases) {
    TPortSetupDlg dlg(t.ctx(), 7, Devices());
    dlg.show();
    c.choose(dlg);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted) << c.what;
    const PortTarget target = ResolvePort(t.ctx().profile(), "COM7");
    EXPECT_EQ(target.emulator, c.emulator) << c.what;
    EXPECT_EQ(target.device, c.device) << c.what;
  }
  EXPECT_TRUE(t.prompts().messages.empty());
}

TEST(PortSetupWindow, AnEmptyPathOrNoRowIsExplainedAndNothingIsWritten) {
  TestContext t;
  TPortSetupDlg dlg(t.ctx(), 1, Devices());
  dlg.show();
  dlg.PathRb->click();
  dlg.OKBtn->click();
  dlg.ListedRb->click();
  dlg.DeviceLst->setCurrentItem(nullptr);
  dlg.OKBtn->click();
  EXPECT_EQ(
      t.prompts().texts(),
      (std::vector<std::string>{"Type the path of the serial device, for example /dev/ttyUSB0.",
                                "Choose a device in the list."}));
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_FALSE(std::filesystem::exists(t.settings_path()));

  // With no devices at all there is nothing to choose from the list.
  TPortSetupDlg empty(t.ctx(), 1, {});
  EXPECT_FALSE(empty.ListedRb->isEnabled());
  EXPECT_TRUE(empty.DefaultRb->isChecked());
}

}  // namespace
}  // namespace r8
