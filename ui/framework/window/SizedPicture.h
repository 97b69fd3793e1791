// A window's background picture at the size the window shows it: scaled from its source
// once per size and kept, so that each paint draws it pixel for pixel instead of scaling
// it again.
#pragma once

#include "ui/framework/drawing/GdiplusHandles.h"

namespace getlink {

class SizedPicture {
 public:
  // `source` at `width` x `height`: the source itself at its own size, else the kept copy,
  // made again when the source or the size changed. Null for no source or an empty size.
  GpImage* At(GpImage* source, int width, int height);
  // Forgets the copy (its source is going away).
  void Reset();

 private:
  GpImage* source_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  UniqueBitmap scaled_;
};

}  // namespace getlink
