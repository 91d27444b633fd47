#include "framework/core/tf_dso.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/core/tf_log.h"
#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/resources.h"

IDirectSound* tf_lpDS = nullptr;
bool tf_DSO_bZvuk = true;

namespace {
const char* const SRC = "TF_DSO_w";

bool is_tag(const BYTE* p, const char* tag) { return memcmp(p, tag, 4) == 0; }

BOOL parse_failure(const char* why, uint64_t offset) {
    TF_LOG(TF_LOG_ERR, why, static_cast<int>(offset));
    return FALSE;
}

// Why the sound buffers cannot play a "fmt " chunk, or null when they can.
const char* unplayable(const BYTE* chunk, DWORD len) {
    if (len < 16) return "DSParseWaveResource - kratky fmt blok";
    if (plat_ReadLE(chunk, 2) != WAVE_FORMAT_PCM) return "DSParseWaveResource - format nie je PCM";
    const uint32_t channels = plat_ReadLE(chunk + 2, 2), align = plat_ReadLE(chunk + 12, 2);
    const uint32_t bits = plat_ReadLE(chunk + 14, 2);
    if (channels != 1 && channels != 2) return "DSParseWaveResource - zly pocet kanalov";
    const uint32_t rate = plat_ReadLE(chunk + 4, 4);
    if (rate < PLAT_SOUND_MIN_RATE || rate > PLAT_SOUND_MAX_RATE)
        return "DSParseWaveResource - frekvencia mimo 8 az 192 kHz";
    if ((bits != 8 && bits != 16) || align != channels * bits / 8) return "DSParseWaveResource - zly pocet bitov";
    return nullptr;
}

void clear_wave(const WAVEFORMATEX** fmt, const BYTE** data, DWORD* size) {
    if (fmt) *fmt = nullptr;
    if (data) *data = nullptr;
    if (size) *size = 0;
}

IDirectSoundBuffer* new_filled_buffer(IDirectSound* ds, const WAVEFORMATEX* fmt, const BYTE* data, DWORD size) {
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
    desc.dwBufferBytes = size;
    desc.lpwfxFormat = fmt;
    IDirectSoundBuffer* buffer = nullptr;
    HRESULT hr = ds->CreateSoundBuffer(&desc, &buffer, nullptr);
    if (FAILED(hr)) {
        TF_LOG(TF_LOG_ERR, "CHYBA pri CreateSoundBuffer", static_cast<int>(hr));
        return nullptr;
    }
    if (!DSFillSoundBuffer(buffer, data, size)) {
        buffer->Release();
        return nullptr;
    }
    return buffer;
}

BOOL restore_and_fill(IDirectSoundBuffer* buffer, const BYTE* data, DWORD size) {
    return SUCCEEDED(buffer->Restore()) && DSFillSoundBuffer(buffer, data, size);
}

// Replaces an owned name with a copy of `name`, which may be the old name itself.
void keep_name(char*& field, const char* name) {
    char* copy = name ? strdup(name) : nullptr;
    free(field);
    field = copy;
}
}  // namespace

int tf_DSO_INIT(HWND hwnd) {
    if (tf_lpDS) return 1;
    HRESULT hr = DirectSoundCreate(nullptr, &tf_lpDS, nullptr);
    if (SUCCEEDED(hr)) hr = tf_lpDS->SetCooperativeLevel(hwnd, DSSCL_NORMAL);
    if (SUCCEEDED(hr)) return 1;
    tf_DSO_DONE();
    // A machine without sound is no error: the program goes on silently.
    TF_LOG("tf_DSO_INIT - bez zvuku", static_cast<int>(hr));
    return 0;
}

int tf_DSO_DONE() {
    if (tf_lpDS) tf_lpDS->Release();
    tf_lpDS = nullptr;
    return 1;
}

tf_CDSO_Zvuk::tf_CDSO_Zvuk() : m_ResName(nullptr), m_FileName(nullptr), m_pBuffer(nullptr) {}

tf_CDSO_Zvuk::~tf_CDSO_Zvuk() {
    ODSTRAN();
    free(m_ResName);
    free(m_FileName);
}

void tf_CDSO_Zvuk::ODSTRAN() {
    if (m_pBuffer) m_pBuffer->Release();
    m_pBuffer = nullptr;
}

int tf_CDSO_Zvuk::NAHRAJ_RES(const char* name) {
    keep_name(m_ResName, name);
    keep_name(m_FileName, nullptr);
    ODSTRAN();
    if (tf_lpDS) m_pBuffer = DSLoadSoundBuffer(tf_lpDS, m_ResName);
    return m_pBuffer != nullptr;
}

int tf_CDSO_Zvuk::NAHRAJ_FILE(const char* path) {
    TF_LOG("NAHRAJ_FILE - BEG", path ? path : "");
    keep_name(m_FileName, path);
    keep_name(m_ResName, nullptr);
    ODSTRAN();
    // `path` may have been m_ResName, freed just now: only the kept copy is used from here.
    const char* kept = m_FileName ? m_FileName : "";
    if (tf_lpDS) {
        m_pBuffer = DSLoadSoundBuffer_FILE_qz(tf_lpDS, m_FileName);
        if (!m_pBuffer) TF_LOG("NAHRAJ_FILE - CHYBA pri DSLoadSoundBuffer_FILE_qz!", kept);
    }
    TF_LOG("NAHRAJ_FILE - END", kept);
    return m_pBuffer != nullptr;
}

int tf_CDSO_Zvuk::NAHRAJ(const char* name) {
    if (NAHRAJ_RES(name)) return 1;
    // The kept copy, since `name` may have been m_FileName, which NAHRAJ_RES freed.
    return m_ResName ? NAHRAJ_FILE(m_ResName) : 0;
}

bool tf_CDSO_Zvuk::SPUSTI() {
    if (!tf_DSO_bZvuk || !tf_lpDS || !m_pBuffer) return false;
    m_pBuffer->SetCurrentPosition(0);
    HRESULT hr = m_pBuffer->Play(0, 0, 0);
    if (hr == DSERR_BUFFERLOST) {
        hr = DSERR_GENERIC;
        BOOL refilled = FALSE;
        if (SUCCEEDED(m_pBuffer->Restore())) {
            if (m_ResName)
                refilled = DSReloadSoundBuffer(m_pBuffer, m_ResName);
            else if (m_FileName)
                refilled = DSReloadSoundBuffer_FILE_qz(m_pBuffer, m_FileName);
        }
        if (refilled) {
            m_pBuffer->SetCurrentPosition(0);
            hr = m_pBuffer->Play(0, 0, 0);
        }
    }
    return SUCCEEDED(hr);
}

BOOL DSParseWaveResource(const void* image, DWORD imageSize, const WAVEFORMATEX** fmt, const BYTE** data, DWORD* size) {
    clear_wave(fmt, data, size);
    const BYTE* p = static_cast<const BYTE*>(image);
    if (!p || imageSize < 12 || !is_tag(p, "RIFF") || !is_tag(p + 8, "WAVE"))
        return parse_failure("DSParseWaveResource - chyba RIFF WAVE hlavicka", 0);
    // The RIFF size counts from just after itself; one that runs past the image is cut to it.
    const uint64_t end = std::min<uint64_t>(imageSize, 8 + uint64_t{plat_ReadLE(p + 4, 4)});
    bool wantFmt = fmt != nullptr, wantData = data || size;
    const BYTE *foundFmt = nullptr, *foundData = nullptr;
    DWORD foundSize = 0;
    for (uint64_t pos = 12; pos < end;) {
        if (end - pos < 8) return parse_failure("DSParseWaveResource - neuplna hlavicka bloku", pos);
        const BYTE* chunk = p + pos;
        const DWORD len = plat_ReadLE(chunk + 4, 4);
        const bool inside = len <= end - pos - 8;
        if (wantFmt && is_tag(chunk, "fmt ")) {
            if (!inside) return parse_failure("DSParseWaveResource - blok presahuje koniec", pos);
            if (const char* why = unplayable(chunk + 8, len)) return parse_failure(why, pos);
            foundFmt = chunk + 8;
            wantFmt = false;
        } else if (wantData && is_tag(chunk, "data")) {
            if (!inside) return parse_failure("DSParseWaveResource - blok presahuje koniec", pos);
            foundData = chunk + 8;
            foundSize = len;
            wantData = false;
        }
        if (!wantFmt && !wantData) {
            // A sound effect is short: a long one would cost seconds and megabytes to convert.
            if (foundFmt && foundData &&
                foundSize / plat_ReadLE(foundFmt + 12, 2) > uint64_t{PLAT_SOUND_MAX_SECONDS} * plat_ReadLE(foundFmt + 4, 4))
                return parse_failure("DSParseWaveResource - zvuk dlhsi ako 30 s", pos);
            if (fmt) *fmt = reinterpret_cast<const WAVEFORMATEX*>(foundFmt);
            if (data) *data = foundData;
            if (size) *size = foundSize;
            return TRUE;
        }
        pos += 8 + uint64_t{len} + (len & 1);  // chunks are padded to an even length
    }
    return parse_failure("DSParseWaveResource - chyba fmt alebo data blok", end);
}

BOOL DSGetWaveResource(HMODULE, const char* name, const WAVEFORMATEX** fmt, const BYTE** data, DWORD* size) {
    const plat_Resource* res = plat_FindResource(name);
    if (!res || res->size > UINT32_MAX) {
        clear_wave(fmt, data, size);
        return FALSE;
    }
    return DSParseWaveResource(res->data, static_cast<DWORD>(res->size), fmt, data, size);
}

BOOL DSGetWave_FILE_qz(void** image, const char* path, const WAVEFORMATEX** fmt, const BYTE** data, DWORD* size) {
    clear_wave(fmt, data, size);
    if (!image) return FALSE;
    *image = nullptr;
    FILE* f = plat_fopen(path, "rb");
    if (!f) {
        DSLOG("DSGetWave_FILE_qz", "CHYBA pri otvoreni F", 0);
        return FALSE;
    }
    long len = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
    rewind(f);
    if (len < 0 || static_cast<unsigned long>(len) > PLAT_SOUND_FILE_BYTES) {
        fclose(f);
        DSLOG("DSGetWave_FILE_qz", "CHYBA subor vacsi ako 64 MB", 0);
        return FALSE;
    }
    // One byte more, so that an empty file has a buffer too.
    BYTE* buf = static_cast<BYTE*>(malloc(len + 1));
    if (!buf) {
        fclose(f);
        DSLOG("DSGetWave_FILE_qz", "CHYBA alok. pamate", 0);
        return FALSE;
    }
    const bool complete = fread(buf, 1, len, f) == static_cast<size_t>(len);
    fclose(f);
    if (!complete) {
        free(buf);
        DSLOG("DSGetWave_FILE_qz", "CHYBA pri citani fread do bufra", 0);
        return FALSE;
    }
    if (!DSParseWaveResource(buf, static_cast<DWORD>(len), fmt, data, size)) {
        free(buf);
        DSLOG("DSGetWave_FILE_qz", "CHYBA pri parsovani DSParseWaveResource", 0);
        return FALSE;
    }
    *image = buf;
    return TRUE;
}

BOOL DSFillSoundBuffer(IDirectSoundBuffer* buffer, const BYTE* data, DWORD size) {
    if (!buffer || !data) return FALSE;
    void *part1, *part2;
    DWORD bytes1, bytes2;
    if (FAILED(buffer->Lock(0, size, &part1, &bytes1, &part2, &bytes2, 0))) return FALSE;
    memcpy(part1, data, bytes1);
    if (part2) memcpy(part2, data + bytes1, bytes2);
    buffer->Unlock(part1, bytes1, part2, bytes2);
    return TRUE;
}

IDirectSoundBuffer* DSLoadSoundBuffer(IDirectSound* ds, const char* name) {
    const WAVEFORMATEX* fmt;
    const BYTE* data;
    DWORD size;
    if (!ds || !DSGetWaveResource(nullptr, name, &fmt, &data, &size)) return nullptr;
    return new_filled_buffer(ds, fmt, data, size);
}

IDirectSoundBuffer* DSLoadSoundBuffer_FILE_qz(IDirectSound* ds, const char* path) {
    void* image;
    const WAVEFORMATEX* fmt;
    const BYTE* data;
    DWORD size;
    if (!ds || !DSGetWave_FILE_qz(&image, path, &fmt, &data, &size)) return nullptr;
    IDirectSoundBuffer* buffer = new_filled_buffer(ds, fmt, data, size);
    free(image);
    return buffer;
}

BOOL DSReloadSoundBuffer(IDirectSoundBuffer* buffer, const char* name) {
    const BYTE* data;
    DWORD size;
    return buffer && DSGetWaveResource(nullptr, name, nullptr, &data, &size) && restore_and_fill(buffer, data, size);
}

BOOL DSReloadSoundBuffer_FILE_qz(IDirectSoundBuffer* buffer, const char* path) {
    void* image;
    const BYTE* data;
    DWORD size;
    if (!buffer || !DSGetWave_FILE_qz(&image, path, nullptr, &data, &size)) return FALSE;
    BOOL filled = restore_and_fill(buffer, data, size);
    free(image);
    return filled;
}

void DSLOG(const char* where, const char* what, int n) {
    char line[500];
    snprintf(line, sizeof line, " DSLOG: [%s] [%s] [%i]", where ? where : "", what ? what : "", n);
    tf_LOG_Zapis(line);
}
