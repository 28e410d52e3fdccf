// What the programs say about the project itself: its name, its web page and
// the credit lines of the about boxes and the result window.
#pragma once

#include <string>

namespace brsm {

inline constexpr char kProductName[] = "Brassmith";
// Opened through the shell by the logos, the about boxes and the result
// window's credit label.
inline constexpr char kProjectPageUrl[] = "https://brassmith.example.org/";

// Credit lines (1251 text).
// The generator's result window, as a link to the project's page.
std::string ResultWindowCredit();
// The about boxes of the generator and of the launcher, under the version.
std::string AboutBoxCredit();

}  // namespace brsm
