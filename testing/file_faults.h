#pragma once
// Refused calls of the C library's stdio, and the descriptors still held on a file.
#include <filesystem>
#include <system_error>

#ifndef _WIN32
namespace testing_support {

enum class StdioCall { Fwrite, Fflush, Fclose };
// While it lives: after `callsBefore` more calls of that kind pass, the next fails with `err`
// having done nothing, except that a refused fclose still closes the file; `err` 0 refuses
// none. Lifted when it goes, so a test that fails before the refused call leaves none armed.
struct StdioRefusal {
  StdioRefusal(StdioCall call, int callsBefore, int err);
  ~StdioRefusal();
  const StdioCall call;
};

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
