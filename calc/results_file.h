#pragma once
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

namespace calc {

// The results file's name, in the working directory; the messages to the
// user name it from here.
inline constexpr std::string_view kResultsFileName = "yelduman.txt";

// The results file, open for sequential output for the length of one run.
// Writes are checked where a failure shows: after every line and at the
// final flush and close (a buffered write fails only when flushed).
class ResultsFile {
 public:
  ResultsFile() = default;
  ~ResultsFile();
  ResultsFile(const ResultsFile&) = delete;
  ResultsFile& operator=(const ResultsFile&) = delete;

  // Creates or empties the file. False, with the reason in error(), when
  // it cannot be created.
  bool open(const std::filesystem::path& path);
  bool write(std::string_view bytes);
  // Pushes what is buffered to the file, so that a failure shows now.
  bool flush();
  // Flushes and closes; false when the data did not all reach the file.
  bool close();
  // The system's error number (errno) of the first failure since open.
  const std::optional<int>& error() const { return error_; }

 private:
  void fail(int err);
  std::FILE* file_ = nullptr;
  std::optional<int> error_;
};

}  // namespace calc
