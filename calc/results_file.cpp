#include "calc/results_file.h"

#include <cerrno>
#include <system_error>

namespace calc {
namespace {

// Creates or empties the file for binary output: the caller writes the line
// ends as CR LF, byte for byte.
std::FILE* CreateForWriting(const std::filesystem::path& path) {
#ifdef _WIN32
  // A Windows path is UTF-16; the narrow fopen would take it through the
  // ANSI code page and lose names such as "Öğrenci Çalışmaları".
  return _wfopen(path.c_str(), L"wb");
#else
  return std::fopen(path.c_str(), "wb");
#endif
}

}  // namespace

ResultsFile::~ResultsFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool ResultsFile::open(const std::filesystem::path& path) {
  if (file_ != nullptr) close();
  error_.reset();
  file_ = CreateForWriting(path);
  if (file_ == nullptr) {
    int err = errno;
    // Windows refuses a folder in the file's place as an access it denies;
    // the student is told what is really in the way.
    std::error_code ec;
    if (err == EACCES && std::filesystem::is_directory(path, ec)) err = EISDIR;
    fail(err);
    return false;
  }
  return true;
}

bool ResultsFile::write(std::string_view bytes) {
  if (file_ == nullptr) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() || std::ferror(file_)) {
    fail(errno);
    return false;
  }
  return true;
}

bool ResultsFile::flush() {
  if (file_ == nullptr) return false;
  if (std::fflush(file_) != 0) {
    fail(errno);
    return false;
  }
  return true;
}

bool ResultsFile::close() {
  if (file_ == nullptr) return !error_;
  // The last buffer reaches the disk only here, so a full disk often shows
  // at this point and not at any earlier write.
  const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
  const int flushErr = errno;
  const bool closed = std::fclose(file_) == 0;
  const int closeErr = errno;
  file_ = nullptr;
  if (!flushed) fail(flushErr);
  else if (!closed) fail(closeErr);
  return flushed && closed;
}

void ResultsFile::fail(int err) {
  if (!error_) error_ = err;
}

}  // namespace calc
