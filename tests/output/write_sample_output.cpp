// Writes sample output into a folder for read_back.py: a workbook made through the
// binding's edge cases, and a run's three files for a keyword with Chinese characters.
#include <cstdio>
#include <string>

#include "output/run_output.h"
#include "support/fake_view.h"
#include "text/code_page.h"

using namespace strevo;

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = utf8_to_text(argv[1]);

    XlBook book;
    book.create(1);
    std::string name = "Cols";
    XlSheet sheet = book.add_sheet(name);
    sheet.set_col("a:c", 5.0);
    sheet.set_col("E", 7.0);
    sheet.set_col(gbk("Ｇ：ｈ"), 9.0);
    sheet.write_str(0, 0, gbk("中文"));
    sheet.write_str(2, 3, "x");
    book.add_sheet(name);  // taken: becomes Sheet2
    if (book.save(folder + "/binding") == 0) return 1;

    test::FakeView view;
    view.keyword_text = gbk("卫视");
    RunOutput output;
    output.start_workbook();
    output.add_records({{gbk("湖南卫视"), "http://[::1]:80/live/1.m3u8", "2026-12-10", "1920x1080"},
                        {gbk("未知"), "http://1.2.3.4/x", "2026-12-09", gbk("未知")}});
    output.finish(view, folder);
    return view.messages.empty() ? 0 : 1;
}
