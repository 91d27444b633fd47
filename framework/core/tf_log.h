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
#define tf_ASSERT(cond) ((cond) ? (void)0 : tf_AssertFailed(__FILE__, __LINE__))
