#pragma once

/// How the process's memory allocator is set up for parsing a large export on two threads.
class AllocatorTuning
{
public:
    /// Called once at the start of `main()`, before any thread starts. With glibc, a
    /// thread's own allocation arena otherwise grows a page at a time, each step a call
    /// that makes the other thread's first touch of a fresh page wait: reading a
    /// 50,000-unit export in two parts made 1,900 such calls. Elsewhere it does nothing.
    static void apply();
};
