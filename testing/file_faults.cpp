// A refused fclose or flush cannot be staged on a local disk without a quota,
// nor a refused write whose row is known in advance: stdio buffers the rows.
// The tests are linked with --wrap for fwrite, fflush and fclose, so every
// such call passes through here.
#include "testing/file_faults.h"

#include <cerrno>
#include <cstdio>
#include <utility>

extern "C" std::size_t __real_fwrite(const void* data, std::size_t size, std::size_t n,
                                     std::FILE* file);
extern "C" int __real_fflush(std::FILE* file);
extern "C" int __real_fclose(std::FILE* file);

namespace {

struct Refusal {
  int callsBefore = 0;
  int err = 0;
};
Refusal refusals[3];

// Whether this call is the refused one; it then sets errno and lifts the refusal.
bool Refused(testing_support::StdioCall call) {
  Refusal& r = refusals[static_cast<int>(call)];
  if (r.err == 0 || r.callsBefore-- > 0) return false;
  errno = std::exchange(r.err, 0);
  return true;
}

}  // namespace

testing_support::StdioRefusal::StdioRefusal(StdioCall call, int callsBefore, int err) : call(call) {
  refusals[static_cast<int>(call)] = {callsBefore, err};
}

testing_support::StdioRefusal::~StdioRefusal() { refusals[static_cast<int>(call)] = {}; }

extern "C" std::size_t __wrap_fwrite(const void* data, std::size_t size, std::size_t n,
                                     std::FILE* file) {
  return Refused(testing_support::StdioCall::Fwrite) ? 0 : __real_fwrite(data, size, n, file);
}

extern "C" int __wrap_fflush(std::FILE* file) {
  return Refused(testing_support::StdioCall::Fflush) ? EOF : __real_fflush(file);
}

extern "C" int __wrap_fclose(std::FILE* file) {
  const int result = __real_fclose(file);
  return Refused(testing_support::StdioCall::Fclose) ? EOF : result;
}
