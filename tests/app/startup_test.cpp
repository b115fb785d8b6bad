#include "app/startup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/files.h"
#include "text/code_page.h"

namespace strevo {
namespace {

namespace fs = std::filesystem;

using test::read_file;

bool wait_until_gone(const fs::path& path) {
    for (int i = 0; i < 100 && fs::exists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return !fs::exists(path);
}

TEST(Startup, PlacesTheLibraryAndAScriptThatRemovesItAndItself) {
    // Blanks, quotes and $ in the run directory must not break the script.
    const fs::path run_dir = fs::temp_directory_path() / ("strevo dir 'q' \"d\" $HOME " + std::to_string(getpid()));
    fs::remove_all(run_dir);
    fs::create_directories(run_dir);
    std::ofstream(run_dir / "keep.txt") << "stays";
    const std::string dir = utf8_to_text(run_dir.string());

    ASSERT_TRUE(place_program_files(dir));
    EXPECT_EQ(read_file(run_dir / "libxl.so"), std::string(library_image()));
    EXPECT_EQ(read_file(LIBXL_BUILT), std::string(library_image()));
    EXPECT_TRUE(read_file(run_dir / "del.sh").starts_with("rm -f -- '"));

    ASSERT_TRUE(shell_open(cleanup_script_path(dir), "", 1));
    EXPECT_TRUE(wait_until_gone(run_dir / "libxl.so"));
    EXPECT_TRUE(wait_until_gone(run_dir / "del.sh"));
    EXPECT_EQ(read_file(run_dir / "keep.txt"), "stays");
    EXPECT_EQ(std::distance(fs::directory_iterator(run_dir), fs::directory_iterator()), 1);
    fs::remove_all(run_dir);
}

TEST(Startup, LibraryRestoredOnlyWhenGone) {
    const fs::path run_dir = fs::temp_directory_path() / ("strevo_restore_" + std::to_string(getpid()));
    fs::create_directories(run_dir);
    const std::string path = utf8_to_text((run_dir / "libxl.so").string());
    restore_library(path);
    EXPECT_EQ(read_file(run_dir / "libxl.so"), std::string(library_image()));
    std::ofstream(run_dir / "libxl.so") << "another copy's file";
    restore_library(path);  // a file that is there is used as it is
    EXPECT_EQ(read_file(run_dir / "libxl.so"), "another copy's file");
    fs::remove_all(run_dir);
}

}  // namespace
}  // namespace strevo

namespace strevo {
namespace {

// The program itself, copied alone into an empty folder, as a user unpacks it.
TEST(Program, PlacesItsFilesAndRemovesThemWhenClosed) {
    const fs::path folder = fs::temp_directory_path() / ("strevo_program_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(STREVO_PROGRAM, folder / "strevo");

    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl((folder / "strevo").c_str(), "strevo", static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 200 && !(fs::exists(folder / "del.sh") && fs::exists(folder / "libxl.so")); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the window is up
    EXPECT_EQ(read_file(folder / "libxl.so"), read_file(LIBXL_BUILT));

    kill(child, SIGTERM);  // ends the program as closing its window does
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(wait_until_gone(folder / "libxl.so"));
    EXPECT_TRUE(wait_until_gone(folder / "del.sh"));
    EXPECT_TRUE(fs::exists(folder / "strevo"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace strevo
