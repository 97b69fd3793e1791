// Where the main window's controls go: the window's size and each control's rectangle
// (left, top, width, height in the window's client area), in pixels at 96 DPI.
//
//   Zolmar网盘外链获取器 (title)                          _  x
//   请 (prompt)  [link box                     ] [service box]
//   输：         [                             ] [fetch button]
//   入
//   [result box                                              ]
//   status strip, with the status line in it
#pragma once

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

struct MainWindowLayout {
  int width = 450;
  int height = 320;
  Rect statusStrip = {0, 285, 470, 30};
  Rect statusLine = {10, 288, 434, 24};  // inside the window: what does not fit is elided
  Rect title = {10, 8, 400, 24};
  Rect prompt = {16, 36, 90, 50};
  Rect serviceBox = {350, 36, 80, 24};
  Rect linkBox = {42, 36, 300, 50};
  Rect resultBox = {20, 90, 410, 180};
  Rect fetchButton = {350, 64, 80, 24};
};

inline constexpr MainWindowLayout kMainWindowLayout{};

}  // namespace getlink
