// The diagnostic log "tf_LOG.txt": started afresh by the first line of a run, then
// appended line by line, the file opened and closed for every line.
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
// Test hook: the next line starts the file afresh, as at program start.
void tf_LOG_ForgetRun();

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
