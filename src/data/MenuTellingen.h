#pragma once
// Which tables hold rows (0 when empty), from which the main window decides
// which commands are enabled.
struct MenuTellingen {
    int hoofd = 0;
    int historie = 0;
    int cursusGegevens = 0;
    int cursussenZonderTelLijst = 0;  // courses outside phone lists
    int begeleiding = 0;
};
