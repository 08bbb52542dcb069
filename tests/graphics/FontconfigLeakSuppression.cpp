// fontconfig loses a few hundred bytes, once per process, while it parses its configuration
// files; the leak checker of the sanitizer build is told to expect it in tests that draw text.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
