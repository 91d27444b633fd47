// How much the program reads of a file of each kind, stated here alone: whatever a file on
// disk holds, a read ends within these. Only regular files are read at all (plat_fopen).
#pragma once
#include <cstddef>
#include <cstdint>

// A text file is read line by line: a line longer than `line` characters (its ending not
// counted) is not taken, and the reading stops after `lines` lines or `bytes` bytes.
struct plat_TextLimits {
    size_t line;
    size_t lines;
    size_t bytes;
};

// A page file: a background and at most 60 objects, each line a kind, a name of up to 227
// characters and five numbers.
constexpr plat_TextLimits PLAT_PAGE_TEXT = {399, 1024, size_t(1) << 20};
// An actor's phases file: a point a line, a few dozen phases to a sheet.
constexpr plat_TextLimits PLAT_PHASES_TEXT = {399, 1024, size_t(256) << 10};
// "PX.INI": two lines of two numbers.
constexpr plat_TextLimits PLAT_SETTINGS_TEXT = {199, 2, size_t(4) << 10};
// A book's "KNIHA.INI": a few short lines of a key and numbers.
constexpr plat_TextLimits PLAT_BOOK_SETTINGS_TEXT = {199, 64, size_t(16) << 10};
// A recovery file: a header of five lines (two of them paths), a page file's lines, an end mark.
constexpr plat_TextLimits PLAT_RECOVERY_TEXT = {399, PLAT_PAGE_TEXT.lines + 6,
                                                 PLAT_PAGE_TEXT.bytes + (size_t(4) << 10)};

// A BMP within the pixel limits needs far less; anything bigger is not read into memory.
constexpr size_t PLAT_PICTURE_FILE_BYTES = size_t(512) << 20;
// A picture brought in from elsewhere (PNG, JPEG, GIF, BMP, WebP) is read whole.
constexpr int64_t PLAT_PICTURE_MAX_FILE = int64_t(256) << 20;
// A sound of at most 30 s at 192 kHz in 16-bit stereo takes 23 MB, other chunks beside it.
constexpr size_t PLAT_SOUND_FILE_BYTES = size_t(64) << 20;
// A sound file decoded as it is read (narration, background sounds) is refused before it is
// opened beyond this (a 10-minute 192 kHz 8-channel WAV is 1.8 GB).
constexpr long PLAT_SOUND_FILE_MAX_BYTES = 256L << 20;
