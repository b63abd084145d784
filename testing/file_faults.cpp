// A refused fclose cannot be staged on a local disk: after a successful
// flush only a network disk or a quota reports an error at close. Nor can a
// refused write whose row is known in advance: stdio buffers the rows. The
// core's tests are linked with --wrap=fclose and --wrap=fwrite, so every such
// call passes through here.
#include <cerrno>
#include <cstdio>

#include "testing/file_faults.h"

extern "C" int __real_fclose(std::FILE* file);
extern "C" std::size_t __real_fwrite(const void* data, std::size_t size, std::size_t n,
                                     std::FILE* file);

namespace {
int closeRefusal = 0;
int writeRefusal = 0;
int writesBeforeRefusal = 0;
}  // namespace

extern "C" int __wrap_fclose(std::FILE* file) {
  const int result = __real_fclose(file);
  if (closeRefusal == 0) return result;
  errno = closeRefusal;
  closeRefusal = 0;
  return EOF;
}

extern "C" std::size_t __wrap_fwrite(const void* data, std::size_t size, std::size_t n,
                                     std::FILE* file) {
  if (writeRefusal == 0 || writesBeforeRefusal-- > 0) return __real_fwrite(data, size, n, file);
  errno = writeRefusal;
  writeRefusal = 0;
  return 0;
}

void testing_support::RefuseNextFclose(int err) { closeRefusal = err; }

void testing_support::RefuseFwrite(int writesBefore, int err) {
  writesBeforeRefusal = writesBefore;
  writeRefusal = err;
}
