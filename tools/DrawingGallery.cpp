// The drawing gallery: one window that shows every skin image and drawing function of
// the framework the way the program will use them, to be looked at by a person.
//
//   1. a mock-up of the main window (background picture, caption buttons, labels with
//      glow, the service combo box) drawn at the window's opacity
//   2. the caption-button sprite on dark, light and picture backgrounds, also enlarged
//   3. a mock-up of the exit message box and the icon strip
//   4. the combo box in its states, the menu with its check mark
//   5. text in each effect, gradients, rounded shapes and border styles, the program icon
#include <windows.h>

#include <string>

#include "runtime/Files.h"
#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/Surface.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"

namespace getlink {
namespace {

constexpr int kWidth = 1180;
constexpr int kHeight = 760;

const Argb kBlack = MakeArgb(254, 0, 0, 0);
const Argb kWhite = MakeArgb(254, 255, 255, 255);
const Argb kHeading = MakeArgb(230, 40, 48, 60);

struct Gallery {
  Image picture;
  Image sprite;
  Image messageSkin;
  Image messageIcons;
  Image comboSkin;
  Image comboArrow;
  Image check;
  UniqueFont labelFont;   // "微软雅黑", bold, as the main window's labels
  UniqueFont headingFont;
  TextFormat plain;
  TextFormat menuFormat;
};

void Heading(const Gallery& g, GpGraphics* graphics, float x, float y, const char* text) {
  DrawText(graphics, Rect{x, y, 560, 20}, text, g.headingFont.get(), kHeading, g.plain.Handle());
}

void FillRect(GpGraphics* graphics, const Rect& rect, Argb colour) {
  const UniqueBrush brush = SolidBrush(colour);
  gdip::GdipFillRectangle(graphics, brush.get(), rect.left, rect.top, rect.width, rect.height);
}

void DrawCaptionButton(const Gallery& g, GpGraphics* graphics, CaptionButtonKind kind, int state, float right,
                       float top) {
  const Rect cell = CaptionButtonCell(kind, state, false);
  DrawImagePart(graphics, g.sprite.Get(), cell, Rect{right - cell.width, top, cell.width, cell.height});
}

void DrawCombo(const Gallery& g, GpGraphics* graphics, const Rect& r, bool hot, bool open, const char* text) {
  DrawImageNineGrid(graphics, g.comboSkin.Get(), ComboBoxSkinFrame(hot || open), r, Margins{5, 5, 5, 5}, 244);
  DrawImagePart(graphics, g.comboArrow.Get(), ComboBoxArrowFrame(open),
                Rect{r.Right() - 22, r.top + (r.height - 22) / 2, 19, 22});
  const float fontHeight = FontHeight(DefaultFont());
  DrawText(graphics, Rect{r.left + 4, r.top + (r.height - fontHeight - 3) / 2 + 3, r.width - 24, r.height - 8}, text,
           DefaultFont(), MakeArgb(210, 0, 0, 0), g.plain.Handle());
}

// 1. The main window, 450 x 320, composed the way the host window will compose it.
void DrawMainWindow(const Gallery& g, GpGraphics* target, float left, float top) {
  const float w = 450, h = 320;
  Surface window(450, 320);
  GpGraphics* graphics = window.Graphics();
  ClipToRoundRect(graphics, Rect{6, 6, w - 11, h - 11}, 8);
  FillRect(graphics, Rect{0, 0, w, h}, MakeColor(AverageColour(g.picture.Get())));
  DrawImageAlpha(graphics, g.picture.Get(), Rect{5, 5, w - 10, h - 10});
  ResetClip(graphics);
  OutlineRoundRect(graphics, Rect{6, 6, w - 12, h - 12}, 7, MakeArgb(204, 0x60, 0x60, 0x60));
  OutlineRoundRect(graphics, Rect{7, 7, w - 14, h - 14}, 6, MakeArgb(102, 255, 255, 255));
  const int shadow[] = {45, 25, 10, 5};
  for (int i = 0; i < 4; ++i)
    OutlineRoundRect(graphics, Rect{5.0f - i, 5.0f - i, w - 10 + 2 * i, h - 10 + 2 * i}, 10.0f + 3 * i,
                     MakeArgb(shadow[i], 0, 0, 0));

  DrawCaptionButton(g, graphics, CaptionButtonKind::Close, 0, w - 13, 7);
  DrawCaptionButton(g, graphics, CaptionButtonKind::Minimise, 1, w - 52, 7);

  // status strip and the labels of the main window
  FillRect(graphics, Rect{6, 285, w - 12, 30}, MakeArgb(120, 236, 236, 236));
  DrawText(graphics, Rect{12, 290, 446, 20}, "说明：本程序由Zolmar网提供", g.labelFont.get(), MakeArgb(200, 0, 0, 0),
           g.plain.Handle(), TextEffect::Glow, MakeArgb(20, 0, 0, 0));
  DrawText(graphics, Rect{12, 10, 396, 20}, "Zolmar网盘外链获取器", g.labelFont.get(), MakeArgb(220, 255, 255, 255),
           g.plain.Handle(), TextEffect::Glow, MakeArgb(150, 0, 0, 0));
  DrawText(graphics, Rect{18, 38, 86, 46}, "请\r\n输：\r\n入", g.labelFont.get(), MakeArgb(220, 0, 0, 0),
           g.plain.Handle(), TextEffect::Glow);
  DrawCombo(g, graphics, Rect{350, 36, 80, 24}, false, false, "百度网盘");
  // where the edit boxes and the button will be
  FillRoundRect(graphics, Rect{42, 36, 300, 50}, 6, SolidBrush(MakeArgb(150, 255, 255, 255)).get());
  FillRoundRect(graphics, Rect{20, 90, 410, 180}, 6, SolidBrush(MakeArgb(150, 255, 255, 255)).get());
  DrawText(graphics, Rect{50, 44, 290, 40}, "http://pan.baidu.com/s/1example", DefaultFont(), MakeArgb(230, 0, 0, 0),
           g.plain.Handle());
  DrawText(graphics, Rect{28, 98, 400, 100}, "文件名：示例文件.zip\r\n文件大小：12.5 MB\r\n分享者：某用户",
           DefaultFont(), MakeArgb(230, 0, 0, 0), g.plain.Handle());
  DrawImageAlpha(target, window.Bitmap(), Rect{left, top, w, h}, 220);
}

// 2. The sprite, whole, on three backgrounds, and its first cells enlarged.
void DrawSprite(const Gallery& g, GpGraphics* graphics, float left, float top) {
  const std::optional<Argb> backgrounds[] = {MakeArgb(255, 60, 72, 90), MakeArgb(255, 226, 232, 238), std::nullopt};
  for (int i = 0; i < 3; ++i) {
    const Rect strip{left, top + i * 26.0f, 729, 20};
    if (backgrounds[i]) {
      FillRect(graphics, strip, *backgrounds[i]);
    } else {
      DrawImagePart(graphics, g.picture.Get(), Rect{0, 0, 450, 12}, strip);
    }
    DrawImageAlpha(graphics, g.sprite.Get(), strip);
  }
  // enlarged twice, pixel for pixel, over the picture's sky
  const float y = top + 80;
  DrawImagePart(graphics, g.picture.Get(), Rect{250, 0, 200, 10}, Rect{left, y, 729, 40});
  gdip::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeNearestNeighbor);
  DrawImagePart(graphics, g.sprite.Get(), Rect{0, 0, 364, 20}, Rect{left, y, 728, 40});
  gdip::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeDefault);
}

// 3. The exit confirmation: the default blue skin with the message-box bands, the icon,
//    the message and two buttons; then the whole icon strip.
void DrawMessageBox(const Gallery& g, GpGraphics* target, float left, float top) {
  const float w = 320, h = 150;
  Surface box(320, 150);
  GpGraphics* graphics = box.Graphics();
  ClipToRoundRect(graphics, Rect{6, 6, w - 11, h - 11}, 8);
  FillRect(graphics, Rect{0, 0, w, h}, MakeColor(ColorRef(0xFF8800), 210));
  // the box's background painter
  GpImage* skin = g.messageSkin.Get();
  DrawImagePart(graphics, skin, Rect{0, 0, 1, 96}, Rect{7, 7, w - 14, 96});
  DrawImagePart(graphics, skin, Rect{0, 97, 1, -21}, Rect{7, 103, w - 14, h - 145});
  DrawImagePart(graphics, skin, Rect{0, 129, 1, 31}, Rect{7, h - 42, w - 14, 35});
  DrawImagePart(graphics, g.messageIcons.Get(), MessageBoxIconCell(MessageBoxIcon::Question), Rect{30, 40, 40, 40});
  ResetClip(graphics);
  OutlineRoundRect(graphics, Rect{6, 6, w - 12, h - 12}, 7, MakeArgb(204, 0x60, 0x60, 0x60));
  OutlineRoundRect(graphics, Rect{7, 7, w - 14, h - 14}, 6, MakeArgb(102, 255, 255, 255));
  DrawText(graphics, Rect{11, 11, 200, 18}, "提示：", DefaultFont(), MakeArgb(250, 255, 255, 255), g.plain.Handle());
  DrawCaptionButton(g, graphics, CaptionButtonKind::Close, 0, w - 13, 7);
  DrawText(graphics, Rect{85, 47, 200, 50}, "老衲写的这么辛苦,你真的要\r\n退出程序吗?", DefaultFont(),
           MakeArgb(210, 0, 0, 0), g.plain.Handle());
  const char* captions[] = {"手贱了", "是的"};
  for (int i = 1; i <= 2; ++i) {
    const Rect button{w - 75 * i - 8, h - 35, 70, 24};
    FillRoundRect(graphics, button, 6, SolidBrush(MakeArgb(240, 250, 251, 252)).get());
    OutlineRoundRect(graphics, button, 6, i == 2 ? MakeArgb(254, 38, 122, 214) : MakeArgb(230, 164, 171, 182));
    TextFormat centred;
    centred.SetAlign(Gdiplus::StringAlignmentCenter);
    DrawText(graphics, Rect{button.left, button.top + 5, button.width, 16}, captions[i - 1], DefaultFont(),
             MakeArgb(230, 0, 0, 0), centred.Handle());
  }
  DrawImageAlpha(target, box.Bitmap(), Rect{left, top, w, h});
  DrawImageAlpha(target, g.messageIcons.Get(), Rect{left + 340, top + 10, 200, 40});
  DrawImageAlpha(target, g.messageIcons.Get(), Rect{left + 340, top + 60, 200, 40}, 128);
  DrawText(target, Rect{left + 340, top + 104, 240, 40}, "error, warning, question,\r\ninformation, user (alpha 255, 128)",
           DefaultFont(), kHeading, g.plain.Handle());
}

// 4. Combo boxes (normal, hot, open) and the edit menu with a checked item.
void DrawComboAndMenu(const Gallery& g, GpGraphics* graphics, float left, float top) {
  DrawCombo(g, graphics, Rect{left, top, 80, 24}, false, false, "百度网盘");
  DrawCombo(g, graphics, Rect{left + 90, top, 80, 24}, true, false, "360云盘");
  DrawCombo(g, graphics, Rect{left + 180, top, 120, 30}, false, true, "腾讯微云");
  // the drop-down under the open box: the hot frame as a nine-grid, one row selected
  const Rect list{left + 180, top + 30, 120, 3 * 19 + 6};
  DrawImageNineGrid(graphics, g.comboSkin.Get(), ComboBoxSkinFrame(true), list, Margins{5, 5, 5, 5});
  FillRect(graphics, Rect{list.left + 1, list.top + 3 + 19, list.width - 2, 19}, MakeArgb(190, 0, 96, 192));
  const char* items[] = {"新浪微盘", "Vdisk", "千脑网盘"};
  for (int i = 0; i < 3; ++i)
    DrawText(graphics, Rect{list.left + 6, list.top + 6 + 19.0f * i, 100, 16}, items[i], DefaultFont(),
             i == 1 ? kWhite : MakeArgb(210, 0, 0, 0), g.plain.Handle());

  // the menu painter and the edit boxes' menu, 复制 checked and hot
  float mh = 16;
  for (const EditMenuEntry& entry : kEditMenuEntries) mh += entry.IsSeparator() ? 3 : 22;
  const float mx = left + 330, my = top - 6, mw = 150;
  Rect panel{mx + 6, my + 6, mw - 12, mh - 12};
  FillRoundRect(graphics, panel, 4, SolidBrush(MakeArgb(234, 255, 255, 255)).get());
  OutlineRoundRect(graphics, panel, 4, MakeArgb(125, 0, 0, 0));
  const int shadow[] = {35, 15, 5};
  for (int i = 0; i < 3; ++i) {
    InflateRect(-1, -1, 2, 2, panel);
    OutlineRoundRect(graphics, panel, 7.0f + 3 * i, MakeArgb(shadow[i], 0, 0, 0));
  }
  const Rect stripe{mx + 8, my + 8, 24, mh - 16};
  FillRoundRect(graphics, stripe, 3, SolidBrush(MakeArgb(254, 209, 228, 236)).get());
  OutlineRoundRect(graphics, stripe, 3, MakeArgb(254, 209, 228, 236));
  float y = my + 8;
  for (const EditMenuEntry& entry : kEditMenuEntries) {
    if (entry.IsSeparator()) {
      FillRect(graphics, Rect{mx + 33, y + 1, mw - 40, 1}, MakeArgb(254, 183, 195, 204));
      y += 3;
      continue;
    }
    const bool hot = entry.command == EditCommand::Copy;
    if (hot) FillRect(graphics, Rect{mx + 8, y, mw - 16, 22}, MakeArgb(230, 48, 134, 198));
    if (entry.command == EditCommand::Copy || entry.command == EditCommand::SelectAll)
      DrawImageAlpha(graphics, g.check.Get(), Rect{mx + 10, y + 1, 20, 20});
    DrawText(graphics, Rect{mx + 38, y + 4, mw - 46, 16}, entry.caption, DefaultFont(),
             hot ? MakeArgb(240, 255, 255, 255) : MakeArgb(210, 0, 0, 0), g.menuFormat.Handle());
    y += 22;
  }
}

// 5. Text effects on light and dark ground, gradients, shapes, borders, the icon.
void DrawSamples(const Gallery& g, GpGraphics* graphics, float left, float top) {
  // over the sky of the picture, as the main window's labels stand
  DrawImagePart(graphics, g.picture.Get(), Rect{0, 0, 450, 90}, Rect{left - 290, top, 570, 96});
  const TextEffect effects[] = {TextEffect::None, TextEffect::Glow, TextEffect::Shadow};
  const char* names[] = {"无效果 plain", "发光 glow", "阴影 shadow"};
  for (int i = 0; i < 3; ++i) {
    DrawText(graphics, Rect{left - 290, top + 4 + 30.0f * i, 270, 26}, names[i], g.labelFont.get(), kBlack,
             g.plain.Handle(), effects[i]);
    DrawText(graphics, Rect{left + 10, top + 4 + 30.0f * i, 270, 26}, names[i], g.labelFont.get(), kWhite,
             g.plain.Handle(), effects[i]);
  }
  const Gdiplus::LinearGradientMode modes[] = {Gdiplus::LinearGradientModeHorizontal, Gdiplus::LinearGradientModeVertical,
                                               Gdiplus::LinearGradientModeForwardDiagonal,
                                               Gdiplus::LinearGradientModeBackwardDiagonal};
  for (int i = 0; i < 4; ++i)
    FillGradient(graphics, Rect{left - 290 + 62.0f * i, top + 110, 56, 40}, MakeArgb(254, 38, 122, 214),
                 MakeArgb(254, 236, 240, 244), modes[i]);
  FillRoundRect(graphics, Rect{left, top + 110, 60, 40}, 12, SolidBrush(MakeArgb(200, 52, 156, 120)).get());
  OutlineRoundRect(graphics, Rect{left + 70, top + 110, 60, 40}, 12, MakeArgb(254, 52, 156, 120), 2);
  OutlineRoundRect(graphics, Rect{left + 140, top + 110, 60, 40}, 12, MakeArgb(254, 60, 60, 60), 1,
                   Gdiplus::DashStyleDash);
  FillRect(graphics, Rect{left + 210, top + 110, 60, 40}, MakeArgb(255, 226, 230, 234));
  const BorderStyle styles[] = {BorderStyle::Sunken, BorderStyle::Raised, BorderStyle::Outline, BorderStyle::Focus};
  for (int i = 0; i < 4; ++i) {
    const Rect r{left - 290 + 62.0f * i, top + 162, 56, 30};
    FillRect(graphics, r, MakeArgb(255, 214, 220, 226));
    OutlineRect(graphics, r, styles[i]);
  }
  // the program icon at both sizes (GDI on the surface's device context)
  HICON big = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, 32,
                                            32, LR_SHARED));
  HICON small = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                              16, 16, LR_SHARED));
  gdip::GdipFlush(graphics, Gdiplus::FlushIntentionSync);
  HDC dc = nullptr;
  gdip::GdipGetDC(graphics, &dc);
  DrawIconEx(dc, static_cast<int>(left), static_cast<int>(top + 162), big, 32, 32, 0, nullptr, DI_NORMAL);
  DrawIconEx(dc, static_cast<int>(left + 44), static_cast<int>(top + 170), small, 16, 16, 0, nullptr, DI_NORMAL);
  gdip::GdipReleaseDC(graphics, dc);
}

void Paint(const Gallery& g, HWND window) {
  RECT client;
  GetClientRect(window, &client);
  Surface canvas(client.right, client.bottom);
  if (!canvas) return;
  GpGraphics* graphics = canvas.Graphics();
  canvas.Clear(MakeArgb(255, 233, 237, 241));
  Heading(g, graphics, 20, 8, "1  主窗口 (res\\ym.jpg, 不透明度 220)");
  FillRect(graphics, Rect{14, 30, 462, 332}, MakeArgb(255, 70, 84, 104));  // a desktop behind it
  DrawMainWindow(g, graphics, 20, 36);
  Heading(g, graphics, 500, 8, "2  标题栏按钮 729 x 20 (深色、浅色、图片背景; 放大两倍)");
  DrawSprite(g, graphics, 500, 34);
  Heading(g, graphics, 500, 166, "3  信息框 320 x 150 与图标条 200 x 40");
  DrawMessageBox(g, graphics, 500, 190);
  Heading(g, graphics, 20, 380, "4  组合框 (普通、热点、展开) 与菜单");
  DrawComboAndMenu(g, graphics, 20, 410);
  Heading(g, graphics, 500, 380, "5  文字效果、渐变、圆角、边框、程序图标");
  DrawSamples(g, graphics, 810, 410);
  PaintDc paint(window);
  BitBlt(paint.get(), 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

Gallery* gGallery = nullptr;

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(*gGallery, window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int RunGallery() {
  FrameworkStartup();
  Gallery gallery;
  gallery.picture = LoadImageFromBytes(ReadFileBytes(RunDirectory() + "\\res\\ym.jpg"));
  gallery.sprite = LoadEmbeddedImage(EmbeddedImage::CaptionButtons);
  gallery.messageSkin = LoadEmbeddedImage(EmbeddedImage::MessageBoxSkin);
  gallery.messageIcons = LoadEmbeddedImage(EmbeddedImage::MessageBoxIcons);
  gallery.comboSkin = LoadEmbeddedImage(EmbeddedImage::ComboBoxSkin);
  gallery.comboArrow = LoadEmbeddedImage(EmbeddedImage::ComboBoxArrow);
  gallery.check = LoadEmbeddedImage(EmbeddedImage::MenuCheckMark);
  gallery.labelFont = MakeFont("微软雅黑", 12, FontStyle::Bold);
  gallery.headingFont = MakeFont("微软雅黑", 13, FontStyle::Bold);
  gallery.menuFormat.Create(Gdiplus::StringFormatFlagsNoWrap);
  gallery.menuFormat.SetHotkeyPrefix(Gdiplus::HotkeyPrefixShow);
  gGallery = &gallery;

  UiClassOptions options;
  options.name = "DrawingGallery";
  options.procedure = GalleryProc;
  RegisterUiClass(options);
  RECT frame{0, 0, kWidth, kHeight};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window = CreateWindowExW(0, L"DrawingGallery", L"drawing gallery", WS_OVERLAPPEDWINDOW, 20, 20,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace
}  // namespace getlink

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return getlink::RunGallery(); }
