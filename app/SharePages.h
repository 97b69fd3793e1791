// Cutting the result fields out of the services' share pages. Every function takes the
// page as GBK text (the downloaded UTF-8 body after PageToGbk) and looks only at it.
#pragma once

#include "app/ShareInfo.h"

namespace getlink {

// The fixed address prefixes and markers on the services' own hosts (app/ServiceHosts.h).
const Text& WeiyunDownloadPrefix();   // http://HOST/ftn_handler/
const Text& VdiskDownloadPrefix();    // http://HOST/
const Text& QiannaoDownloadPrefix();  // http://HOST/
const Text& WeipanFilePrefix();       // http://HOST/
const Text& WeipanFileMarker();       // "url":"http:\/\/HOST\/  (the JSON-escaped prefix)
const Text& WeipanUserMarker();       // " href="http://USERHOST/u/

// Each fills all six fields. A field whose markers are missing is empty; so is the address
// whenever the part of the page that carries it is missing or it is no web link (see
// IsWebLink), so that a failed extraction never shows a fragment or garbage as an address. Weipan has no share time and Qiannao no download
// count: those fields read "No".
ShareInfo ParseBaiduPage(std::string_view page);
ShareInfo ParseWeiyunPage(std::string_view page);
ShareInfo ParseVdiskPage(std::string_view page);
ShareInfo ParseQiannaoPage(std::string_view page);
ShareInfo ParseWeipanPage(std::string_view page);

}  // namespace getlink
