// The caption row of a framework window: the window's icon at the top left, its title
// beside it, and the caption buttons at the top right (close, maximise, minimise and four
// buttons of the application). They are ordinary controls of the window; the bar creates
// them, owns them and places them for the window's width. Its geometry lives here alone.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/Text.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

class UiCaptionButton;
class UiCaptionTitle;
class UiPicture;

// Bits of a window's caption flags: which caption controls Attach builds.
enum class CaptionFlag : int {
  Icon = 1,
  Title = 2,
  Close = 4,
  Maximise = 8,
  Minimise = 16,
  Extra1 = 32,
  Extra2 = 64,
  Extra3 = 128,
  Extra4 = 256,
  EdgeShadow = 512,  // always set by Attach
  FromStyle = 1024,  // derive the buttons from the window style
};
constexpr int operator|(CaptionFlag a, CaptionFlag b) { return static_cast<int>(a) | static_cast<int>(b); }
constexpr int operator|(int a, CaptionFlag b) { return a | static_cast<int>(b); }

class CaptionBar {
 public:
  // Lays out by the caption section of `style`, which must outlive the bar.
  explicit CaptionBar(const UiStyle& style);
  CaptionBar(const CaptionBar&) = delete;
  CaptionBar& operator=(const CaptionBar&) = delete;
  ~CaptionBar();

  // Creates the controls `flags` ask for on the attached window `host`, in their places
  // for its width; the title shows the window's text.
  void Build(HWND host, int flags, int width);
  // Places the controls for a new width: the buttons right to left from the right edge,
  // the title between the icon and the buttons.
  void Layout(int width);
  // After a DPI change: the icon at the style's place and size, showing the window's small
  // icon (SetWindowIcons has made it one for the new DPI).
  void ShowNewIcon();
  // The narrowest window that still has room for the whole row.
  int MinimumWidth() const;
  // Destroys the controls.
  void Clear();

  std::vector<UiCaptionButton*> Buttons() const;
  // The visible button under a window point, or null. The buttons are the window's frame:
  // they lie above every control the application places (a title label as wide as the
  // window), whatever order the controls were made in, for the pointer and for a screen
  // reader's hit test alike.
  UiCaptionButton* ButtonAt(float x, float y) const;
  UiPicture* Icon() const { return icon_.get(); }
  UiCaptionTitle* Title() const { return title_.get(); }
  void SetTitle(Text text);

 private:
  bool Has(CaptionFlag flag) const { return (flags_ & static_cast<int>(flag)) != 0; }
  std::size_t ButtonCount() const;
  // Where the row of buttons ends on the right and begins on the left, and the left edge
  // of the button at `index` (the first one is rightmost).
  float RowRight(int width) const;
  float RowLeft(int width) const;
  float ButtonLeft(std::size_t index, int width) const;
  Rect ButtonRect(std::size_t index, CaptionButtonKind kind, int width) const;
  Rect TitleRect(int width) const;

  const UiStyle& style_;
  int flags_ = 0;
  std::vector<std::unique_ptr<UiCaptionButton>> buttons_;  // in creation order, right to left
  std::unique_ptr<UiPicture> icon_;
  std::unique_ptr<UiCaptionTitle> title_;
};

}  // namespace getlink
