#include "ui/framework/window/SizedPicture.h"

#include "ui/framework/drawing/Image.h"

namespace getlink {

GpImage* SizedPicture::At(GpImage* source, int width, int height) {
  if (source == nullptr || width < 1 || height < 1) return nullptr;
  if (ImageWidth(source) == width && ImageHeight(source) == height) return source;
  if (source != source_ || width != width_ || height != height_ || scaled_ == nullptr) {
    scaled_ = ScaledImage(source, width, height);
    source_ = source;
    width_ = width;
    height_ = height;
  }
  return scaled_ != nullptr ? scaled_.get() : source;
}

void SizedPicture::Reset() {
  scaled_.reset();
  source_ = nullptr;
}

}  // namespace getlink
