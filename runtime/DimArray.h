// A one-dimensional array addressed from 1, as the program's arrays are.
#pragma once

#include <vector>

#include "runtime/FatalError.h"

namespace getlink {

template <class T>
class DimArray {
 public:
  DimArray() = default;  // no dimension: ElementCount is 0
  explicit DimArray(int count) : elements_(count > 0 ? count : 0) {}

  int ElementCount() const { return static_cast<int>(elements_.size()); }

  // Element `index` (1-based). Below 1 is fatal error 4, above the count fatal error 1.
  T& operator[](int index) { return elements_[Checked(index)]; }
  const T& operator[](int index) const { return elements_[Checked(index)]; }

  auto begin() { return elements_.begin(); }
  auto end() { return elements_.end(); }
  auto begin() const { return elements_.begin(); }
  auto end() const { return elements_.end(); }

 private:
  std::size_t Checked(int index) const {
    if (index < 1) FatalError(FatalErrorNumber::IndexBelowOne);
    if (index > ElementCount()) FatalError(FatalErrorNumber::IndexAboveCount);
    return static_cast<std::size_t>(index - 1);
  }

  std::vector<T> elements_;
};

template <class T>
int ElementCount(const DimArray<T>& array) {
  return array.ElementCount();
}

}  // namespace getlink
