// Leak reports the tests cannot act on: fontconfig loses a block while parsing its own
// configuration files, once per process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
