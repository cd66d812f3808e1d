#pragma once
// Release names of the HTML Help engine and of Internet Explorer, found from
// the file versions of hhctrl.ocx and Shdocvw.dll.

#include <string>

#include "hh_funcs_version.h"

// "> 1.33" ... "1.0", or "< 1.0" below every known release.
std::string HelpReleaseName(const TVersion& engineVersion);

// "> Internet Explorer 6" ... "Internet Explorer 1.0 (Plus!)", or
// "< Internet Explorer 1.0 (Plus!)" below every known release. Takes the
// version after ShiftOldBrowserFields.
std::string BrowserReleaseName(const TVersion& browserVersion);
