// A real framework window for tests: created, attached and shown (without animation),
// with helpers that drive it like a user would (mouse and keyboard messages) and a
// control that records every event it receives.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "runtime/MessagePump.h"
#include "tests/support/PumpUntil.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink::testing {

// A control that paints itself in one colour and records its events.
class RecordingControl : public UiControl {
 public:
  explicit RecordingControl(Argb colour = MakeArgb(255, 200, 40, 40)) : colour_(colour) {}
  ~RecordingControl() override { Destroy(); }

  bool Create(ControlHost host, const Rect& rect, CreateControlOptions options = {}) {
    return UiControl::Create(host, rect, ControlType::Button, options);
  }

  // Events received, in order.
  std::vector<ControlEvent> events;
  // How many events with this code arrived.
  int Count(EventCode code) const;
  // The codes received, in order, leaving out paints, timers and the window's questions
  // while composing.
  std::vector<EventCode> Codes() const;
  void Clear() { events.clear(); }

  // Answers for the framework's questions; kNotHandled leaves the default.
  int queryPressAnswer = kNotHandled;
  int queryDimmingAnswer = kNotHandled;
  // Runs inside OnEvent for every event, after it is recorded.
  std::function<void(const ControlEvent&)> onEvent;
  // Another colour, painted in the window's next flush.
  void SetColour(Argb colour) {
    colour_ = colour;
    Repaint();
  }

  using UiControl::BeginControlPaint;
  using UiControl::EndControlPaint;
  using UiControl::StartTimer;
  using UiControl::StopTimer;

 protected:
  int OnEvent(const ControlEvent& event) override;
  int OnPaint() override;
  int QueryPress() override { return queryPressAnswer; }
  int QueryDimming() override { return queryDimmingAnswer; }

 private:
  Argb colour_;
};

// One attached, shown framework window per test.
class WindowTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 450;
  static constexpr int kHeight = 320;

  void SetUp() override;
  void TearDown() override;

  // Re-creates the window with other options (the default: layered, opacity 255,
  // close and minimise buttons, animations off, no dragging).
  void Reopen(AttachWindowOptions options);
  static AttachWindowOptions DefaultOptions();

  HWND hwnd() const { return hwnd_; }
  UiWindow& window() { return *window_; }

  // Lets posted messages and due timers run, for about `ms` milliseconds at the least.
  // (PumpUntil, for what the system does in its own time, is tests/support/PumpUntil.h.)
  static void Pump(int ms = 0) { PumpMessagesFor(ms); }
  void MouseMove(int x, int y);
  void LeftDown(int x, int y);
  void LeftUp(int x, int y);
  void Click(int x, int y);
  void DoubleClick(int x, int y);
  void RightClick(int x, int y);
  void Key(WPARAM key);
  // Tells the window its DPI is now `dpi` (as a move to another monitor does), with its
  // size at that DPI as the suggested place.
  void ChangeDpi(int dpi);
  // The canvas pixel (straight ARGB) after everything queued has been composed.
  Argb CanvasPixel(int x, int y);
  // The control's own pixels once the window has painted what was asked for.
  const Surface& SurfaceOf(const UiControl& control);

  // The ways a press ends without its release, as the system does them.
  enum class PressCut { AnotherWindowActivated, CancelMode, CaptureTaken };
  static constexpr PressCut kPressCuts[] = {PressCut::AnotherWindowActivated, PressCut::CancelMode,
                                            PressCut::CaptureTaken};
  static const char* Describe(PressCut cut);
  // Cuts the press the window holds short in that way; the window is active again after.
  // Only the first way takes the activation from the window.
  void CutPress(PressCut cut);

  // Messages that reached the window's message hook, in order.
  std::vector<MSG> hooked;
  // The hook answers this for these messages (to keep e.g. the system's move loop away).
  std::vector<std::pair<UINT, int>> hookAnswers = {{WM_NCLBUTTONDOWN, 0}};
  int HookedCount(UINT msg, std::function<bool(const MSG&)> match = {}) const;

 private:
  void Open(const AttachWindowOptions& options);
  void Close();

  HWND hwnd_ = nullptr;
  std::unique_ptr<UiWindow> window_;
};

}  // namespace getlink::testing
