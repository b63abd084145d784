#include "calc/user_messages.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace calc {
namespace {

using enum InputField;
using enum FileFault::Step;
using enum ArithmeticFault;

// Every box a run can show, by its cause: title and text, byte for byte.
TEST(UserMessages, EveryCauseItsTitleAndText) {
  const std::string notCreated = "Sonuç dosyası yelduman.txt oluşturulamadı.";
  const std::string notWritten = "Sonuç dosyası yelduman.txt yazılamadı.";
  const std::string stopped = "Hesaplama aritmetik hata nedeniyle durduruldu: ";
  // clang-format off
  const struct { RunMessage cause; const char* title; std::string text; } cases[] = {
      {RefusedField{Distance}, "HATA", "Max. Uzaklik Degerine DIKKAT!!!"},
      {RefusedField{WindSpeed}, "HATA", "Rüzgar Degerine DIKKAT!!!"},
      {RefusedField{StackHeight}, "HATA", "Baca Yükseklik Degerine DIKKAT!!!"},
      {RefusedField{EmissionRate}, "HATA", "Emisyon Çikis Degerine DIKKAT!!!"},
      {Completion{}, "IS TAMAM", "Hesaplama Sonucu YELDUMAN.TXT dosyasina yazdirildi"},
      {FileFault{Create, EISDIR}, "HATA", notCreated + "\n(bu adda bir klasör var)"},
      {FileFault{Create, EACCES}, "HATA", notCreated + "\n(yazma izni yok)"},
      {FileFault{Create, EPERM}, "HATA", notCreated + "\n(yazma izni yok)"},
      {FileFault{Create, EROFS}, "HATA", notCreated + "\n(salt okunur dosya sistemi)"},
      {FileFault{Create, ENOENT}, "HATA", notCreated + "\n(klasör bulunamadı)"},
      {FileFault{Create, std::nullopt}, "HATA", notCreated},
      {FileFault{Write, ENOSPC}, "HATA", notWritten + "\n(diskte yer kalmadı)"},
      {FileFault{Write, EFBIG}, "HATA", notWritten + "\n(dosya boyutu sınırı aşıldı)"},
      {FileFault{Write, EIO}, "HATA", notWritten + "\n(giriş/çıkış hatası)"},
      {FileFault{Write, 0}, "HATA", notWritten + "\n(yazma hatası)"},
      {FileFault{Write, -7}, "HATA", notWritten + "\n(sistem hatası -7)"},
#ifdef EDQUOT
      {FileFault{Write, EDQUOT}, "HATA", notWritten + "\n(disk kotası doldu)"},
#endif
      {ArithmeticStop{Overflow, 0}, "HATA", stopped + "sayı taşması.\n0 satır dosyaya yazıldı."},
      {ArithmeticStop{DivisionByZero, 48}, "HATA", stopped + "sıfıra bölme.\n48 satır dosyaya yazıldı."},
      {ArithmeticStop{InvalidOperation, 1194}, "HATA", stopped + "geçersiz işlem.\n1194 satır dosyaya yazıldı."},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MessageTitle(c.cause), c.title);
    EXPECT_EQ(MessageText(c.cause), c.text);
  }
}

}  // namespace
}  // namespace calc
