#include "ui/window_icon.h"

#include <QString>

#if YELDUMAN_HAVE_PICTURES
#include "assets/pictures.h"
#endif

namespace ui {

QIcon StackIcon() {
#if YELDUMAN_HAVE_PICTURES
  InitPictures();
  return QIcon(QStringLiteral(":/pictures/stack_icon.png"));
#else
  return {};
#endif
}

}  // namespace ui
