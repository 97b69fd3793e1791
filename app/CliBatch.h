// The links getlink-cli fetches, one after the other, and the service of each.
#pragma once

#include <optional>
#include <vector>

#include "app/FindShareLink.h"
#include "app/ServiceCatalog.h"

namespace getlink {

struct BatchEntry {
  Text given;              // the argument or input line as given
  PastedLink pasted;       // the link (and extraction code) found in it
  ServiceEntry service;
  bool serviceFromHost = false;  // no SERVICE was named: the link's host told it

  // What the extractor is given: the link found, or the text as given when it holds none.
  const Text& Link() const { return pasted.link.empty() ? given : pasted.link; }
};

struct Batch {
  std::vector<BatchEntry> entries;  // in input order; with a problem, those before it
  Text problem;                     // what makes the input a usage error; empty if nothing
};

// The entries for the links or share texts given. Each must hold an http(s) link (except a
// lone one after a SERVICE, which is fetched as given, as the window's fetch button does
// with whatever the link box holds), and without a SERVICE each link's host must be in the
// catalog's hosts (ServiceCatalog::ForLink); else the batch is a usage error that names the
// offender.
Batch PlanBatch(const ServiceCatalog& catalog, const ServiceEntry* service, const std::vector<Text>& given);

// The non-blank lines of standard input as GBK text, trimmed. UTF-8 input (with or without
// a byte-order mark) is converted; anything else is taken to be GBK already.
std::vector<Text> InputLines(std::string_view bytes);

// Standard input's lines as share texts, so that a share message spread over lines
// ("通过网盘分享的文件：…" / "链接：https://…" / "提取码：x7k2" / "--来自…的分享") stays one
// text: every line that holds an http(s) link begins a text, and a line without one goes
// with the nearest text above it (before the first link, with the first). Lines joined by
// LF. When no line holds a link, the lines as they are.
std::vector<Text> ShareTextsOfLines(const std::vector<Text>& lines);

}  // namespace getlink
