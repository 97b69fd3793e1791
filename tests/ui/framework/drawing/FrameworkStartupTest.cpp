#include "ui/framework/drawing/FrameworkStartup.h"

#include <gtest/gtest.h>

#include "runtime/WinHandles.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/Image.h"

namespace getlink {
namespace {

// What the edit-menu step saw of the other steps when it ran.
struct StartupRecord {
  int editMenuBuilds = 0;
  bool classRegistered = false;
  bool fontMade = false;
  bool spriteLoaded = false;
  bool cursorSet = false;
};
StartupRecord gRecord;

void RecordEditMenuStep() {
  ++gRecord.editMenuBuilds;
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  gRecord.classRegistered = GetClassInfoExW(GetModuleHandleW(nullptr), L"Zt_LayerUI", &windowClass) != FALSE;
  gRecord.fontMade = DefaultFont() != nullptr;
  gRecord.spriteLoaded = CaptionButtonImage() != nullptr;
  gRecord.cursorSet = DefaultCursor() != nullptr;
}

// The framework starts before any test of this program runs, the way the program
// starts it: through FrameworkStartup with the edit-menu step.
class FrameworkEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { FrameworkStartup(RecordEditMenuStep); }
};
::testing::Environment* const gEnvironment = ::testing::AddGlobalTestEnvironment(new FrameworkEnvironment);

TEST(FrameworkStartup, BuildsTheEditMenuLastAndOnce) {
  EXPECT_EQ(gRecord.editMenuBuilds, 1);
  EXPECT_TRUE(gRecord.classRegistered);
  EXPECT_TRUE(gRecord.fontMade);
  EXPECT_TRUE(gRecord.spriteLoaded);
  EXPECT_TRUE(gRecord.cursorSet);

  GpFont* font = DefaultFont();
  bool builtAgain = false;
  FrameworkStartup([&] { builtAgain = true; });
  EXPECT_FALSE(builtAgain);
  EXPECT_EQ(DefaultFont(), font);
}

TEST(FrameworkStartup, MakesTheSharedFontSpriteAndVersion) {
  Gdiplus::REAL size = 0;
  INT style = -1;
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  ASSERT_NE(DefaultFont(), nullptr);
  gdip::GdipGetFontSize(DefaultFont(), &size);
  gdip::GdipGetFontStyle(DefaultFont(), &style);
  gdip::GdipGetFontUnit(DefaultFont(), &unit);
  EXPECT_FLOAT_EQ(size, 12.0f);
  EXPECT_EQ(style, 0);
  EXPECT_EQ(unit, Gdiplus::UnitPixel);
  EXPECT_EQ(ImageWidth(CaptionButtonImage()), 729);
  EXPECT_EQ(ImageHeight(CaptionButtonImage()), 20);
  EXPECT_GE(OsMajorVersion(), 5);
}

TEST(RegisterUiClass, TheWindowClassDoubleClicksAndShowsTheProgramIcon) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"Zt_LayerUI", &windowClass));
  EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  ASSERT_NE(DefaultIcon(), nullptr);
  EXPECT_EQ(windowClass.hIcon, DefaultIcon());
  // The program's own icon, resource 129: 32 pixels, blue.
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(windowClass.hIcon, &info));
  BITMAP colour = {};
  const GdiBitmap colourBits(info.hbmColor), maskBits(info.hbmMask);
  GetObjectW(colourBits.get(), sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, 32);

  // A window of the class is an ordinary window until a framework window takes it over.
  const UniqueWindow window(CreateWindowExW(0, L"Zt_LayerUI", L"probe", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
  ASSERT_NE(window, nullptr);
  wchar_t title[16] = {};
  GetWindowTextW(window.get(), title, 16);
  EXPECT_STREQ(title, L"probe");

  EXPECT_EQ(RegisterUiClass(), 0) << "registered twice";
}

TEST(RegisterUiClass, TakesTheGivenSettings) {
  HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
  UiClassOptions options;
  options.name = "界面测试类";
  options.style = CS_HREDRAW;
  options.cursor = cross;
  ASSERT_NE(RegisterUiClass(options), 0);
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"\x754C\x9762\x6D4B\x8BD5\x7C7B", &windowClass));
  EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_HREDRAW));
  EXPECT_EQ(windowClass.hCursor, cross);
  UnregisterClassW(L"\x754C\x9762\x6D4B\x8BD5\x7C7B", GetModuleHandleW(nullptr));
}

}  // namespace
}  // namespace getlink
