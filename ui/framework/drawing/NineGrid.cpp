#include "ui/framework/drawing/NineGrid.h"

namespace getlink {
namespace {

// The two border widths along one axis, scaled down together when they exceed `room`.
void FitBorders(float room, float& first, float& second) {
  if (first < 0) first = 0;
  if (second < 0) second = 0;
  const float sum = first + second;
  if (sum > room && sum > 0) {
    const float scale = room > 0 ? room / sum : 0;
    first *= scale;
    second *= scale;
  }
}

// The margins as they fit `rect`.
Margins Fitted(Margins margins, const Rect& rect) {
  FitBorders(rect.width, margins.left, margins.right);
  FitBorders(rect.height, margins.top, margins.bottom);
  return margins;
}

struct Span {
  float start;
  float size;
};

// Start and size of the three bands along one axis.
void Bands(float start, float size, float first, float second, Span out[3]) {
  out[0] = {start, first};
  out[1] = {start + first, size - first - second};
  out[2] = {start + size - second, second};
}

}  // namespace

std::vector<ImagePiece> NineGridPieces(const Rect& source, const Rect& destination, const Margins& margins) {
  return NineGridPieces(source, destination, margins, Fitted(margins, source));
}

std::vector<ImagePiece> NineGridPieces(const Rect& source, const Rect& destination, const Margins& sourceMargins,
                                       const Margins& destinationMargins) {
  const Margins from = Fitted(sourceMargins, source);
  const Margins to = Fitted(destinationMargins, destination);
  Span sourceColumns[3], sourceRows[3], destinationColumns[3], destinationRows[3];
  Bands(source.left, source.width, from.left, from.right, sourceColumns);
  Bands(source.top, source.height, from.top, from.bottom, sourceRows);
  Bands(destination.left, destination.width, to.left, to.right, destinationColumns);
  Bands(destination.top, destination.height, to.top, to.bottom, destinationRows);

  std::vector<ImagePiece> pieces;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const ImagePiece piece = {
          {sourceColumns[column].start, sourceRows[row].start, sourceColumns[column].size, sourceRows[row].size},
          {destinationColumns[column].start, destinationRows[row].start, destinationColumns[column].size,
           destinationRows[row].size}};
      if (piece.source.width > 0 && piece.source.height > 0 && piece.destination.width > 0 &&
          piece.destination.height > 0)
        pieces.push_back(piece);
    }
  }
  return pieces;
}

}  // namespace getlink
