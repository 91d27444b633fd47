#include "framework/core/tf_log.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

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

// The file stays open for the run. Lines wait in `pending` until the program has handled what
// it was given (tf_LOG_Flush) and go out in one write: a page turn's hundred lines cost one
// system call, not a hundred. A crash writes them on its way down, so a line is lost only to a
// kill in the middle of a burst.
int fd = -1;
long written = 0;  // bytes in the file and waiting for it
constexpr size_t PENDING_MAX = 64 << 10;
char pending[PENDING_MAX];
volatile sig_atomic_t pending_size = 0;  // grows after a line's bytes are in, so a crash writes whole lines

// Only write(2): it runs in the crash handler too.
bool write_pending() {
    const char* p = pending;
    size_t left = static_cast<size_t>(pending_size);
    while (left > 0) {
        const ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

void let_go() {
    if (fd >= 0) close(fd);
    fd = -1;
}

// A file that cannot be written loses what waits for it and is let go: the next line opens it again.
void flush() {
    const bool ok = fd < 0 || write_pending();
    pending_size = 0;
    if (!ok) let_go();
}

void on_crash(int sig) {
    if (fd >= 0) write_pending();
    raise(sig);  // the handler was for once: now the signal does what it would have
}

// Once the log is open: the lines waiting are written at a crash, at exit and before a fork (a
// child starts with none of the parent's). A handler someone else set (a sanitizer's) stays.
void keep_pending_lines() {
    static bool kept = false;
    if (kept) return;
    kept = true;
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        struct sigaction old {};
        if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
        struct sigaction act {};
        act.sa_handler = on_crash;
        act.sa_flags = SA_RESETHAND | SA_NODEFER;
        sigemptyset(&act.sa_mask);
        sigaction(sig, &act, nullptr);
    }
    atexit(flush);
    pthread_atfork(flush, nullptr, nullptr);
}

// Written at its end, so that another copy of the program writing it garbles nothing.
void open_file(int fresh) {
    fd = open(LOG_FILE, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | fresh, 0644);
    struct stat file {};
    written = fd >= 0 && fstat(fd, &file) == 0 ? static_cast<long>(file.st_size) : 0;
    if (fd >= 0) keep_pending_lines();
}

// A fresh file; the one there moves to the kept previous file (nothing to keep: no move).
void start_file() {
    flush();
    let_go();
    std::rename(LOG_FILE, PREVIOUS_FILE);
    open_file(O_TRUNC);
}

void append(const char* text) {
    const size_t n = strnlen(text, PENDING_MAX - 1);
    if (static_cast<size_t>(pending_size) + n + 1 > PENDING_MAX) flush();
    if (fd < 0) return;
    memcpy(pending + pending_size, text, n);
    pending[static_cast<size_t>(pending_size) + n] = '\n';
    pending_size = pending_size + static_cast<sig_atomic_t>(n + 1);
    written += static_cast<long>(n + 1);
}

// The plain name needs no path conversion, and the simulated write failures of the tests must
// not silence the log. A log that cannot be opened or written loses the line, with nowhere to
// report it; the next line tries again.
void write_line(const char* text) {
    if (fd < 0) open_file(0);
    if (fd < 0) return;
    const long size = static_cast<long>(strlen(text)) + 1;
    if (written > 0 && written + size > limit) {
        start_file();
        append(CONTINUED);
    }
    append(text);
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

void tf_LOG_Flush() { flush(); }

void tf_LOG_Zavri() {
    flush();
    let_go();
}

void tf_LOG_ForgetRun() {
    tf_LOG_Zavri();
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
