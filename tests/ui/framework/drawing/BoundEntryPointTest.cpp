#include "ui/framework/drawing/BoundEntryPoint.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/FatalError.h"
#include "tests/support/ProbeProcess.h"
#include "ui/framework/drawing/SystemEntryPoints.h"

namespace getlink {
namespace {

int gResolutions = 0;

FARPROC CountingResolver(const char* module, const char* name) {
  ++gResolutions;
  return ResolveEntryPoint(module, name);
}

// The ordinal under which `module` exports `name`, read from its export table.
WORD ExportOrdinal(HMODULE module, const char* name) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  const auto* ordinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    if (std::string(reinterpret_cast<const char*>(base + names[i])) == name)
      return static_cast<WORD>(exports->Base + ordinals[i]);
  return 0;
}

TEST(BoundEntryPoint, ResolvesOnTheFirstCallOnly) {
  gResolutions = 0;
  BoundEntryPoint<decltype(&::GetCurrentProcessId)> processId("kernel32.dll", "GetCurrentProcessId",
                                                              CountingResolver);
  EXPECT_FALSE(processId.IsResolved());
  EXPECT_EQ(processId(), GetCurrentProcessId());
  EXPECT_TRUE(processId.IsResolved());
  EXPECT_EQ(gResolutions, 1);
  EXPECT_EQ(processId(), GetCurrentProcessId());
  EXPECT_EQ(processId(), GetCurrentProcessId());
  EXPECT_EQ(gResolutions, 1);
}

TEST(BoundEntryPoint, AHashNameIsADecimalOrdinal) {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const WORD ordinal = ExportOrdinal(kernel, "GetCurrentThreadId");
  ASSERT_NE(ordinal, 0);
  const std::string name = "#" + std::to_string(ordinal);
  BoundEntryPoint<decltype(&::GetCurrentThreadId)> threadId("kernel32.dll", name.c_str());
  EXPECT_EQ(threadId(), GetCurrentThreadId());
}

TEST(BoundEntryPoint, LoadsAModuleTheProgramHasNotLoaded) {
  BOOL composition = 2;
  EXPECT_EQ(bound::DwmIsCompositionEnabled(&composition), S_OK);
  EXPECT_TRUE(composition == TRUE || composition == FALSE);
  EXPECT_NE(GetModuleHandleW(L"dwmapi.dll"), nullptr);
}

// Runs the probe in `mode` and checks that it showed `text` in an error box titled
// "DLL ERROR" and ended at once, with the fatal exit status.
void ExpectDllError(const std::string& mode, const std::string& text) {
  const testing::ProbeRun run = testing::RunProbe(testing::BesideTestExecutable("bound_entry_probe.exe"), mode);
  ASSERT_TRUE(run.started);
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(kFatalExitStatus));
  EXPECT_NE(run.output.find("box:" + text + "\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("icon:error"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("returned"), std::string::npos) << run.output;
}

TEST(BoundEntryPoint, AMissingModuleIsReportedAndEndsTheProgram) {
  ExpectDllError("missing-module", "同目录下无法找到DLL文件:\"getlink_missing.dll\".请与作者联系.");
}

TEST(BoundEntryPoint, AMissingFunctionIsReportedAndEndsTheProgram) {
  ExpectDllError("missing-function", "无法定位DLL文件:\"user32\"当中的\"GetlinkMissingFunction\"函数.");
}

}  // namespace
}  // namespace getlink
