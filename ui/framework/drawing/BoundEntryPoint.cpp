#include "ui/framework/drawing/BoundEntryPoint.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "runtime/Codec.h"
#include "runtime/ProgramLifetime.h"
#include "runtime/WinHandles.h"

namespace getlink {
namespace {

const char kDllErrorTitle[] = "DLL ERROR";

// Modules this process loaded for late binding, released at exit.
std::mutex gModulesMutex;
std::vector<UniqueModule>& LoadedModules() {
  static std::vector<UniqueModule> modules;
  return modules;
}

[[noreturn]] void ReportMissing(const Text& message) { EndWithFatalReport(message, kDllErrorTitle); }

}  // namespace

FARPROC ResolveEntryPoint(const char* module, const char* name) {
  const std::wstring wideModule = ToWide(module);
  HMODULE handle = GetModuleHandleW(wideModule.c_str());
  if (handle == nullptr) {
    UniqueModule loaded(LoadLibraryW(wideModule.c_str()));
    if (loaded == nullptr) {
      char message[512];
      std::snprintf(message, sizeof message, "同目录下无法找到DLL文件:\"%s\".请与作者联系.", module);
      ReportMissing(message);
    }
    handle = loaded.get();
    const std::lock_guard<std::mutex> lock(gModulesMutex);
    LoadedModules().push_back(std::move(loaded));
  }
  const char* procedure = name;
  if (name[0] == '#') procedure = MAKEINTRESOURCEA(std::strtoul(name + 1, nullptr, 10));
  FARPROC address = GetProcAddress(handle, procedure);
  if (address == nullptr) {
    char message[512];
    std::snprintf(message, sizeof message, "无法定位DLL文件:\"%s\"当中的\"%s\"函数.", module, name);
    ReportMissing(message);
  }
  return address;
}

}  // namespace getlink
