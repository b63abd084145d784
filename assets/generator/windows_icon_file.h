#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace assets::gen {

// A Windows icon file (.ico) holding each image as a PNG, largest last: the
// program file's icon in Explorer, the taskbar and the Start menu.
QByteArray WindowsIconFile(const QList<QImage>& images);

}  // namespace assets::gen
