// The reference windows: how they are reached and left, the pictures they
// show, and that they leave the main window's work alone.
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "assets/pictures.h"
#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

// The top-level window of that name, null if none; there is never a second.
QWidget* OnlyWindowNamed(const QString& name) {
  QWidgetList found;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name) found << w;
  }
  EXPECT_LE(found.size(), 1) << name.toStdString();
  return found.value(0);
}

// A window of its own, active, with the focus on its tab-index-0 button.
void ExpectInFrontWithFocusOn(QWidget* window, const char* button) {
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->parentWidget(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(QApplication::focusWidget(), window->findChild<QPushButton*>(button));
}

struct TableCase {
  const char* name;
  const char* opener;  // a button of the references window; null: TABLO on the main window
  const char* closeButton;
};
void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class ReferenceWindowTest : public WindowTest, public ::testing::WithParamInterface<TableCase> {};

// Each table is opened beside the window that opens it, comes back as the
// same window, outlives the references window, and leaves the main window's
// inputs and results as they were.
TEST_P(ReferenceWindowTest, OneWindowInFrontHiddenByItsButtonOrTitleBarLeavingTheRunAlone) {
  const TableCase& c = GetParam();
  const QString name = QString::fromUtf8(c.name);
  type({"1", "5", "50", "1"});
  select("atmc");
  select("kir");
  ExpectBox(pressHesapla(), "IS TAMAM", kCompletionText);
  const QByteArray file = resultsBytes();
  const QStringList rows = listRows();
  takeWindowLog();

  QWidget* opener = &mainWindow();
  if (c.opener != nullptr) {
    click("KAYNAK");
    opener = windows().referencesWindowIfCreated();
    ExpectInFrontWithFocusOn(opener, "Command1");
    EXPECT_EQ(takeWindowLog(), QStringList({"-Form1", "+Form5"}));
  }
  QWidget* references = windows().referencesWindowIfCreated();
  const auto open = [&] {
    c.opener ? Find<QPushButton>(references, c.opener)->click() : click("tablo");
  };
  EXPECT_EQ(OnlyWindowNamed(name), nullptr);
  open();
  QWidget* table = OnlyWindowNamed(name);
  ExpectInFrontWithFocusOn(table, c.closeButton);

  // A second press with the opener in front: the same window, in front again.
  opener->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(opener));
  open();
  ASSERT_EQ(OnlyWindowNamed(name), table);
  EXPECT_TRUE(QTest::qWaitForWindowActive(table));

  // Its button and its title bar's close only hide it.
  table->findChild<QPushButton*>(c.closeButton)->click();
  open();
  table->close();
  // A window deleted on close would be gone once deferred deletes run.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  open();
  ASSERT_EQ(OnlyWindowNamed(name), table);
  EXPECT_EQ(takeWindowLog(),
            QStringList({"+" + name, "-" + name, "+" + name, "-" + name, "+" + name}));

  // K A P A T and the references' title bar bring the main window back
  // first, then hide the references; the table stays open.
  if (references != nullptr) {
    Find<QPushButton>(references, "Command4")->click();
    click("KAYNAK");
    EXPECT_EQ(OnlyWindowNamed("Form5"), references);
    references->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(takeWindowLog(),
              QStringList({"+Form1", "-Form5", "-Form1", "+Form5", "+Form1", "-Form5"}));
  }
  EXPECT_EQ(texts(), QStringList({"1", "5", "50", "1"}));
  EXPECT_EQ(mainWindow().stabilityClass(), calc::StabilityClass::C);
  EXPECT_EQ(mainWindow().areaType(), calc::AreaType::Rural);
  EXPECT_EQ(resultsBytes(), file);
  EXPECT_EQ(listRows(), rows);
}

INSTANTIATE_TEST_SUITE_P(EachTable, ReferenceWindowTest,
                         ::testing::Values(TableCase{"Form2", nullptr, "kapat"},
                                           TableCase{"Form6", "Command1", "Command1"},
                                           TableCase{"Form7", "Command2", "Command1"},
                                           TableCase{"Form4", "Command3", "Command1"}),
                         [](const auto& info) { return std::string(info.param.name); });

using ReferenceWindowsTest = WindowTest;

struct Picture {
  const char* resource;
  QSize size;
  const char* format;  // as read from the content
  int maxColours;      // 0 for full colour
  const char* window;  // that shows it: on its one label, or as the main window's icon
};

// clang-format off
const Picture kPictures[] = {
    {":/pictures/stack_icon.png",        { 50,  37}, "png",  0,  "Form1"},
    {":/pictures/stability_classes.bmp", {615, 199}, "bmp",  16, "Form2"},
    {":/pictures/references.png",        {470, 186}, "png",  0,  "Form5"},
    {":/pictures/rural_sigma_y.jpg",     {294, 255}, "jpeg", 0,  "Form6"},
    {":/pictures/rural_sigma_z.jpg",     {530, 424}, "jpeg", 0,  "Form7"},
    {":/pictures/urban_spread.jpg",      {374, 167}, "jpeg", 0,  "Form4"},
};
// clang-format on

TEST_F(ReferenceWindowsTest, EveryPictureLoadsAtItsSizeAndIsShownWholeBelowTheButtons) {
  InitPictures();
  openEveryReferenceWindow();
  for (const Picture& p : kPictures) {
    SCOPED_TRACE(p.resource);
    QImageReader reader(QString::fromUtf8(p.resource));
    EXPECT_EQ(reader.format(), p.format);
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), p.size) << reader.errorString().toStdString();
    EXPECT_EQ(image.colorCount() > 0, p.maxColours > 0);
    EXPECT_LE(image.colorCount(), p.maxColours);

    QWidget* window = OnlyWindowNamed(p.window);
    ASSERT_NE(window, nullptr);
    if (window == &mainWindow()) {
      EXPECT_TRUE(window->windowIcon().availableSizes().contains(p.size));
      continue;
    }
    const auto labels = window->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->pixmap().deviceIndependentSize(), QSizeF(p.size));
    EXPECT_EQ(labels[0]->pixmap().devicePixelRatio(), window->devicePixelRatioF());
    EXPECT_EQ(labels[0]->size(), p.size);
    for (auto* button : window->findChildren<QPushButton*>()) {  // clickable where it lies
      EXPECT_EQ(window->childAt(button->geometry().center()), button)
          << button->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace ui_testing
