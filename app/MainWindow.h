// The program's main window and everything in it: the background picture, the title, the
// service combo box, the link and result boxes, the fetch button and the status strip; the
// fetch they start and the question before the window closes.
//
//   Zolmar网盘外链获取器                                  _  x
//   请  ┌ link box ─────────────────────┐ [百度网盘  v]
//   输：│                               │ [ 开始获取 ]
//   入  └───────────────────────────────┘
//   ┌ result box ──────────────────────────────────────┐
//   │ 文件名：…                                        │
//   └──────────────────────────────────────────────────┘
//   status strip: the description line, a fetch's progress, or why it failed
//
// Everything here runs on the window's thread. A fetch runs on a worker (FetchCommand.h),
// one at a time: the button shows "正在获取…" and takes no clicks until it is done.
#pragma once

#include <windows.h>

#include <functional>

#include "app/FetchCommand.h"
#include "app/ShareInfo.h"
#include "ui/controls/UiComboBox.h"
#include "ui/controls/UiEdit.h"
#include "ui/controls/UiGroupBox.h"
#include "ui/controls/UiLabel.h"
#include "ui/framework/window/UiButton.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

class MainWindow {
 public:
  // How a click starts the fetch's worker (StartFetchCommand; tests give others).
  using FetchStarter = std::function<bool(FetchRequest request, ControlAddress reporter)>;

  explicit MainWindow(FetchStarter startFetch = StartFetchCommand) : startFetch_(std::move(startFetch)) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  // The window goes first, and every control with it; then the objects themselves.
  ~MainWindow();

  // Creates the window (background picture res\ym.jpg beside the executable; without it the
  // plain fill) and its controls, binds the fetch button and the exit confirmation, and
  // shows the window with its opening effect. The framework must have started. False when
  // the window could not be made.
  bool Open();

  HWND Hwnd() const { return window_.Hwnd(); }
  bool Fetching() const { return fetching_; }

  // The controls, as a user meets them.
  UiComboBox& ServiceBox() { return serviceBox_; }
  UiEdit& LinkBox() { return linkBox_; }
  UiEdit& ResultBox() { return resultBox_; }
  UiButton& FetchButton() { return fetchButton_; }
  UiLabel& StatusLine() { return statusLine_; }

 private:
  void CreateControls(HWND hwnd);
  // The window's message hook: asks before the window closes, ends the message loop when
  // it is destroyed.
  int ConfirmExit(UINT message);
  bool UserConfirmsExit();

  void StartFetch();
  void ShowProgress(const FetchProgress& progress);
  void FinishFetch(const FetchOutcome& outcome);
  void SetFetching(bool fetching);
  // A link of a known host in the link box chooses its service.
  void FollowLinkService();
  void ShowStatus(Text line, bool failure);

  // In the order they are made.
  FetchStarter startFetch_;
  UiWindow window_;
  UiGroupBox statusStrip_;
  UiLabel statusLine_;
  UiLabel titleLabel_;
  UiLabel promptLabel_;
  UiComboBox serviceBox_;
  UiEdit linkBox_;
  UiEdit resultBox_;
  UiButton fetchButton_;
  ShareInfo shareInfo_;  // what the last finished fetch found

  Text description_;  // what the status strip says while nothing happens
  bool fetching_ = false;
  bool askingToExit_ = false;
};

}  // namespace getlink
