// Short sound effects: wave files from the program's "WAV" resources or from disk, each in
// one static buffer, played from its start; a buffer lost meanwhile is refilled on play.
#pragma once
#include "platform/dsound.h"

// Null until tf_DSO_INIT succeeds; while null, loads keep their names and load nothing, and
// nothing plays.
extern IDirectSound* tf_lpDS;
// Sound switch: while false, SPUSTI plays nothing.
extern bool tf_DSO_bZvuk;

int tf_DSO_INIT(HWND hwnd);
int tf_DSO_DONE();

class tf_CDSO_Zvuk {
public:
    tf_CDSO_Zvuk();
    virtual ~tf_CDSO_Zvuk();
    tf_CDSO_Zvuk(const tf_CDSO_Zvuk&) = delete;
    tf_CDSO_Zvuk& operator=(const tf_CDSO_Zvuk&) = delete;

    void ODSTRAN();
    int NAHRAJ_RES(const char* name);
    int NAHRAJ_FILE(const char* path);
    // The resource `name`, else the file `name`.
    int NAHRAJ(const char* name);
    bool SPUSTI();

    char* m_ResName;   // owned; set when loaded from a resource
    char* m_FileName;  // owned; set when loaded from a file
    IDirectSoundBuffer* m_pBuffer;
};

// The format and samples of a wave image of `imageSize` bytes; the outputs point into the
// image. Fails, with a log line, on anything but mono or stereo 8- or 16-bit PCM whose chunks
// lie inside the image.
BOOL DSParseWaveResource(const void* image, DWORD imageSize, const WAVEFORMATEX** fmt, const BYTE** data, DWORD* size);
// The program's resources are its own, so `module` is not consulted.
BOOL DSGetWaveResource(HMODULE module, const char* name, const WAVEFORMATEX** fmt, const BYTE** data, DWORD* size);
// Reads the file into *image (malloc'd, the caller frees it); null after a failure.
BOOL DSGetWave_FILE_qz(void** image, const char* path, const WAVEFORMATEX** fmt, const BYTE** data, DWORD* size);
BOOL DSFillSoundBuffer(IDirectSoundBuffer* buffer, const BYTE* data, DWORD size);
IDirectSoundBuffer* DSLoadSoundBuffer(IDirectSound* ds, const char* name);
IDirectSoundBuffer* DSLoadSoundBuffer_FILE_qz(IDirectSound* ds, const char* path);
BOOL DSReloadSoundBuffer(IDirectSoundBuffer* buffer, const char* name);
BOOL DSReloadSoundBuffer_FILE_qz(IDirectSoundBuffer* buffer, const char* path);
// A " DSLOG: [where] [what] [n]" line in the log.
void DSLOG(const char* where, const char* what, int n);
