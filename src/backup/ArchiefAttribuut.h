#pragma once
// The archive attribute of a file, which incremental backups go by. Windows
// sets it whenever a file is written; other file systems have no such flag,
// so there every file counts as changed and clearing it does nothing.
#include <QString>

bool HeeftArchiefAttribuut(const QString& pad);
void WisArchiefAttribuut(const QString& pad);
