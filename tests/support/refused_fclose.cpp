// A refused fclose cannot be staged on a local disk: after a successful
// flush only a network disk or a quota reports an error at close. The core's
// tests are linked with --wrap=fclose, so every fclose passes through here.
#include <cerrno>
#include <cstdio>

#include "tests/support/file_faults.h"

extern "C" int __real_fclose(std::FILE* file);

namespace {
int refusal = 0;
}  // namespace

extern "C" int __wrap_fclose(std::FILE* file) {
  const int result = __real_fclose(file);
  if (refusal == 0) return result;
  errno = refusal;
  refusal = 0;
  return EOF;
}

void testing_support::RefuseNextFclose(int err) { refusal = err; }
