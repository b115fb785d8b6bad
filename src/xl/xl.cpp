// The spreadsheet library: an in-memory model of books, sheets, column widths and string
// cells, written with libxlsxwriter when a book is saved.
#include "xl.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdio>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

constexpr int max_rows = 1'048'576;
constexpr int max_cols = 16'384;

struct Column {
    double width;
    bool hidden;
};

struct Sheet {
    std::u16string name;
    std::map<int, Column> columns;
    std::map<std::pair<int, int>, std::u16string> cells;
};

struct Book {
    std::vector<std::unique_ptr<Sheet>> sheets;
    int active = 0;
};

// Every handle given out, so that a stale or invented one is recognised and ignored.
std::unordered_set<Book*> live_books;
std::unordered_set<Sheet*> live_sheets;

Book* book_of(BookHandle handle) {
    auto* book = static_cast<Book*>(handle);
    return live_books.contains(book) ? book : nullptr;
}

Sheet* sheet_of(SheetHandle handle) {
    auto* sheet = static_cast<Sheet*>(handle);
    return live_sheets.contains(sheet) ? sheet : nullptr;
}

std::string utf8_of(const XlChar* text) {
    std::string out;
    for (const XlChar* p = text; *p != 0; ++p) {
        char32_t c = *p;
        if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
            ++p;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;  // a lone surrogate
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

// Writes the whole book to `path`; false when libxlsxwriter refuses anything.
bool write_xlsx(const Book& book, const std::string& path) {
    std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(workbook_new(path.c_str()));
    if (!workbook) return false;
    for (const auto& sheet : book.sheets) {
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook.get(), utf8_of(sheet->name.c_str()).c_str());
        if (worksheet == nullptr) return false;
        // Adjacent columns set alike are written as one range, as one call set them.
        for (auto run = sheet->columns.begin(); run != sheet->columns.end();) {
            auto next = std::next(run);
            int last = run->first;
            while (next != sheet->columns.end() && next->first == last + 1 &&
                   next->second.width == run->second.width && next->second.hidden == run->second.hidden) {
                last = next->first;
                ++next;
            }
            lxw_row_col_options options{};
            options.hidden = run->second.hidden ? 1 : 0;
            worksheet_set_column_opt(worksheet, static_cast<lxw_col_t>(run->first), static_cast<lxw_col_t>(last),
                                     run->second.width, nullptr, &options);
            run = next;
        }
        for (const auto& [at, text] : sheet->cells) {
            worksheet_write_string(worksheet, static_cast<lxw_row_t>(at.first),
                                   static_cast<lxw_col_t>(at.second), utf8_of(text.c_str()).c_str(), nullptr);
        }
    }
    return workbook_close(workbook.release()) == LXW_NO_ERROR;
}

}  // namespace

extern "C" {

BookHandle xlCreateBookCW(void) { return nullptr; }

BookHandle xlCreateXMLBookCW(void) {
    auto* book = new Book;
    live_books.insert(book);
    return book;
}

int xlBookSetRgbModeW(BookHandle book, int) { return book_of(book) != nullptr ? 1 : 0; }

void xlBookReleaseW(BookHandle handle) {
    Book* book = book_of(handle);
    if (book == nullptr) return;
    for (const auto& sheet : book->sheets) live_sheets.erase(sheet.get());
    live_books.erase(book);
    delete book;
}

int xlBookSheetCountW(BookHandle handle) {
    const Book* book = book_of(handle);
    return book != nullptr ? static_cast<int>(book->sheets.size()) : 0;
}

int xlBookActiveSheetW(BookHandle handle) {
    const Book* book = book_of(handle);
    return book != nullptr ? book->active : 0;
}

const XlChar* xlBookGetSheetNameW(BookHandle handle, int index) {
    const Book* book = book_of(handle);
    if (book == nullptr || index < 0 || index >= static_cast<int>(book->sheets.size())) return nullptr;
    return book->sheets[static_cast<size_t>(index)]->name.c_str();
}

SheetHandle xlBookAddSheetW(BookHandle handle, const XlChar* name, SheetHandle init_sheet) {
    Book* book = book_of(handle);
    if (book == nullptr || name == nullptr || *name == 0) return nullptr;
    auto sheet = std::make_unique<Sheet>();
    if (const Sheet* init = sheet_of(init_sheet)) *sheet = *init;  // a copy of the template
    sheet->name = name;
    Sheet* added = sheet.get();
    book->sheets.push_back(std::move(sheet));
    live_sheets.insert(added);
    return added;
}

SheetHandle xlBookGetSheetW(BookHandle handle, int index) {
    const Book* book = book_of(handle);
    if (book == nullptr || index < 0 || index >= static_cast<int>(book->sheets.size())) return nullptr;
    return book->sheets[static_cast<size_t>(index)].get();
}

int xlBookSaveW(BookHandle handle, const XlChar* path) {
    const Book* book = book_of(handle);
    if (book == nullptr || path == nullptr || *path == 0) return 0;
    // Written beside the target and renamed over it, so a failed save keeps an older file.
    const std::string target = utf8_of(path);
    const std::string temporary = target + ".part" + std::to_string(getpid());
    if (!write_xlsx(*book, temporary)) {
        std::remove(temporary.c_str());
        return 0;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return 0;
    }
    return 1;
}

void xlSheetAddrToRowColW(SheetHandle handle, const XlChar* address, int* row, int* col,
                          int* row_relative, int* col_relative) {
    if (sheet_of(handle) == nullptr || address == nullptr) return;
    const XlChar* p = address;
    const bool col_absolute = *p == u'$';
    if (col_absolute) ++p;
    int column = 0;
    int letters = 0;
    for (; (*p >= u'A' && *p <= u'Z') || (*p >= u'a' && *p <= u'z'); ++p, ++letters) {
        column = column * 26 + ((*p | 0x20) - u'a' + 1);
        if (column > max_cols) return;
    }
    const bool row_absolute = *p == u'$';
    if (row_absolute) ++p;
    int row_number = 0;
    for (; *p >= u'0' && *p <= u'9'; ++p) {
        row_number = row_number * 10 + (*p - u'0');
        if (row_number > max_rows) return;
    }
    if (letters == 0 || *p != 0) return;  // not a cell or column address
    if (col != nullptr) *col = column - 1;
    if (row != nullptr) *row = row_number > 0 ? row_number - 1 : 0;
    if (row_relative != nullptr) *row_relative = row_absolute ? 0 : 1;
    if (col_relative != nullptr) *col_relative = col_absolute ? 0 : 1;
}

int xlSheetSetColW(SheetHandle handle, int first_col, int last_col, double width, FormatHandle,
                   int hidden) {
    Sheet* sheet = sheet_of(handle);
    if (sheet == nullptr || first_col < 0 || last_col < first_col || last_col >= max_cols) return 0;
    for (int col = first_col; col <= last_col; ++col) sheet->columns[col] = {width, hidden != 0};
    return 1;
}

int xlSheetWriteStrW(SheetHandle handle, int row, int col, const XlChar* value, FormatHandle) {
    Sheet* sheet = sheet_of(handle);
    if (sheet == nullptr || value == nullptr || row < 0 || row >= max_rows || col < 0 || col >= max_cols) {
        return 0;
    }
    sheet->cells[{row, col}] = value;
    return 1;
}

}  // extern "C"
