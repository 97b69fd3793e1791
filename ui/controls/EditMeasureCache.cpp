#include "ui/controls/EditMeasureCache.h"

#include <utility>

namespace getlink {

void EditMeasureCache::Clear() {
  advances_.Clear();
  text_.clear();
  room_.reset();
  rows_.reset();
}

const EditRows* EditMeasureCache::RowsOf(std::string_view displayText, std::optional<float> room) const {
  return rows_ && room == room_ && displayText == text_ ? &*rows_ : nullptr;
}

const EditRows& EditMeasureCache::Keep(std::string_view displayText, std::optional<float> room, EditRows rows) {
  text_.assign(displayText);
  room_ = room;
  rows_ = std::move(rows);
  return *rows_;
}

}  // namespace getlink
