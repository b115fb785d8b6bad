#include "output/xl_binding.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "output/output_folder.h"
#include "results/sorting.h"
#include "text/code_page.h"
#include "text/text_search.h"

namespace strevo {
namespace {

constexpr const char* library_file = "libxl.so";

std::function<void(const std::string&)>& failure_handler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

[[noreturn]] void library_failure(const std::string& function) {
    const std::string message = "无法从 " + std::string(library_file) + " 中找到函数 " + function + "。";
    if (failure_handler()) {
        failure_handler()(message);
    } else {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    std::fflush(nullptr);
    std::_Exit(-1);
}

struct LibraryCloser {
    void operator()(void* library) const { dlclose(library); }
};

std::function<void(const std::string&)>& preparer() {
    static std::function<void(const std::string&)> prepare;
    return prepare;
}

void* library() {
    static const std::unique_ptr<void, LibraryCloser> handle = [] {
        const std::string beside_program_text = run_directory() + "/" + library_file;
        if (preparer()) preparer()(beside_program_text);
        const std::string beside_program = text_to_utf8(beside_program_text);
        void* opened = dlopen(beside_program.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (opened == nullptr) opened = dlopen(library_file, RTLD_NOW | RTLD_LOCAL);
        return std::unique_ptr<void, LibraryCloser>(opened);
    }();
    return handle.get();
}

template <typename Function>
Function* fn(const char* name) {
    return reinterpret_cast<Function*>(xl_function(name));
}

void* as_pointer(XlHandle handle) { return reinterpret_cast<void*>(handle); }
XlHandle as_handle(void* pointer) { return reinterpret_cast<XlHandle>(pointer); }

const char16_t* wide_or_null(const std::optional<std::u16string>& wide) {
    return wide ? wide->c_str() : nullptr;
}

// The extension of the path's last component, as the platform finds it: from its last dot.
bool has_extension(std::string_view path) {
    const size_t last_separator = path.find_last_of("/\\");
    const std::string_view last = last_separator == std::string_view::npos ? path : path.substr(last_separator + 1);
    return last.find('.') != std::string_view::npos;
}

int column_of(XlHandle sheet, std::string_view address) {
    int row = 0;
    int col = 0;
    int row_relative = 0;
    int col_relative = 0;
    const auto wide = text_to_wide(address);
    fn<void(void*, const char16_t*, int*, int*, int*, int*)>("xlSheetAddrToRowColW")(
        as_pointer(sheet), wide_or_null(wide), &row, &col, &row_relative, &col_relative);
    return col;
}

}  // namespace

void set_library_failure_handler(std::function<void(const std::string&)> handler) {
    failure_handler() = std::move(handler);
}

void set_library_preparer(std::function<void(const std::string&)> prepare) {
    preparer() = std::move(prepare);
}

void* xl_function(const char* name) {
    static std::map<std::string, void*> found;
    const auto known = found.find(name);
    if (known != found.end()) return known->second;
    void* lib = library();
    void* address = lib != nullptr ? dlsym(lib, name) : nullptr;
    if (address == nullptr) library_failure(name);
    found.emplace(name, address);
    return address;
}

std::optional<std::u16string> text_to_wide(std::string_view text) {
    if (as_text(text).empty()) return std::u16string();
    std::u16string wide = multibyte_to_utf16(text, code_page_gbk);
    if (wide.empty()) return std::nullopt;
    wide.pop_back();  // the terminating unit; c_str() supplies it
    return wide;
}

std::string wide_to_text(const char16_t* wide) {
    if (wide == nullptr) return {};
    return utf16_to_text(wide, code_page_gbk);
}

bool XlBook::create(int new_kind) {
    release();
    if (new_kind == 0) {
        handle = as_handle(fn<void*()>("xlCreateBookCW")());
        kind = 0;
    } else if (new_kind == 1) {
        handle = as_handle(fn<void*()>("xlCreateXMLBookCW")());
        kind = 1;
    } else {
        return false;
    }
    if (holds_book()) fn<int(void*, int)>("xlBookSetRgbModeW")(as_pointer(handle), 1);
    return holds_book();
}

void XlBook::release() {
    if (!holds_book()) return;
    fn<void(void*)>("xlBookReleaseW")(as_pointer(handle));
    handle = 0;
}

int XlBook::sheet_count() const {
    return holds_book() ? fn<int(void*)>("xlBookSheetCountW")(as_pointer(handle)) : 0;
}

int XlBook::sheet_index(std::string_view name) const {
    if (!holds_book()) return -1;
    const auto name_of = [&](int index) {
        return wide_to_text(fn<const char16_t*(void*, int)>("xlBookGetSheetNameW")(as_pointer(handle), index));
    };
    const int active = fn<int(void*)>("xlBookActiveSheetW")(as_pointer(handle));
    const int count = sheet_count();
    if (name == name_of(active)) return active;
    for (int i = 0; i < count; ++i) {
        if (name == name_of(i)) return i;
    }
    return -1;
}

XlSheet XlBook::add_sheet(std::string& name, const XlSheet& init) {
    if (!holds_book()) return {};
    if (sheet_index(name) != -1) name = "Sheet" + std::to_string(sheet_count() + 1);
    const auto wide = text_to_wide(name);
    void* sheet = fn<void*(void*, const char16_t*, void*)>("xlBookAddSheetW")(
        as_pointer(handle), wide_or_null(wide), as_pointer(init.handle));
    fn<int(void*, int)>("xlBookSetRgbModeW")(as_pointer(handle), 1);
    return {as_handle(sheet), handle};
}

XlSheet XlBook::get_sheet(int index) const {
    if (!holds_book()) return {};
    if (index > sheet_count()) index = -1;
    return {as_handle(fn<void*(void*, int)>("xlBookGetSheetW")(as_pointer(handle), index)), handle};
}

int XlBook::save(std::string_view path) {
    if (!holds_book()) return 0;
    if (sheet_count() == 0) {
        std::string first = "Sheet1";
        add_sheet(first);
    }
    std::string full_path(path);
    if (!has_extension(full_path)) full_path += kind == 0 ? ".xls" : ".xlsx";
    const auto wide = text_to_wide(full_path);
    return fn<int(void*, const char16_t*)>("xlBookSaveW")(as_pointer(handle), wide_or_null(wide));
}

int XlSheet::set_col(std::string_view range, double width, bool hidden) const {
    if (handle == 0) return 0;
    const std::string upper = text_upper(range);
    const std::vector<std::string> pieces = split_nonempty(text_to_half_width(upper + ":" + upper), ":");
    const int first = pieces.size() > 0 ? column_of(handle, pieces[0]) : 0;
    const int last = pieces.size() > 1 ? column_of(handle, pieces[1]) : 0;
    return fn<int(void*, int, int, double, void*, int)>("xlSheetSetColW")(as_pointer(handle), first, last,
                                                                          width, nullptr, hidden ? 1 : 0);
}

int XlSheet::write_str(int row, int col, std::string_view text) const {
    if (handle == 0) return 0;
    const auto wide = text_to_wide(text);
    return fn<int(void*, int, int, const char16_t*, void*)>("xlSheetWriteStrW")(as_pointer(handle), row, col,
                                                                                wide_or_null(wide), nullptr);
}

}  // namespace strevo
