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
  writeEnd.reset();  // only the child writes now
  // Reads while the child runs, and stops when it has exited rather than when the pipe
  // closes: a process the child started (a Wine service, say) may hold the pipe open.
  const DWORD deadline = GetTickCount() + 60000;
  char buffer[4096];
  for (;;) {
    DWORD available = 0;
    while (PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) && available > 0) {
      DWORD read = 0;
      if (!ReadFile(readEnd.get(), buffer, available < sizeof buffer ? available : sizeof buffer, &read, nullptr) ||
          read == 0)
        break;
      run.output.append(buffer, read);
    }
    if (run.exited) break;
    run.exited = WaitForSingleObject(process.get(), 20) == WAIT_OBJECT_0;  // one more drain after it
    if (!run.exited && static_cast<int>(deadline - GetTickCount()) <= 0) {
      TerminateProcess(process.get(), 99);
      break;
    }
  }
  GetExitCodeProcess(process.get(), &run.exitCode);
  return run;
}

}  // namespace getlink::testing
