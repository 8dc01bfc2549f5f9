// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

// The busy cursor over every window of the program for as long as this
// object lives; nothing in a program without windows.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_;
};

}  // namespace mqt
