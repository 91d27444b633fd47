// Leak reports the program cannot act on: fontconfig loses a block while parsing its own
// configuration files, D-Bus one when SDL starts video on a display, once per process, and
// libvorbis the stream header of an Ogg file cut short that libsndfile gives up on.
// They are suppressed quietly, so that a program that says nothing leaves stderr empty.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libvorbis.so\n";
}
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
