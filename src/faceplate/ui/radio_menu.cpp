#include "faceplate/ui/radio_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "common/ui/qt_user_prompts.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/menu_view.h"

namespace r8 {

RadioMenu::RadioMenu(AppContext& ctx, QMenuBar& bar, FacePlatePanel& panel) {
  QMenu* radio = bar.addMenu(QStringLiteral("&Radio"));
  FacePlatePanel* p = &panel;
  Power1 = AddItem(
      radio, "Power1", "&Power", [p] { p->PowerBtnClick(); }, true);
  UpdateDisplay1 = AddItem(radio, "UpdateDisplay1", "&Update display", [p] { p->UpdateDisplay(); });
  UpdateDisplay1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_U));
  Disconnect1 = AddItem(radio, "Disconnect1", "C&onnect", [p] { p->Disconnect1Click(); });
  radio->addSeparator();
  VFO1 = AddItem(radio, "VFO1", "&VFO B", [p] { p->VFOBtnClick(); });
  VFOEq1 = AddItem(
      radio, "VFOEq1", "A&=B", [p] { p->VFOEqBtnClick(); }, true);
  Synchro1 = AddItem(
      radio, "Synchro1", "S&ynchro", [p] { p->SyncBtnClick(); }, true);
  NoiseBlanker1 = AddItem(
      radio, "NoiseBlanker1", "Noise blan&ker", [p] { p->ToggleNoiseBlanker(); }, true);
  Notch1 = AddItem(
      radio, "Notch1", "No&tch", [p] { p->NotchBtnClick(); }, true);
  TapeVOX1 = AddItem(
      radio, "TapeVOX1", "&Tape VOX", [p] { p->TapeBtnClick(); }, true);
  MemoryMode1 = AddItem(
      radio, "MemoryMode1", "M&emory mode", [p] { p->MemBtnClick(); }, true);
  MemoryMode1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  MemTune1 = AddItem(
      radio, "MemTune1", "Mem Tu&ne mode", [p] { p->MemTuneBtnClick(); }, true);
  MemTune1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));

  subscriptions_.push_back(
      panel.view_applied().Subscribe([this](const FacePlateView& v) { Apply(v); }));
  subscriptions_.push_back(
      ctx.events().port_changed.Subscribe([this](const bool& usable) { ShowPort(usable); }));
  ShowPort(ctx.link().PortError() == 0);
  Apply(panel.view());
}

void RadioMenu::ShowPort(bool usable) {
  Disconnect1->setText(usable ? QStringLiteral("Disc&onnect") : QStringLiteral("C&onnect"));
}

void RadioMenu::Apply(const FacePlateView& v) {
  VFO1->setText(ToQt(v.vfo_menu_caption));
  VFO1->setEnabled(v.vfo_btn.enabled);
  SetMenu(Power1, v.power_item);
  SetMenu(VFOEq1, v.vfo_eq_item);
  SetMenu(Synchro1, v.sync_item);
  SetMenu(NoiseBlanker1, v.noise_item);
  SetMenu(Notch1, v.notch_item);
  SetMenu(TapeVOX1, v.tape_item);
  SetMenu(MemoryMode1, v.mem_item);
  SetMenu(MemTune1, v.mem_tune_item);
  Disconnect1->setEnabled(v.connect_item.enabled);
}

}  // namespace r8
