// The companion reads single-byte (Latin-1) text files only. These helpers tell a file that is not
// such text (UTF-8, UTF-16, binary) before anything is parsed, and split text into its lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace r8 {

// Why bytes cannot be read as single-byte text, in words for the user; empty when they can. A
// UTF-8 byte-order mark, NUL bytes (UTF-16 or binary data) and text that is valid UTF-8 with
// multi-byte sequences are refused: their names would come out garbled and shift fixed columns.
std::string SingleByteTextProblem(std::string_view bytes);

// Lines ended by CR LF or by LF alone, without their ends. A last line without an end counts; the
// empty piece after a final line end does not.
std::vector<std::string_view> SplitLines(std::string_view text);

// For output to a UTF-8 terminal: each Latin-1 byte becomes its character.
std::string Latin1ToUtf8(std::string_view text);

// Numbers as "9,391" in reports.
std::string GroupedNumber(long long n);

}  // namespace r8
