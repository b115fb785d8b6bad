#include "output/output_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "text/text_search.h"

namespace strevo {
namespace {

std::string file_system_path(std::string_view path) { return text_to_utf8(path); }

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

std::string run_directory() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return utf8_to_text(program.parent_path().string());
}

std::string output_folder(std::string_view run_dir) {
    static const std::string folder = gbk("/整理好的直播源/");
    return std::string(run_dir) + folder;
}

bool folder_exists(std::string_view path) {
    struct stat info {};
    return !as_text(path).empty() && ::stat(file_system_path(path).c_str(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

bool create_folder_path(std::string_view path) {
    const std::string full = file_system_path(path);
    // Every level from the top; levels that exist already simply fail.
    for (size_t slash = full.find('/', 1); slash != std::string::npos; slash = full.find('/', slash + 1)) {
        ::mkdir(full.substr(0, slash).c_str(), 0777);
    }
    if (!full.empty()) ::mkdir(full.c_str(), 0777);
    return folder_exists(path);
}

std::string safe_keyword(std::string_view keyword) {
    const std::string first = text_replace_pairs(keyword, {{":", ""}, {"|", ""}, {"*", ""}, {">", ""}, {"<", ""}});
    return text_replace_pairs(first, {{"\\", ""}, {"/", ""}, {"?", ""}, {"\"", ""}});
}

std::string check_tag(bool checked) { return gbk(checked ? "_已检测" : "_未检测"); }

OutputPaths output_paths(std::string_view run_dir, std::string_view safe, bool checked) {
    const std::string folder = output_folder(run_dir);
    const std::string tag = check_tag(checked);
    const std::string name = std::string(safe) + tag;
    return {folder + gbk("Excel直播源_") + name + ".xlsx", folder + gbk("M3U直播源_") + name + ".m3u",
            folder + gbk("TXT直播源_") + name + ".txt"};
}

bool write_whole_file(std::string_view path, std::string_view bytes) {
    if (as_text(path).empty()) return false;
    const std::string target = file_system_path(path);
    std::string temporary = target + ".partXXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    const bool written = write_all(fd, bytes) && ::fchmod(fd, 0644) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace strevo
