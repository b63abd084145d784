#pragma once
// Staging of file faults: a file-size limit, a refused close or write, and
// the descriptors still held on a file.
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>

namespace testing_support {

// Writes past `bytes` fail with EFBIG while this lives. Only the soft limit
// moves, so it can be raised again; SIGXFSZ is ignored, or the first write
// beyond the limit would end the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

// The next fclose closes the file but fails with `err` (0: none).
void RefuseNextFclose(int err);
// After `writesBefore` more fwrite calls, the next writes nothing and fails
// with `err` (0: none).
void RefuseFwrite(int writesBefore, int err);

// How many of this process's descriptors are open on `file`.
inline int DescriptorsOpenOn(const std::filesystem::path& file) {
  std::error_code ec;
  const auto target = std::filesystem::weakly_canonical(file, ec);
  int count = 0;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
    if (std::filesystem::read_symlink(fd.path(), ec) == target) ++count;
  }
  return count;
}

}  // namespace testing_support
#endif
