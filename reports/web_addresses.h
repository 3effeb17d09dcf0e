// The program's web addresses (credits page, download button, encyclopedia).
#pragma once

namespace quendal {

inline constexpr const char* homepageaddress = "https://www.quendal.org/";
inline constexpr const char* downloadpagegerman = "https://www.quendal.org/de/download.html";
inline constexpr const char* downloadpageenglish = "https://www.quendal.org/en/download.html";

}  // namespace quendal
