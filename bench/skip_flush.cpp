// Preloaded into the program (LD_PRELOAD) by bench/run.sh to time a session
// without the flushes to the disk: fsync returns at once, having done
// nothing.  What the flushes cost is the difference.
extern "C" int fsync(int) { return 0; }
