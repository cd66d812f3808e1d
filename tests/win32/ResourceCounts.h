#pragma once
// What the process holds, counted from the outside of the code under test:
// its windows, its GDI objects, its kernel handles and the bytes in use on
// its heaps. Growth across many repetitions of a command is a leak.

#include <windows.h>

#include <cstddef>
#include <string>

struct TResourceCounts {
  int Windows = 0;
  int GdiObjects = 0;
  int KernelHandles = 0;
  std::size_t HeapBytes = 0;
  std::string Describe() const;
};

// Every window of this process: top-level, child and message-only.
int CountWindows();
// Live GDI objects of the process. Wine has no GetGuiResources (it answers
// 0), but its GDI handles are indexes into the process's handle table, and
// GetObjectType accepts an index alone: asking it about every index finds
// every live object, whoever made it (the system's controls and icons
// included), without wrapping any function of the code under test. Where
// GetGuiResources answers, its figure is taken.
int CountGdiObjects();
// Kernel handles of the process: GetProcessHandleCount where it answers,
// else every handle value that GetHandleInformation accepts.
int CountKernelHandles();
// Bytes in busy blocks of the C runtime's heap, walked with HeapWalk: every
// allocation of the program (new, malloc, the standard containers) is made
// there. The system's own DLLs keep theirs on the process heap, which is
// left out: Wine's controls keep 24 bytes there for every font given to a
// static text and never give them back, a leak of the platform's that
// the windows and GDI counts do not share.
std::size_t CountHeapBytes();

TResourceCounts CountResources();
