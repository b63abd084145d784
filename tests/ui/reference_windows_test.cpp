// The reference windows: how they are reached and left, the pictures they
// show, and that they leave the main window's work alone.
#include <QApplication>
#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "assets/pictures.h"
#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

using ReferenceWindowsTest = WindowTest;

// The top-level window of that name, null if none; there is never a second.
QWidget* OnlyWindowNamed(const char* name) {
  QWidgetList found;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name) found << w;
  }
  EXPECT_LE(found.size(), 1) << name;
  return found.value(0);
}

// A window of its own, in front, with the focus on its tab-index-0 button.
void ExpectInFrontWithFocusOn(QWidget* window, const char* button) {
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->parentWidget(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->window(), window);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), button);
}

TEST_F(ReferenceWindowsTest, TableComesBackAsTheSameWindowBesideTheMainWindow) {
  EXPECT_EQ(OnlyWindowNamed("Form2"), nullptr);
  form1().tablo->click();
  ui::Form2* form2 = windows().tableWindowIfCreated();
  ExpectInFrontWithFocusOn(form2, "kapat");

  // Its button and the title bar's close both only hide it.
  for (void (*hide)(ui::Form2*) : {+[](ui::Form2* f) { f->kapat->click(); },
                                   +[](ui::Form2* f) { f->close(); }}) {
    hide(form2);
    EXPECT_FALSE(form2->isVisible());
    form1().tablo->click();
    EXPECT_EQ(OnlyWindowNamed("Form2"), form2);
    EXPECT_TRUE(form2->isVisible());
  }
  EXPECT_TRUE(form1().isVisible());
}

struct CoefficientCase {
  const char* name;
  QPushButton* const ui::Form5::*opener;
};
void PrintTo(const CoefficientCase& c, std::ostream* os) { *os << c.name; }

class CoefficientWindowTest : public WindowTest,
                              public ::testing::WithParamInterface<CoefficientCase> {};

TEST_P(CoefficientWindowTest, OneWindowInFrontThatOutlivesTheReferencesWindow) {
  const CoefficientCase& c = GetParam();
  form1().KAYNAK->click();
  ui::Form5* form5 = windows().referencesWindowIfCreated();
  ExpectInFrontWithFocusOn(form5, "Command1");
  EXPECT_FALSE(form1().isVisible());
  EXPECT_EQ(OnlyWindowNamed(c.name), nullptr);

  (form5->*c.opener)->click();
  QWidget* table = OnlyWindowNamed(c.name);
  ExpectInFrontWithFocusOn(table, "Command1");

  // A second press while the references are in front: the same window,
  // in front again.
  form5->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form5));
  (form5->*c.opener)->click();
  EXPECT_EQ(OnlyWindowNamed(c.name), table);
  EXPECT_TRUE(QTest::qWaitForWindowActive(table));

  // K A P A T on the references brings the main window back and leaves the
  // table open until its own K A P A T.
  form5->Command4->click();
  EXPECT_TRUE(form1().isVisible());
  EXPECT_FALSE(form5->isVisible());
  EXPECT_TRUE(table->isVisible());
  table->findChild<QPushButton*>("Command1")->click();
  EXPECT_FALSE(table->isVisible());

  // Title bars: the table's hides it, the references' does what K A P A T does.
  form1().KAYNAK->click();
  EXPECT_EQ(OnlyWindowNamed("Form5"), form5);
  (form5->*c.opener)->click();
  table->close();
  EXPECT_FALSE(table->isVisible());
  form5->close();
  EXPECT_TRUE(form1().isVisible());
  EXPECT_FALSE(form5->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EachTable, CoefficientWindowTest,
                         ::testing::Values(CoefficientCase{"Form6", &ui::Form5::Command1},
                                           CoefficientCase{"Form7", &ui::Form5::Command2},
                                           CoefficientCase{"Form4", &ui::Form5::Command3}),
                         [](const auto& info) { return std::string(info.param.name); });

// Opens every reference window through its button; the references window
// is left open, so the main window is hidden.
void OpenAll(ui::AppWindows& windows) {
  windows.mainWindow().tablo->click();
  windows.mainWindow().KAYNAK->click();
  ui::Form5* form5 = windows.referencesWindowIfCreated();
  for (QPushButton* button : {form5->Command1, form5->Command2, form5->Command3}) button->click();
}

struct Picture {
  const char* resource;
  QSize size;
  const char* format;  // as read from the content
  int maxColours;      // 0 for full colour
  const char* window;  // the window and control that show it
  const char* control;
};

// clang-format off
const Picture kPictures[] = {
    {":/pictures/stack_icon.png",        { 50,  37}, "png",  0,  "Form1", ""},
    {":/pictures/stability_classes.bmp", {615, 199}, "bmp",  16, "Form2", "Image1"},
    {":/pictures/references.png",        {470, 186}, "png",  0,  "Form5", "Image4"},
    {":/pictures/rural_sigma_y.jpg",     {294, 255}, "jpeg", 0,  "Form6", "Image2"},
    {":/pictures/rural_sigma_z.jpg",     {530, 424}, "jpeg", 0,  "Form7", "Image1"},
    {":/pictures/urban_spread.jpg",      {374, 167}, "jpeg", 0,  "Form4", "Image3"},
};
// clang-format on

TEST_F(ReferenceWindowsTest, EveryPictureLoadsAtItsSizeAndIsShownUnscaledBelowTheButtons) {
  InitPictures();
  OpenAll(windows());
  for (const Picture& p : kPictures) {
    SCOPED_TRACE(p.resource);
    QImageReader reader(QString::fromUtf8(p.resource));
    EXPECT_EQ(reader.format(), p.format);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), p.size);
    if (p.maxColours > 0) {
      EXPECT_GT(image.colorCount(), 0);
      EXPECT_LE(image.colorCount(), p.maxColours);
    }

    QWidget* window = OnlyWindowNamed(p.window);
    ASSERT_NE(window, nullptr);
    if (*p.control == '\0') {
      EXPECT_TRUE(window->windowIcon().availableSizes().contains(p.size));
      continue;
    }
    auto* label = window->findChild<QLabel*>(p.control);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->pixmap().size(), p.size);
    EXPECT_EQ(label->size(), p.size);
    EXPECT_FALSE(label->hasScaledContents());

    // Every button can be seen and clicked where it lies over the picture.
    for (auto* button : window->findChildren<QPushButton*>()) {
      EXPECT_EQ(window->childAt(button->geometry().center()), button)
          << button->objectName().toStdString();
    }
  }
}

TEST_F(ReferenceWindowsTest, LeaveTheMainWindowsInputsAndResultsAlone) {
  type("1", "5", "50", "1");
  form1().atmc->setChecked(true);
  form1().kir->setChecked(true);
  ASSERT_EQ(pressHesapla().size(), 1u);
  const QByteArray file = resultsBytes();
  const QStringList rows = listRows();

  OpenAll(windows());
  windows().tableWindowIfCreated()->kapat->click();
  windows().ruralSigmaYWindowIfCreated()->Command1->click();
  windows().ruralSigmaZWindowIfCreated()->close();
  windows().referencesWindowIfCreated()->Command4->click();

  const QStringList texts = {form1().Mesafe->text(), form1().Rzg->text(), form1().Bc->text(),
                             form1().Em->text()};
  EXPECT_EQ(texts, QStringList({"1", "5", "50", "1"}));
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::C);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Rural);
  EXPECT_EQ(resultsBytes(), file);
  EXPECT_EQ(listRows(), rows);
  EXPECT_TRUE(form3()->isVisible());
}

TEST_F(ReferenceWindowsTest, BitirEndsTheProgramWithEveryTableStillOpen) {
  OpenAll(windows());
  windows().referencesWindowIfCreated()->Command4->click();

  // The program's own event loop; 99 if nothing ends it.
  QTimer::singleShot(0, &form1(), [this] { form1().bitir->click(); });
  QTimer::singleShot(5000, &form1(), [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QCoreApplication::exec(), 0);

  // No window ran a closing step of its own on the way out.
  for (const char* name : {"Form1", "Form2", "Form6", "Form7", "Form4"}) {
    EXPECT_TRUE(OnlyWindowNamed(name)->isVisible()) << name;
  }
  EXPECT_FALSE(windows().referencesWindowIfCreated()->isVisible());
}

}  // namespace
}  // namespace ui_testing
