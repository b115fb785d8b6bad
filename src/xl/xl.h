/* The spreadsheet library's C interface: books and sheets kept in memory, written as
 * .xlsx on save. Texts are zero-terminated UTF-16. Invalid handles, indexes and addresses
 * give 0 or have no effect. Binary (.xls) books are not supported. */
#ifndef STREVO_XL_H
#define STREVO_XL_H

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void* BookHandle;
typedef void* SheetHandle;
typedef void* FormatHandle;
typedef char16_t XlChar;

#define XL_EXPORT __attribute__((visibility("default")))

XL_EXPORT BookHandle xlCreateBookCW(void);
XL_EXPORT BookHandle xlCreateXMLBookCW(void);
XL_EXPORT int xlBookSetRgbModeW(BookHandle book, int rgb_mode);
XL_EXPORT void xlBookReleaseW(BookHandle book);
XL_EXPORT int xlBookSheetCountW(BookHandle book);
XL_EXPORT int xlBookActiveSheetW(BookHandle book);
XL_EXPORT const XlChar* xlBookGetSheetNameW(BookHandle book, int index);
XL_EXPORT SheetHandle xlBookAddSheetW(BookHandle book, const XlChar* name, SheetHandle init_sheet);
XL_EXPORT SheetHandle xlBookGetSheetW(BookHandle book, int index);
XL_EXPORT int xlBookSaveW(BookHandle book, const XlChar* path);
XL_EXPORT void xlSheetAddrToRowColW(SheetHandle sheet, const XlChar* address, int* row, int* col,
                                    int* row_relative, int* col_relative);
XL_EXPORT int xlSheetSetColW(SheetHandle sheet, int first_col, int last_col, double width,
                             FormatHandle format, int hidden);
XL_EXPORT int xlSheetWriteStrW(SheetHandle sheet, int row, int col, const XlChar* value,
                               FormatHandle format);

#ifdef __cplusplus
}
#endif

#endif
