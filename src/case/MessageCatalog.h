#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "MessageId.h"

// The Japanese wordings of every message and text the lower layers hand the
// window, with %1 .. %n where the arguments go and "\n" where a line breaks.
// The window's translation is keyed by these texts in the context
// kMessageContext; Qt's lupdate reads them from MessageCatalog.cpp.
namespace tidewell {

inline constexpr char kMessageContext[] = "Message";

struct CatalogEntry {
    MessageId Id;
    const char* Title;  // empty for a text that is no message box
    const char* Prompt;
};

// In MessageId order.
std::span<const CatalogEntry> MessageCatalog();
const CatalogEntry& CatalogEntryOf(MessageId id);

// `pattern` with each %n replaced by args[n - 1] in one pass, so an argument
// that itself holds "%1" stays as it is. A %n without an argument gives nothing
// (an empty Plain message is an empty text).
std::string PutArgs(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace tidewell
