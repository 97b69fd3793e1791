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
//   right button    the shared EditContextMenu, its items enabled as they apply, and
//                   below them the box's own items (SetMenuExtras)
// The caret blinks on the box's blink timer only while the box has the focus; a drag held
// outside the text scrolls on the box's drag timer instead.
//
// Index of UiEdit.cpp: creating; text and events; editing; keys and characters; mouse;
// focus, caret and scrolling; layout and painting.
#pragma once

#include <functional>
#include <optional>

#include "ui/controls/EditContextMenu.h"
#include "ui/controls/EditDocument.h"
#include "ui/controls/EditGeometry.h"
#include "ui/controls/EditHistory.h"
#include "ui/controls/EditInputMode.h"
#include "ui/controls/EditMeasureCache.h"
#include "ui/controls/EditPainter.h"
#include "ui/controls/EditScrollBars.h"
#include "ui/controls/ImeHandles.h"
#include "ui/framework/drawing/ControlFont.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/OptionsControl.h"

namespace getlink {

struct EditOptions {
  Text text;  // the text the box starts with; GetText() has the text now
  // Absent: the style's edit text and back colours and its border colour.
  std::optional<Argb> textColour;
  std::optional<Argb> backColour;
  std::optional<Argb> borderColour;
  FontChoice font;  // nothing given: the framework's shared default font
  bool multiLine = false;
  EditInputMode inputMode = EditInputMode::Normal;
  Text passwordChar = "*";  // empty: "*"
  std::optional<int> scrollFlags;  // EditScrollFlags bits; absent: both in a multi-line box
  bool visible = true;
};

class UiEdit : public OptionsControl<UiControl, EditOptions, ControlType::Edit> {
 public:
  // Called after every change of the text, with the box's parent control (or null).
  using ChangeHandler = std::function<void(UiControl* parent, UiEdit& edit)>;
  // The items this box adds to the shared context menu, asked each time it opens.
  using MenuExtras = std::function<std::vector<EditMenuExtra>()>;

  ~UiEdit() override { Destroy(); }

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

  void SetInputMode(EditInputMode mode);
  void SetBackColour(std::optional<Argb> colour);
  void SetTextColour(std::optional<Argb> colour);
  void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }
  void SetMenuExtras(MenuExtras extras) { menuExtras_ = std::move(extras); }
  // The scroll bars in use (EditScrollFlags bits): none in a single-line box.
  int ScrollFlags() const;

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
  // A password box tells no text; a read-only one takes none.
  Text AccessibleValue() const override;
  bool SetAccessibleValue(std::string_view value) override;
  AccessStates AccessibleState() override;

  // The line and column under a point of the box.
  TextPosition HitTest(float x, float y);
  // The caret's rectangle before `position`, not scrolled.
  Rect CaretRectOf(TextPosition position);

 protected:
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int width, int height) override;
  void OnScaleChanged(float ratio) override;
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
  AccessRole DefaultAccessibleRole() const override { return AccessRole::EditableText; }
  // The label before the box, or the name of the control it belongs to (a combo box).
  Text DefaultAccessibleName() const override;

 private:
  // The box's timers.
  enum class Timer { Blink, DragScroll };

  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  void FireChanged();
  bool Editable() const { return options_.inputMode != EditInputMode::ReadOnly; }
  bool Selecting() const { return options_.inputMode != EditInputMode::Password; }
  EditSelection Selection() const;
  bool AcceptsCharacter(wchar_t character) const;
  void TypeCharacter(wchar_t character);
  bool RemoveBeforeCaret();
  // Undoes the last edit, or with `redo` makes the last undone one again.
  void StepHistory(bool redo);
  void MoveCaret(TextPosition to, bool extend);
  void DragTo(POINT point);
  void EndDrag();
  // At `point` on the screen: the pointer's, or below the caret for the menu key. False
  // for a password box, which has no menu.
  bool ShowContextMenu(POINT point);
  // With the focus the caret blinks, except while a drag holds the pointer outside the
  // text: then the view scrolls on the drag timer and the caret stays. `restart` starts
  // the running timer's period over.
  void RunCaretTimers(bool restart);
  void StopCaretTimers();
  // After the caret or the view moved: caret rectangle, view, scroll bars, repaint. A
  // move that keeps the caret in view is the user's (keys, clicks, a drag, a selection)
  // and ends the typing or erasing run: the next edit is an undo step of its own.
  void CaretMoved(bool keepVisible = true);
  // What an edit within the caret's line must leave as it was for a band repaint.
  struct LineEditCheck {
    int line;
    int lineCount;
    float height;
    bool nothingSelected;
    float rowTop;  // of the caret's row, within the line
  };
  // The rows of `line` from `top` (within the line) down; line 0: none.
  struct LineRows {
    int line = 0;
    float top = 0;
  };
  // After an edit: layout, caret, view, repaint and the change callback. With `check`
  // (taken before the edit), when only the caret's line changed and the view does not
  // scroll, only the band of its rows the edit may have moved is painted again.
  void TextEdited(const std::optional<LineEditCheck>& check = std::nullopt);
  void FollowCaret(bool keepVisible, const LineRows& changed);
  LineEditCheck BeforeLineEdit() const;
  // The rows the edit changed, when it changed the caret's line alone.
  LineRows ChangedRowsAfter(const LineEditCheck& before) const;
  // The text, scroll bar and corner areas for the box's size, font and scroll bars.
  EditAreas AreasForSize() const;
  void Relayout();
  // The rows and the caret's room about them, in the box's pixels (empty when they are
  // out of view); what a one-line edit paints again.
  Rect LineBand(const LineRows& rows) const;
  // Shows or hides the drawn caret.
  void DrawCaret(bool show);
  // OnPaint: everything, or a band (the caret alone when it is empty), after moving what
  // is drawn by as far as the view scrolled since the last paint, when it may be moved.
  void PaintWhole();
  void PaintPart(const Rect& band);
  void PaintTextBand(const Rect& band);
  bool CanMoveDrawnText() const;
  bool MoveDrawnText();
  // The colours, font and format the painter draws with.
  EditLook Look() const;
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
  mutable EditMeasureCache measured_;  // what lines are laid out by, in the box's font
  EditAreas areas_;
  ControlFont font_;
  ScrollOffsets scroll_;
  TextPosition anchor_;
  TextPosition caret_;
  EditScrollBars bars_;
  Rect caretRect_;
  bool caretShown_ = false;
  // Kept by painting: the pixels the drawn caret covers and where they are, and the scroll
  // the surface was drawn at.
  Surface underCaret_;
  PixelBox caretBox_ = {0, 0, 0, 0};
  ScrollOffsets paintedScroll_;
  bool blinkOn_ = false;
  DetachedImeContext detachedIme_;
  SystemCaret systemCaret_;
  std::wstring imeEcho_;  // IME result characters still to come as WM_CHAR
  bool tripleClickArmed_ = false;
  DWORD doubleClickTick_ = 0;
  bool dragging_ = false;
  POINT dragPoint_ = {0, 0};
  ChangeHandler onChange_;
  MenuExtras menuExtras_;
};

}  // namespace getlink
