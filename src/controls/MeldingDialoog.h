#pragma once
// The program's back end for ToonMelding: a modal, centred message box with
// the Dutch captions, and the system sounds.
#include "data/ToonMelding.h"

class MeldingDialoog : public MeldingBackEnd {
public:
    int toon(const Melding& melding) override;
    void geluid(int soort) override;
};
