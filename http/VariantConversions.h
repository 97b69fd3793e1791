// Moving the program's values into and out of OLE variants.
#pragma once

#include "http/AutomationArg.h"
#include "http/AutomationVariant.h"

namespace getlink {

// Replaces the variant's content by the value: a byte set becomes a one-dimensional array
// of unsigned bytes (VT_ARRAY | VT_UI1, lower bound 0), a text a string, an object
// VT_UNKNOWN with a reference of its own, a variant a deep copy, any other value its
// single-valued variant type. An empty byte set leaves the variant as it was and gives
// false; so does a failed allocation.
bool VariantFromValue(AutomationVariant& variant, const AutomationValue& value);

// The bytes of a variant: an array of (signed or unsigned) bytes is read directly, of any
// number of dimensions; anything else is converted to an array of bytes first (an array
// of another kind contributes its first element). Empty when the variant cannot be read
// as bytes.
ByteSet VariantToByteSet(const AutomationVariant& variant);

// Frees the variant's content and leaves it empty.
void ClearVariant(AutomationVariant& variant);

}  // namespace getlink
