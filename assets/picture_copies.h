#pragma once
// Inside the pictures library: which copies of each picture are embedded.

#include <QString>

#include <array>

namespace pictures {

// A picture's copies by resolution: at(k) holds k device pixels to the
// picture pixel in each direction, for k from 1 to largestScale().
class Copies {
 public:
  constexpr Copies(const char* one, const char* two, const char* three = nullptr)
      : paths_{one, two, three} {}

  int largestScale() const { return paths_[2] != nullptr ? 3 : paths_[1] != nullptr ? 2 : 1; }
  QString at(int scale) const { return QString::fromLatin1(paths_[scale - 1]); }
  bool isNamed(const QString& resource) const { return resource == QLatin1String(paths_[0]); }

 private:
  std::array<const char*, 3> paths_;
};

// The copies of the picture stored under `resource` (its copy at one device
// pixel to the pixel), or null for any other path.
const Copies* FindCopies(const QString& resource);

// The window and program icon's copies.
const Copies& StackIconCopies();

}  // namespace pictures
