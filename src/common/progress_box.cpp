#include "common/progress_box.h"

namespace r8 {

ProgressScope::ProgressScope(ProgressBox* box, std::string_view caption, std::string_view message)
    : box_(box) {
  if (box_) box_->Open(caption, message);
}

ProgressScope::~ProgressScope() {
  if (box_) box_->Close();
}

void ProgressScope::SetMessage(std::string_view message) {
  last_ = 0;
  if (box_) box_->SetMessage(message);
}

void ProgressScope::Step(long long current, long long total) {
  if (box_) CheckPct(current, total, 5, last_, *box_);
}

}  // namespace r8
