// XlBook and XlSheet: the program's binding to the spreadsheet library libxl.so, whose
// functions are looked up by name at their first call.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace strevo {

// Shown when the library or one of its functions cannot be found, just before the program
// ends with exit code -1. Without a handler the message goes to standard error.
void set_library_failure_handler(std::function<void(const std::string& message)> handler);

// Runs once, just before the library is first loaded, given the path it is loaded from: the
// program puts its own copy back there if the file has gone (another copy of the program
// that closed meanwhile removes it).
void set_library_preparer(std::function<void(const std::string& path)> preparer);

// The address of a library function: loaded from the program's directory first, then by
// the system's search, and remembered. Ends the program when it cannot be found.
void* xl_function(const char* name);

using XlHandle = std::intptr_t;

// A sheet of a book: a plain value; the book owns the sheet.
struct XlSheet {
    XlHandle handle = 0;
    XlHandle book = 0;

    // range is a column text such as "A:A", "C" or "a:c", full-width letters allowed.
    int set_col(std::string_view range, double width, bool hidden = false) const;
    int write_str(int row, int col, std::string_view text) const;
};

class XlBook {
public:
    XlBook() = default;
    ~XlBook() { release(); }
    XlBook(const XlBook&) = delete;
    XlBook& operator=(const XlBook&) = delete;
    XlBook(XlBook&& other) noexcept : handle(std::exchange(other.handle, 0)), kind(other.kind) {}
    XlBook& operator=(XlBook&& other) noexcept {
        if (this != &other) {
            release();
            handle = std::exchange(other.handle, 0);
            kind = other.kind;
        }
        return *this;
    }

    XlHandle handle = 0;
    int kind = 0;  // 0 binary (.xls), 1 XML (.xlsx)

    bool holds_book() const { return handle > 0; }
    bool create(int kind);
    void release();
    int sheet_count() const;
    int sheet_index(std::string_view name) const;
    // A name already taken becomes "Sheet" + (sheet count + 1), written back into `name`.
    XlSheet add_sheet(std::string& name, const XlSheet& init = {});
    XlSheet get_sheet(int index) const;
    // Adds "Sheet1" to a book without sheets, and ".xlsx" (".xls") to a path without an
    // extension. The library's answer: nonzero when written.
    int save(std::string_view path);
};

// Code-page-936 text as zero-terminated UTF-16, and back.
std::optional<std::u16string> text_to_wide(std::string_view text);
std::string wide_to_text(const char16_t* wide);

}  // namespace strevo
