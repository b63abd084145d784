#pragma once
// The offscreen platform notes each time a window is raised or sized from
// its contents; nothing a window test checks depends on it, and a thousand
// runs would drown the output in it.
#include <QtGlobal>
#include <QString>

namespace ui_testing {

inline QtMessageHandler& QtDefaultHandler() {
  static QtMessageHandler handler = nullptr;
  return handler;
}

inline void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  QtDefaultHandler()(type, context, text);
}

// Offscreen unless the environment names another platform, without its notes.
inline void UseQuietOffscreenPlatform() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QtDefaultHandler() = qInstallMessageHandler(QuietOffscreenNotes);
}

}  // namespace ui_testing
