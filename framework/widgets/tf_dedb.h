// The one-line edit box: capital letters from the keyboard, Backspace and Delete from the
// end, numbers only through Set_Number; drawn with its own sunken frame.
#pragma once
#include "framework/widgets/tf_pol.h"
#include "platform/gdi.h"

class tf_CDEDB : public tf_CPol {
public:
    // The most characters the buffer holds with its end.
    static constexpr int MAX_TEXT = 199;
    // The key handler may write one character past the limit, so no limit exceeds this.
    static constexpr int MAX_LIMIT = MAX_TEXT - 1;

    tf_CDEDB(tf_CPolCHLO* parent, int rx, int ry);
    tf_CDEDB(tf_CPolCHLO* parent, int ID);
    // A null font keeps the system font; a given one stays its owner's.
    tf_CDEDB(tf_CPolCHLO* parent, int ID, int max_dlzka, void* font);
    ~tf_CDEDB() override;

    using tf_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    void GetSize(int* sir, int* vys) override;
    void SetSize(int sir, int vys) override;
    bool HandleKey(int key) override { return zivy && INFORMUJ_SA_KLAV(key); }  // hidden: not typed into

    void Dsgn(int rx, int ry, int sir, int vys);
    // Letters A to Z (as capitals), Backspace and Delete are consumed; anything else is not.
    bool INFORMUJ_SA_KLAV(int key);
    // Texts longer than MAX_TEXT bytes are cut.
    void Set_Text(const char* text);
    void Set_Number(int n);
    char* Get_Text() { return text; }
    // rezim 1 raised, 2 sunken, anything else the fill only.
    void Level_efekt(HDC dc, int rezim);

    int sir = 150;
    int vys = 20;
    RECT ramec = {0, 0, 150, 20};
    char text[MAX_TEXT + 1] = "";
    int dlzka = 0;
    int max_dlzka = 50;
    HBRUSH stetec = nullptr;
    HPEN pero = nullptr;
    HFONT font = nullptr;

private:
    void init();
};
