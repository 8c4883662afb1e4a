#include "faceplate/ui/controls_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "faceplate/faceplate_core.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/menu_view.h"
#include "options/options_model.h"
#include "radio/radio_protocol.h"

namespace r8 {

ControlsMenu::ControlsMenu(AppContext& ctx, QMenuBar& bar, FacePlatePanel& panel,
                           std::function<void(int page)> run_options)
    : ctx_(ctx), run_options_(std::move(run_options)) {
  // Alt+C belongs to "Pan display".
  QMenu* controls = menu_ = bar.addMenu(QStringLiteral("Co&ntrols"));
  struct Item {
    QAction** field;
    const char* name;
    const char* caption;
    int tag;
  };
  const Item items[] = {{&Antenna1, "Antenna1", "&Antenna", kCmdAntenna},
                        {&RF1, "RF1", "&RF", kCmdRf},
                        {&AGC1, "AGC1", "A&GC", kCmdAgc},
                        {&Bandwidth1, "Bandwidth1", "&Bandwidth", kCmdBandwidth},
                        {&Mode1, "Mode1", "&Mode", kCmdMode},
                        {&Stepsize1, "Stepsize1", "Stepsi&ze...", kTagStepList},
                        {&Offset1, "Offset1", "&Offset...", kTagOffsetList}};
  FacePlatePanel* p = &panel;
  for (const Item& i : items) {
    const int tag = i.tag;
    *i.field = AddItem(controls, i.name, i.caption, [p, tag] { p->CBNShowDropdown(tag); });
    (*i.field)->setData(tag);
  }
  controls->addSeparator();
  SmallStepsize1 =
      AddItem(controls, "SmallStepsize1", "S&mall Step...", [this] { SmallStepsize1Click(); });
  Other1 = AddItem(controls, "Other1", "&Other...", [this] { Other1Click(); });
  controls->addSeparator();
  Options1 =
      AddItem(controls, "Options1", "O&ptions...", [this] { run_options_(last_options_page_); });

  subscriptions_.push_back(
      panel.view_applied().Subscribe([this](const FacePlateView& v) { Apply(v); }));
  Apply(panel.view());
}

void ControlsMenu::SmallStepsize1Click() {
  if (ctx_.radio().ScanState != ScanStateCode::kReceiverScan) run_options_(kPageRadio);
}

void ControlsMenu::Other1Click() {
  if (ctx_.radio().PowerOn && ctx_.radio().ScanState != ScanStateCode::kReceiverScan) run_options_(kPageDisplay);
}

void ControlsMenu::Apply(const FacePlateView& v) {
  SetMenu(Antenna1, v.ant_item);
  SetMenu(RF1, v.rf_item);
  SetMenu(AGC1, v.agc_item);
  SetMenu(Bandwidth1, v.bw_item);
  SetMenu(Mode1, v.mode_item);
  SetMenu(Stepsize1, v.step_item);
  SetMenu(Offset1, v.offset_item);
  SetMenu(SmallStepsize1, v.small_step_item);
  SetMenu(Other1, v.other_item);
  SetMenu(Options1, v.options_item);
}

}  // namespace r8
