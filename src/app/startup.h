// Placing the spreadsheet library beside the program at start, and the clean-up script
// that removes it (and then itself) once the program has ended.
#pragma once

#include <string>
#include <string_view>

namespace strevo {

// The library's file image, carried inside the program.
std::string_view library_image();

// run directory + "/libxl.so" and run directory + "/del.sh".
std::string library_path(std::string_view run_dir);
std::string cleanup_script_path(std::string_view run_dir);

// The script's text: delete the library file, then the script itself. The path is quoted
// for the shell, so blanks, quotes and $ in the run directory are safe.
std::string cleanup_script_text(std::string_view run_dir);

// Writes the library file and the script; false when either could not be written (a copy
// of the program that cannot rewrite the library goes on with the file that is there).
bool place_program_files(std::string_view run_dir);

// Writes the library file again when it is missing; for the binding, before it loads.
void restore_library(const std::string& path);

// Starts a file through the shell with /bin/sh, detached from the program. show_mode 1
// runs it hidden: no terminal, output discarded. Returns whether it was started.
bool shell_open(std::string_view file, std::string_view parameters, int show_mode);

}  // namespace strevo
