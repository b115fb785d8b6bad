#include "output/xl_binding.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "text/code_page.h"

namespace strevo {
namespace {

namespace fs = std::filesystem;

fs::path fresh_folder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("strevo_xl_" + name + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(XlBook, LifecycleRules) {
    XlBook book;
    EXPECT_TRUE(book.create(1));
    EXPECT_FALSE(book.create(2));  // frees the book held before
    EXPECT_FALSE(book.holds_book());
    EXPECT_EQ(book.sheet_index("Sheet1"), -1);
    EXPECT_FALSE(book.create(0));  // binary books are not supported
    ASSERT_TRUE(book.create(1));
    book.release();
    book.release();
    EXPECT_EQ(book.sheet_count(), 0);
    EXPECT_EQ(book.save("/tmp/never.xlsx"), 0);
    std::string name = "x";
    EXPECT_EQ(book.add_sheet(name).handle, 0);
}

TEST(XlBook, SheetsNamesAndIndexes) {
    XlBook book;
    ASSERT_TRUE(book.create(1));
    std::string name = gbk("直播源数据");
    const XlSheet first = book.add_sheet(name);
    EXPECT_NE(first.handle, 0);
    EXPECT_EQ(name, gbk("直播源数据"));
    book.add_sheet(name);
    EXPECT_EQ(name, "Sheet2");  // the taken name was replaced, in the caller's text too
    EXPECT_EQ(book.sheet_count(), 2);
    EXPECT_EQ(book.sheet_index("Sheet2"), 1);
    EXPECT_EQ(book.sheet_index("sheet2"), -1);  // names compare with case
    EXPECT_EQ(book.get_sheet(0).handle, first.handle);
    EXPECT_EQ(book.get_sheet(5).handle, 0);  // past the count: -1 is asked for
    EXPECT_EQ(book.get_sheet(5).write_str(0, 0, "x"), 0);
    EXPECT_EQ(first.write_str(0, 0, gbk("电视台")), 1);
    EXPECT_EQ(first.set_col("B:B", 80.0), 1);
}

TEST(XlBook, SaveAddsSheetAndExtension) {
    const fs::path folder = fresh_folder("save");
    XlBook book;
    ASSERT_TRUE(book.create(1));
    EXPECT_NE(book.save((folder / "list").string()), 0);
    EXPECT_TRUE(fs::exists(folder / "list.xlsx"));
    EXPECT_EQ(book.sheet_count(), 1);
    EXPECT_EQ(book.sheet_index("Sheet1"), 0);
    EXPECT_NE(book.save((folder / "list.dat").string()), 0);
    EXPECT_TRUE(fs::exists(folder / "list.dat"));
    EXPECT_EQ(book.save((folder / "missing" / "x.xlsx").string()), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    fs::remove_all(folder);
}

TEST(XlBookDeathTest, PreparerRunsOnceBeforeTheFirstLoad) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: nothing loaded yet
    EXPECT_EXIT(
        {
            int calls = 0;
            std::string asked;
            set_library_preparer([&](const std::string& path) {
                ++calls;
                asked = path;
            });
            XlBook book;
            book.create(1);
            book.create(1);
            std::exit(calls == 1 && asked.ends_with("/libxl.so") ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(XlBookDeathTest, MissingExportEndsTheProgramNamingIt) {
    EXPECT_EXIT(xl_function("xlNoSuchExportW"), testing::ExitedWithCode(255),
                "libxl.so.*xlNoSuchExportW");
}

}  // namespace
}  // namespace strevo
