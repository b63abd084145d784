// Every caption of every window drawn whole, up and pressed, in the face that
// holds its letters, at the display scale the test runs at (--scale).
#include <QProxyStyle>
#include <QRawFont>

#include "tests/ui/window_test.h"
#include "ui/caption_style.h"
#include "ui/frame_box.h"

namespace ui_testing {
namespace {

// --scale=R: the display scale the windows are to be drawn at (set by QT_SCALE_FACTOR, or on
// Windows by the display's DPI); 1 when not given.
double ExpectedScale() {
  const QStringList given = QCoreApplication::arguments().filter(QRegularExpression("^--scale="));
  return given.isEmpty() ? 1 : given.last().mid(8).toDouble();
}

// The faces that may draw a caption: outline faces holding every Turkish
// letter ("MS Sans Serif", Windows' raster face, does not).
#ifdef Q_OS_WIN
const QStringList kOutlineFaces = {"Microsoft Sans Serif", "Arial"};
#else
const QStringList kOutlineFaces = {"Liberation Sans"};
#endif

// A clear band around the reference drawing, in window pixels; whole device
// pixels at every scale tested (1 to 2 in steps of 0.25).
constexpr int kMargin = 8;
// A reference pixel is the caption's when the text covers at least half of
// it; lighter ones are antialiased edges, which a fractional scale may place
// differently. Every such pixel must be drawn on the control too.
constexpr int kInkAlpha = 128;

// Where and how the style draws a control's caption: the same rectangle and
// alignment the control's paint code gives the style.
struct CaptionPlace {
  QString text;
  QRect rect;
  int flags = 0;
};

QStyleOptionButton ButtonOption(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.state |= button->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  return option;
}

// A pressed push button's caption moves by the style's own shift; the shift
// is asked of the style under the program's, so one that drops it is seen.
QPoint PressedShift(const QStyleOptionButton& option, const QWidget* button) {
  const QStyle* style = button->style();
  if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
  return {style->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, button),
          style->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, button)};
}

std::optional<CaptionPlace> PlaceOf(const QWidget* control) {
  const QStyle* style = control->style();
  if (const auto* button = qobject_cast<const QPushButton*>(control)) {
    const QStyleOptionButton option = ButtonOption(button);
    QRect rect = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    if (button->isDown()) rect.translate(PressedShift(option, button));
    return CaptionPlace{button->text(), rect, Qt::AlignCenter | Qt::TextShowMnemonic};
  }
  if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
    const QStyleOptionButton opt = ButtonOption(option);
    return CaptionPlace{option->text(),
                        style->subElementRect(QStyle::SE_RadioButtonContents, &opt, option),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic};
  }
  if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    return CaptionPlace{label->text(), label->contentsRect(),
                        int(label->alignment()) | wrap | Qt::TextForceLeftToRight};
  }
  if (const auto* frame = qobject_cast<const ui::FrameBox*>(control)) {
    return CaptionPlace{frame->title(), frame->captionRect(), Qt::AlignCenter};
  }
  return std::nullopt;
}

// The control as the screen shows it, every text role in one colour.
QImage Rendered(QWidget* control, const QColor& textColour) {
  const QPalette kept = control->palette();
  QPalette palette = kept;
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(role, textColour);
  }
  control->setPalette(palette);
  const QImage image = control->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  control->setPalette(kept);
  return image;
}

// The caption's ink: the device pixels that change when only the text
// colour does (frames, bevels and focus marks stay as they were).
QImage InkOf(QWidget* control) {
  const QImage red = Rendered(control, Qt::red);
  const QImage blue = Rendered(control, Qt::blue);
  QImage ink(red.size(), QImage::Format_Alpha8);
  for (int y = 0; y < red.height(); ++y) {
    for (int x = 0; x < red.width(); ++x) {
      ink.setPixelColor(x, y, red.pixel(x, y) == blue.pixel(x, y) ? Qt::transparent : Qt::black);
    }
  }
  return ink;
}

// The caption drawn by the painter alone, unclipped, with the control's font,
// rectangle and alignment, on a canvas a margin larger than the control.
QImage Reference(const QWidget* control, const CaptionPlace& place, qreal ratio) {
  const QSize canvas = control->size() + QSize(2 * kMargin, 2 * kMargin);
  QImage image((QSizeF(canvas) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(QFont(control->font(), control));
  painter.setPen(Qt::black);
  painter.drawText(place.rect.translated(kMargin, kMargin), place.flags | Qt::TextDontClip,
                   place.text);
  return image;
}

// The device pixels of the reference caption the control does not draw, on it or
// outside it: none for a caption drawn whole.
int NotDrawn(const QImage& reference, const QImage& ink, qreal ratio) {
  const int margin = qRound(kMargin * ratio);
  int notDrawn = 0;
  for (int y = 0; y < reference.height(); ++y) {
    for (int x = 0; x < reference.width(); ++x) {
      const QPoint at(x - margin, y - margin);
      notDrawn += qAlpha(reference.pixel(x, y)) >= kInkAlpha &&
                  (!ink.rect().contains(at) || ink.pixelColor(at).alpha() == 0);
    }
  }
  return notDrawn;
}

// Every Turkish letter in the face that draws it, and that face an outline one.
void ExpectFaceHoldsLetters(const QWidget* control, const QString& caption) {
  const QFont font(control->font(), control);
  const QString family = QFontInfo(font).family();
  EXPECT_TRUE(kOutlineFaces.contains(family)) << family.toStdString();
  const QRawFont raw = QRawFont::fromFont(font);
  for (const QChar letter : caption) {
    if (letter.unicode() > 0x7f) {
      EXPECT_TRUE(raw.supportsCharacter(letter))
          << QString(letter).toStdString() << " not in " << family.toStdString();
    }
  }
}

class CaptionTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    // The program's style, over the base style under test.
    if (*GetParam() != '\0') {
      QStyle* base = QStyleFactory::create(GetParam());
      ASSERT_NE(base, nullptr) << GetParam();
      QApplication::setStyle(new ui::CaptionStyle(base));
    }
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QApplication::setStyle(new ui::CaptionStyle);
  }
};

TEST_P(CaptionTest, EveryCaptionIsDrawnWholeUpAndPressedInAFaceHoldingItsLetters) {
  openEveryWindow();
  int captions = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const QString name = window->objectName();
    ASSERT_EQ(window->devicePixelRatioF(), ExpectedScale()) << name.toStdString();
    for (QWidget* control : testing_support::NamedControls(*window)) {
      auto* button = qobject_cast<QAbstractButton*>(control);
      for (const bool pressed : {false, true}) {
        if (pressed && button == nullptr) continue;
        if (button) button->setDown(pressed);
        const std::optional<CaptionPlace> place = PlaceOf(control);
        if (place) {
          SCOPED_TRACE(QString("%1 %2 \"%3\"%4")
                           .arg(name, control->objectName(), place->text, pressed ? " pressed" : "")
                           .toStdString());
          const qreal ratio = control->devicePixelRatioF();
          EXPECT_EQ(NotDrawn(Reference(control, *place, ratio), InkOf(control), ratio), 0)
              << "device pixels of the caption not drawn on its control";
          if (!pressed) ExpectFaceHoldsLetters(control, place->text);
          captions += pressed ? 0 : 1;
        }
        if (button) button->setDown(false);
      }
    }
  }
  // 20 on the main window, 1 on the results, 1 on the table, 4 on the
  // references and 1 on each coefficient table.
  EXPECT_EQ(captions, 29);
}

// The program's own style (Fusion on Linux, the Windows 10/11 look on
// Windows), and the classic Windows style, whose frames and margins are
// the widest.
INSTANTIATE_TEST_SUITE_P(Styles, CaptionTest, ::testing::Values("", "Windows"),
                         [](const auto& info) {
                           return std::string(*info.param ? info.param : "Program");
                         });

}  // namespace
}  // namespace ui_testing
