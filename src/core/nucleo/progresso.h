// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <functional>

namespace quiv {

// The progress bar of an off-line run or a load: passes round(100·i/total)
// on, once per change, so the window repaints at most 101 times.
class Progresso {
 public:
  Progresso(const std::function<void(int)>& destino, double total)
      : destino_(destino), total_(total) {}

  void operator()(double i) {
    if (!destino_ || !(total_ > 0.0)) return;
    const int p = static_cast<int>(std::nearbyint(100.0 * i / total_));
    if (p != ultimo_) destino_(ultimo_ = p);
  }

 private:
  const std::function<void(int)>& destino_;
  double total_;
  int ultimo_ = -1;
};

}  // namespace quiv
