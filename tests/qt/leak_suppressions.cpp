// SPDX-License-Identifier: GPL-3.0-or-later
// fontconfig keeps its font cache for the life of the process and never
// frees it; that is not ours to fix, so the leak checker is told to look
// past it.  Leaks in the game's own code are still reported.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
