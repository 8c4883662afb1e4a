// " /u": swaps the active schedule set (SWBCGIDE.DAT with STATIONS.DAT) with the inactive one.
//
// The inactive set's schedule lies in SWBCGIDE.SRC or SWBCGIDE.SKD, the file the program's caption
// rule reads; its station names lie beside it in STATIONS.SRC or STATIONS.SKD, the same extension,
// since a schedule's station numbers mean nothing without its own names. The active set moves to
// the other extension, so the caption then names the set that came in.
//
// The four files are replaced as one change (common/file_commit.h), then the inactive set's old
// files are removed. A swap killed before that leaves both extensions on disk, one of them equal to
// the active set: the next swap finishes it by removing that copy. Nothing is lost at any point.
#pragma once

#include <filesystem>
#include <string_view>

#include "companion/companion_report.h"

namespace r8 {


CompanionReport SwapScheduleSets(const std::filesystem::path& folder);

}  // namespace r8
