// Where a run's files go and what they are called. Paths are code-page-936 texts, turned
// into UTF-8 only when the file system is asked.
#pragma once

#include <string>
#include <string_view>

#include "text/code_page.h"

namespace strevo {

// The directory of the program file, without a trailing separator.
std::string run_directory();

// run directory + "/整理好的直播源/".
std::string output_folder(std::string_view run_dir);

bool folder_exists(std::string_view path);
// Creates every missing level of the path, then tells whether it is a folder.
bool create_folder_path(std::string_view path);

// The keyword without the nine characters a file name cannot hold: < > * | : " ? / and
// backslash; double-byte characters are never cut.
std::string safe_keyword(std::string_view keyword);

// "_已检测" when the addresses were probed, "_未检测" when not.
std::string check_tag(bool checked);

struct OutputPaths {
    std::string workbook;  // .../Excel直播源_<keyword>_<tag>.xlsx
    std::string playlist;  // .../M3U直播源_<keyword>_<tag>.m3u
    std::string list;      // .../TXT直播源_<keyword>_<tag>.txt
};
OutputPaths output_paths(std::string_view run_dir, std::string_view safe_keyword, bool checked);

// Writes the bytes to a temporary file beside the target and renames it over the target,
// so a failed write keeps an earlier file. An empty path writes nothing. True on success.
bool write_whole_file(std::string_view path, std::string_view bytes);

}  // namespace strevo
