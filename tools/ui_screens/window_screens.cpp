// Developer tool: draws the main window, the results window after a 20 km
// run, the run's message boxes and the five reference windows into PNG
// files, and lists every named control with its geometry and font. Two
// builds that draw the same windows give byte-identical files (cmp them).
//
//   cmake --build build --target ui_screens
//   build/tools/ui_screens/ui_screens OUTPUT_DIR > OUTPUT_DIR/controls.txt
//
// Runs offscreen unless QT_QPA_PLATFORM names another platform (on Windows
// on the Windows platform, under Wine too). The windows are opened as the
// window tests open them (testing/windows.h); the results file of the run is
// written to OUTPUT_DIR.
#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>

#include "app/startup.h"
#include "testing/windows.h"
#include "ui/app_windows.h"

namespace {

using testing_support::TopLevel;

// One line per named control: geometry in pixels, and the font as asked
// and as found on this system.
void ListControls(QWidget* window) {
  for (QWidget* w : testing_support::NamedControls(*window)) {
    const QFont f = w->font();
    const QFontInfo found(f);
    const QRect g = w->geometry();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
    const int textWidth = QFontMetrics(f).horizontalAdvance(text);
    std::printf("%-7s %4d %4d %4d %4d  text %3d  %-14s %5.2f pt %s%s%s -> %s %.2f pt\n",
                qPrintable(w->objectName()), g.x(), g.y(), g.width(), g.height(), textWidth,
                qPrintable(f.family()), f.pointSizeF(), f.bold() ? "bold " : "",
                f.italic() ? "italic " : "", f.underline() ? "underline " : "",
                qPrintable(found.family()), found.pointSizeF());
  }
}

void Save(QWidget* window, const QDir& dir, const QString& name) {
  const QString path = dir.absoluteFilePath(name + ".png");
  if (!window->grab().save(path)) qWarning("cannot write %s", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
#ifndef _WIN32  // on Windows the Windows platform, the only one linked in
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  QApplication application(argc, argv);
  app::SetUpApplication();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  QDir::setCurrent(out.absolutePath());

  ui::AppWindows windows;
  ui::MainWindow& mainWindow = windows.mainWindow();
  mainWindow.show();
  Save(&mainWindow, out, "Form1");
  ListControls(&mainWindow);

  // Every window opened, every box drawn, then answered with OK.
  int boxes = 0;
  const testing_support::BoxAnswerer answer(
      [&](QMessageBox& box) { Save(&box, out, QStringLiteral("box%1").arg(++boxes)); });
  testing_support::OpenEveryWindow(mainWindow);
  Save(&mainWindow, out, "Form1-filled");
  Save(TopLevel("Form3"), out, "Form3");
  ListControls(TopLevel("Form3"));

  for (const char* name : {"Form2", "Form5", "Form6", "Form7", "Form4"}) {
    QWidget* window = TopLevel(name);
    Save(window, out, window->objectName());
    std::printf("%s \"%s\" %dx%d\n", qPrintable(window->objectName()),
                qPrintable(window->windowTitle()), window->width(), window->height());
    ListControls(window);
  }
  return 0;
}
