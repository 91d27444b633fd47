// Plays a book's pages off-screen as the editor shows them: the catalogue, the page file,
// the page drawing and the animation tick, on the headless display, each frame
// area-averaged to the size of the export. It drives the book's program-wide state, so
// one player lives at a time (the display state is put back when it goes), and it works
// from the current folder as the editor does (the books stand beside it).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/surface/tf_dsrfc.h"

class PX_Player {
public:
    // A screen of screen_w x screen_h as the page was made for, frames of out_w x out_h
    // (no larger than the screen).
    PX_Player(int screen_w, int screen_h, int out_w, int out_h);
    ~PX_Player();
    PX_Player(const PX_Player&) = delete;
    PX_Player& operator=(const PX_Player&) = delete;

    // Builds the catalogue and takes the book whose folder is book_path ("..\KNIHA_name",
    // as the catalogue lists it); false when the catalogue holds no page of it.
    bool Open_book(const char* book_path);
    // The book's pages in its order: their names and their files.
    struct Page {
        std::string name, path;
    };
    std::vector<Page> Pages() const;
    // Shows the page of the file as loaded, before its first tick; false when the file
    // cannot be read. The names are those of the book's pictures, whichever folder the file
    // is in; the pictures the page names that are missing or unreadable go to *missing.
    bool Load(const char* page_path, std::vector<std::string>* missing);
    // Plays on to the tick (never back) and takes the frame: RGB565, row after row. `over`
    // draws on the screen before the frame is taken (a page turn, a card).
    using Over = std::function<void(IDirectDrawSurface* screen)>;
    void Frame(int tick, std::vector<uint16_t>* out, const Over& over = {});
    // Plays on to the tick (never back) without drawing.
    void Play_to(int tick);
    // Pages loaded from now on draw without their texts (a web page shows them as text).
    void Skry_texty(bool skry) { skry_texty_ = skry; }
    // The name of the book opened.
    std::string Book_name() const;

    int Out_w() const { return out_w_; }
    int Out_h() const { return out_h_; }

private:
    int out_w_, out_h_;
    int tick_ = 0;
    bool skry_texty_ = false;
    IDirectDrawSurface* screen_ = nullptr;
    IDirectDrawSurface* out_ = nullptr;  // null when the frames have the screen's size
    tf_CDas_Surface background_{"pozadie"};
    // The display state as it was, for when the player goes.
    int saved_w_, saved_h_;
    IDirectDraw* saved_dd_;
    IDirectDrawSurface* saved_back_;
};
