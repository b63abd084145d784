#include "tests/ui/window_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace ui_testing {

std::ostream& operator<<(std::ostream& os, const SeenBox& box) {
  return os << "box \"" << box.title.toStdString() << "\": \"" << box.text.toStdString() << '"';
}

void ExpectBox(const SeenBox& seen, const QString& title, const QString& text) {
  EXPECT_EQ(seen.title, title);
  EXPECT_EQ(seen.text, text);
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon) << seen;
  EXPECT_EQ(seen.buttons, 1) << seen;
  EXPECT_TRUE(seen.hasOk) << seen;
  EXPECT_TRUE(seen.modal) << seen;
}

void WindowTest::SetUp() {
  previousDirectory_ = QDir::currentPath();
  previousLocale_ = QLocale();
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  workDir_ = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(workDir_->isValid());
  ASSERT_TRUE(QDir::setCurrent(workDir_->path()));

  windows_ = std::make_unique<ui::AppWindows>();
  // A box runs its own event loop, in which this timer keeps firing.
  QObject::connect(&boxWatch_, &QTimer::timeout, &boxWatch_, [this] { answerModalBox(); });
  boxWatch_.start(2);
  form1().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
}

void WindowTest::TearDown() {
  for (const SeenBox& box : takeBoxes()) ADD_FAILURE() << "unexpected message " << box;
  boxWatch_.stop();
  windows_.reset();
  QDir::setCurrent(previousDirectory_);
  workDir_.reset();
  QLocale::setDefault(previousLocale_);
}

void WindowTest::answerModalBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || box == lastBox_ || !box->isVisible()) return;
  lastBox_ = box;
  QAbstractButton* ok = box->button(QMessageBox::Ok);
  boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->buttons().size(),
                    ok != nullptr, box->isModal(), form3() && form3()->isVisible()});
  if (ok) {
    ok->click();
  } else {
    box->done(0);  // never hang on a box that cannot be answered
  }
}

void WindowTest::type(const QString& mesafe, const QString& rzg, const QString& bc,
                      const QString& em) {
  form1().Mesafe->setText(mesafe);
  form1().Rzg->setText(rzg);
  form1().Bc->setText(bc);
  form1().Em->setText(em);
}

std::vector<SeenBox> WindowTest::pressHesapla() {
  form1().hesap->click();
  return takeBoxes();
}

QString WindowTest::resultsPath() const { return QDir::current().absoluteFilePath("yelduman.txt"); }

QByteArray WindowTest::resultsBytes() const {
  QFile file(resultsPath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList WindowTest::listRows() {
  QStringList rows;
  for (int i = 0; form3() && i < form3()->List1->count(); ++i) rows << form3()->List1->item(i)->text();
  return rows;
}

}  // namespace ui_testing

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
