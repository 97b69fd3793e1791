#include "runtime/FatalError.h"

#include <atomic>
#include <cstdio>

#include "runtime/Codec.h"
#include "runtime/ProgramLifetime.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace getlink {
namespace {

std::atomic<FatalReportWriter> gReportWriter{nullptr};

const char* const kMessages[] = {
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用外部函数后发现堆栈错误，通常是参数数目不正确",
    "子程序参数未返回数据或者返回了非基本类型或数组型数据",
    "被比较数据只能使用等于或不等于比较",
    "多路选择的索引值小于零或超出了所提供参数表范围",
    "重新定义数组时维数参数必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

}  // namespace

Text FatalErrorText(int number) {
  const char* message = "";
  if (number >= 1 && number <= static_cast<int>(sizeof kMessages / sizeof kMessages[0]))
    message = kMessages[number - 1];
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, "program internal error number is %d. \r\n%s", number, message);
  return buffer;
}

void ReportFatalErrorsThrough(FatalReportWriter write) { gReportWriter = write; }

void ShowErrorBox(std::string_view text, std::string_view title) {
  if (const FatalReportWriter write = gReportWriter) {
    write(ConcatTexts(title, ": ", text, "\r\n"));
    return;
  }
#ifdef _WIN32
  MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(), MB_OK | MB_ICONERROR);
#else
  std::fprintf(stderr, "%s: %s\n", GbkToUtf8(title).c_str(), GbkToUtf8(text).c_str());
#endif
}

void FatalError(int number) { EndWithFatalReport(FatalErrorText(number)); }

void ReportOutOfMemory() { EndWithFatalReport("内存不足"); }

}  // namespace getlink
