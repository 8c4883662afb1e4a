#include "common/file_names.h"

#include <system_error>

#include "common/format.h"

namespace r8 {
namespace fs = std::filesystem;

std::string NativePath(std::string_view stored_name) {
  std::string out(stored_name);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

fs::path FindFileNoCase(const fs::path& name) {
  std::error_code ec;
  if (fs::exists(name, ec)) return name;
  const fs::path dir = name.has_parent_path() ? name.parent_path() : fs::path(".");
  const std::string wanted = UpperStr(name.filename().string());
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (UpperStr(it->path().filename().string()) == wanted) {
      return name.has_parent_path() ? it->path() : it->path().filename();
    }
  }
  return name;
}

}  // namespace r8
