// floor.cpp - the "floor": the least a Win32 program of Brelix's shape must do.
// Registers a class; creates an overlapped window captioned "Floor" with a menu
// bar of three popups, a comctl32 status bar with two parts and 100 push
// buttons (10 x 10) as children; shows it centred in the work area.
//
//   floor.exe [DELAY_MS]     exit DELAY_MS after the window is shown
//                            (0 or absent: stay until closed)
//   floor.exe --inproc [N]   measure in-process (QueryPerformanceCounter) the
//                            cost of rebuilding the 100 buttons (destroy 100 +
//                            create 100), N times (default 50); print the
//                            median, min and max in microseconds on stdout.
//   floor.exe --keep [MS]    no window: sleep MS (default 600000) so that the
//                            Wine desktop of the prefix stays up between
//                            launches (used by bench/floor/compare).
//
// Compile-time knobs for validation variants:
//   -DFLOOR_PRESHOW_SLEEP_MS=300   Sleep() before ShowWindow (slow variant)
//   -DFLOOR_PRESHOW_TOUCH_KB=4096  allocate and touch that much memory first
//   -DFLOOR_CAPTION='"Floor slow"' another caption
//
// Build: i686-w64-mingw32-g++ -O2 -Wall -Wextra -Werror -static -static-libgcc
//        -static-libstdc++ -mwindows -o floor.exe floor.cpp -lcomctl32
// (bench/floor/compare does this).  Slow validation variant: add
//        -DFLOOR_PRESHOW_SLEEP_MS=300 -DFLOOR_PRESHOW_TOUCH_KB=4096 '-DFLOOR_CAPTION="Floor slow"'
//
// --inproc under Wine: pin the wineserver and the program to one CPU
// (taskset -c 1 wineserver -p; taskset -c 1 wine floor.exe --inproc): on this
// 2-vCPU VM a rebuild then takes ~15 ms (tight); unpinned ~160 ms and bimodal,
// because each of its many wineserver round trips may cross vCPUs.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifndef FLOOR_CAPTION
#define FLOOR_CAPTION "Floor"
#endif
#ifndef FLOOR_PRESHOW_SLEEP_MS
#define FLOOR_PRESHOW_SLEEP_MS 0
#endif
#ifndef FLOOR_PRESHOW_TOUCH_KB
#define FLOOR_PRESHOW_TOUCH_KB 0
#endif

namespace {

const int N = 10;          // buttons per row / column
const int S = 32;          // button size in pixels
const UINT ID_STATUS = 50;
const UINT ID_BUTTON0 = 1000;
const UINT IDM_NEW = 101, IDM_EXIT = 102, IDM_OPT_A = 201, IDM_OPT_B = 202,
           IDM_HELP = 301, IDM_ABOUT = 302;
const UINT_PTR TIMER_EXIT = 1;
const DWORD STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;

HWND g_status;
HWND g_buttons[N * N];
HFONT g_font;

void layout_status(HWND hwnd)
{
    if (!g_status) return;
    SendMessageA(g_status, WM_SIZE, 0, 0);
    RECT rc;
    GetClientRect(hwnd, &rc);
    int parts[2] = {rc.right / 2, -1};
    SendMessageA(g_status, SB_SETPARTS, 2, (LPARAM)parts);
}

LRESULT CALLBACK wndproc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_SIZE:
        layout_status(h);
        return 0;
    case WM_TIMER:
        if (w == TIMER_EXIT) { KillTimer(h, TIMER_EXIT); DestroyWindow(h); }
        return 0;
    case WM_COMMAND:
        if (LOWORD(w) == IDM_EXIT) { DestroyWindow(h); return 0; }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

HMENU make_menu()
{
    HMENU bar = CreateMenu(), game = CreatePopupMenu(), opt = CreatePopupMenu(),
          help = CreatePopupMenu();
    AppendMenuA(game, MF_STRING, IDM_NEW, "&New\tF2");
    AppendMenuA(game, MF_SEPARATOR, 0, NULL);
    AppendMenuA(game, MF_STRING, IDM_EXIT, "E&xit");
    AppendMenuA(opt, MF_STRING | MF_CHECKED, IDM_OPT_A, "Option &A");
    AppendMenuA(opt, MF_STRING, IDM_OPT_B, "Option &B");
    AppendMenuA(help, MF_STRING, IDM_HELP, "&Help\tF1");
    AppendMenuA(help, MF_SEPARATOR, 0, NULL);
    AppendMenuA(help, MF_STRING, IDM_ABOUT, "&About");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)game, "&Game");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)opt, "&Options");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)help, "&Help");
    return bar;
}

void create_buttons(HWND parent, HINSTANCE inst)
{
    for (int i = 0; i < N * N; i++) {
        char t[8];
        sprintf(t, "%d", i + 1);
        HWND b = CreateWindowExA(0, "BUTTON", t, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                 (i % N) * S, (i / N) * S, S, S, parent,
                                 (HMENU)(UINT_PTR)(ID_BUTTON0 + i), inst, NULL);
        SendMessageA(b, WM_SETFONT, (WPARAM)g_font, FALSE);
        g_buttons[i] = b;
    }
}

void destroy_buttons()
{
    for (int i = 0; i < N * N; i++) {
        DestroyWindow(g_buttons[i]);
        g_buttons[i] = NULL;
    }
}

void fail(const char *what)
{
    char m[96];
    sprintf(m, "floor: %s failed: %lu\n", what, GetLastError());
    fputs(m, stderr);
    fflush(stderr);
}

// Creates the main window with everything in it, sized to fit and centred; not shown.
HWND create_main(HINSTANCE inst)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    g_font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = wndproc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "FloorWnd";
    if (!RegisterClassExA(&wc)) { fail("RegisterClassEx"); return NULL; }

    HWND hwnd = CreateWindowExA(0, "FloorWnd", FLOOR_CAPTION, STYLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                N * S, N * S, NULL, make_menu(), inst, NULL);
    if (!hwnd) { fail("CreateWindowEx"); return NULL; }

    g_status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd,
                               (HMENU)(UINT_PTR)ID_STATUS, inst, NULL);
    if (!g_status) { fail("CreateWindowEx(status)"); return NULL; }
    create_buttons(hwnd, inst);

    RECT sr;
    GetWindowRect(g_status, &sr);
    RECT r = {0, 0, N * S, N * S + (sr.bottom - sr.top)};
    AdjustWindowRectEx(&r, STYLE, TRUE, 0);
    int w = r.right - r.left, h = r.bottom - r.top;
    RECT wa;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0))
        SetRect(&wa, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(hwnd, NULL, wa.left + (wa.right - wa.left - w) / 2, wa.top + (wa.bottom - wa.top - h) / 2,
                 w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    layout_status(hwnd);
    SendMessageA(g_status, SB_SETTEXTA, 0, (LPARAM)"Moves: 0");
    SendMessageA(g_status, SB_SETTEXTA, 1, (LPARAM)"Time: 0:00");
    return hwnd;
}

void pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int cmp_ll(const void *a, const void *b)
{
    long long x = *(const long long *)a, y = *(const long long *)b;
    return x < y ? -1 : x > y;
}

void out(const char *s)
{
    DWORD n;
    HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
    if (h && h != INVALID_HANDLE_VALUE && WriteFile(h, s, (DWORD)strlen(s), &n, NULL)) return;
    fputs(s, stdout);
    fflush(stdout);
}

int run_inproc(HINSTANCE inst, int reps)
{
    HWND hwnd = create_main(inst);
    if (!hwnd) return 2;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    pump();

    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    long long *tot = (long long *)calloc(reps, sizeof *tot);
    long long *cre = (long long *)calloc(reps, sizeof *cre);
    long long *des = (long long *)calloc(reps, sizeof *des);
    for (int i = -1; i < reps; i++) {          // i == -1: warm-up, not counted
        LARGE_INTEGER t0, t1, t2;
        QueryPerformanceCounter(&t0);
        destroy_buttons();
        QueryPerformanceCounter(&t1);
        create_buttons(hwnd, inst);
        QueryPerformanceCounter(&t2);
        if (i >= 0) {
            des[i] = (t1.QuadPart - t0.QuadPart) * 1000000 / f.QuadPart;
            cre[i] = (t2.QuadPart - t1.QuadPart) * 1000000 / f.QuadPart;
            tot[i] = (t2.QuadPart - t0.QuadPart) * 1000000 / f.QuadPart;
        }
        pump();                                 // paint etc. outside the timed part
    }
    qsort(tot, reps, sizeof *tot, cmp_ll);
    qsort(cre, reps, sizeof *cre, cmp_ll);
    qsort(des, reps, sizeof *des, cmp_ll);
    char line[256];
    sprintf(line, "inproc: rebuild of %d push buttons (destroy+create), %d times: median %lld us"
                  " (min %lld, max %lld); create median %lld us, destroy median %lld us\n",
            N * N, reps, tot[reps / 2], tot[0], tot[reps - 1], cre[reps / 2], des[reps / 2]);
    out(line);
    DestroyWindow(hwnd);
    pump();
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR cmd, int show)
{
    const char *arg = cmd ? cmd : "";
    while (*arg == ' ') arg++;

    if (!strncmp(arg, "--keep", 6)) {
        int ms = atoi(arg + 6);
        Sleep(ms > 0 ? (DWORD)ms : 600000);
        return 0;
    }
    if (!strncmp(arg, "--inproc", 8)) {
        int reps = atoi(arg + 8);
        return run_inproc(inst, reps > 0 ? reps : 50);
    }

    UINT delay = (UINT)atoi(arg);
#ifdef FLOOR_STARTUP_WORK
    // The start-up work that the program must do before its window: load the
    // HTML Help engine and read two file versions (a floor for that program).
    {
        char sys[MAX_PATH];
        GetSystemDirectoryA(sys, MAX_PATH);
        const char *files[] = {"\\hhctrl.ocx", "\\shdocvw.dll"};
        for (const char *f : files) {
            char path[MAX_PATH + 20];
            lstrcpyA(path, sys); lstrcatA(path, f);
            DWORD h = 0, n = GetFileVersionInfoSizeA(path, &h);
            if (n) { char *b = (char *)malloc(n); GetFileVersionInfoA(path, 0, n, b); free(b); }
        }
        lstrcatA(sys, "\\hhctrl.ocx");
        LoadLibraryA(sys);
    }
#endif
    HWND hwnd = create_main(inst);
    if (!hwnd) return 2;
    if (FLOOR_PRESHOW_TOUCH_KB > 0) {
        char *p = (char *)VirtualAlloc(NULL, FLOOR_PRESHOW_TOUCH_KB * 1024, MEM_COMMIT, PAGE_READWRITE);
        if (p) for (int i = 0; i < FLOOR_PRESHOW_TOUCH_KB * 1024; i += 4096) p[i] = 1;
    }
    if (FLOOR_PRESHOW_SLEEP_MS > 0) Sleep(FLOOR_PRESHOW_SLEEP_MS);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    if (delay) SetTimer(hwnd, TIMER_EXIT, delay, NULL);

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
