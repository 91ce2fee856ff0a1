/* The download plug-in's interface: a shared library "database/prjdll" (prjdll.so on Linux,
 * prjdll.dll on Windows) in the program folder, exporting one C function, "CreateDLLForm".
 * Plain C, so a plug-in can be written with any compiler and toolkit.
 *
 * The call
 *   The program loads the library when the user asks for an online update, makes the program
 *   folder the current directory, calls CreateDLLForm once and waits for it to return. The
 *   arguments:
 *     mainWindow  the program's window the plug-in's window belongs to (a QWidget*; a Qt plug-in
 *                 may use it as the parent of its dialog, any other plug-in may ignore it)
 *     screen      the screen the program is shown on (a QScreen*; may be ignored)
 *     typeName    the current lottery type's name, zero-terminated UTF-8 text
 *     reserved    always 0
 *     lowerBound  the period to download from (the newest period the program holds), or -1 to
 *                 ask for every draw
 *   The plug-in shows its own modal window, downloads draws and, when it has any, writes them to
 *   the hand-over file before returning. It must not let an exception or a long jump leave the
 *   call, and it owns nothing the program passes.
 *
 * The hand-over file "dttmp.dtp", written into the current directory
 *   Groups of three lines per draw, in ascending period order, lines ended by CR LF (LF alone is
 *   read too), ASCII or GBK text:
 *     line 1  the period in decimal ("2026097")
 *     line 2  the numbers of the draw in record slot order (main numbers, then secondary numbers)
 *             in decimal, separated by exactly one character that is not a digit ("1 4 16 22 26
 *             31 4" or "01,04,16,22,26,31,04"), no separator before the first or after the last;
 *             at most 50 numbers
 *     line 3  ignored
 *   With a lower bound, the draws from that period on, the first group being the lower-bound
 *   period itself when the source has it. No file means nothing was downloaded (the program then
 *   says nothing); the program reads and deletes the file after the call.
 */
#ifndef LOTTODESK_PRJDLL_H
#define LOTTODESK_PRJDLL_H

#if defined(_WIN32)
#define LOTTODESK_PLUGIN_EXPORT __declspec(dllexport)
#else
#define LOTTODESK_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The name the program resolves, and the type of the function behind it. */
#define LOTTODESK_CREATE_FORM_SYMBOL "CreateDLLForm"
typedef void (*CreateDLLFormFunction)(void* mainWindow, void* screen, const char* typeName, int reserved,
                                      int lowerBound);

/* The name of the hand-over file, relative to the current directory during the call. */
#define LOTTODESK_HANDOVER_FILE "dttmp.dtp"
/* Optional, beside it: the prize tables of the handed-over draws, one draw a line (UTF-8, TAB-
   separated: period, date, sales, pool, then "name|winners|amount" per prize level). */
#define LOTTODESK_PRIZE_HANDOVER_FILE "dttmp.prz"

#ifdef __cplusplus
}
#endif

#endif /* LOTTODESK_PRJDLL_H */
