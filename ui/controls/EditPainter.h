// Draws an edit box's face into its surface: background and outline, the lines that
// meet the text area (display text: password characters, tabs as spaces), and the
// selection as a highlight with its characters drawn again in the selected text colour.
// The caret is the box's own business.
#pragma once

#include "ui/controls/EditDocument.h"
#include "ui/controls/EditGeometry.h"
#include "ui/controls/EditTextMeasurer.h"
#include "ui/framework/drawing/Colour.h"

namespace getlink {

struct EditLook {
  Argb text;
  Argb back;
  Argb border;
  Argb selectionFill;
  Argb selectedText;
  GpFont* font = nullptr;
  GpStringFormat* format = nullptr;
};

// The selected characters, start before end (equal: nothing selected).
struct EditSelection {
  TextPosition start;
  TextPosition end;
  bool IsEmpty() const { return start == end; }
};

class EditPainter {
 public:
  EditPainter(GpGraphics* graphics, const EditLook& look, EditTextMeasurer& measurer)
      : graphics_(graphics), look_(look), measurer_(measurer) {}

  // The whole face.
  void Paint(float width, float height, const EditAreas& areas, const EditDocument& document,
             ScrollOffsets scroll, const EditSelection& selection);
  // Only `band` (a strip of the text area, which it may pass by a few pixels), its old
  // pixels replaced: after an edit within one line.
  void PaintBand(const Rect& band, const EditAreas& areas, const EditDocument& document, ScrollOffsets scroll,
                 const EditSelection& selection);

 private:
  // The lines that meet `clip` (within the text area), drawn clipped to it.
  void PaintLines(const Rect& clip, const EditDocument& document, ScrollOffsets scroll,
                  const EditSelection& selection);
  // A line whose layout starts at the top-left corner of `origin`.
  void PaintLine(const EditDocument& document, int line, const Rect& origin, const EditSelection& selection);
  // Each run of `shown` as a string of its own, unbounded (GDI+ wraps nothing), in `colour`.
  void DrawRuns(std::string_view shown, const std::vector<EditTextMeasurer::Run>& runs, const Rect& origin,
                Argb colour);
  // The selected part of a line (within `runs`) as one rectangle a row, relative to the
  // line's origin.
  std::vector<Rect> SelectionRows(const EditDocument& document, int line, const EditSelection& selection,
                                  const std::vector<EditTextMeasurer::Run>& runs) const;

  GpGraphics* graphics_;
  EditLook look_;
  EditTextMeasurer& measurer_;
  Rect textArea_;
  Rect clip_;
};

}  // namespace getlink
