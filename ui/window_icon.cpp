#include "ui/window_icon.h"

#if YELDUMAN_HAVE_PICTURES
#include "assets/pictures.h"
#endif

namespace ui {

QIcon StackIcon() {
#if YELDUMAN_HAVE_PICTURES
  return LoadStackIcon();
#else
  return {};
#endif
}

}  // namespace ui
