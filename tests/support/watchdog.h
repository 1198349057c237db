// SPDX-License-Identifier: GPL-3.0-or-later
// A test that would hang (a FIFO opened for reading waits for a writer that
// never comes) ends with SIGALRM instead, failing loudly rather than
// stopping the whole run.
#pragma once

#include <unistd.h>

class 見張り {
public:
    explicit 見張り(unsigned 秒 = 20) { ::alarm(秒); }
    ~見張り() { ::alarm(0); }
    見張り(const 見張り&) = delete;
    見張り& operator=(const 見張り&) = delete;
};
