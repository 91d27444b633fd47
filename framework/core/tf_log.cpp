#include "framework/core/tf_log.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const char* const LOG_FILE = "tf_LOG.txt";
const char* const PREVIOUS_FILE = "tf_LOG_predtym.txt";  // the run before, or this run's earlier part
const char* const HEADER = "===========";
const char* const CONTINUED = "=========== (pokracovanie, zaciatok v tf_LOG_predtym.txt)";
const int LINE_MAX = 500;
// A run's log past this size moves aside and a new one goes on: a long session, a page
// turned thousands of times, fills no disk.
const long DEFAULT_LIMIT = 4L << 20;

int log_on = 1;
bool log_started = false;
long limit = DEFAULT_LIMIT;

// The file stays open for the run, so a line costs one write and no opening or closing; the
// flush after every line hands it to the system, so a crash of the program loses none.
FILE* out = nullptr;
long written = 0;  // bytes in the open file

void close_file() {
    if (out) fclose(out);
    out = nullptr;
}

// A fresh file; the one there moves to the kept previous file (nothing to keep: no move). It
// is written at its end, so that another copy of the program writing it garbles nothing.
void start_file() {
    close_file();
    std::rename(LOG_FILE, PREVIOUS_FILE);
    if (FILE* f = fopen(LOG_FILE, "w")) fclose(f);
    out = fopen(LOG_FILE, "a");
    written = 0;
}

// The plain name needs no path conversion, and the simulated write failures of the tests must
// not silence the log. A log that cannot be opened or written loses the line, with nowhere to
// report it; the next line tries again.
void write_line(const char* text) {
    if (!out && (out = fopen(LOG_FILE, "a")) != nullptr) {
        fseek(out, 0, SEEK_END);
        written = ftell(out);
    }
    if (!out) return;
    const long size = static_cast<long>(strlen(text)) + 1;
    if (written > 0 && written + size > limit) {
        start_file();
        if (!out) return;
        written = std::max(fprintf(out, "%s\n", CONTINUED), 0);
    }
    if (fputs(text, out) < 0 || fputc('\n', out) == EOF || fflush(out) != 0) {
        close_file();
        return;
    }
    written += size;
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
    start_file();
    write_line(text);
    log_started = true;
}

void tf_LOG_Zapis(const char* text) {
    if (!log_on) return;
    if (!log_started) tf_LOG_Reset(HEADER);
    write_line(text);
}

void tf_LOG_Zapis_F(const char* text, int fresh) {
    if (fresh) {
        start_file();
        write_line(HEADER);
    }
    write_line(text);
}

void tf_LOG_Zavri() { close_file(); }

void tf_LOG_ForgetRun() {
    close_file();
    log_started = false;
}

void tf_LOG_SetLimit(long bytes) { limit = bytes > 0 ? bytes : DEFAULT_LIMIT; }

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
