// The application's handlers bound to event codes, of a control or of a window: at most one
// handler a code; binding a code again replaces its handler, a new code goes after the
// others.
#pragma once

#include <vector>

#include "ui/framework/window/ControlEvent.h"

namespace getlink {

template <class Handler>
class EventBindings {
 public:
  void Bind(EventCode code, Handler handler) {
    for (Binding& binding : bindings_) {
      if (binding.code == code) {
        binding.handler = std::move(handler);
        return;
      }
    }
    bindings_.push_back({code, std::move(handler)});
  }

  // The handler of the first binding, in the order bound, whose code `matches` takes;
  // empty when there is none. A copy: running it may rebind the codes or destroy the
  // bindings' owner.
  template <class Match>
  Handler First(Match matches) const {
    for (const Binding& binding : bindings_)
      if (matches(binding.code)) return binding.handler;
    return Handler();
  }

  void Clear() { bindings_.clear(); }

 private:
  struct Binding {
    EventCode code;
    Handler handler;
  };
  std::vector<Binding> bindings_;
};

}  // namespace getlink
