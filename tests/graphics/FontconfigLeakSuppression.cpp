// fontconfig loses a few hundred bytes, once per process, while it loads its configuration
// (FcInitLoadConfigAndFonts); the leak checker of the sanitizer build is told to expect that
// and nothing else of fontconfig's, so a pattern or font set the program forgets to free is
// still reported. fontconfig is built without frame pointers: only the slow unwinder traces
// its allocations back to the start-up call.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:FcInitLoadConfigAndFonts\n";
}

extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
