// The three output files of a run: the workbook rows, the playlist and the list, built
// record by record, then the closing sequence that saves them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/run_view.h"
#include "output/xl_binding.h"
#include "search/page_parser.h"

namespace strevo {

class RunOutput {
public:
    // Creates the book with its sheet "直播源数据", the four column widths and the header row.
    void start_workbook();
    // Sheet row i (from 1), then the record's playlist entry and list line.
    void add_record(int i, const SourceEntry& record);
    // Every record in order, the playlist header first.
    void add_records(const std::vector<SourceEntry>& records);

    const std::string& playlist_text() const { return playlist_; }
    const std::string& list_text() const { return list_; }
    XlBook& book() { return book_; }

    // The end of a run: makes the output folder, then either tells that nothing was found
    // or saves the workbook, the playlist and the list and shows the completion text.
    // Files that cannot be written are reported, never passed over.
    void finish(RunView& view, std::string_view run_dir);

private:
    XlBook book_;
    XlSheet sheet_;
    std::string playlist_;
    std::string list_;
};

}  // namespace strevo
