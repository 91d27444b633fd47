// What the fuzzing targets share: a scratch folder of the process, inputs put there as files,
// small pictures, and the stage every target runs on. Each target frees what it made and
// leaves the program's state as it found it, so that the suite replays the corpus among its
// other tests (tests/fuzz).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class IDirectDraw;

namespace pexlo_fuzz {

// The scratch folder of this process (a host path), made at the first call, removed at exit.
const std::string& Scratch();
// The program path ("\" separators) of `rel` under the scratch folder.
std::string ProgramPath(const std::string& rel);
// Writes the bytes to `rel` under the scratch folder; its program path.
std::string Put(const std::string& rel, const uint8_t* data, size_t size);
std::string Put(const std::string& rel, const std::string& bytes);
// A 24-bit sheet of `phases` phases of 8 x 8 side by side, framed in cyan, as a BMP file's bytes.
std::string Sheet(int phases);

// While alive: a DirectDraw object as tf_lpDD and the log off (it would write a file for
// every line); afterwards what was there before, and the log on.
class Stage {
public:
    Stage();
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

private:
    IDirectDraw* saved_;
};

}  // namespace pexlo_fuzz

// The targets: each reads one input as the program reads that kind of file; always 0.
int pexlo_fuzz_page(const uint8_t* data, size_t size);
int pexlo_fuzz_phases(const uint8_t* data, size_t size);
int pexlo_fuzz_ini(const uint8_t* data, size_t size);
int pexlo_fuzz_wav(const uint8_t* data, size_t size);
int pexlo_fuzz_bmp(const uint8_t* data, size_t size);
int pexlo_fuzz_catalogue(const uint8_t* data, size_t size);
int pexlo_fuzz_archive(const uint8_t* data, size_t size);
