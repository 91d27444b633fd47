#include "framework/core/tf_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
const char* const LOG_FILE = "tf_LOG.txt";
const char* const HEADER = "===========";
const int LINE_MAX = 500;

int log_on = 1;
bool log_started = false;

// An unopenable log loses the line; there is nowhere to report it. The plain name needs no
// path conversion, and the simulated write failures of the tests must not silence the log.
void write_line(const char* mode, const char* text) {
    FILE* f = fopen(LOG_FILE, mode);
    if (!f) return;
    fputs(text, f);
    fputc('\n', f);
    fclose(f);
}

void format_and_write(const char* fmt, ...) {
    char buf[LINE_MAX];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);  // cuts an over-long line
    va_end(ap);
    tf_LOG_Zapis(buf);
}

void default_assert(const char* file, int line) {
#ifdef NDEBUG
    (void)file;
    (void)line;
#else
    fprintf(stderr, "assertion failed: %s(%d)\n", file, line);
    abort();
#endif
}
tf_AssertHandler assert_handler = default_assert;
}  // namespace

tf_LOG_Set_struct::tf_LOG_Set_struct(int on) { log_on = on; }

void tf_LOG_SetONOFF(int on) { log_on = on; }

void tf_LOG_Reset(const char* text) {
    if (!log_on) return;
    write_line("w", text);
    log_started = true;
}

void tf_LOG_Zapis(const char* text) {
    if (!log_on) return;
    if (!log_started) tf_LOG_Reset(HEADER);
    write_line("a", text);
}

void tf_LOG_Zapis_F(const char* text, int fresh) {
    if (fresh) write_line("w", HEADER);
    write_line("a", text);
}

void tf_LOG_ForgetRun() { log_started = false; }

void _tf_LOG_(const char* file, int line, const char* s) { format_and_write("%s(%i) : %s", file, line, s); }
void _tf_LOG_(const char* file, int line, const char* s, int a) {
    format_and_write("%s(%i) : %s [%i]", file, line, s, a);
}
void _tf_LOG_(const char* file, int line, const char* s, int a, int b) {
    format_and_write("%s(%i) : %s [%i] [%i]", file, line, s, a, b);
}
void _tf_LOG_(const char* file, int line, const char* s, int a, int b, int c) {
    format_and_write("%s(%i) : %s [%i] [%i] [%i]", file, line, s, a, b, c);
}
void _tf_LOG_(const char* file, int line, const char* s, const char* t) {
    format_and_write("%s(%i) : %s [%s]", file, line, s, t);
}
void _tf_LOG_(const char* file, int line, const char* s, const char* t, int a) {
    format_and_write("%s(%i) : %s [%s] [%i]", file, line, s, t, a);
}

void tf_AssertFailed(const char* file, int line) { assert_handler(file, line); }

tf_AssertHandler tf_SetAssertHandler(tf_AssertHandler handler) {
    tf_AssertHandler old = assert_handler;
    assert_handler = handler ? handler : default_assert;
    return old;
}
