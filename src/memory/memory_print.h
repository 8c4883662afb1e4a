// The memory table printed as a channel sheet: 100 channels a page in two columns of five banks
// of ten, each bank under its heading; R8 1 page, R8A 5, R8B 10.
#pragma once

#include <string>

#include "common/page_printing.h"
#include "memory/memory_document.h"

namespace r8 {

inline constexpr char kMemoryPrintTitle[] = "Veltrix R8 Control Memories";
// kMemoryPrint's parameter for the preview instead of the print dialog.
inline constexpr int kMemoryPrintPreview = 1;

// The memory file's full path as the footer shows it; "<Untitled>" stays as it is.
std::string MemoryPrintName(const std::string& file_name);

// The model's channels / 100, rounded up (10 with no model chosen).
int MemoryPageCount(int model);

// "Bank 3" on the R8, "Bank 43" on the R8A and R8B: the bank's first channel without its last
// digit.
std::string BankLabel(int model, int first_channel);

// The memory page printer: channels at or beyond the model's count are left out.
class MemoryPages : public PageJob {
 public:
  // date and file_name (the memory file's full path) make the footer.
  MemoryPages(const MemoryDocument& doc, int model, std::string date, std::string file_name);
  int Layout(PageCanvas& canvas, std::string& error) override;
  void DrawPage(PageCanvas& canvas, int page) override;

 private:
  const MemoryDocument& doc_;
  int model_;
  int count_;
  std::string date_;
  std::string file_name_;
};

}  // namespace r8
