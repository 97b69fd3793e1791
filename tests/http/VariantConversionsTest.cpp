#include "http/VariantConversions.h"

#include <gtest/gtest.h>

#include "RecordingObject.h"
#include "http/AutomationObject.h"
#include "http/BString.h"
#include "http/ComApartment.h"
#include "http/SafeArray.h"

namespace getlink {
namespace {

// A variant holding a new safe array of `type` with the given bounds, filled with bytes
// 1, 2, 3, ... in memory order.
AutomationVariant ArrayVariant(VARTYPE type, std::vector<SAFEARRAYBOUND> bounds) {
  AutomationVariant variant;
  SafeArray array(SafeArrayCreate(type, static_cast<UINT>(bounds.size()), bounds.data()));
  std::size_t count = 1;
  for (const SAFEARRAYBOUND& bound : bounds) count *= bound.cElements;
  {
    SafeArrayAccess access(array.Get());
    auto* bytes = static_cast<std::uint8_t*>(access.Data());
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i + 1);
  }
  variant.Get().parray = array.Detach();
  variant.Get().vt = VT_ARRAY | type;
  return variant;
}

TEST(VariantFromValue, ByteSetBecomesAZeroBasedArrayOfBytes) {
  AutomationVariant variant;
  ASSERT_TRUE(VariantFromValue(variant, ByteSet{'P', 0, 0xFF}));
  ASSERT_EQ(variant.Type(), VT_ARRAY | VT_UI1);
  SAFEARRAY* array = variant.Get().parray;
  EXPECT_EQ(SafeArrayGetDim(array), 1u);
  LONG lower = -1, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 2);
  EXPECT_EQ(VariantToByteSet(variant), (ByteSet{'P', 0, 0xFF}));
}

TEST(VariantFromValue, EmptyByteSetLeavesTheVariantAlone) {
  AutomationVariant variant;
  VariantFromValue(variant, std::int32_t{5});
  EXPECT_FALSE(VariantFromValue(variant, ByteSet{}));
  ASSERT_EQ(variant.Type(), VT_I4);
  EXPECT_EQ(variant.Get().lVal, 5);
}

TEST(VariantFromValue, SingleValues) {
  AutomationVariant variant;
  ASSERT_TRUE(VariantFromValue(variant, Text("中文")));
  ASSERT_EQ(variant.Type(), VT_BSTR);
  EXPECT_EQ(std::wstring(variant.Get().bstrVal), L"\x4E2D\x6587");
  ASSERT_TRUE(VariantFromValue(variant, Text()));
  EXPECT_EQ(variant.Type(), VT_BSTR);
  EXPECT_EQ(variant.Get().bstrVal, nullptr);
  ASSERT_TRUE(VariantFromValue(variant, true));
  EXPECT_EQ(variant.Type(), VT_BOOL);
  EXPECT_EQ(variant.Get().boolVal, VARIANT_TRUE);
  ASSERT_TRUE(VariantFromValue(variant, std::int64_t{-1}));
  EXPECT_EQ(variant.Type(), VT_I8);
  EXPECT_EQ(variant.Get().llVal, -1);
}

TEST(VariantFromValue, ObjectHoldsAReferenceOfItsOwn) {
  ComApartment com;
  ComPtr<RecordingObject> recorder = RecordingObject::Create();
  AutomationObject object;
  object.instance = recorder.Query<IUnknown>(IID_IUnknown);
  const ULONG before = recorder->References();
  AutomationVariant variant;
  ASSERT_TRUE(VariantFromValue(variant, static_cast<const AutomationObject*>(&object)));
  EXPECT_EQ(variant.Type(), VT_UNKNOWN);
  EXPECT_EQ(variant.Get().punkVal, object.instance.Get());
  EXPECT_EQ(recorder->References(), before + 1);
  ClearVariant(variant);
  EXPECT_EQ(variant.Type(), VT_EMPTY);
  EXPECT_EQ(recorder->References(), before);
}

TEST(VariantFromValue, VariantIsCopiedDeeply) {
  AutomationVariant source;
  VariantFromValue(source, Text("abc"));
  AutomationVariant copy;
  ASSERT_TRUE(VariantFromValue(copy, static_cast<const AutomationVariant*>(&source)));
  ClearVariant(source);
  ASSERT_EQ(copy.Type(), VT_BSTR);
  EXPECT_EQ(BString::ToText(copy.Get().bstrVal), "abc");
  // Copying a variant into itself keeps it.
  ASSERT_TRUE(VariantFromValue(copy, static_cast<const AutomationVariant*>(&copy)));
  EXPECT_EQ(BString::ToText(copy.Get().bstrVal), "abc");
}

TEST(VariantToByteSet, ArraysOfBytesOfAnyShape) {
  EXPECT_EQ(VariantToByteSet(ArrayVariant(VT_UI1, {{3, 0}, {2, 1}})), (ByteSet{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(VariantToByteSet(ArrayVariant(VT_I1, {{2, 5}})), (ByteSet{1, 2}));
  EXPECT_EQ(VariantToByteSet(ArrayVariant(VT_UI1, {{0, 0}})), ByteSet{});
}

TEST(VariantToByteSet, ReferenceIsFollowed) {
  AutomationVariant bytes;
  VariantFromValue(bytes, ByteSet{7, 8});
  AutomationVariant reference;
  reference.Get().vt = VT_VARIANT | VT_BYREF;
  reference.Get().pvarVal = &bytes.Get();
  EXPECT_EQ(VariantToByteSet(reference), (ByteSet{7, 8}));
}

TEST(VariantToByteSet, OtherValuesAreConvertedOrGiveEmpty) {
  AutomationVariant text;
  VariantFromValue(text, Text("AB"));
  EXPECT_EQ(VariantToByteSet(text), (ByteSet{'A', 0, 'B', 0}));  // the string's UTF-16 bytes

  AutomationVariant strings;
  SAFEARRAYBOUND bound{2, 0};
  SafeArray array(SafeArrayCreate(VT_BSTR, 1, &bound));
  for (LONG i = 0; i < 2; ++i) {
    BString element = BString::FromText(i == 0 ? "AB" : "CD");
    SafeArrayPutElement(array.Get(), &i, element.Get());  // the array keeps its own copy
  }
  strings.Get().parray = array.Detach();
  strings.Get().vt = VT_ARRAY | VT_BSTR;
  EXPECT_EQ(VariantToByteSet(strings), (ByteSet{'A', 0, 'B', 0}));

  AutomationVariant number;
  VariantFromValue(number, std::int32_t{5});
  EXPECT_EQ(VariantToByteSet(number), ByteSet{});
  EXPECT_EQ(VariantToByteSet(AutomationVariant()), ByteSet{});
}

}  // namespace
}  // namespace getlink
