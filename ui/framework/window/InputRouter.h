// Turns a window's mouse and keyboard messages into control events: hit testing, hover
// and mouse-leave tracking, press and capture, keyboard focus and Tab order, Enter and
// Space activation, Alt mnemonics, and resizing and moving the borderless window.
//
// Each message is decoded once, here, into a typed event (ControlEvent.h) that goes
// straight to the control; the window's bindings (UiWindow::BindEvent) hear the same event.
//
// The router owns the window's three input pointers - hovered, pressed (holding the
// capture) and focused - and changes each in exactly one function that sends the matching
// leave/enter or lost/gained events. Before it calls out to the application it copies
// what it still needs and clears shared state: a handler may open a modal loop or
// destroy the control.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/framework/window/ControlEvent.h"

namespace getlink {

class UiControl;
class UiWindow;

class InputRouter {
 public:
  explicit InputRouter(UiWindow& window) : window_(window) {}

  UiControl* Focused() const { return focused_; }
  UiControl* Hovered() const { return hovered_; }
  UiControl* Pressed() const { return pressed_; }
  UiControl* KeyboardFocus() const { return keyboardFocus_; }
  bool Pressing() const { return pressed_ != nullptr; }

  // The deepest visible, enabled control under a window point, or null; a caption button
  // before any control of the application (CaptionBar::ButtonAt).
  UiControl* HitTest(float x, float y) const;

  // Mouse buttons and moves (client coordinates in lparam).
  void OnMouse(UINT msg, WPARAM wparam, LPARAM lparam);
  // Sizing zones along the borders of a resizable window; true when the message was used.
  bool BorderHitTest(UINT msg, POINT point);
  void OnMouseLeaveWindow();
  // The press ends without a release: the window lost the activation, got WM_CANCELMODE,
  // or another window took the capture. The pressed control hears EvPressCancelled and
  // the pointer's control is left; there is no click.
  void CancelPress();

  void OnKeyDown(WPARAM key, LPARAM lparam);
  // Mnemonics (Alt+character), and Shift+F10 as the menu key.
  void OnSysKeyDown(WPARAM key);
  // Key releases, characters, input-method results, commands and the wheel: for the
  // focused control.
  void OnFocusedInput(UINT msg, WPARAM wparam, LPARAM lparam);
  // Registers the Alt+character of a control; character 0 removes it.
  bool AddMnemonic(UiControl& control, int character);
  // The control's Alt+character, or 0.
  int MnemonicOf(const UiControl& control) const;
  // The control's activation (a click, Enter, Space or its mnemonic): EvClick to it, then
  // to the window's binding.
  void Click(UiControl& control) { Activate(control, ClickInput{}); }

  // Gives the keyboard focus to a visible, enabled, focusable control (never a caption
  // button); fromKeyboard marks focus that came by Tab.
  void SetFocusControl(UiControl* control, bool fromKeyboard);
  // The focused control lost the focus without another taking it (it was disabled).
  void DropFocus();

  // A control is going away: forget every pointer to it.
  void Forget(const UiControl& control);
  void Reset();

 private:
  struct Mnemonic {
    UiControl* control;
    int character;
  };
  struct Tracked;

  HWND Hwnd() const;
  Tracked Track(UiControl* control) const;
  UiControl* Live(const Tracked& tracked) const;
  int Dispatch(UiControl* control, const ControlEvent& event);
  // The event to the control, then to the window's binding with the control if it lives.
  void DispatchAndNotify(UiControl& control, const ControlEvent& event);
  // The three changes of state, each with its events.
  void ChangeHover(UiControl* hit, bool announceEnter);
  void BeginPress(UiControl& control, const PointerInput& pointer);
  void EndPress(const PointerInput& pointer);
  void ChangeFocus(UiControl* control, bool fromKeyboard);
  void Activate(UiControl& control, const ClickInput& click);
  // Tab: the next top-level Tab stop, or with Shift the one before.
  void FocusNextTopLevel(bool backwards);
  void StartWindowDrag();
  void ToggleMaximise();

  UiWindow& window_;
  UiControl* focused_ = nullptr;
  UiControl* hovered_ = nullptr;
  UiControl* pressed_ = nullptr;
  UiControl* keyboardFocus_ = nullptr;
  bool tracking_ = false;
  std::vector<Mnemonic> mnemonics_;
};

}  // namespace getlink
