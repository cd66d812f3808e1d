#pragma once
// The driver's screen-reader view of a window (see accessible.cpp).

#include <windows.h>

// Prints the window's accessible tree; 1 when there is no such window.
int PrintAccessibleTree(HWND top);
