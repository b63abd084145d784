#include "calc/user_messages.h"

#include <cerrno>
#include <variant>

#include "calc/results_file.h"

namespace calc {
namespace {

constexpr std::string_view kFaultTitle = "HATA";
constexpr std::string_view kCompletionTitle = "IS TAMAM";

std::string Text(const RefusedField& refused) {
  switch (refused.field) {
    case InputField::Distance: return "Max. Uzaklik Degerine DIKKAT!!!";
    case InputField::WindSpeed: return "Rüzgar Degerine DIKKAT!!!";
    case InputField::StackHeight: return "Baca Yükseklik Degerine DIKKAT!!!";
    case InputField::EmissionRate: break;
  }
  return "Emisyon Çikis Degerine DIKKAT!!!";
}

// The file's name in capitals, as the completion has always written it.
std::string Text(const Completion&) {
  std::string text = "Hesaplama Sonucu ";
  for (const char c : kResultsFileName) text += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
  return text + " dosyasina yazdirildi";
}

// The system's reason in the user's language. The C library's own wording is
// English on most systems, so the causes a student can meet are named here;
// any other keeps its number for whoever helps them.
std::string Reason(int err) {
  switch (err) {
    case ENOSPC: return "diskte yer kalmadı";
    case EACCES:
    case EPERM: return "yazma izni yok";
    case EROFS: return "salt okunur dosya sistemi";
    case EISDIR: return "bu adda bir klasör var";
    case ENOENT: return "klasör bulunamadı";
    case EFBIG: return "dosya boyutu sınırı aşıldı";
#ifdef EDQUOT
    case EDQUOT: return "disk kotası doldu";
#endif
    case EIO: return "giriş/çıkış hatası";
    case 0: return "yazma hatası";
    default: return "sistem hatası " + std::to_string(err);
  }
}

std::string Text(const FileFault& fault) {
  std::string text = "Sonuç dosyası ";
  text += kResultsFileName;
  text += fault.step == FileFault::Step::Create ? " oluşturulamadı." : " yazılamadı.";
  if (fault.systemError) text += "\n(" + Reason(*fault.systemError) + ")";
  return text;
}

std::string_view FaultName(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::Overflow: return "sayı taşması";
    case ArithmeticFault::DivisionByZero: return "sıfıra bölme";
    case ArithmeticFault::None:  // a run stops only on a fault
    case ArithmeticFault::InvalidOperation: break;
  }
  return "geçersiz işlem";
}

std::string Text(const ArithmeticStop& stop) {
  std::string text = "Hesaplama aritmetik hata nedeniyle durduruldu: ";
  text += FaultName(stop.fault);
  text += ".\n";
  text += std::to_string(stop.rowsWritten);
  text += " satır dosyaya yazıldı.";
  return text;
}

}  // namespace

std::string_view MessageTitle(const RunMessage& message) {
  return std::holds_alternative<Completion>(message) ? kCompletionTitle : kFaultTitle;
}

std::string MessageText(const RunMessage& message) {
  return std::visit([](const auto& cause) { return Text(cause); }, message);
}

}  // namespace calc
