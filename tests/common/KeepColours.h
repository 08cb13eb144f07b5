#pragma once
// The program's colours as they were, put back when the object goes, also
// when the test fails halfway.
#include "controls/KleurSchema.h"

class KeepColours {
public:
    KeepColours() : m_colours(HuidigeKleuren()) {}
    ~KeepColours() { ZetHuidigeKleuren(m_colours); }
    KeepColours(const KeepColours&) = delete;
    KeepColours& operator=(const KeepColours&) = delete;

private:
    Kleuren m_colours;
};
