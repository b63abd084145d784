#pragma once
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace testing_support {

// A fresh directory under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir() { std::filesystem::create_directories(path_); }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  const std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                      ("yelduman-test-" + std::to_string(std::random_device{}()) +
                                       std::to_string(std::random_device{}()));
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace testing_support
