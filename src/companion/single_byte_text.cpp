#include "companion/single_byte_text.h"

namespace r8 {
namespace {

// Length of the UTF-8 multi-byte sequence starting at i, or 0 when there is none.
std::size_t Utf8SequenceAt(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  std::size_t len = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3;
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  return len;
}

}  // namespace

std::string SingleByteTextProblem(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    return "it is UTF-8 text (it begins with a UTF-8 byte-order mark); save it as Latin-1 "
           "(ISO-8859-1) text";
  }
  if (bytes.find('\0') != std::string_view::npos) {
    return "it holds NUL bytes, so it is not single-byte text (UTF-16 text or a binary file)";
  }
  // Latin-1 text with accented letters is almost never valid UTF-8: an accented letter followed
  // by a plain one breaks the sequence rules at once.
  bool multi_byte = false;
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t len = Utf8SequenceAt(bytes, i);
    if (len == 0) return {};
    multi_byte = true;
    i += len;
  }
  if (multi_byte) {
    return "it is UTF-8 text (its accented letters take two bytes each); save it as Latin-1 "
           "(ISO-8859-1) text";
  }
  return {};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

std::string GroupedNumber(long long n) {
  const std::string digits = std::to_string(n < 0 ? -n : n);
  std::string out = n < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace r8
