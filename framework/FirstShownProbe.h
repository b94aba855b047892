#pragma once

// Benchmark hook, for bench/ only: when the environment variable
// MAPSMITH_BENCH_REPORT_SHOWN is set, the program writes "shown <ns>" (the
// monotonic clock in nanoseconds) to standard output as soon as its first
// main window has been painted, then quits. The start-up benchmark takes
// process start to that moment; without the variable this does nothing.
void InstallFirstShownProbeIfRequested();
