// The diagnostic log "tf_LOG.txt" in the working folder: started afresh by the first line of a
// run (the last run's log moves to "tf_LOG_predtym.txt"), then written into the file kept
// open, the lines of a burst together (tf_LOG_Flush), and at once at a crash or exit. A run's
// log past a few MB moves to "tf_LOG_predtym.txt" too and a new one goes on.
#pragma once

#define TF_LOG_ERR "TLFW ERROR: "
#define TF_LOG_RETURN "RETURN!"

struct tf_LOG_Set_struct {
    explicit tf_LOG_Set_struct(int on);
};

void tf_LOG_SetONOFF(int on);
void tf_LOG_Reset(const char* text);
void tf_LOG_Zapis(const char* text);
void tf_LOG_Zapis_F(const char* text, int fresh);
// Writes the lines that wait: the message loop calls it before it sleeps.
void tf_LOG_Flush();
// Closes the file; the next line opens it again in the working folder of that moment and
// goes on at its end (for a change of the working folder).
void tf_LOG_Zavri();
// Test hooks: the next line starts the file afresh, as at program start; the size at which a
// run's log moves aside (0: the usual few MB).
void tf_LOG_ForgetRun();
void tf_LOG_SetLimit(long bytes);

void _tf_LOG_(const char* file, int line, const char* s);
void _tf_LOG_(const char* file, int line, const char* s, int a);
void _tf_LOG_(const char* file, int line, const char* s, int a, int b);
void _tf_LOG_(const char* file, int line, const char* s, int a, int b, int c);
void _tf_LOG_(const char* file, int line, const char* s, const char* t);
void _tf_LOG_(const char* file, int line, const char* s, const char* t, int a);

// A failed debugging assertion: aborts a Debug build, goes on in a Release build.
// Tests install a handler that counts instead.
typedef void (*tf_AssertHandler)(const char* file, int line);
void tf_AssertFailed(const char* file, int line);
tf_AssertHandler tf_SetAssertHandler(tf_AssertHandler handler);

// The two shapes every log call takes, with the file's source tag constant SRC and the
// calling line. An error line is TF_LOG(TF_LOG_ERR, "text") or TF_FAIL(TF_LOG_ERR, "text"):
// the prefix and the text as two fields (one number may follow); other values go on a line
// of their own.
// A log line.
#define TF_LOG(...) _tf_LOG_(SRC, __LINE__, __VA_ARGS__)
// A log line, then the failed debugging assertion: for broken preconditions only, never for
// anything a user or a file on disk can cause.
#define TF_FAIL(...)                          \
    do {                                      \
        _tf_LOG_(SRC, __LINE__, __VA_ARGS__); \
        tf_AssertFailed(SRC, __LINE__);       \
    } while (0)
