// The framework's drawn text box: a control that keeps its text in an EditDocument,
// draws text, selection and caret itself, and takes typed characters, IME results,
// editing keys, mouse selection, the wheel and a context menu with undo, cut, copy, paste
// and select all. Single-line or multi-line with its own scroll bars. Text is GBK; a
// double-byte character is one caret column.
//
// Input at a glance:
//   characters      WM_CHAR, filtered by the input mode; IME results as Unicode (936)
//   keys            Ctrl+A/C/V/X, Ctrl+Z/Y (undo, redo: EditHistory), Backspace, Delete
//                   (the selection), Enter (multi-line), Home/End, arrows; with Ctrl,
//                   Home/End go to the text's ends and Left/Right by words; Shift
//                   extends the selection
//   mouse           press places the caret, drag selects (scrolling past the edges),
//                   double click selects a word, a third click within 500 ms the line
//   right button    the shared EditContextMenu, its items enabled as they apply
// The caret blinks on the box's blink timer only while the box has the focus; a drag held
// outside the text scrolls on the box's drag timer instead.
//
// Index of UiEdit.cpp: creating; text and events; editing; keys and characters; mouse;
// focus, caret and scrolling; layout and painting.
#pragma once

#include <functional>
#include <optional>

#include "ui/controls/EditDocument.h"
#include "ui/controls/EditGeometry.h"
#include "ui/controls/EditHistory.h"
#include "ui/controls/EditInputMode.h"
#include "ui/controls/EditPainter.h"
#include "ui/controls/EditScrollBars.h"
#include "ui/controls/ImeHandles.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiControl.h"

namespace getlink {

struct EditOptions {
  Text text;
  Argb textColour = MakeArgb(230, 0, 0, 0);
  Argb backColour = MakeArgb(160, 255, 255, 255);
  Argb borderColour = MakeArgb(80, 0, 0, 0);
  // None of the three given: the framework's shared default font.
  std::optional<Text> fontName;
  std::optional<float> fontSize;
  std::optional<FontStyle> fontStyle;
  bool multiLine = false;
  EditInputMode inputMode = EditInputMode::Normal;
  Text passwordChar = "*";
  std::optional<int> scrollFlags;  // EditScrollFlags bits; absent: both in a multi-line box
  bool visible = true;
};

class UiEdit : public UiControl {
 public:
  // Called after every change of the text, with the box's parent control (or null).
  using ChangeHandler = std::function<void(UiControl* parent, UiEdit& edit)>;

  ~UiEdit() override { Destroy(); }

  bool Create(HWND host, const Rect& rect, const EditOptions& options = {});
  bool Create(UiControl& parent, const Rect& rect, const EditOptions& options = {});

  // The text. Setting clears the selection and the undo history and puts the caret at the
  // start, or at the end with `caretToEnd`. Another thread sends the box's Address() the
  // events that do the same (SendControlEvent): EventCode::GetText with a TextRequest,
  // EventCode::SetText with a TextInput.
  Text GetText() const;
  void SetText(std::string_view text, bool caretToEnd = false);

  TextPosition Caret() const { return caret_; }
  TextPosition Anchor() const { return anchor_; }
  // Selects from `anchor` to `caret` (kept within the text) and shows the caret.
  void Select(TextPosition anchor, TextPosition caret);
  Text SelectedText() const;
  // Replaces the selection by `text` at the caret, one undo step of `kind`; nothing in
  // ReadOnly mode.
  bool InsertText(std::string_view text, EditKind kind = EditKind::Pasted);
  // Removes the selected text; false when nothing was removed.
  bool DeleteSelection(EditKind kind = EditKind::Deleted);
  // There is an edit to undo (never in ReadOnly mode).
  bool CanUndo() const { return Editable() && history_.CanUndo(); }
  // An editing key or a menu command (Z, X, C, V, A); kNotHandled leaves it to the window.
  int KeyCommand(UINT key, bool fromMenu);

  EditInputMode InputMode() const { return inputMode_; }
  void SetInputMode(EditInputMode mode);
  Argb BackColour() const { return backColour_; }
  void SetBackColour(Argb colour);
  void SetTextColour(Argb colour);
  void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }
  bool MultiLine() const { return multiLine_; }
  int ScrollFlags() const { return scrollFlags_; }

  // Scroll positions in pixels (0 or more; the view moves up and left by them), as the
  // scroll bars set them.
  void SetScrollY(int position);
  void SetScrollX(int position);
  ScrollOffsets Scroll() const { return scroll_; }

  // Geometry in the box's own coordinates.
  const EditDocument& Document() const { return document_; }
  const EditAreas& Areas() const { return areas_; }
  const EditScrollBars& ScrollBars() const { return bars_; }
  Rect CaretRect() const { return caretRect_; }
  bool CaretShown() const { return caretShown_; }
  // The line and column under a point of the box.
  TextPosition HitTest(float x, float y);
  // The caret's rectangle before `position`, not scrolled.
  Rect CaretRectOf(TextPosition position);

 protected:
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int width, int height) override;
  int OnAlphaChanged(int alpha) override;
  int OnTimer(TimerPurpose timer) override;
  int OnKeyDown(const KeyInput& key) override;
  int OnChar(wchar_t character) override;
  int OnImeComposition(const ImeInput& ime) override;
  int OnCommand(const CommandInput& command) override;
  int OnSetText(const TextInput& input) override;
  int OnGetText(Text& text) override;
  int OnMouseDown(const PointerInput& pointer) override;
  int OnMouseMove(const PointerInput& pointer) override;
  int OnMouseUp(const PointerInput& pointer) override;
  int OnPressCancelled() override;
  int OnRightUp(const PointerInput& pointer) override;
  int OnMouseWheel(const WheelInput& wheel) override;
  int OnFocusGained(UiControl* previous) override;
  int OnFocusLost(UiControl* next) override;

 private:
  // The box's timers.
  enum class Timer { Blink, DragScroll };

  bool Prepare(const EditOptions& options);
  void FireChanged();
  bool Editable() const { return inputMode_ != EditInputMode::ReadOnly; }
  bool Selecting() const { return inputMode_ != EditInputMode::Password; }
  EditSelection Selection() const;
  bool AcceptsCharacter(wchar_t character) const;
  void TypeCharacter(wchar_t character);
  bool RemoveBeforeCaret();
  // Undoes the last edit, or with `redo` makes the last undone one again.
  void StepHistory(bool redo);
  void MoveCaret(TextPosition to, bool extend);
  void DragTo(POINT point);
  void EndDrag();
  void ShowContextMenu();
  // With the focus the caret blinks, except while a drag holds the pointer outside the
  // text: then the view scrolls on the drag timer and the caret stays. `restart` starts
  // the running timer's period over.
  void RunCaretTimers(bool restart);
  void StopCaretTimers();
  // After the caret or the view moved: caret rectangle, view, scroll bars, repaint. A
  // move that keeps the caret in view is the user's (keys, clicks, a drag, a selection)
  // and ends the typing or erasing run: the next edit is an undo step of its own.
  void CaretMoved(bool keepVisible = true);
  // After an edit: layout, caret, view, repaint and the change callback. With
  // `changedLine`, only that line changed: unless the view scrolls, only its band is
  // painted again.
  void TextEdited(int changedLine = 0);
  void FollowCaret(bool keepVisible, int changedLine);
  // What an edit within the caret's line must leave as it was for a band repaint.
  struct LineEditCheck {
    int line;
    int lineCount;
    float height;
    bool nothingSelected;
  };
  LineEditCheck BeforeLineEdit() const;
  // The line the edit changed alone, or 0 when more changed.
  int ChangedLineAfter(const LineEditCheck& before) const;
  void Relayout();
  void Render();
  void RenderLine(int line);
  // Shows or hides the drawn caret and recomposes its pixels.
  void DrawCaret(bool show);
  // Draws the caret into the surface (keeping the pixels under it), or puts those pixels
  // back; answers the pixels it changed.
  PixelBox PaintCaret(bool show);
  // Queues the pixels of the surface for composition.
  void InvalidatePixels(const PixelBox& box);
  Rect WindowRectOf(const Rect& local) const;
  POINT LocalPoint(POINT windowPoint) const;
  bool InTextArea(POINT windowPoint) const;
  bool HasFocus() const;
  EditTextMeasurer Measurer() const;

  EditDocument document_;
  EditHistory history_;
  TextFormat format_;
  mutable CharacterAdvances advances_;  // for lines too long to measure whole
  EditAreas areas_;
  GpFont* font_ = nullptr;
  UniqueFont ownFont_;
  Argb textColour_ = 0;
  Argb backColour_ = 0;
  Argb borderColour_ = 0;
  EditInputMode inputMode_ = EditInputMode::Normal;
  Text passwordChar_ = "*";
  bool multiLine_ = false;
  int scrollFlags_ = 0;
  ScrollOffsets scroll_;
  TextPosition anchor_;
  TextPosition caret_;
  EditScrollBars bars_;
  Rect caretRect_;
  bool caretShown_ = false;
  Surface underCaret_;  // the pixels the drawn caret covers
  PixelBox caretBox_ = {0, 0, 0, 0};  // and where they are
  bool blinkOn_ = false;
  DetachedImeContext detachedIme_;
  SystemCaret systemCaret_;
  std::wstring imeEcho_;  // IME result characters still to come as WM_CHAR
  bool tripleClickArmed_ = false;
  DWORD doubleClickTick_ = 0;
  bool dragging_ = false;
  POINT dragPoint_ = {0, 0};
  ChangeHandler onChange_;
};

}  // namespace getlink
