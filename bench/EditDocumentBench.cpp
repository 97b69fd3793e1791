// The edit box's text model: a character typed at the end of a text of 200, 2,000 and
// 20,000 lines and taken away again with Backspace, each followed by the layout (with the
// fixed-pitch measurer of the tests, so that only the model's own work is timed). One
// line is measured a keystroke; what grows with the line count is the walk over the line
// table.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/ui/controls/FixedPitchMeasurer.h"
#include "ui/controls/EditDocument.h"

namespace {

void BM_TypeAndBackspaceAtEnd(benchmark::State& state) {
  std::string text;
  for (int i = 1; i <= state.range(0); ++i) text += "第 " + std::to_string(i) + " 行 line of mixed 中文 and ASCII\r\n";
  getlink::EditDocument document;
  document.SetText(text, true);
  getlink::testing::FixedPitchMeasurer measurer;
  const getlink::Rect area = {0, 0, 420, 280};
  document.Layout(measurer, area, 3);
  measurer.calls = 0;
  for (auto _ : state) {
    const std::size_t end = document.InsertAt(document.ByteLength(), "x");
    document.Layout(measurer, area, 3);
    document.DeleteRange(end - 1, end);
    document.Layout(measurer, area, 3);
  }
  state.counters["measured a key"] = static_cast<double>(measurer.calls) / static_cast<double>(2 * state.iterations());
}
BENCHMARK(BM_TypeAndBackspaceAtEnd)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
