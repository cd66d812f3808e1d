#pragma once
// Memory that runs out on demand: the program's operator new, replaced in the
// test program that links this, fails on one thread from the n-th allocation
// on.

#include <functional>

// Runs `body` with the n-th allocation of the calling thread failing: that
// one alone (a passing shortage), or with `lasting` every one after it too
// (memory that stays exhausted). Returns how many allocations failed.
int WithShortageAt(long n, bool lasting, const std::function<void()>& body);
