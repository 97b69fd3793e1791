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
//   status strip: the description line, a fetch's progress, or why it failed (a reason
//   too long for it elided in the middle of its address, whole in the tooltip)
//
// The fetch button, or Ctrl+Enter in the link box, starts a fetch.
// The result box's context menu adds "复制下载地址" and "发送到 aria2" to the edit boxes'
// own items, both available once the last fetch found an address; the send goes to aria2
// where getlink.ini beside the program says it listens (read when the window opens). The
// service list holds the built-in services, then those of the rule files in the folder
// services beside the program (read when the window opens; a file that cannot be used is
// told in the status strip).
//
// Everything here runs on the window's thread. A fetch runs on a worker (FetchCommand.h),
// one at a time: the button shows "正在获取…" and takes no clicks until it is done. A send
// to aria2 runs on a worker too (Aria2SendCommand.h), one at a time: its item is not
// available while one runs.
#pragma once

#include <windows.h>

#include <functional>

#include "app/Aria2SendCommand.h"
#include "app/FetchCommand.h"
#include "app/ShareInfo.h"
#include "ui/controls/UiComboBox.h"
#include "ui/controls/UiEdit.h"
#include "ui/controls/UiGroupBox.h"
#include "ui/controls/UiLabel.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

// What the window reaches outside itself: the program takes the defaults, tests give others.
struct MainWindowWorld {
  // How a click starts the fetch's worker.
  std::function<bool(FetchRequest request, ControlAddress reporter)> startFetch = StartFetchCommand;
  // How the result box's menu starts the send's worker.
  std::function<bool(Aria2SendRequest request, ControlAddress reporter)> startSend = StartAria2SendCommand;
  Text settingsPath;  // getlink.ini; empty: the one beside the program
  Text servicesFolder;  // the service rule files; empty: the folder services beside the program
};

class MainWindow {
 public:
  explicit MainWindow(MainWindowWorld world = {}) : world_(std::move(world)) {}
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
  bool Sending() const { return sending_; }

  // The controls, as a user meets them.
  UiComboBox& ServiceBox() { return serviceBox_; }
  UiEdit& LinkBox() { return linkBox_; }
  UiEdit& ResultBox() { return resultBox_; }
  UiButton& FetchButton() { return fetchButton_; }
  UiLabel& StatusLine() { return statusLine_; }

 private:
  void CreateControls(HWND hwnd);
  // Fits the description line to the status line at the window's DPI.
  void FitDescriptionAgain();
  // The window's message hook: asks before the window closes, ends the message loop when
  // it is destroyed, fetches on Ctrl+Enter in the link box.
  int OnMessage(UINT message, WPARAM wparam);
  bool UserConfirmsExit();

  void StartFetch();
  void ShowProgress(const FetchProgress& progress);
  void FinishFetch(const FetchOutcome& outcome);
  void SetFetching(bool fetching);
  // A link of a known host in the link box chooses its service.
  void FollowLinkService();
  void ShowStatus(Text line, bool failure);

  // The result box's own menu items, and what they do with the last fetch's address.
  std::vector<EditMenuExtra> ResultMenuExtras();
  void CopyAddress();
  void StartSend();
  void FinishSend(const Aria2Outcome& outcome);

  // In the order they are made.
  MainWindowWorld world_;
  Aria2Settings aria2_;  // where aria2 listens: getlink.ini, read when the window opens
  ServiceCatalog services_;  // the built-in services and the rule files', read when the window opens
  UiWindow window_;
  UiLabel titleLabel_;
  UiLabel promptLabel_;
  UiEdit linkBox_;
  UiComboBox serviceBox_;
  UiButton fetchButton_;
  UiEdit resultBox_;
  UiGroupBox statusStrip_;
  UiLabel statusLine_;
  ShareInfo shareInfo_;  // what the last finished fetch found

  Text description_;  // what the status strip says while nothing happens
  bool fetching_ = false;
  bool sending_ = false;
  bool askingToExit_ = false;
};

}  // namespace getlink
