// The Win32 types, handles and constants the framework is written against.
#pragma once
#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef int32_t HRESULT;
typedef DWORD COLORREF;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef void* HANDLE;
typedef uintptr_t DWORD_PTR;
typedef uintptr_t UINT_PTR;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define MAX_PATH 260
#define S_OK ((HRESULT)0)
#define E_FAIL ((HRESULT)0x80004005)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

#define RGB(r, g, b) ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)((c) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))
#define CLR_INVALID 0xFFFFFFFF

struct RECT {
    LONG left, top, right, bottom;
};
struct POINT {
    LONG x, y;
};
struct SIZE {
    LONG cx, cy;
};

// Opaque handles; their objects live in the platform layer.
struct plat_Window;
struct plat_DC;
struct plat_GdiObject;
typedef plat_Window* HWND;
typedef plat_DC* HDC;
typedef plat_GdiObject* HGDIOBJ;
typedef plat_GdiObject* HPEN;
typedef plat_GdiObject* HBRUSH;
typedef plat_GdiObject* HFONT;
typedef plat_GdiObject* HBITMAP;
typedef void* HINSTANCE;
typedef void* HMODULE;
typedef void* HICON;
typedef void* HCURSOR;

// Debug-output channel: goes to stderr.
void OutputDebugStringA(const char* text);
DWORD GetLastError();
void SetLastError(DWORD err);

#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_PATH_NOT_FOUND 3
#define ERROR_ACCESS_DENIED 5
#define ERROR_NO_MORE_FILES 18
#define ERROR_ALREADY_EXISTS 183
