#pragma once

namespace testing_support {

// The k-th downwind distance of a run in km: 0.1, then 0.1 added k - 1
// times, never k * 0.1. The 3rd is 0.30000000000000004, the 10th
// 0.9999999999999999, the 31st 3.1000000000000014.
inline double GridDistance(int k) {
  double X = 0.1;
  for (int i = 1; i < k; ++i) X += 0.1;
  return X;
}

}  // namespace testing_support
