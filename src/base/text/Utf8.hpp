#pragma once
// UTF-8 to code points and back.
//
// Decoding never fails: every ill-formed sequence (a stray continuation byte, a truncated
// character, an overlong form, a surrogate, a code point above U+10FFFF, the bytes C0, C1 and
// F5..FF) becomes U+FFFD, one for each maximal subpart as Unicode recommends. So no byte that is
// not ASCII can decode as an ASCII character: the overlong CR C0 8D reads as two U+FFFD, never
// as a line break.
// Encoding writes U+FFFD for a code point that is not a character (a surrogate, above U+10FFFF),
// so its result is always well-formed.
#include <string>
#include <string_view>

namespace umbrix::utf8 {

std::u32string decode(std::string_view text);
std::string encode(std::u32string_view text);

}  // namespace umbrix::utf8
