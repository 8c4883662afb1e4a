#include "help/ui/about_dialog.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSysInfo>
#include <QVBoxLayout>

#if defined(__unix__)
#include <unistd.h>
#endif

#include "help/help_topics.h"

#ifndef R8_VERSION
#define R8_VERSION "0.1"
#endif

namespace r8 {
namespace {

std::string ReadProcFile(const char* path) {
  QFile f(QString::fromLatin1(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  // /proc files report a size of 0, so read until the end.
  return f.readAll().toStdString();
}

QString Latin(const std::string& s) { return QString::fromLatin1(s.c_str()); }

// A small drawing of a receiver's front panel for the box's corner.
QPixmap ReceiverPicture(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double u = size / 16.0;
  p.setPen(QPen(QColor(0x55, 0x58, 0x5e), u * 0.3));
  p.setBrush(QColor(0x2b, 0x2d, 0x31));
  p.drawRoundedRect(QRectF(u * 0.5, u * 3, u * 15, u * 10), u, u);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x9c, 0xd8, 0x6a));
  p.drawRect(QRectF(u * 1.8, u * 4.5, u * 7.5, u * 3));
  p.setPen(QColor(0x1c, 0x2a, 0x12));
  QFont f;
  f.setPixelSize(static_cast<int>(u * 2.4));
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(u * 1.8, u * 4.5, u * 7.5, u * 3), Qt::AlignCenter, QStringLiteral("R8"));
  p.setPen(QPen(QColor(0x18, 0x19, 0x1c), u * 0.3));
  p.setBrush(QColor(0x8a, 0x8d, 0x93));
  p.drawEllipse(QPointF(u * 12.2, u * 8), u * 2.3, u * 2.3);
  p.setBrush(QColor(0x3a, 0xd0, 0x4a));
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(u * (2.4 + i * 2), u * 10.6), u * 0.5, u * 0.5);
  return pm;
}

}  // namespace

SystemFacts GatherSystemFacts() {
  SystemFacts s;
  s.os_name = QSysInfo::prettyProductName().toLatin1().toStdString();
  s.os_version = QSysInfo::kernelVersion().toLatin1().toStdString();
  s.processor = ParseCpuModel(ReadProcFile("/proc/cpuinfo"));
  if (s.processor.empty())
    s.processor = QSysInfo::currentCpuArchitecture().toLatin1().toStdString();
  return s;
}

std::optional<MemoryFacts> GatherMemoryFacts() {
  if (auto m = ParseMemInfo(ReadProcFile("/proc/meminfo"))) return m;
#if defined(__unix__) && defined(_SC_PHYS_PAGES) && defined(_SC_AVPHYS_PAGES)
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long free_pages = sysconf(_SC_AVPHYS_PAGES);
  const long page = sysconf(_SC_PAGESIZE);
  if (pages > 0 && page > 0) {
    return MemoryFacts{
        static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(page),
        static_cast<std::uint64_t>(std::max(free_pages, 0L)) * static_cast<std::uint64_t>(page)};
  }
#endif
  return std::nullopt;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QString::fromLatin1(kAboutCaption.data(), kAboutCaption.size()));
  SetHelpContext(this, kHelpAbout);

  auto* picture = new QLabel(this);
  picture->setPixmap(ReceiverPicture(fontMetrics().height() * 4));
  auto* name = new QLabel(QStringLiteral("Veltrix R8 Control"), this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  name->setFont(big);
  auto* version = new QLabel(QStringLiteral("Version " R8_VERSION), this);
  auto* purpose =
      new QLabel(QStringLiteral("A control program for the R8, R8A and R8B receivers"), this);

  auto* facts = new QFrame(this);
  facts->setFrameShape(QFrame::StyledPanel);
  SystemLbl = new QLabel(facts);
  SystemLbl->setObjectName(QStringLiteral("SystemLbl"));
  MemoryLbl = new QLabel(facts);
  MemoryLbl->setObjectName(QStringLiteral("MemoryLbl"));
  DatabaseLbl = new QLabel(facts);
  DatabaseLbl->setObjectName(QStringLiteral("DatabaseLbl"));
  auto* facts_layout = new QVBoxLayout(facts);
  for (QLabel* l : {SystemLbl, MemoryLbl, DatabaseLbl}) {
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    facts_layout->addWidget(l);
  }

  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setDefault(true);
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(HelpBtn, &QPushButton::clicked, this, &TAboutBox::HelpBtnClick);
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, &TAboutBox::HelpBtnClick);

  auto* head_text = new QVBoxLayout;
  head_text->addWidget(name);
  head_text->addWidget(version);
  head_text->addWidget(purpose);
  auto* head = new QHBoxLayout;
  head->addWidget(picture, 0, Qt::AlignTop);
  head->addSpacing(fontMetrics().averageCharWidth() * 2);
  head->addLayout(head_text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(HelpBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(facts);
  layout->addLayout(buttons);
  setMinimumWidth(fontMetrics().averageCharWidth() * 64);
}

void TAboutBox::FormShow() {
  SystemLbl->setText(Latin(SystemLabelText(system_facts ? system_facts() : SystemFacts{})));
  MemoryLbl->setText(Latin(MemoryLabelText(memory_facts ? memory_facts() : std::nullopt)));
  DatabaseLbl->setText(
      Latin(DatabaseLabelText(database_counts ? database_counts() : std::nullopt)));
}

void TAboutBox::HelpBtnClick() {
  if (show_help) show_help(kHelpAbout);
}

void TAboutBox::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void ShowAboutBox(QWidget* parent, std::optional<DatabaseCounts> counts, ShowHelpFn show_help) {
  TAboutBox box(parent);
  box.database_counts = [counts] { return counts; };
  box.show_help = std::move(show_help);
  box.HelpBtn->setEnabled(static_cast<bool>(box.show_help));
  // Window-modal, so that the help window it may open stays usable.
  box.setWindowModality(Qt::WindowModal);
  box.exec();
}

}  // namespace r8
