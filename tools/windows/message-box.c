/* Reads a message box as a player would, for the tests under Wine: waits up
   to SECONDS for a top-level dialog titled TITLE, prints its text in UTF-8,
   then presses its OK button. Status 1 when none appears in time.
   Usage: message-box TITLE SECONDS */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

/* The standard dialog class, which MessageBox makes its boxes of. */
#define DIALOG_CLASS "#32770"
#define POLL_MS 50

/* The box's text is its one static control with words in it; the icon's
   static has none. */
static BOOL CALLBACK printText(HWND child, LPARAM found) {
    char className[16];
    wchar_t text[4096];
    char utf8[4 * 4096];
    int length;

    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0)
        return TRUE;
    length = GetWindowTextW(child, text, sizeof text / sizeof text[0]);
    if (length == 0)
        return TRUE;
    length = WideCharToMultiByte(CP_UTF8, 0, text, length, utf8, sizeof utf8, NULL, NULL);
    fwrite(utf8, 1, (size_t)length, stdout);
    *(BOOL*)found = TRUE;
    return FALSE;
}

int main(int argc, char** argv) {
    HWND box = NULL;
    DWORD deadline;
    BOOL found = FALSE;

    if (argc != 3) {
        fputs("usage: message-box TITLE SECONDS\n", stderr);
        return 2;
    }
    deadline = GetTickCount() + (DWORD)(atof(argv[2]) * 1000);
    while (!(box = FindWindowA(DIALOG_CLASS, argv[1])) && (LONG)(deadline - GetTickCount()) > 0)
        Sleep(POLL_MS);
    if (!box)
        return 1;
    EnumChildWindows(box, printText, (LPARAM)&found);
    fflush(stdout);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return found ? 0 : 1;
}
