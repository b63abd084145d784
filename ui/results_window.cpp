#include "ui/results_window.h"

#include <QListWidget>
#include <QPushButton>

#include "ui/control_spec.h"

namespace ui {
namespace form3 {

inline constexpr TwipSize kClient{5835, 7200};
inline constexpr char kTitle[] = "Form3";

// clang-format off
inline constexpr ControlSpec List1{"List1", "",      { 360,  360, 4935, 5910}};
inline constexpr ControlSpec kapat{"kapat", "KAPAT", {1800, 6480, 2055,  375}};
// clang-format on

}  // namespace form3

// The title bar's close hides the window like KAPAT (a top-level widget is
// only hidden by close()); the rows stay until the next run replaces them.
Form3::Form3() {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QString::fromUtf8(form3::kTitle));
  setFont(MakeFont(kWindowFont));
  setFixedSize(ToPixels(form3::kClient));

  List1 = MakeControl<QListWidget>(this, form3::List1);
  List1->setSelectionMode(QAbstractItemView::SingleSelection);
  List1->setUniformItemSizes(true);
  List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  kapat = MakeControl<QPushButton>(this, form3::kapat);
  kapat->setAutoDefault(false);
  connect(kapat, &QPushButton::clicked, this, &QWidget::hide);
}

void Form3::bringUp() {
  show();
  raise();
  activateWindow();
}

}  // namespace ui
