// The seven windows' controls, places in twips (15 to the pixel), and focus orders.
#include <algorithm>
#include <string_view>

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

// Face, points, bold, italic, underlined; the face is not compared (one stand-in draws both).
const char* const kWindowFont = "MS Sans Serif 8.25";
const char* const kPicture = "";  // a picture has no text

// A window is a row of its own: its title, and its client area's size.
struct ControlLook {
  const char* window;
  const char* name;
  QString caption;
  QRect twips;  // left, top, width, height in the client area or the enclosing frame
  QString font;
  QColor colour = {};  // none: the system's default text colour
};

// clang-format off
const ControlLook kControls[] = {
    {"Form1", "Form1",  "Yelduman",                                        {0, 0, 6705, 4395},     kWindowFont},
    {"Form1", "Label1", "Alansal Atmosferik Yelduman Matrisi Hesaplama",   {240, 120, 6015, 375},  "Arial 12 bold underlined", Qt::red},
    {"Form1", "Label2", "Rüzgar Yönünde Maksimum Uzaklık giriniz X  (km)", {240, 720, 5055, 255},  "Arial 9.75 bold italic"},
    {"Form1", "Mesafe", "",                                                {5280, 720, 975, 285},  "MS Sans Serif 9.75 bold"},
    {"Form1", "Label3", "Rüzgar hızını giriniz (m/sn)" + QString(38, '.'),  {240, 1080, 4935, 375}, "Arial 9.75 bold italic"},
    {"Form1", "Rzg",    "",                                                {5280, 1080, 975, 285}, kWindowFont},
    {"Form1", "Label4", "Etkin Baca Yüksekliğini Giriniz (m)" + QString(25, '.'), {240, 1440, 4935, 375}, "Arial 9.75 bold italic"},
    {"Form1", "Bc",     "",                                                {5280, 1440, 975, 285}, kWindowFont},
    {"Form1", "Label6", "Emisyon Miktarını Giriniz (kg/sn)" + QString(28, '.'), {240, 1800, 4815, 255}, "Arial 9.75 bold italic"},
    {"Form1", "Em",     "",                                                {5280, 1800, 975, 285}, kWindowFont},
    {"Form1", "Frame2", "Alansal Özellik",                                 {240, 2280, 1935, 855}, "MS Sans Serif 8.25 bold italic", Qt::blue},
    {"Form1", "kir",    "Kırsal Alan",                                     {240, 240, 1575, 195},  "MS Sans Serif 8.25 bold italic"},
    {"Form1", "kent",   "Kentsel Alan",                                    {240, 480, 1575, 195},  "MS Sans Serif 8.25 bold italic"},
    {"Form1", "Frame1", "Atmosferik Durum",                                {2520, 2280, 3015, 855}, "MS Sans Serif 8.25 bold italic", Qt::blue},
    {"Form1", "atma",   "A",                                               {240, 240, 615, 255},   "MS Sans Serif 8.25 bold"},
    {"Form1", "atmb",   "B",                                               {240, 480, 495, 255},   "MS Sans Serif 8.25 bold"},
    {"Form1", "atmc",   "C",                                               {1200, 240, 495, 255},  "MS Sans Serif 8.25 bold"},
    {"Form1", "atmd",   "D",                                               {1200, 480, 495, 255},  "MS Sans Serif 8.25 bold"},
    {"Form1", "atme",   "E",                                               {2160, 240, 615, 255},  "MS Sans Serif 8.25 bold"},
    {"Form1", "atmf",   "F",                                               {2160, 480, 495, 255},  "MS Sans Serif 8.25 bold"},
    {"Form1", "Label5", "Hesaplamalar rüzgar doğrultusunda 100'er m aralıklarla 500m yanal açılım (Y) ve Yer seviyesi (Z=0) için yapılacaktır",
                                                                           {240, 3240, 5415, 495}, "Arial 8.25 italic"},
    {"Form1", "tablo",  "TABLO",                                           {120, 3960, 735, 255},  kWindowFont},
    {"Form1", "hesap",  "HESAPLA",                                         {960, 3960, 1335, 255}, "Arial 9.75 bold"},
    {"Form1", "bitir",  "BİTİR",                                           {2400, 3960, 1335, 255}, "Arial 9.75 bold"},
    {"Form1", "KAYNAK", "KAYNAKLAR",                                       {4080, 3960, 2055, 255}, kWindowFont},
    {"Form3", "Form3",  "Form3",                                           {0, 0, 5835, 7200},     kWindowFont},
    {"Form3", "List1",  "",                                                {360, 360, 4935, 5910}, kWindowFont},
    {"Form3", "kapat",  "KAPAT",                                           {1800, 6480, 2055, 375}, kWindowFont},
    {"Form2", "Form2",  "Atmosferik Kosul Tablosu",                        {0, 0, 9375, 3840},     kWindowFont},
    {"Form2", "Image1", "",                                                {120, 120, 9225, 2985}, kPicture},
    {"Form2", "kapat",  "TABLOYU KAPAT",                                   {480, 3240, 3015, 375}, "MS Sans Serif 8.25 bold"},
    {"Form5", "Form5",  "KAYNAK",                                          {0, 0, 7350, 4695},     kWindowFont},
    {"Form5", "Image4", "",                                                {240, 240, 7050, 2790}, kPicture},
    {"Form5", "Command1", "Kırsal Alan Sy Hesabı",                         {840, 3360, 2535, 375}, kWindowFont},
    {"Form5", "Command2", "Kırsal Alan Sz Hesabı",                         {3600, 3360, 2535, 375}, kWindowFont},
    {"Form5", "Command3", "Kentsel Alan Sy ve Sz Hesabı",                  {840, 3960, 2535, 375}, kWindowFont},
    {"Form5", "Command4", "K A P A T",                                     {3600, 3960, 2535, 375}, "MS Sans Serif 9.75 bold"},
    {"Form6", "Form6",  "KentSy",                                          {0, 0, 4395, 3885},     kWindowFont},
    {"Form6", "Image2", "",                                                {0, 0, 4410, 3825},     kPicture},
    {"Form6", "Command1", "K A P A T",                                      {2400, 3480, 1935, 375}, "MS Sans Serif 8.25 bold italic"},
    {"Form7", "Form7",  "KentSz",                                          {0, 0, 7950, 6360},     kWindowFont},
    {"Form7", "Image1", "",                                                {0, 0, 7950, 6360},     kPicture},
    {"Form7", "Command1", "K A P A T",                                     {4440, 5880, 1935, 375}, "MS Sans Serif 9.75 bold italic"},
    {"Form4", "Form4",  "SYSZhesap",                                       {0, 0, 5625, 2505},     kWindowFont},
    {"Form4", "Image3", "",                                                {0, 0, 5610, 2505},     kPicture},
    {"Form4", "Command1", "K A P A T",                                     {3480, 2040, 2055, 375}, "MS Sans Serif 9.75 bold italic"},
};
// clang-format on

QRect Pixels(const QRect& twips) {
  return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

QString Described(const QFont& f) {
  return QString("%1%2%3%4")
      .arg(f.pointSizeF())
      .arg(f.bold() ? " bold" : "", f.italic() ? " italic" : "",
           f.underline() ? " underlined" : "");
}

// Some pixel of the control, drawn as it is on screen, is exactly that colour.
bool DrawsIn(QWidget* control, const QColor& colour) {
  const QImage image = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
  return std::count(pixels, pixels + image.width() * image.height(), colour.rgb()) > 0;
}

using WindowLooksTest = WindowTest;

TEST_F(WindowLooksTest, EveryWindowAndControlHasItsCaptionPlaceFontAndColour) {
  openEveryWindow();
  type({});                                                  // the boxes as the layout leaves them
  for (QWidget* window : QApplication::topLevelWidgets()) {  // the stack, the application's
    EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(50, 37)));
    EXPECT_FALSE(window->testAttribute(Qt::WA_SetWindowIcon)) << "an icon of its own";
  }
  EXPECT_EQ(Find<QListWidget>(resultsWindow(), "List1")->selectionMode(),
            QAbstractItemView::SingleSelection);

  for (const ControlLook& c : kControls) {
    SCOPED_TRACE(std::string(c.window) + " " + c.name);
    QWidget* window = TopLevel(c.window);
    ASSERT_NE(window, nullptr);
    QWidget* control = std::string_view(c.window) == c.name ? window : Find(window, c.name);
    EXPECT_EQ(control->parentWidget() == nullptr, control == window) << "a window has no owner";
    EXPECT_EQ(control == window ? QRect({}, window->size()) : control->geometry(), Pixels(c.twips));
    // On top where it lies: nothing else takes the clicks meant for it.
    QWidget* hit = window->childAt(control->mapTo(window, control->rect().center()));
    EXPECT_TRUE(control == window || hit == control || control->isAncestorOf(hit));
    if (c.font.isEmpty()) {  // shown whole, at its natural size, sharp on the window's screen
      const QPixmap picture = static_cast<QLabel*>(control)->pixmap();
      EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(Pixels(c.twips).size()));
      EXPECT_EQ(picture.devicePixelRatio(), window->devicePixelRatioF());
      continue;
    }
    const char* caption = control == window                   ? "windowTitle"
                          : qobject_cast<QGroupBox*>(control) ? "title"
                                                              : "text";
    EXPECT_EQ(control->property(caption).toString(), c.caption);
    EXPECT_EQ(Described(control->font()), QString(c.font).remove(QRegularExpression("^\\D+")));
    if (auto* label = qobject_cast<QLabel*>(control)) {  // only the grid note takes two lines
      EXPECT_EQ(label->wordWrap(), c.caption.startsWith("Hesaplamalar"));
    }

    const QPalette::ColorRole role = control->foregroundRole();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      const QColor expected =
          c.colour.isValid() ? c.colour : QApplication::palette(control).color(group, role);
      EXPECT_EQ(control->palette().color(group, role), expected) << group;
    }
    if (c.colour.isValid()) {
      EXPECT_TRUE(DrawsIn(control, control->palette().color(role)));
    }
  }
}

// Each window as it opens, from its first focus round to it; an option group is one stop.
TEST_F(WindowLooksTest, TabGoesRoundEachWindowInTabIndexOrderFromWhereTheFocusStarts) {
  const auto expectRound = [](const char* name, const QStringList& order) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(QTest::qWaitForWindowActive(TopLevel(name)));
    QStringList visited;  // ends early, and fails, when no control has the focus
    while (visited.size() <= order.size() && QApplication::focusWidget() != nullptr) {
      visited << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, order + QStringList{order.front()});
  };
  expectRound("Form1",
              {"Mesafe", "hesap", "bitir", "tablo", "atma", "Rzg", "Bc", "Em", "kent", "KAYNAK"});
  type({"1", "5", "50", "1"});
  pressHesapla({kCompleted});
  expectRound("Form3", {"List1", "kapat"});
  click("tablo");
  expectRound("Form2", {"kapat"});
  click("KAYNAK");
  expectRound("Form5", {"Command1", "Command2", "Command3", "Command4"});
  const std::pair<const char*, const char*> tables[] = {
      {"Command1", "Form6"}, {"Command2", "Form7"}, {"Command3", "Form4"}};
  for (const auto& [opener, table] : tables) {
    Find<QPushButton>(TopLevel("Form5"), opener)->click();
    expectRound(table, {"Command1"});
  }
}

}  // namespace
}  // namespace ui_testing
