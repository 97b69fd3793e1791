#include "ui/framework/drawing/Image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "runtime/WinHandles.h"

namespace getlink {
namespace {

const unsigned char kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// The frame dimension of animations, FrameDimensionTime.
const GUID kTimeDimension = {0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};

constexpr PROPID kFrameDelayProperty = 0x5100;
constexpr WORD kPropertyTypeLong = 4;
constexpr WORD kPropertyTypeSignedLong = 9;

}  // namespace

Image& Image::operator=(Image&& other) noexcept {
  // Through a temporary, so that the old image goes before the stream it was read from.
  Image taken(std::move(other));
  std::swap(stream_, taken.stream_);
  std::swap(image_, taken.image_);
  return *this;
}

int Image::Width() const { return ImageWidth(image_.get()); }
int Image::Height() const { return ImageHeight(image_.get()); }

Image LoadImageFromBytes(const ByteSet& bytes, PngSignature signature) {
  const std::size_t prefix = signature == PngSignature::Prepend ? sizeof kPngSignature : 0;
  const std::size_t size = prefix + bytes.size();
  Image image;
  if (size == 0) return image;
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  if (memory == nullptr) return image;
  {
    const GlobalLockScope lock(memory.get());
    if (lock.data() == nullptr) return image;
    auto* data = static_cast<unsigned char*>(lock.data());
    if (prefix != 0) std::memcpy(data, kPngSignature, prefix);
    if (!bytes.empty()) std::memcpy(data + prefix, bytes.data(), bytes.size());
  }
  if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, image.stream_.Put()))) return image;
  memory.release();  // the stream frees the block with its last reference
  GpImage* decoded = nullptr;
  if (gdip::GdipLoadImageFromStream(image.stream_.Get(), &decoded) != Gdiplus::Ok || decoded == nullptr) {
    image.stream_.Reset();
    return image;
  }
  image.image_.reset(decoded);
  return image;
}

void FreeImage(Image& image) {
  image.image_.reset();
  image.stream_.Reset();
}

int ImageWidth(GpImage* image) {
  UINT width = 0;
  if (image != nullptr) gdip::GdipGetImageWidth(image, &width);
  return static_cast<int>(width);
}

int ImageHeight(GpImage* image) {
  UINT height = 0;
  if (image != nullptr) gdip::GdipGetImageHeight(image, &height);
  return static_cast<int>(height);
}

int ImageFrameCount(GpImage* image) {
  if (image == nullptr) return 0;
  UINT count = 0;
  if (gdip::GdipImageGetFrameCount(image, &kTimeDimension, &count) != Gdiplus::Ok) return 1;
  return count == 0 ? 1 : static_cast<int>(count);
}

std::vector<int> ImageFrameDelays(GpImage* image) {
  std::vector<int> delays;
  UINT size = 0;
  if (image == nullptr || gdip::GdipGetPropertyItemSize(image, kFrameDelayProperty, &size) != Gdiplus::Ok ||
      size < sizeof(Gdiplus::PropertyItem))
    return delays;
  // PropertyItem points into the same block, just after itself.
  std::vector<unsigned char> block(size);
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(block.data());
  if (gdip::GdipGetPropertyItem(image, kFrameDelayProperty, size, item) != Gdiplus::Ok) return delays;
  if ((item->type != kPropertyTypeLong && item->type != kPropertyTypeSignedLong) || item->length == 0 ||
      item->value == nullptr)
    return delays;
  const auto* begin = static_cast<const unsigned char*>(item->value);
  // Never past the block, whatever length the decoder claims.
  const std::size_t available = block.data() + block.size() - begin;
  const std::size_t count = std::min<std::size_t>(item->length, available) / 4;
  for (std::size_t i = 0; i < count; ++i) {
    std::int32_t delay;
    std::memcpy(&delay, begin + i * 4, 4);
    delays.push_back(delay);
  }
  return delays;
}

void SelectFrame(GpImage* image, int index) {
  if (image != nullptr && index >= 0) gdip::GdipImageSelectActiveFrame(image, &kTimeDimension, static_cast<UINT>(index));
}

ColorRef AverageColour(GpImage* image, std::optional<Rect> area) {
  const int width = ImageWidth(image), height = ImageHeight(image);
  // Whole pixels of the area that lie on the image.
  const PixelBox box = CoveringPixels(area.value_or(RectOf(0, 0, width, height)));
  const int left = std::max(0, box.left);
  const int top = std::max(0, box.top);
  const int right = std::min(width, box.right);
  const int bottom = std::min(height, box.bottom);
  if (right <= left || bottom <= top) return 0;

  Gdiplus::Rect lockArea(left, top, right - left, bottom - top);
  Gdiplus::BitmapData data = {};
  auto* bitmap = static_cast<GpBitmap*>(image);  // every raster image GDI+ decodes is a bitmap
  if (gdip::GdipBitmapLockBits(bitmap, &lockArea, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) !=
      Gdiplus::Ok)
    return 0;
  // Premultiplied values are the colours as they would look on black.
  unsigned long long red = 0, green = 0, blue = 0;
  for (UINT y = 0; y < data.Height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const unsigned char*>(data.Scan0) +
                                                             static_cast<std::ptrdiff_t>(y) * data.Stride);
    for (UINT x = 0; x < data.Width; ++x) {
      red += (row[x] >> 16) & 0xFF;
      green += (row[x] >> 8) & 0xFF;
      blue += row[x] & 0xFF;
    }
  }
  const unsigned long long count = static_cast<unsigned long long>(data.Width) * data.Height;
  gdip::GdipBitmapUnlockBits(bitmap, &data);
  return MakeColorRef(static_cast<int>(red / count), static_cast<int>(green / count), static_cast<int>(blue / count));
}

Argb PixelAt(GpBitmap* bitmap, int x, int y) {
  if (bitmap == nullptr || x < 0 || y < 0) return 0;
  Gdiplus::ARGB colour = 0;
  if (gdip::GdipBitmapGetPixel(bitmap, x, y, &colour) != Gdiplus::Ok) return 0;
  return colour;
}

}  // namespace getlink
