#include "common/ui/text_printer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "common/print_status.h"
#include "common/ui/print_status_dialog.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {

int PrintTextLines(QPrinter& printer, const TextPrintRequest& request, TPrintStatusDlg* status,
                   const bool& aborted) {
  if (request.lines.empty()) return 0;
  printer.setDocName(ToQt(request.title));
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  QFont font(QString::fromLatin1(request.font_name.c_str()), request.font_size);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  painter.setFont(font);
  const QFontMetrics metrics(painter.font());
  const QRect page = painter.viewport();
  const int line_height = std::max(1, metrics.lineSpacing());
  const int per_page = std::max(1, page.height() / line_height);
  const int pages =
      static_cast<int>((request.lines.size() + static_cast<std::size_t>(per_page) - 1) /
                       static_cast<std::size_t>(per_page));
  if (status) {
    status->SetSource(request.title, printer.printerName().toStdString());
    status->show();
  }
  const int printed = PrintPages(
      pages,
      [&](int p) {
        if (status) status->SetPage(p, pages);
        if (p > 1) printer.newPage();
        const std::size_t first =
            static_cast<std::size_t>(p - 1) * static_cast<std::size_t>(per_page);
        for (int i = 0; i < per_page && first + static_cast<std::size_t>(i) < request.lines.size();
             ++i) {
          painter.drawText(0, metrics.ascent() + i * line_height,
                           ToQt(request.lines[first + static_cast<std::size_t>(i)]));
        }
      },
      [] { QApplication::processEvents(); }, aborted);
  painter.end();
  if (status) status->hide();
  return printed;
}

}  // namespace r8
