// Strevo: collects live TV stream addresses from an IPTV search site into a workbook, an
// M3U playlist and a text list.
#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstdlib>

#include "app/event_loop_pump.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/stop_signals.h"
#include "output/output_folder.h"
#include "output/xl_binding.h"
#include "text/code_page.h"

#ifndef STREVO_SEARCH_BASE
#define STREVO_SEARCH_BASE "https://127.0.0.1:8443"
#endif

int main(int argc, char** argv) {
    strevo::set_program_code_page(strevo::code_page_gbk);
    QApplication application(argc, argv);
    QApplication::setFont(QFont("WenQuanYi Micro Hei", 9));

    const std::string run_dir = strevo::run_directory();
    strevo::EventLoopPump pump;
    strevo::install_event_pump(&pump);

    strevo::MainWindow window(STREVO_SEARCH_BASE, run_dir);
    strevo::set_library_preparer(strevo::restore_library);
    strevo::set_library_failure_handler([&window](const std::string& message) {
        window.view().show_message(strevo::gbk("出错了！"), message, strevo::MessageIcon::error);
    });
    // Closing ends the program at once, also from inside a run's wait: the clean-up script
    // removes the library file after the program is gone.
    window.set_closing_handler([&run_dir] {
        strevo::shell_open(strevo::cleanup_script_path(run_dir), "", 1);
        std::fflush(nullptr);
        std::_Exit(0);
    });

    strevo::on_stop_signal([&window] { window.close(); });

    strevo::place_program_files(run_dir);
    window.show();
    window.编辑框_关键词->setFocus();
    return application.exec();
}
