// A line of text drawn in the design's font unless the label has its own. It takes no
// pointer events.
#pragma once
#include "framework/widgets/tf_pol.h"
#include "platform/gdi.h"

class tf_CLabel : public tf_CPol {
public:
    tf_CLabel(tf_CPolCHLO* parent, int rx, int ry, const char* text);
    tf_CLabel(tf_CPolCHLO* parent, int ID, const char* text);
    // The text is "Label [ID]".
    tf_CLabel(tf_CPolCHLO* parent, int ID);
    ~tf_CLabel() override;

    using tf_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    // Into a context the caller holds.
    void ZOBRAZ(HDC dc);
    // Measured in the font it is drawn with.
    void GetSize(int* sir, int* vys) override;

    void Dsgn(int rx, int ry, const char* text);
    void Dsgn(int rx, int ry);
    void SetText(const char* text);

    char* text = nullptr;
    COLORREF farba = 0;
    HFONT font = nullptr;  // none: the design's font

private:
    void init(const char* text);
    HFONT pismo() const;
};
