#include "tests/ui/window_test.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace ui_testing {

void WindowTest::SetUp() {
  previousDirectory_ = QDir::currentPath();
  previousLocale_ = QLocale();
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

  workDir_ = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(workDir_->isValid());
  ASSERT_TRUE(QDir::setCurrent(workDir_->path()));

  windows_ = std::make_unique<ui::AppWindows>();
  answerer_ = std::make_unique<MessageBoxAnswerer>([this] { return form3() && form3()->isVisible(); });
  form1().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
}

void WindowTest::TearDown() {
  for (const SeenBox& box : answerer_->take()) ADD_FAILURE() << "unexpected message " << box;
  answerer_.reset();
  windows_.reset();
  QDir::setCurrent(previousDirectory_);
  workDir_.reset();
  QLocale::setDefault(previousLocale_);
}

void WindowTest::type(const QString& mesafe, const QString& rzg, const QString& bc,
                      const QString& em) {
  form1().Mesafe->setText(mesafe);
  form1().Rzg->setText(rzg);
  form1().Bc->setText(bc);
  form1().Em->setText(em);
}

void WindowTest::pressHesapla() { form1().hesap->click(); }

QByteArray WindowTest::resultsBytes() const {
  QFile file(resultsPath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList WindowTest::listRows() const {
  QStringList rows;
  if (const ui::Form3* results = windows_->resultsWindowIfCreated()) {
    for (int i = 0; i < results->List1->count(); ++i) rows << results->List1->item(i)->text();
  }
  return rows;
}

SeenBox RefusalBox(const char* utf8Message) {
  return {QStringLiteral("HATA"), QString::fromUtf8(utf8Message)};
}

SeenBox CompletionBox() {
  return {QStringLiteral("IS TAMAM"),
          QStringLiteral("Hesaplama Sonucu YELDUMAN.TXT dosyasina yazdirildi")};
}

void ExpectBox(const SeenBox& seen, const SeenBox& expected) {
  EXPECT_EQ(seen.title, expected.title);
  EXPECT_EQ(seen.text, expected.text);
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon) << seen;
  EXPECT_EQ(seen.buttons, 1) << seen;
  EXPECT_TRUE(seen.hasOk) << seen;
  EXPECT_NE(seen.modality, Qt::NonModal) << seen;
}

}  // namespace ui_testing
