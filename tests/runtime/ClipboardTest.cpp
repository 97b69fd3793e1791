#include "runtime/Clipboard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <future>
#include <string>
#include <thread>

#include "runtime/Codec.h"
#include "runtime/WinHandles.h"

namespace getlink {
namespace {

// What a Unicode program pasting now would get, read straight from the clipboard.
std::wstring UnicodeOnClipboard() {
  const ClipboardScope clipboard;
  if (!clipboard.IsOpen()) return L"<closed>";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return L"<none>";
  const GlobalLockScope lock(data);
  return lock.data() != nullptr ? std::wstring(static_cast<const wchar_t*>(lock.data())) : L"<unlocked>";
}

// Puts `text` on the clipboard as CF_TEXT only, the way an old ANSI program would.
void PutAnsiOnly(const std::string& text) {
  const ClipboardScope clipboard;
  ASSERT_TRUE(clipboard.IsOpen());
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  ASSERT_NE(memory, nullptr);
  {
    const GlobalLockScope lock(memory.get());
    std::memcpy(lock.data(), text.c_str(), text.size() + 1);
  }
  EmptyClipboard();
  ASSERT_NE(SetClipboardData(CF_TEXT, memory.get()), nullptr);
  memory.release();
}

TEST(Clipboard, ChineseTextRoundTripsAndPastesAsUnicode) {
  const Text text = "下载地址：http://pan.example/文件.zip\r\n第二行";
  ASSERT_TRUE(SetClipboardText(text));
  EXPECT_EQ(ClipboardText(), text);
  // Any Unicode program sees the same characters, whatever the ANSI code page is.
  EXPECT_EQ(UnicodeOnClipboard(), ToWide(text));
  EXPECT_EQ(UnicodeOnClipboard().substr(0, 5), std::wstring(L"\x4E0B\x8F7D\x5730\x5740\xFF1A"));
}

TEST(Clipboard, EmptyTextLeavesTheClipboardAsItWas) {
  ASSERT_TRUE(SetClipboardText("before"));
  EXPECT_FALSE(SetClipboardText(""));
  EXPECT_EQ(ClipboardText(), "before");
}

TEST(Clipboard, ReadsPlainTextPutByOtherPrograms) {
  PutAnsiOnly("plain text 123");
  EXPECT_EQ(ClipboardText(), "plain text 123");
}

TEST(Clipboard, AnOpenClipboardElsewhereMeansNothingIsReadOrWritten) {
  ASSERT_TRUE(SetClipboardText("kept"));
  // Another thread holds the clipboard open: both operations must fail cleanly.
  std::promise<void> opened, release;
  std::thread holder([&] {
    const UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr));
    const ClipboardScope clipboard(owner.get());
    opened.set_value();
    release.get_future().wait();
  });
  opened.get_future().wait();
  EXPECT_FALSE(SetClipboardText("lost"));
  EXPECT_EQ(ClipboardText(), "");
  release.set_value();
  holder.join();
  EXPECT_EQ(ClipboardText(), "kept");
}

}  // namespace
}  // namespace getlink
