/* The gallery's screenshot writer. */
#ifndef GALLERY_H
#define GALLERY_H

#include <windows.h>

/* Writes what the window shows, frame and menu included, to a PNG file
 * through the Windows Imaging Component. FALSE when nothing was written. */
BOOL WriteWindowPng(HWND window, const char* path);

#endif /* GALLERY_H */
