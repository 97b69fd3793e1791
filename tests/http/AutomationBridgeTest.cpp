#include "http/AutomationBridge.h"

#include <gtest/gtest.h>

#include "RecordingObject.h"
#include "http/BString.h"
#include "http/ComApartment.h"

namespace getlink {
namespace {

constexpr char kWinHttp[] = "WinHttp.WinHttpRequest.5.1";
constexpr char kWinHttpClsid[] = "{2087c2f4-2cef-4953-a8ab-66779b670495}";
constexpr std::int32_t kUrlCodePageOption = 2;  // a VT_I4 option of the WinHttp request object

class WinHttpObject : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(com_.Result()));
    ASSERT_TRUE(CreateAutomationObject(request_, kWinHttp)) << std::hex << request_.lastResult;
  }
  ComApartment com_;
  AutomationObject request_;
};

TEST_F(WinHttpObject, CreatedFromProgIdOrFromClsidInBraces) {
  EXPECT_EQ(request_.lastResult, S_OK);
  EXPECT_TRUE(request_.instance);

  AutomationObject byClsid;
  EXPECT_TRUE(CreateAutomationObject(byClsid, kWinHttpClsid));
  EXPECT_EQ(byClsid.lastResult, S_OK);
  EXPECT_TRUE(byClsid.instance);
}

TEST_F(WinHttpObject, FailedCreationEmptiesTheHolder) {
  EXPECT_FALSE(CreateAutomationObject(request_, ""));
  EXPECT_EQ(request_.lastResult, 0);
  EXPECT_FALSE(request_.instance);

  ASSERT_TRUE(CreateAutomationObject(request_, kWinHttp));
  EXPECT_FALSE(CreateAutomationObject(request_, "No.Such.Object.1"));
  EXPECT_TRUE(FAILED(request_.lastResult));
  EXPECT_FALSE(request_.instance);
}

TEST_F(WinHttpObject, PropertyPutStoresTheValueAtItsIndex) {
  // With index and value swapped the object would be asked for option 936 and refuse.
  EXPECT_TRUE(SetProperty(request_, "Option", {kUrlCodePageOption, 936}));
  const AutomationVariant value = GetVariantProperty(request_, "Option", {kUrlCodePageOption});
  EXPECT_EQ(request_.lastResult, S_OK);
  ASSERT_EQ(value.Type(), VT_I4);
  EXPECT_EQ(value.Get().lVal, 936);
}

TEST_F(WinHttpObject, NonStringPropertyGivesEmptyText) {
  EXPECT_EQ(GetTextProperty(request_, "Option", {kUrlCodePageOption}), "");
  EXPECT_EQ(request_.lastResult, S_OK);
}

TEST_F(WinHttpObject, MethodsTakeTextsNumbersAndBooleans) {
  InvokeMethod(request_, "SetTimeouts", {15000, 15000, 15000, 15000});
  EXPECT_EQ(request_.lastResult, S_OK);
  InvokeMethod(request_, "Open", {"POST", "http://127.0.0.1:9/share/downloadfile/", false});
  EXPECT_EQ(request_.lastResult, S_OK);
  InvokeMethod(request_, "SetRequestHeader", {"Referer", "http://127.0.0.1:9/"});
  EXPECT_EQ(request_.lastResult, S_OK);
  // Open's third argument is optional: left out, the call still succeeds.
  InvokeMethod(request_, "Open", {"GET", "http://127.0.0.1:9/", AutomationArg::Omitted()});
  EXPECT_EQ(request_.lastResult, S_OK);
}

TEST_F(WinHttpObject, FailuresAreRecordedNotRaised) {
  InvokeMethod(request_, "NoSuchMember");
  EXPECT_EQ(request_.lastResult, DISP_E_UNKNOWNNAME);
  // No response yet: the object refuses, and the refusal is the member's own, not a
  // lookup failure of a get invoked as a property only.
  EXPECT_EQ(GetTextProperty(request_, "GetallResponseHeaders"), "");
  EXPECT_TRUE(FAILED(request_.lastResult));
  EXPECT_NE(request_.lastResult, DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(GetVariantProperty(request_, "ResponseBody").Type(), VT_EMPTY);
  EXPECT_TRUE(FAILED(request_.lastResult));
}

TEST_F(WinHttpObject, ReleaseEmptiesTheHolder) {
  InvokeMethod(request_, "NoSuchMember");
  ReleaseAutomationObject(request_);
  EXPECT_FALSE(request_.instance);
  EXPECT_EQ(request_.lastResult, 0);
}

TEST(EmptyHolder, EveryCallGivesPointerErrorAndEmptyResult) {
  ComApartment com;
  AutomationObject empty;
  InvokeMethod(empty, "Open", {"GET", "http://127.0.0.1/", false});
  EXPECT_EQ(empty.lastResult, E_POINTER);
  empty.lastResult = S_OK;
  EXPECT_EQ(GetTextProperty(empty, "GetallResponseHeaders"), "");
  EXPECT_EQ(empty.lastResult, E_POINTER);
  empty.lastResult = S_OK;
  EXPECT_EQ(GetVariantProperty(empty, "ResponseBody").Type(), VT_EMPTY);
  EXPECT_EQ(empty.lastResult, E_POINTER);
  empty.lastResult = S_OK;
  EXPECT_FALSE(SetProperty(empty, "Option", {6, 0}));
  EXPECT_EQ(empty.lastResult, E_POINTER);
}

// What arrives at the object, observed through the recording test object.
class AutomationCall : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(com_.Result()));
    recorder_ = RecordingObject::Create();
    object_.instance = recorder_.Query<IUnknown>(IID_IUnknown);
  }
  const RecordedCall& Last() const { return recorder_->LastCall(); }
  Text SlotText(std::size_t slot) const { return BString::ToText(Last().slotValues[slot].Get().bstrVal); }
  LONG SlotNumber(std::size_t slot) const { return Last().slotValues[slot].Get().lVal; }

  ComApartment com_;
  ComPtr<RecordingObject> recorder_;
  AutomationObject object_;
};

TEST_F(AutomationCall, PropertyPutPassesTheValueInSlotZeroAsTheNamedArgument) {
  EXPECT_TRUE(SetProperty(object_, "Value", {6, 42}));
  EXPECT_EQ(Last().flags, DISPATCH_PROPERTYPUT);
  ASSERT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_I4, VT_I4}));
  EXPECT_EQ(SlotNumber(0), 42);
  EXPECT_EQ(SlotNumber(1), 6);
  EXPECT_EQ(Last().named, (std::vector<DISPID>{DISPID_PROPERTYPUT}));

  const AutomationVariant value = GetVariantProperty(object_, "Value", {6});
  EXPECT_EQ(Last().flags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
  EXPECT_TRUE(Last().named.empty());
  ASSERT_EQ(value.Type(), VT_I4);
  EXPECT_EQ(value.Get().lVal, 42);
}

TEST_F(AutomationCall, ArgumentsArriveInReverseOrder) {
  InvokeMethod(object_, "Join", {"文件", 5, true});
  EXPECT_EQ(Last().flags, DISPATCH_METHOD);
  ASSERT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_BOOL, VT_I4, VT_BSTR}));
  EXPECT_EQ(Last().slotValues[0].Get().boolVal, VARIANT_TRUE);
  EXPECT_EQ(SlotNumber(1), 5);
  EXPECT_EQ(SlotText(2), "文件");
  EXPECT_EQ(std::wstring(Last().slotValues[2].Get().bstrVal), L"\x6587\x4EF6");
  EXPECT_EQ(object_.lastResult, S_OK);
}

TEST_F(AutomationCall, OmittedArguments) {
  InvokeMethod(object_, "Join", {"a", 1, AutomationArg::Omitted()});
  ASSERT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_I4, VT_BSTR}));
  EXPECT_EQ(SlotNumber(0), 1);

  InvokeMethod(object_, "Join", {AutomationArg::Omitted()});
  EXPECT_TRUE(Last().slotTypes.empty());

  // Left out in the middle: the slot says "parameter not found".
  InvokeMethod(object_, "Join", {"a", AutomationArg::Omitted(), true});
  ASSERT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_BOOL, VT_ERROR, VT_BSTR}));
  EXPECT_EQ(Last().slotValues[1].Get().scode, DISP_E_PARAMNOTFOUND);
}

TEST_F(AutomationCall, TextDeclaredByReferenceIsWrittenBack) {
  Text text = "文件";
  InvokeMethod(object_, "Describe", {AutomationArg::ByReference(text)});
  EXPECT_EQ(object_.lastResult, S_OK);
  EXPECT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_BSTR | VT_BYREF}));
  EXPECT_EQ(text, "中文:文件");

  Text empty;
  InvokeMethod(object_, "Describe", {AutomationArg::ByReference(empty)});
  EXPECT_EQ(empty, "中文:");
}

TEST_F(AutomationCall, NumbersAndBooleansDeclaredByReferenceAreWrittenBack) {
  std::int32_t number = 41;
  bool flag = false;
  InvokeMethod(object_, "Bump", {AutomationArg::ByReference(number), AutomationArg::ByReference(flag)});
  EXPECT_EQ(object_.lastResult, S_OK);
  EXPECT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_BOOL | VT_BYREF, VT_I4 | VT_BYREF}));
  EXPECT_EQ(number, 42);
  EXPECT_TRUE(flag);
}

TEST_F(AutomationCall, ReferenceToAParameterDeclaredByValuePassesTheValue) {
  Text text = "abc";
  std::int32_t number = 3;
  bool flag = true;
  InvokeMethod(object_, "Join",
               {AutomationArg::ByReference(text), AutomationArg::ByReference(number), AutomationArg::ByReference(flag)});
  EXPECT_EQ(object_.lastResult, S_OK);
  EXPECT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_BOOL, VT_I4, VT_BSTR}));
  EXPECT_EQ(SlotText(2), "abc");
  EXPECT_EQ(text, "abc");
}

TEST_F(AutomationCall, VariantGoesByReferenceWhateverTheDeclaration) {
  AutomationVariant body;
  ASSERT_TRUE(VariantFromValue(body, ByteSet{'a', 0, 0xFF}));
  InvokeMethod(object_, "Take", {AutomationArg::ByReference(body)});
  ASSERT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_VARIANT | VT_BYREF}));
  EXPECT_EQ(Last().slotReferences[0], &body.Get());
  EXPECT_EQ(VariantToByteSet(Last().slotValues[0]), (ByteSet{'a', 0, 0xFF}));
  // Lent, not taken: the caller's variant still holds its bytes.
  EXPECT_EQ(VariantToByteSet(body), (ByteSet{'a', 0, 0xFF}));
}

TEST_F(AutomationCall, EveryValueKindHasItsVariantType) {
  AutomationVariant variant;
  VariantFromValue(variant, std::int16_t{-2});
  AutomationObject other;
  other.instance = RecordingObject::Create().Query<IUnknown>(IID_IUnknown);
  InvokeMethod(object_, "Take",
               {Text("中"), std::int32_t{-7}, true, ByteSet{1, 2}, variant, other, DateTime{2.5},
                std::uint8_t{200}, std::int16_t{-300}, std::int64_t{1} << 40, 1.5f, 2.25,
                RoutineAddress{0x401000}, ByteSet{}});
  ASSERT_EQ(Last().slotTypes,
            (std::vector<VARTYPE>{VT_ARRAY | VT_UI1, VT_UI4, VT_R8, VT_R4, VT_I8, VT_I2, VT_UI1, VT_DATE,
                                  VT_DISPATCH, VT_I2, VT_ARRAY | VT_UI1, VT_BOOL, VT_I4, VT_BSTR}));
  const auto& slots = Last().slotValues;
  EXPECT_EQ(VariantToByteSet(slots[0]), ByteSet{});
  EXPECT_EQ(slots[1].Get().ulVal, 0x401000u);
  EXPECT_EQ(slots[2].Get().dblVal, 2.25);
  EXPECT_EQ(slots[3].Get().fltVal, 1.5f);
  EXPECT_EQ(slots[4].Get().llVal, LONGLONG{1} << 40);
  EXPECT_EQ(slots[5].Get().iVal, -300);
  EXPECT_EQ(slots[6].Get().bVal, 200);
  EXPECT_EQ(slots[7].Get().date, 2.5);
  EXPECT_NE(slots[8].Get().pdispVal, nullptr);
  EXPECT_EQ(slots[9].Get().iVal, -2);
  EXPECT_EQ(VariantToByteSet(slots[10]), (ByteSet{1, 2}));
  EXPECT_EQ(slots[11].Get().boolVal, VARIANT_TRUE);
  EXPECT_EQ(slots[12].Get().lVal, -7);
  EXPECT_EQ(std::wstring(slots[13].Get().bstrVal), L"\x4E2D");
}

TEST_F(AutomationCall, ObjectByReferenceIsStoredByReference) {
  AutomationObject other;
  other.instance = RecordingObject::Create().Query<IUnknown>(IID_IUnknown);
  SetProperty(object_, "Value", {1, AutomationArg::ByReference(other)});
  EXPECT_EQ(Last().flags, DISPATCH_PROPERTYPUTREF);
  EXPECT_EQ(Last().named, (std::vector<DISPID>{DISPID_PROPERTYPUT}));
  EXPECT_TRUE(other.instance);
}

TEST_F(AutomationCall, ObjectDeclaredByReferenceIsWrittenBack) {
  ComPtr<RecordingObject> otherRecorder = RecordingObject::Create();
  AutomationObject other;
  other.instance = otherRecorder.Query<IUnknown>(IID_IUnknown);
  const ULONG held = otherRecorder->References();
  InvokeMethod(object_, "Forget", {AutomationArg::ByReference(other)});
  EXPECT_EQ(object_.lastResult, S_OK);
  EXPECT_EQ(Last().slotTypes, (std::vector<VARTYPE>{VT_DISPATCH | VT_BYREF}));
  EXPECT_FALSE(other.instance);
  recorder_->ClearCalls();
  EXPECT_EQ(otherRecorder->References(), held - 1);
}

TEST_F(AutomationCall, TextProperties) {
  EXPECT_EQ(GetTextProperty(object_, "Name"), "名称");
  EXPECT_EQ(object_.lastResult, S_OK);
  EXPECT_EQ(GetTextProperty(object_, "Number"), "");
  EXPECT_EQ(object_.lastResult, S_OK);
  const AutomationVariant number = GetVariantProperty(object_, "Number");
  ASSERT_EQ(number.Type(), VT_I4);
  EXPECT_EQ(number.Get().lVal, 7);
}

}  // namespace
}  // namespace getlink
