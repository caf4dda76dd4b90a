#pragma once

namespace probe {

// The run state, set by the checks and read by the run's gates and verdict.
struct TestRun {
    int osFamily = 2;  // 0: Windows 9x family, 1: NT 4.0 or older, 2: Windows 2000 or later
    bool isWindows95 = false;
    bool zkaTestWanted = false;
    bool driverInstalled = false;
    bool ctApiInstalled = false;
    bool zkaReady = false;
    bool readerFound = false;
    int readerIndex = 0;  // -1: none
    bool secondaryReaderFound = false;
};

}  // namespace probe
