#include "radio/radio_model.h"

#include "common/format.h"

namespace r8 {

std::optional<int> ModelFromName(std::string_view name) {
  const std::string n = UpperStr(name);
  if (n == "R8") return kModelR8;
  if (n == "R8A") return kModelR8A;
  if (n == "R8B") return kModelR8B;
  return std::nullopt;
}

const char* ModelName(int model) {
  switch (model) {
    case kModelR8:
      return "R8";
    case kModelR8A:
      return "R8A";
    case kModelR8B:
      return "R8B";
    default:
      return "";
  }
}

int ChannelCount(int model) {
  switch (model) {
    case kModelR8:
      return 100;
    case kModelR8A:
      return 440;
    case kModelR8B:
      return 1000;
    default:
      return 0;
  }
}

}  // namespace r8
