// System functions looked up by name on their first call, so that the program starts on
// systems that lack them and reports a missing one plainly when it is needed.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace getlink {

// The address of `name` in `module` (a name "#N" is the ordinal N). The module is
// taken from the process when it is loaded already, else loaded and kept until exit.
// When the module or the function is missing, a "DLL ERROR" message box says so and the
// program ends: this never returns null.
FARPROC ResolveEntryPoint(const char* module, const char* name);

using EntryPointResolver = FARPROC (*)(const char* module, const char* name);

// A function of type `Function` (a pointer type such as decltype(&::WindowFromPoint))
// in `module`: the first call resolves it, later calls go straight to it.
template <class Function>
class BoundEntryPoint {
 public:
  constexpr BoundEntryPoint(const char* module, const char* name, EntryPointResolver resolver = &ResolveEntryPoint)
      : module_(module), name_(name), resolver_(resolver) {}
  BoundEntryPoint(const BoundEntryPoint&) = delete;
  BoundEntryPoint& operator=(const BoundEntryPoint&) = delete;

  template <class... Args>
  decltype(auto) operator()(Args&&... args) const {
    return Resolve()(std::forward<Args>(args)...);
  }

  bool IsResolved() const { return address_.load(std::memory_order_acquire) != nullptr; }
  const char* Module() const { return module_; }
  const char* Name() const { return name_; }

 private:
  Function Resolve() const {
    Function function = address_.load(std::memory_order_acquire);
    if (function == nullptr) {
      // Through void(*)(), the one function pointer type every other converts from
      // without a warning.
      function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(resolver_(module_, name_)));
      address_.store(function, std::memory_order_release);
    }
    return function;
  }

  const char* module_;
  const char* name_;
  EntryPointResolver resolver_;
  mutable std::atomic<Function> address_{nullptr};
};

}  // namespace getlink
