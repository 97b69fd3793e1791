#include "ui/controls/UiEdit.h"

#include <algorithm>

#include "runtime/Clipboard.h"
#include "runtime/Codec.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/controls/EditNavigation.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

// The characters typed as such (others are keys, or come through the IME or a paste).
constexpr wchar_t kFirstTyped = 28;
constexpr wchar_t kLastAscii = 126;

bool IsSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

bool HoldsDoubleByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > 0x80; });
}

// GDI+ never wraps a string of the box: wrapped lines are drawn a row at a time (EditRows).
constexpr int kFormatFlags = Gdiplus::StringFormatFlagsNoFontFallback |
                             Gdiplus::StringFormatFlagsMeasureTrailingSpaces | Gdiplus::StringFormatFlagsNoClip;

}  // namespace

// --- creating ---

std::optional<CreateControlOptions> UiEdit::Prepare(const UiStyle& style) {
  if (options_.passwordChar.empty()) options_.passwordChar = "*";
  font_.Choose(options_.font, style);
  format_.Create(kFormatFlags);
  measured_.Clear();
  document_.SetText(options_.text, options_.multiLine, options_.inputMode, options_.passwordChar);
  document_.InvalidateLayout();
  if (font_.Get() == nullptr || !format_) return std::nullopt;
  return CreateControlOptions{options_.visible, true, IDC_IBEAM, 0};
}

int UiEdit::ScrollFlags() const {
  return options_.multiLine ? options_.scrollFlags.value_or(static_cast<int>(EditScrollFlags::Both)) : 0;
}

int UiEdit::OnCreate() {
  anchor_ = caret_ = {1, 0};
  scroll_ = {};
  caretShown_ = false;
  if (options_.multiLine) {
    areas_ = AreasForSize();
    bars_.Create(
        *this, areas_, ScrollFlags(), [this](int position) { SetScrollY(position); },
        [this](int position) { SetScrollX(position); });
  }
  Relayout();
  caretRect_ = CaretRectOf(caret_);
  return kNotHandled;
}

int UiEdit::OnDestroy() {
  StopCaretTimers();
  detachedIme_.reset();
  systemCaret_.reset();
  document_.SetText("", options_.multiLine, options_.inputMode, options_.passwordChar);
  history_.Clear();
  format_.Release();
  font_.Release();
  scroll_ = {};
  anchor_ = caret_ = {1, 0};
  areas_ = {};
  caretRect_ = {};
  caretShown_ = false;
  underCaret_ = Surface();
  caretBox_ = {};
  paintedScroll_ = {};
  measured_.Clear();
  imeEcho_.clear();
  tripleClickArmed_ = dragging_ = false;
  return kNotHandled;
}

// --- text and events ---

Text UiEdit::GetText() const { return Text(document_.GetText()); }

int UiEdit::OnGetText(Text& text) {
  text = GetText();
  return 0;
}

int UiEdit::OnSetText(const TextInput& input) {
  SetText(input.text, input.caretToEnd);
  return 0;
}

void UiEdit::SetText(std::string_view text, bool caretToEnd) {
  if (!IsCreated()) return;  // the text of a box to be created is its options'
  document_.SetText(text, options_.multiLine, options_.inputMode, options_.passwordChar);
  history_.Clear();  // a text the program puts in is not the user's to undo
  caret_ = caretToEnd ? document_.EndPosition() : TextPosition{1, 0};
  anchor_ = caret_;
  scroll_ = {};
  Relayout();
  CaretMoved();
  if (!HasFocus()) StopCaretTimers();
  FireChanged();
}

void UiEdit::FireChanged() {
  TellAccessibility(AccessEvent::ValueChange);
  const ChangeHandler handler = onChange_;  // the handler may replace itself
  if (handler) handler(ParentControl(), *this);
}

// --- accessibility ---

Text UiEdit::DefaultAccessibleName() const {
  Text name = NameOfLabelBefore();
  if (name.empty() && ParentControl() != nullptr) name = ParentControl()->AccessibleName();
  return name;
}

Text UiEdit::AccessibleValue() const {
  return options_.inputMode == EditInputMode::Password ? Text() : GetText();
}

bool UiEdit::SetAccessibleValue(std::string_view value) {
  if (!IsCreated() || !Editable()) return false;
  // As the user would: all of the text selected and replaced, one undo step.
  Select({1, 0}, document_.EndPosition());
  if (value.empty())
    DeleteSelection();
  else
    InsertText(value, EditKind::Pasted);
  return true;
}

AccessStates UiEdit::AccessibleState() {
  AccessStates states = UiControl::AccessibleState();
  if (!Editable()) states |= STATE_SYSTEM_READONLY;
  if (options_.inputMode == EditInputMode::Password) states |= STATE_SYSTEM_PROTECTED;
  return states;
}

void UiEdit::SetInputMode(EditInputMode mode) {
  const bool focused = HasFocus();
  if (focused) detachedIme_.reset();
  options_.inputMode = mode;
  document_.SetText(Text(document_.GetText()), options_.multiLine, options_.inputMode, options_.passwordChar);
  history_.Clear();
  if (focused && mode >= EditInputMode::Password) detachedIme_.Detach(HostWindow());
  Relayout();
  CaretMoved(false);
}

void UiEdit::SetBackColour(std::optional<Argb> colour) {
  options_.backColour = colour;
  Repaint();
}

void UiEdit::SetTextColour(std::optional<Argb> colour) {
  options_.textColour = colour;
  Repaint();
}

// --- editing ---

EditSelection UiEdit::Selection() const {
  return {std::min(anchor_, caret_), std::max(anchor_, caret_)};
}

void UiEdit::Select(TextPosition anchor, TextPosition caret) {
  anchor_ = document_.Clamp(anchor);
  caret_ = document_.Clamp(caret);
  CaretMoved();
}

Text UiEdit::SelectedText() const {
  return document_.BytesBetween(document_.ByteIndexOf(anchor_), document_.ByteIndexOf(caret_));
}

bool UiEdit::DeleteSelection(EditKind kind) {
  if (!Editable() || anchor_ == caret_) return false;
  const std::size_t start =
      history_.Replace(document_, document_.ByteIndexOf(anchor_), document_.ByteIndexOf(caret_), {}, kind);
  anchor_ = caret_ = document_.PositionOf(start);
  TextEdited();
  return true;
}

UiEdit::LineEditCheck UiEdit::BeforeLineEdit() const {
  const Rect line = document_.LineRect(caret_.line);
  // The caret rectangle is kept up to date with every move and edit.
  const float rowTop = caretRect_.top - scroll_.y + Style().edit.caretRise - areas_.text.top - line.top;
  return {caret_.line, document_.LineCount(), line.height, anchor_ == caret_, rowTop};
}

UiEdit::LineRows UiEdit::ChangedRowsAfter(const LineEditCheck& before) const {
  const bool sameLines = before.nothingSelected && caret_.line == before.line &&
                         document_.LineCount() == before.lineCount &&
                         document_.LineRect(before.line).height == before.height;
  if (!sameLines) return {};
  // Where a row breaks depends on its own characters and the first word of the row below
  // (EditRows): an edit moves no row above the one before its own, and a removed character
  // stood at most one row above the caret.
  return {before.line, std::max(0.f, before.rowTop - 2 * document_.LineHeight())};
}

bool UiEdit::InsertText(std::string_view text, EditKind kind) {
  if (!Editable() || text.empty()) return false;
  const LineEditCheck check = BeforeLineEdit();
  const std::size_t start = document_.ByteIndexOf(anchor_);
  const std::size_t end = history_.Replace(document_, start, document_.ByteIndexOf(caret_), text, kind);
  if (anchor_ == caret_ && end == start) return false;  // nothing replaced, nothing inserted
  caret_ = anchor_ = document_.PositionOf(end);
  TextEdited(check);
  return true;
}

bool UiEdit::RemoveBeforeCaret() {
  const TextPosition from = StepLeft(document_, caret_);
  if (from == caret_) return false;
  const LineEditCheck check = BeforeLineEdit();
  history_.Replace(document_, document_.ByteIndexOf(from), document_.ByteIndexOf(caret_), {}, EditKind::Erased);
  anchor_ = caret_ = from;
  TextEdited(check);
  return true;
}

void UiEdit::StepHistory(bool redo) {
  const std::optional<ByteSelection> selection = redo ? history_.Redo(document_) : history_.Undo(document_);
  if (!selection) return;
  anchor_ = document_.PositionOf(selection->anchor);
  caret_ = document_.PositionOf(selection->caret);
  TextEdited();
}

void UiEdit::TextEdited(const std::optional<LineEditCheck>& check) {
  Relayout();  // first: the changed line is measured again by it
  FollowCaret(true, check ? ChangedRowsAfter(*check) : LineRows{});
  FireChanged();
}

// --- keys and characters ---

int UiEdit::KeyCommand(UINT key, bool fromMenu) {
  const bool extend = GetKeyState(VK_SHIFT) < 0 && Selecting();
  if (fromMenu || GetKeyState(VK_CONTROL) < 0) {
    if (options_.inputMode == EditInputMode::Password) return 0;  // no copying a password out
    switch (key) {
      case 'A':
        Select({1, 0}, document_.EndPosition());
        return 0;
      case 'C':
        if (const Text selected = SelectedText(); !selected.empty()) SetClipboardText(selected, HostWindow());
        return 0;
      case 'V':
        if (const Text pasted = ClipboardText(); !pasted.empty()) InsertText(pasted, EditKind::Pasted);
        return 0;
      case 'X':
        if (!Editable()) return kNotHandled;
        if (const Text selected = SelectedText(); !selected.empty() && SetClipboardText(selected, HostWindow()))
          DeleteSelection(EditKind::Cut);
        return 0;
      case 'Z':
      case 'Y':
        if (!Editable()) return kNotHandled;
        StepHistory(key == 'Y');
        return 0;
      case VK_HOME: MoveCaret({1, 0}, extend); return 0;
      case VK_END: MoveCaret(document_.EndPosition(), extend); return 0;
      case VK_LEFT: MoveCaret(WordLeft(document_, caret_), extend); return 0;
      case VK_RIGHT: MoveCaret(WordRight(document_, caret_), extend); return 0;
      default:
        return kNotHandled;
    }
  }
  switch (key) {
    case VK_BACK:
      if (Editable() && !DeleteSelection()) RemoveBeforeCaret();
      return 0;
    case VK_RETURN:
      if (options_.multiLine) InsertText("\r\n", EditKind::Typed);
      return 0;  // also in a single-line box: Enter presses no button from here
    case VK_DELETE:
      DeleteSelection();
      return 0;
    case VK_HOME: MoveCaret(LineHome(caret_), extend); return 0;
    case VK_END: MoveCaret(LineEnd(document_, caret_), extend); return 0;
    case VK_LEFT: MoveCaret(StepLeft(document_, caret_), extend); return 0;
    case VK_RIGHT: MoveCaret(StepRight(document_, caret_), extend); return 0;
    case VK_UP:
      if (!options_.multiLine) return kNotHandled;
      MoveCaret(StepUp(document_, caret_), extend);
      return 0;
    case VK_DOWN:
      if (!options_.multiLine) return kNotHandled;
      MoveCaret(StepDown(document_, caret_), extend);
      return 0;
    case VK_SPACE:
      return 0;  // typed as a character; the window must not take it for a click
    case VK_APPS: {
      // The menu key opens the box's menu below the caret: its items without the mouse.
      const Rect caret = WindowRectOf(caretRect_);
      POINT below = {static_cast<LONG>(caret.left), static_cast<LONG>(caret.Bottom())};
      ClientToScreen(HostWindow(), &below);
      return ShowContextMenu(below) ? 0 : kNotHandled;
    }
    default:
      return kNotHandled;
  }
}

int UiEdit::OnKeyDown(const KeyInput& key) {
  // A key of its own ends whatever the input method still had to deliver.
  if (key.key != VK_PROCESSKEY) imeEcho_.clear();
  return KeyCommand(key.key, false);
}

bool UiEdit::AcceptsCharacter(wchar_t character) const {
  const bool digit = character >= L'0' && character <= L'9';
  switch (options_.inputMode) {
    case EditInputMode::Digits:
      return digit;
    case EditInputMode::Decimal:
      return digit || (character == L'.' && document_.GetText().find('.') == Text::npos);
    default:
      // Characters beyond ASCII come from Unicode keyboards and input tools; those of
      // the IME are taken from its result instead (imeEcho_).
      return (character >= kFirstTyped && character <= kLastAscii) || (character > 0x7F && !IsSurrogate(character));
  }
}

int UiEdit::OnChar(wchar_t character) {
  if (!imeEcho_.empty()) {
    const bool echo = imeEcho_.front() == character;
    if (echo) {
      imeEcho_.erase(0, 1);
      return 0;
    }
    imeEcho_.clear();
  }
  if (!AcceptsCharacter(character)) return kNotHandled;
  TypeCharacter(character);
  return 0;
}

void UiEdit::TypeCharacter(wchar_t character) {
  if (character <= kLastAscii)
    InsertText(Text(1, static_cast<char>(character)), EditKind::Typed);
  else
    InsertText(FromWide(std::wstring_view(&character, 1)), EditKind::Typed);
}

int UiEdit::OnImeComposition(const ImeInput& ime) {
  if ((ime.changes & GCS_RESULTSTR) == 0) return kNotHandled;
  std::wstring result;
  {
    const ImeContextScope context(HostWindow());
    const LONG bytes = ImmGetCompositionStringW(context.get(), GCS_RESULTSTR, nullptr, 0);
    if (bytes <= 0) return kNotHandled;
    result.resize(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
    ImmGetCompositionStringW(context.get(), GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
  }
  const Text text = FromWide(result);
  // An ASCII result arrives as characters anyway; one with Chinese is taken here, and
  // its characters that follow as WM_CHAR are dropped.
  if (!HoldsDoubleByte(text)) return kNotHandled;
  imeEcho_ = result;
  InsertText(text, EditKind::Typed);
  return 0;
}

int UiEdit::OnCommand(const CommandInput& command) {
  if (command.target != 0 && command.target != Handle()) return kNotHandled;
  switch (static_cast<EditCommand>(command.id)) {
    case EditCommand::Undo:
    case EditCommand::Cut:
    case EditCommand::Copy:
    case EditCommand::Paste:
    case EditCommand::SelectAll:
      return KeyCommand(command.id, true);
    default:
      return kNotHandled;
  }
}

// --- mouse ---

POINT UiEdit::LocalPoint(POINT windowPoint) const {
  return {windowPoint.x - PixelLeft(), windowPoint.y - PixelTop()};
}

bool UiEdit::InTextArea(POINT windowPoint) const {
  const POINT local = LocalPoint(windowPoint);
  const Rect& text = areas_.text;
  const auto x = static_cast<float>(local.x), y = static_cast<float>(local.y);
  return x >= text.left && x < text.Right() && y >= text.top && y < text.Bottom();
}

TextPosition UiEdit::HitTest(float x, float y) {
  const Rect& text = areas_.text;
  const float px = x - text.left - scroll_.x;
  const float py = y - text.top - scroll_.y;
  const int line = document_.LineAtY(py);
  const int column = Measurer().ColumnAt(document_.DisplayText(line), document_.LineLength(line), px,
                                         py - document_.LineRect(line).top, document_.Bounds());
  return {line, column};
}

int UiEdit::OnMouseDown(const PointerInput& pointer) {
  const POINT point = pointer.point;
  if (pointer.doubleClick) {
    if (!Selecting()) return 0;
    const TextRange word = WordAt(document_, caret_);
    anchor_ = word.anchor;
    caret_ = word.caret;
    tripleClickArmed_ = true;
    doubleClickTick_ = GetTickCount();
    dragging_ = false;
    CaretMoved();
    return 0;
  }
  if (tripleClickArmed_ && Selecting() && GetTickCount() - doubleClickTick_ <= static_cast<DWORD>(Style().edit.tripleClickMs)) {
    const TextRange line = LineAt(document_, caret_.line);
    anchor_ = line.anchor;
    caret_ = line.caret;
    tripleClickArmed_ = false;
    CaretMoved();
    return 0;
  }
  tripleClickArmed_ = false;
  if (!InTextArea(point)) return 0;
  const POINT local = LocalPoint(point);
  caret_ = anchor_ = HitTest(static_cast<float>(local.x), static_cast<float>(local.y));
  dragging_ = true;
  dragPoint_ = point;
  CaretMoved();
  return 0;
}

int UiEdit::OnMouseMove(const PointerInput& pointer) {
  if (!dragging_ || !Selecting()) return kNotHandled;
  DragTo(pointer.point);
  return 0;
}

void UiEdit::DragTo(POINT point) {
  dragPoint_ = point;
  const POINT local = LocalPoint(point);
  const TextPosition hit = HitTest(static_cast<float>(local.x), static_cast<float>(local.y));
  // Held outside the text, the drag goes on scrolling on the box's drag timer.
  RunCaretTimers(false);
  if (hit == caret_) return;
  caret_ = hit;
  CaretMoved();
}

int UiEdit::OnMouseUp(const PointerInput&) {
  EndDrag();
  return 0;
}

// A drag cut short keeps the selection it made so far and stops scrolling.
int UiEdit::OnPressCancelled() {
  EndDrag();
  return 0;
}

void UiEdit::EndDrag() {
  dragging_ = false;
  if (HasFocus()) {
    RunCaretTimers(false);
    DrawCaret(true);
  }
}

int UiEdit::OnRightUp(const PointerInput&) {
  POINT pointer = {};
  GetCursorPos(&pointer);
  return ShowContextMenu(pointer) ? 0 : kNotHandled;
}

bool UiEdit::ShowContextMenu(POINT point) {
  if (options_.inputMode == EditInputMode::Password) return false;  // nothing to copy out of it
  UiMenu& menu = EditContextMenu();
  const bool selected = anchor_ != caret_;
  const bool clipboardText = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
  const auto applies = [&](EditCommand command) {
    switch (command) {
      case EditCommand::Undo: return CanUndo();
      case EditCommand::Cut: return selected && Editable();
      case EditCommand::Copy: return selected;
      case EditCommand::Paste: return Editable() && clipboardText;
      default: return document_.ByteLength() > 0;  // select all
    }
  };
  // The menu's items are kEditMenuEntries, in their order.
  int index = 0;
  for (const EditMenuEntry& entry : kEditMenuEntries) {
    ++index;
    if (!entry.IsSeparator())
      menu.SetItemState(index, static_cast<int>(applies(entry.command) ? MenuItemState::Normal : MenuItemState::Disabled));
  }
  PopupEditContextMenu(HostWindow(), point, menuExtras_ ? menuExtras_() : std::vector<EditMenuExtra>());
  return true;
}

int UiEdit::OnMouseWheel(const WheelInput& wheel) {
  if (!options_.multiLine || bars_.VerticalMaximum() < 1) return kNotHandled;
  const float notches = static_cast<float>(wheel.delta) / WHEEL_DELTA;
  scroll_.y += notches * Style().edit.wheelLines * document_.LineHeight();
  CaretMoved(false);
  return 0;
}

// --- focus, caret and scrolling ---

bool UiEdit::HasFocus() const { return Window() != nullptr && Window()->Focused() == this; }

int UiEdit::OnFocusGained(UiControl*) {
  if (options_.inputMode >= EditInputMode::Password) detachedIme_.Detach(HostWindow());
  const EditStyle& caret = Style().edit;
  systemCaret_.Create(HostWindow(), static_cast<int>(caret.caretWidth),
                      static_cast<int>(font_.Height()) + static_cast<int>(caret.lineExtra));
  CaretMoved(false);
  return kNotHandled;
}

int UiEdit::OnFocusLost(UiControl*) {
  detachedIme_.reset();
  StopCaretTimers();
  dragging_ = false;
  imeEcho_.clear();
  systemCaret_.reset();
  anchor_ = caret_;
  caretShown_ = false;
  Repaint();
  return kNotHandled;
}

void UiEdit::RunCaretTimers(bool restart) {
  const bool scrolling = dragging_ && !InTextArea(dragPoint_);
  const Timer running = scrolling ? Timer::DragScroll : Timer::Blink;
  StopTimer(scrolling ? Timer::Blink : Timer::DragScroll);
  const EditStyle& style = Style().edit;
  if (restart || !TimerRunning(running))
    StartTimer(running, static_cast<UINT>(scrolling ? style.dragScrollMs : style.blinkMs));
}

void UiEdit::StopCaretTimers() {
  StopTimer(Timer::Blink);
  StopTimer(Timer::DragScroll);
}

int UiEdit::OnTimer(TimerPurpose timer) {
  if (timer.Is(Timer::DragScroll)) {
    if (dragging_ && !InTextArea(dragPoint_))
      DragTo(dragPoint_);
    else
      StopTimer(Timer::DragScroll);  // the drag ended without the focus
    return 0;
  }
  DrawCaret(!caretShown_);
  return 0;
}

void UiEdit::SetScrollY(int position) {
  scroll_.y = -static_cast<float>(position);
  CaretMoved(false);
}

void UiEdit::SetScrollX(int position) {
  scroll_.x = -static_cast<float>(position);
  CaretMoved(false);
}

Rect UiEdit::CaretRectOf(TextPosition position) {
  position = document_.Clamp(position);
  const Rect line = document_.LineRect(position.line);
  const EditTextMeasurer::CaretPlace place =
      Measurer().CaretAt(document_.DisplayText(position.line), document_.LineLength(position.line), position.column,
                         document_.CharWidth(), document_.Bounds());
  // The caret stands above its row and reaches as low as the row (lower, multi-line).
  const EditStyle& style = Style().edit;
  return {areas_.text.left + place.x, areas_.text.top + line.top + place.rowTop - style.caretRise, style.caretWidth,
          CaretHeight(document_.LineHeight(), options_.multiLine, style)};
}

void UiEdit::MoveCaret(TextPosition to, bool extend) {
  caret_ = to;
  if (!extend) anchor_ = caret_;
  CaretMoved();
}

void UiEdit::CaretMoved(bool keepVisible) {
  if (keepVisible) history_.EndRun();
  FollowCaret(keepVisible, LineRows{});
}

void UiEdit::FollowCaret(bool keepVisible, const LineRows& changed) {
  if (!IsCreated()) return;
  Rect caret = CaretRectOf(caret_);
  if (keepVisible) scroll_ = ScrollToShow(caret, areas_.text, scroll_, Style().edit);
  const ScrollOffsets limits = ScrollLimits(document_.ContentWidth(), document_.ContentHeight(), areas_.text);
  scroll_ = ClampScroll(scroll_, limits);
  caret.left += scroll_.x;
  caret.top += scroll_.y;
  caretRect_ = caret;
  bars_.SetPositions(static_cast<int>(-scroll_.x), static_cast<int>(-scroll_.y));
  if (HasFocus()) {
    // Seen at once after a move; the blink starts over.
    caretShown_ = true;
    RunCaretTimers(true);
    const Rect onWindow = WindowRectOf(caretRect_);
    systemCaret_.MoveTo(static_cast<int>(onWindow.left), static_cast<int>(onWindow.top));
  }
  // A view that scrolled moves what is drawn (see CanMoveDrawnText).
  if (changed.line > 0)
    Repaint(LineBand(changed));
  else
    Repaint();
}

// --- layout and painting ---

EditTextMeasurer UiEdit::Measurer() const {
  return EditTextMeasurer(Graphics(), font_.Get(), format_.Handle(), measured_);
}

Rect UiEdit::WindowRectOf(const Rect& local) const {
  return {local.left + static_cast<float>(PixelLeft()), local.top + static_cast<float>(PixelTop()), local.width,
          local.height};
}

EditAreas UiEdit::AreasForSize() const {
  return ComputeEditAreas(static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight()), options_.multiLine,
                          ScrollFlags(), font_.Height(), Style());
}

void UiEdit::Relayout() {
  areas_ = AreasForSize();
  EditTextMeasurer measurer = Measurer();
  document_.Layout(measurer, areas_.text, ScrollFlags());
  bars_.Place(areas_);
  const ScrollOffsets limits = ScrollLimits(document_.ContentWidth(), document_.ContentHeight(), areas_.text);
  bars_.SetRanges(static_cast<int>(limits.x), static_cast<int>(limits.y), static_cast<int>(document_.CharWidth()),
                  static_cast<int>(document_.LineHeight()));
}

int UiEdit::OnResized(int, int) {
  Relayout();
  CaretMoved(false);
  return kNotHandled;
}

void UiEdit::OnScaleChanged(float ratio) {
  font_.Rescale(ratio, Style());
  measured_.Clear();  // measured in the old font
  document_.InvalidateLayout();
  OnResized(PixelWidth(), PixelHeight());
  Repaint();
}

int UiEdit::OnAlphaChanged(int alpha) {
  bars_.SetAlpha(alpha);
  return kNotHandled;
}

Rect UiEdit::LineBand(const LineRows& rows) const {
  // The rows and the caret, which stands above them and reaches below; never the outline.
  const EditStyle& caret = Style().edit;
  const Rect lineRect = document_.LineRect(rows.line);
  const float top = std::max(1.f, areas_.text.top + lineRect.top + rows.top + scroll_.y - caret.caretRise);
  const float bottom =
      std::min(static_cast<float>(PixelHeight() - 1),
               areas_.text.top + lineRect.Bottom() + scroll_.y + caret.caretDrop);
  return bottom > top ? Rect{areas_.text.left, top, areas_.text.width, bottom - top} : Rect{};
}

EditLook UiEdit::Look() const {
  const UiStyle& style = Style();
  return {options_.textColour.value_or(style.edit.textColour),
          options_.backColour.value_or(style.edit.backColour),
          options_.borderColour.value_or(style.borderColour),
          style.edit.selectionFill,
          style.edit.selectedText,
          font_.Get(),
          format_.Handle()};
}

int UiEdit::OnPaint() {
  const std::optional<Rect>& part = PaintArea();
  if (part && CanMoveDrawnText())
    PaintPart(*part);
  else
    PaintWhole();
  return kNotHandled;
}

void UiEdit::PaintWhole() {
  if (!BeginControlPaint(true)) return;
  EditTextMeasurer measurer = Measurer();
  EditPainter(Graphics(), Look(), measurer)
      .Paint(static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight()), areas_, document_, scroll_,
             Selection());
  paintedScroll_ = scroll_;
  caretBox_ = {};  // the pixels it kept are painted over
  if (caretShown_) PaintCaret(true);
  EndControlPaint();
}

void UiEdit::PaintPart(const Rect& band) {
  if (!BeginControlPaint(false)) return;
  // The old caret goes first: in a box hardly taller than its line it reaches past the band,
  // and it must not move along with the text.
  const PixelBox oldCaret = PaintCaret(false);
  const bool moved = MoveDrawnText();
  if (band.width > 0 && band.height > 0) PaintTextBand(band);
  const PixelBox newCaret = caretShown_ ? PaintCaret(true) : PixelBox{0, 0, 0, 0};
  if (Window() == nullptr || !Visible()) return;
  if (moved) Window()->InvalidateRect(WindowRectOf(areas_.text));
  if (band.width > 0 && band.height > 0) Window()->InvalidateRect(WindowRectOf(band));
  InvalidatePixels(oldCaret);
  InvalidatePixels(newCaret);
}

void UiEdit::PaintTextBand(const Rect& band) {
  EditTextMeasurer measurer = Measurer();
  EditPainter(Graphics(), Look(), measurer).PaintBand(band, areas_, document_, scroll_, Selection());
}

bool UiEdit::CanMoveDrawnText() const {
  // Whole pixels only, and less than the text area: what is drawn is then exactly what a
  // whole repaint would draw there.
  const Rect& text = areas_.text;
  const float dx = scroll_.x - paintedScroll_.x, dy = scroll_.y - paintedScroll_.y;
  const auto whole = [](float value) { return value == std::floor(value); };
  if (dx == 0 && dy == 0) return true;
  return whole(dx) && whole(dy) && whole(text.left) && whole(text.top) && whole(text.width) && whole(text.height) &&
         std::fabs(dx) < text.width && std::fabs(dy) < text.height;
}

bool UiEdit::MoveDrawnText() {
  const int dx = static_cast<int>(scroll_.x - paintedScroll_.x), dy = static_cast<int>(scroll_.y - paintedScroll_.y);
  if (dx == 0 && dy == 0) return false;
  paintedScroll_ = scroll_;
  const Rect& text = areas_.text;
  const int left = static_cast<int>(text.left), top = static_cast<int>(text.top);
  const int width = static_cast<int>(text.width), height = static_cast<int>(text.height);
  // The pixels that stay in view, copied through a surface of their own (source and
  // destination overlap), then the strips the move uncovered.
  const int keptWidth = width - std::abs(dx), keptHeight = height - std::abs(dy);
  const Surface kept(keptWidth, keptHeight);
  HDC surface = GetSurface().Dc();
  BitBlt(kept.Dc(), 0, 0, keptWidth, keptHeight, surface, left + std::max(-dx, 0), top + std::max(-dy, 0), SRCCOPY);
  BitBlt(surface, left + std::max(dx, 0), top + std::max(dy, 0), keptWidth, keptHeight, kept.Dc(), 0, 0, SRCCOPY);
  if (dx != 0)
    PaintTextBand(RectOf(static_cast<float>(dx > 0 ? left : left + keptWidth), text.top, static_cast<float>(std::abs(dx)),
                         text.height));
  if (dy != 0)
    PaintTextBand(RectOf(text.left, static_cast<float>(dy > 0 ? top : top + keptHeight), text.width,
                         static_cast<float>(std::abs(dy))));
  return true;
}


void UiEdit::InvalidatePixels(const PixelBox& box) {
  if (Window() == nullptr || !Visible() || box.right <= box.left) return;
  Window()->InvalidateRect(WindowRectOf(RectOf(static_cast<float>(box.left), static_cast<float>(box.top),
                                               static_cast<float>(box.right - box.left),
                                               static_cast<float>(box.bottom - box.top))));
}

void UiEdit::DrawCaret(bool show) {
  if (show == caretShown_) return;
  caretShown_ = show;
  Repaint(Rect{});  // no text to paint again: the caret alone
}

PixelBox UiEdit::PaintCaret(bool show) {
  HDC surface = GetSurface().Dc();
  if (surface == nullptr) return {};
  if (!show) {
    // The pixels the caret covered go back where they were.
    const PixelBox box = caretBox_;
    if (underCaret_ && box.right > box.left)
      BitBlt(surface, box.left, box.top, box.right - box.left, box.bottom - box.top, underCaret_.Dc(), 0, 0, SRCCOPY);
    caretBox_ = {};
    return box;
  }
  // Only within the text area, so a caret scrolled away leaves no mark on the border.
  const Rect& text = areas_.text;
  const EditStyle& caret = Style().edit;
  const PixelBox covered = CoveringPixels(caretRect_);
  const PixelBox box = {std::max(covered.left, static_cast<int>(text.left)),
                        std::max(covered.top, static_cast<int>(text.top) - static_cast<int>(caret.caretRise)),
                        std::min(covered.right, static_cast<int>(text.Right()) + static_cast<int>(caret.caretWidth)),
                        std::min(covered.bottom, static_cast<int>(text.Bottom()) + static_cast<int>(caret.caretDrop))};
  if (box.right <= box.left || box.bottom <= box.top) return {};
  const int width = box.right - box.left, height = box.bottom - box.top;
  underCaret_ = Surface(width, height);
  if (!underCaret_) return {};
  BitBlt(underCaret_.Dc(), 0, 0, width, height, surface, box.left, box.top, SRCCOPY);
  const UniqueBrush ink = SolidBrush(caret.caretColour);
  gdip::GdipFillRectangleI(Graphics(), ink.get(), box.left, box.top, width, height);
  caretBox_ = box;
  return box;
}

}  // namespace getlink
