#include "app/startup.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <vector>

#include "output/output_folder.h"
#include "text/code_page.h"
#include "text/text_search.h"

extern "C" const char strevo_xl_image_begin[];
extern "C" const char strevo_xl_image_end[];

extern char** environ;

namespace strevo {
namespace {

// The script's template; the placeholder stands for the library's path.
constexpr std::string_view script_template = "rm -f -- {library}\n\nrm -f -- \"$0\"\n";

// A shell word that stands for exactly these bytes.
std::string shell_quoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

struct SpawnActions {
    posix_spawn_file_actions_t actions;
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

struct SpawnAttributes {
    posix_spawnattr_t attributes;
    SpawnAttributes() { posix_spawnattr_init(&attributes); }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes); }
};

}  // namespace

std::string_view library_image() {
    return {strevo_xl_image_begin, static_cast<size_t>(strevo_xl_image_end - strevo_xl_image_begin)};
}

std::string library_path(std::string_view run_dir) { return std::string(run_dir) + "/libxl.so"; }

std::string cleanup_script_path(std::string_view run_dir) { return std::string(run_dir) + "/del.sh"; }

std::string cleanup_script_text(std::string_view run_dir) {
    // The script runs in the file system's encoding, UTF-8; paths are held in code page 936.
    const std::string quoted = shell_quoted(text_to_utf8(library_path(run_dir)));
    return text_replace_pairs(script_template, {{"{library}", quoted}}, {.case_sensitive = true});
}

bool place_program_files(std::string_view run_dir) {
    const bool library = write_whole_file(library_path(run_dir), library_image());
    const bool script = write_whole_file(cleanup_script_path(run_dir), cleanup_script_text(run_dir));
    return library && script;
}

void restore_library(const std::string& path) {
    if (::access(text_to_utf8(path).c_str(), F_OK) != 0) write_whole_file(path, library_image());
}

bool shell_open(std::string_view file, std::string_view parameters, int show_mode) {
    const std::string script = text_to_utf8(file);
    std::vector<std::string> words{"/bin/sh", script};
    if (!parameters.empty()) words.push_back(text_to_utf8(parameters));
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    SpawnActions actions;
    SpawnAttributes attributes;
    // A session of its own: the script outlives the program and no terminal signal reaches it.
    posix_spawnattr_setflags(&attributes.attributes, POSIX_SPAWN_SETSID);
    if (show_mode == 1) {
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
            posix_spawn_file_actions_addopen(&actions.actions, fd, "/dev/null",
                                             fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
        }
    }
    pid_t child = 0;
    return posix_spawn(&child, "/bin/sh", &actions.actions, &attributes.attributes, argv.data(), environ) == 0;
}

}  // namespace strevo
