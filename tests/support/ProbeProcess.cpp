#include "tests/support/ProbeProcess.h"

#include "runtime/Codec.h"
#include "runtime/WinHandles.h"

namespace getlink::testing {

std::string BesideTestExecutable(const std::string& fileName) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path);
  return FromWide(dir.substr(0, dir.find_last_of(L'\\') + 1)) + fileName;
}

ProbeRun RunProbe(const std::string& path, const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readRaw = nullptr, writeRaw = nullptr;
  ProbeRun run;
  if (!CreatePipe(&readRaw, &writeRaw, &inherit, 0)) return run;
  const UniqueHandle readEnd(readRaw);
  UniqueHandle writeEnd(writeRaw);
  SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = writeEnd.get();
  si.hStdError = writeEnd.get();
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  std::wstring commandLine = ToWide("\"" + path + "\" " + arguments);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
    return run;
  const UniqueHandle process(pi.hProcess);
  const UniqueHandle thread(pi.hThread);
  run.started = true;
  writeEnd.reset();  // only the child writes now: reading ends when it does
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) run.output.append(buffer, read);
  WaitForSingleObject(process.get(), 30000);
  GetExitCodeProcess(process.get(), &run.exitCode);
  return run;
}

}  // namespace getlink::testing
