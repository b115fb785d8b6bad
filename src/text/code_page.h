// Code pages of the program's texts and the conversions at their edges.
//
// Every text inside the program is a std::string of code-page-936 (GBK) bytes. A "text"
// ends at its first zero byte; a byte buffer (Bytes) may hold zero bytes. A UTF-16 buffer
// as produced here ends with one zero unit; consumers stop at the first zero unit, so a
// buffer with or without it converts alike.
#pragma once

#include <string>
#include <string_view>

namespace strevo {

using Bytes = std::string;

inline constexpr int code_page_gbk = 936;
inline constexpr int code_page_utf8 = 65001;

// The process-wide code page of all texts; set to 936 at start-up.
void set_program_code_page(int code_page);
int program_code_page();

// The bytes of a buffer up to its first zero byte.
std::string_view as_text(std::string_view bytes);

std::u16string text_to_utf16(std::string_view text);
std::u16string multibyte_to_utf16(std::string_view bytes, int code_page);
Bytes utf16_to_multibyte(std::u16string_view utf16, int code_page);
std::string utf16_to_text(std::u16string_view utf16, int code_page);
Bytes text_to_utf8(std::string_view text);
std::string utf8_to_text(std::string_view utf8);

// Percent-encoding for a query string: a blank becomes "+", every other byte outside the
// kept set becomes %XX. keep_unreserved keeps letters, digits and ' ( ) * - . _ as they are;
// as_utf8 encodes the text's UTF-8 bytes instead of its code-page-936 bytes.
std::string url_encode(std::string_view text, bool keep_unreserved = false, bool as_utf8 = false);

// A UTF-8 source literal as a code-page-936 text; for constants, converted once.
std::string gbk(std::string_view utf8);

}  // namespace strevo
