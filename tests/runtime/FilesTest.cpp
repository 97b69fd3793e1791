#include "runtime/Files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/Codec.h"
#include "runtime/WinHandles.h"
#include "tests/support/ProbeProcess.h"

namespace getlink {
namespace {

// A file in the test's directory, created with the given bytes and removed afterwards.
class ScratchFile {
 public:
  ScratchFile(const Text& name, const std::string& bytes) : path_(RunDirectory() + "\\" + name) {
    HANDLE raw = CreateFileW(ToWide(path_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(raw, INVALID_HANDLE_VALUE) << path_;
    if (raw == INVALID_HANDLE_VALUE) return;
    const UniqueHandle file(raw);
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  ~ScratchFile() { DeleteFileW(ToWide(path_).c_str()); }
  const Text& path() const { return path_; }

 private:
  Text path_;
};

TEST(RunDirectory, IsTheFolderOfTheRunningExecutableWithoutTrailingBackslash) {
  const Text dir = RunDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
  const DWORD attributes = GetFileAttributesW(ToWide(dir + "\\runtime_win_tests.exe").c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << dir;
}

TEST(RunDirectory, KeepsChineseFolderNamesOnAnyLocale) {
  // A copy of the probe in a folder whose name the ANSI code page of this system may
  // not hold; the probe prints its run directory as GBK.
  const Text folder = RunDirectory() + "\\运行目录";
  const Text copy = folder + "\\exit_probe.exe";
  CreateDirectoryW(ToWide(folder).c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(ToWide(testing::BesideTestExecutable("exit_probe.exe")).c_str(), ToWide(copy).c_str(), FALSE));
  const testing::ProbeRun run = testing::RunProbe(copy, "run-directory");
  DeleteFileW(ToWide(copy).c_str());
  RemoveDirectoryW(ToWide(folder).c_str());
  ASSERT_TRUE(run.started);
  EXPECT_EQ(run.output, folder);
}

TEST(ReadFileBytes, MissingAndEmptyFilesGiveNoBytes) {
  EXPECT_TRUE(ReadFileBytes(RunDirectory() + "\\no-such-file.bin").empty());
  EXPECT_TRUE(ReadFileBytes("").empty());
  const ScratchFile empty("empty.bin", "");
  EXPECT_TRUE(ReadFileBytes(empty.path()).empty());
}

TEST(ReadFileBytes, ReadsEveryByteIncludingZeros) {
  std::string content("\x89PNG\0\r\n\x1a", 8);
  for (int i = 0; i < 70000; ++i) content.push_back(static_cast<char>(i * 7));
  const ScratchFile file("bytes.bin", content);
  const ByteSet bytes = ReadFileBytes(file.path());
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), content);
  const ByteSet first = ReadFileBytes(file.path(), 9);
  EXPECT_EQ(std::string(first.begin(), first.end()), content.substr(0, 9));
  EXPECT_EQ(ReadFileBytes(file.path(), content.size() + 1).size(), content.size());
}

TEST(ReadFileBytes, OpensChineseNamesAndFilesOthersHaveOpenForWriting) {
  const ScratchFile file("背景图片.jpg", "picture");
  HANDLE raw = CreateFileW(ToWide(file.path()).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(raw, INVALID_HANDLE_VALUE);
  const UniqueHandle writer(raw);
  const ByteSet bytes = ReadFileBytes(file.path());
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "picture");
}

}  // namespace
}  // namespace getlink
