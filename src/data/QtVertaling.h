#pragma once
// Qt's own texts (file and print dialogs, standard buttons, the help of the
// command line) in Dutch, among the program's Dutch windows.
class QTranslator;

// Installs Qt's Dutch translations on the running application: from Qt's
// translations folder, or from the folder "translations" beside the program
// where it is deployed with a copy of its own. The translator belongs to the
// application; nullptr when none was found, and Qt's texts stay English.
QTranslator* LaadQtVertaling();
