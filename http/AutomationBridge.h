// Late-bound calls on COM automation objects by member name, with the program's own values
// as arguments and results. No operation raises an error or shows a message: each stores
// its HRESULT in the holder's lastResult and gives an empty result on failure. COM must
// already be initialised on the calling thread (see ComApartment), and a holder is used
// only on the thread that created it.
//
// Every text crossing the bridge (names, string arguments and results) converts between
// GBK and UTF-16 with code page 936.
#pragma once

#include <vector>

#include "http/AutomationArg.h"
#include "http/AutomationObject.h"
#include "http/AutomationVariant.h"
#include "http/VariantConversions.h"

namespace getlink {

using AutomationArgs = std::vector<AutomationArg>;

// Creates a running instance from a ProgID, or from a CLSID written in braces, into the
// holder (releasing what it held). An empty name gives false with lastResult 0.
bool CreateAutomationObject(AutomationObject& object, std::string_view progIdOrClsid);

// Calls a method; its return value is dropped.
void InvokeMethod(AutomationObject& object, std::string_view member, const AutomationArgs& args = {});

// Reads a property (or calls a method that returns a value: gets are invoked as both,
// as automation clients do). Empty text unless the member returned a string.
Text GetTextProperty(AutomationObject& object, std::string_view member, const AutomationArgs& args = {});

// Reads a property as a variant, empty (VT_EMPTY) on failure.
AutomationVariant GetVariantProperty(AutomationObject& object, std::string_view member,
                                     const AutomationArgs& args = {});

// Stores the last argument in the property, the arguments before it being its indices.
// An object passed by reference as the value is stored by reference (put-by-reference).
// True when the call succeeded (lastResult is S_OK).
bool SetProperty(AutomationObject& object, std::string_view member, const AutomationArgs& args);

// Releases the object: the holder is empty and lastResult 0.
void ReleaseAutomationObject(AutomationObject& object);

}  // namespace getlink
