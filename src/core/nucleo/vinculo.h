// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quiv {

// The plant (or owner) an object belongs to. Copying an object's state into
// another object never moves that object to another plant: assignment leaves
// the binding alone, and there is no copy construction (a copy is built in its
// own plant, then assigned the original's state).
template <class T>
class Vinculo {
 public:
  explicit Vinculo(T& alvo) : alvo_(&alvo) {}
  Vinculo(const Vinculo&) = delete;
  Vinculo& operator=(const Vinculo&) { return *this; }

  T& operator*() const { return *alvo_; }
  T* operator->() const { return alvo_; }
  operator T&() const { return *alvo_; }  // NOLINT(google-explicit-constructor)

 private:
  T* alvo_;
};

}  // namespace quiv
