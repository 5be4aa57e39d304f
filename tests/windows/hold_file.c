/* Holds a file open as a backup or sync tool does (others may read it, not
   replace or delete it) until a second file appears, then lets go.
     hold_file.exe FILE RELEASE
   Writes FILE.holding once it holds the file, removes it when it lets go. */
#include <windows.h>

#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    HANDLE h = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) return 1;
    char marker[MAX_PATH];
    snprintf(marker, sizeof marker, "%s.holding", argv[1]);
    FILE* f = fopen(marker, "w");
    if (f) fclose(f);
    while (GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES) Sleep(20);
    CloseHandle(h);
    DeleteFileA(marker);
    return 0;
}
