// A service described by a rule file: how to get from a share link to the six result fields
// as a fixed list of requests and text operations on named values. Nothing in a rule is
// executed: a rule is data that RunServiceRule walks once from top to bottom.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "runtime/Text.h"

namespace getlink {

// A value's place in a run: the built-in values first, then one slot a name that a step's
// output gives.
using RuleSlot = int;
constexpr RuleSlot kLinkSlot = 0;  // {link}: the share link, trimmed
constexpr RuleSlot kCodeSlot = 1;  // {code}: the extraction code found with it (may be empty)
constexpr RuleSlot kTimeSlot = 2;  // {time}: milliseconds since 1970, in decimal
constexpr RuleSlot kBuiltInSlots = 3;

// A text with values put in: literal pieces and slots, in order.
struct RuleTemplate {
  struct Piece {
    Text literal;             // used when slot is negative
    RuleSlot slot = -1;
  };
  std::vector<Piece> pieces;
};

enum class RuleVerb { Get, Post, Cut, Text, Replace, UrlDecode, UrlEncode, Json, Origin, Fail };

// When a step runs: always, or as its value compares.
struct RuleCondition {
  enum class Test { Always, NotEmpty, Empty, Equal, NotEqual, Contains, NotContains };
  Test test = Test::Always;
  RuleSlot slot = -1;
  RuleTemplate operand;  // Equal, NotEqual, Contains, NotContains
};

// How a page's bytes become text: converted from UTF-8 as the built-in extractors convert
// their pages, or taken as GBK as they are. Either way a zero byte ends the text.
enum class PageEncoding { Utf8, Gbk };

// Which occurrence of the right marker a cut ends at: the first after the left marker, or
// the first in the whole text (which gives nothing when it stands before the left marker's
// end: how the built-in extractors cut their pages).
enum class CutMode { Next, First };

struct RuleStep {
  RuleVerb verb = RuleVerb::Text;
  int line = 0;        // where the step starts in its file
  RuleCondition when;
  RuleTemplate input;  // get, post: the address; text: the text; fail: the reason
  RuleSlot source = -1;  // cut, replace, urldecode, urlencode, json, origin: the value read
  RuleSlot output = -1;  // the step's "as"; none for fail

  // get and post
  std::vector<std::pair<Text, RuleTemplate>> headers;
  std::optional<RuleTemplate> form;  // post: the form body
  PageEncoding encoding = PageEncoding::Utf8;
  RuleSlot location = -1;  // when set, redirects are not followed and Location goes here

  // cut and replace
  Text from;                  // cut: the left marker (empty: the text's start)
  bool last = false;          // cut: the left marker's last occurrence
  Text to;                    // cut: the right marker (empty: the text's end)
  CutMode mode = CutMode::Next;
  Case letters = Case::Sensitive;
  Text find;                  // replace
  Text with;

  // json: the path to the value, member names and array indexes
  struct PathPart {
    Text member;  // used when index is negative
    int index = -1;
  };
  std::vector<PathPart> path;
};

// The six fields of a result, in the order ShareInfo and the result block list them.
enum class ResultField { Name, Size, Sharer, ShareTime, DownloadCount, Address };
constexpr int kResultFields = 6;

struct ServiceRule {
  Text file;     // where the rule came from, as reasons name it: "services\baidu.json"
  Text service;  // the short name a command line uses: ASCII letters, digits and "-"
  Text title;    // what the window's service list shows
  std::vector<Text> hosts;  // "host" or "host:port", as the built-in host table holds them
  std::vector<RuleStep> steps;
  std::vector<Text> slotNames;  // every slot's name: "link", "code", "time", then the outputs'
  std::array<std::optional<RuleTemplate>, kResultFields> result;
  // Whether the result gives the address alone (as 360云盘 does): then the window and
  // getlink-cli show the address line alone.
  bool AddressOnly() const;
};

// The step's verb as a rule file writes it ("get", "cut", ...).
const char* RuleVerbName(RuleVerb verb);

}  // namespace getlink
