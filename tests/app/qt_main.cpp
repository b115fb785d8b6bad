// GoogleTest with a QApplication on the offscreen platform: no display needed.
#include <QApplication>
#include <gtest/gtest.h>

#include "text/code_page.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    strevo::set_program_code_page(strevo::code_page_gbk);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
