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
  if (right <= left || bottom <= top) return ColorRef();

  auto* bitmap = static_cast<GpBitmap*>(image);  // every raster image GDI+ decodes is a bitmap
  const BitmapBitsLock pixels(bitmap, {left, top, right - left, bottom - top}, Gdiplus::ImageLockModeRead,
                              PixelFormat32bppPARGB);
  if (!pixels) return ColorRef();
  // Premultiplied values are the colours as they would look on black.
  unsigned long long red = 0, green = 0, blue = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    const std::uint32_t* row = pixels.Row(y);
    for (int x = 0; x < pixels.Width(); ++x) {
      red += (row[x] >> 16) & 0xFF;
      green += (row[x] >> 8) & 0xFF;
      blue += row[x] & 0xFF;
    }
  }
  const unsigned long long count = static_cast<unsigned long long>(pixels.Width()) * pixels.Height();
  return MakeColorRef(static_cast<int>(red / count), static_cast<int>(green / count), static_cast<int>(blue / count));
}

namespace {

// Where a target pixel's centre falls between two source pixels along one axis: the
// pair and the weight of the second, in 256ths (the pixel centres of both images meet
// as GDI+ lays them when it stretches with half-pixel offsets).
struct Tap {
  int first;
  int second;
  std::uint32_t weight;
};

std::vector<Tap> Taps(int sourceLength, int targetLength) {
  std::vector<Tap> taps(static_cast<std::size_t>(targetLength));
  const double step = static_cast<double>(sourceLength) / targetLength;
  for (int i = 0; i < targetLength; ++i) {
    const double at = std::clamp((i + 0.5) * step - 0.5, 0.0, static_cast<double>(sourceLength - 1));
    const int first = static_cast<int>(at);
    taps[static_cast<std::size_t>(i)] = {first, std::min(first + 1, sourceLength - 1),
                                         static_cast<std::uint32_t>(std::lround((at - first) * 256))};
  }
  return taps;
}

// Each 8-bit channel of a and b mixed, b weighing `weight` 256ths.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
  std::uint32_t mixed = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    mixed |= ((ca * (256 - weight) + cb * weight + 128) >> 8) << shift;
  }
  return mixed;
}

}  // namespace

UniqueBitmap ScaledImage(GpImage* image, int width, int height) {
  const int sourceWidth = ImageWidth(image), sourceHeight = ImageHeight(image);
  if (width < 1 || height < 1 || sourceWidth < 1 || sourceHeight < 1) return nullptr;
  GpBitmap* raw = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB, nullptr, &raw) != Gdiplus::Ok)
    return nullptr;
  UniqueBitmap scaled(raw);
  const BitmapBitsLock source(static_cast<GpBitmap*>(image), {0, 0, sourceWidth, sourceHeight},
                              Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB);
  const BitmapBitsLock target(scaled.get(), {0, 0, width, height}, Gdiplus::ImageLockModeWrite,
                              PixelFormat32bppPARGB);
  if (!source || !target) return nullptr;
  const std::vector<Tap> columns = Taps(sourceWidth, width);
  const std::vector<Tap> rows = Taps(sourceHeight, height);
  for (int y = 0; y < height; ++y) {
    const Tap& row = rows[static_cast<std::size_t>(y)];
    const std::uint32_t* upper = source.Row(row.first);
    const std::uint32_t* lower = source.Row(row.second);
    std::uint32_t* out = target.Row(y);
    for (int x = 0; x < width; ++x) {
      const Tap& column = columns[static_cast<std::size_t>(x)];
      out[x] = Mix(Mix(upper[column.first], upper[column.second], column.weight),
                   Mix(lower[column.first], lower[column.second], column.weight), row.weight);
    }
  }
  return scaled;
}

Argb PixelAt(GpBitmap* bitmap, int x, int y) {
  if (bitmap == nullptr || x < 0 || y < 0) return Argb();
  Gdiplus::ARGB colour = 0;
  if (gdip::GdipBitmapGetPixel(bitmap, x, y, &colour) != Gdiplus::Ok) return Argb();
  return Argb(colour);
}

ByteSet EncodePng(GpImage* image) {
  // GDI+'s built-in PNG encoder.
  const CLSID png = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  IStream* created = nullptr;
  if (image == nullptr || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &created))) return {};
  const ComPtr<IStream> stream(created);
  if (gdip::GdipSaveImageToStream(image, stream.Get(), &png, nullptr) != Gdiplus::Ok) return {};
  STATSTG stat = {};
  stream->Stat(&stat, STATFLAG_NONAME);
  ByteSet bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
  const LARGE_INTEGER start = {};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  bytes.resize(read);
  return bytes;
}

}  // namespace getlink
