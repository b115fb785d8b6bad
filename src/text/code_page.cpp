#include "text/code_page.h"

#include <unicode/ucnv.h>

#include <atomic>
#include <memory>
#include <string>

namespace strevo {
namespace {

std::atomic<int> current_code_page{code_page_gbk};

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

std::string icu_name(int code_page) {
    if (code_page == 0) code_page = program_code_page();
    if (code_page == code_page_utf8) return "UTF-8";
    return "windows-" + std::to_string(code_page);
}

// Characters the code page cannot hold become "?", as the platform's default character.
Converter open_converter(int code_page) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(icu_name(code_page).c_str(), &status));
    if (U_FAILURE(status)) return nullptr;
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    return converter;
}

std::u16string_view up_to_zero_unit(std::u16string_view utf16) {
    const auto end = utf16.find(u'\0');
    return end == std::u16string_view::npos ? utf16 : utf16.substr(0, end);
}

}  // namespace

void set_program_code_page(int code_page) { current_code_page = code_page; }
int program_code_page() { return current_code_page; }

std::string_view as_text(std::string_view bytes) {
    const auto end = bytes.find('\0');
    return end == std::string_view::npos ? bytes : bytes.substr(0, end);
}

std::u16string multibyte_to_utf16(std::string_view bytes, int code_page) {
    const std::string_view input = as_text(bytes);
    if (input.empty()) return {};
    const Converter converter = open_converter(code_page);
    if (!converter) return {};
    // Every input byte gives at most one UTF-16 unit; one more for the terminator.
    std::u16string result(input.size() + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(result.data()),
                      static_cast<int32_t>(result.size()), input.data(),
                      static_cast<int32_t>(input.size()), &status);
    if (U_FAILURE(status)) return {};
    result.resize(static_cast<size_t>(length) + 1);
    result.back() = u'\0';
    return result;
}

Bytes utf16_to_multibyte(std::u16string_view utf16, int code_page) {
    const std::u16string_view input = up_to_zero_unit(utf16);
    if (input.empty()) return {};
    const Converter converter = open_converter(code_page);
    if (!converter) return {};
    Bytes result(input.size() * 4 + 4, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_fromUChars(
        converter.get(), result.data(), static_cast<int32_t>(result.size()),
        reinterpret_cast<const UChar*>(input.data()), static_cast<int32_t>(input.size()),
        &status);
    if (U_FAILURE(status)) return {};
    result.resize(static_cast<size_t>(length));
    return result;
}

std::u16string text_to_utf16(std::string_view text) {
    return multibyte_to_utf16(text, program_code_page());
}

std::string utf16_to_text(std::u16string_view utf16, int code_page) {
    return std::string(as_text(utf16_to_multibyte(utf16, code_page)));
}

Bytes text_to_utf8(std::string_view text) {
    return utf16_to_multibyte(text_to_utf16(text), code_page_utf8);
}

std::string utf8_to_text(std::string_view utf8) {
    return utf16_to_text(multibyte_to_utf16(utf8, code_page_utf8), program_code_page());
}

std::string url_encode(std::string_view text, bool keep_unreserved, bool as_utf8) {
    const Bytes bytes = as_utf8 ? text_to_utf8(text) : Bytes(as_text(text));
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(bytes.size() * 3);
    for (const unsigned char byte : bytes) {
        const bool kept = (byte >= 0x27 && byte <= 0x2A) || byte == 0x2D || byte == 0x2E ||
                          (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                          (byte >= 'a' && byte <= 'z') || byte == '_';
        if (byte == 0) continue;
        if (keep_unreserved && kept) {
            result += static_cast<char>(byte);
        } else if (byte == ' ') {
            result += '+';
        } else {
            result += '%';
            result += hex[byte >> 4];
            result += hex[byte & 0x0F];
        }
    }
    return result;
}

std::string gbk(std::string_view utf8) {
    return utf16_to_text(multibyte_to_utf16(utf8, code_page_utf8), code_page_gbk);
}

}  // namespace strevo
