#pragma once
// The hourglass for the lifetime of the object, so that every way out of a
// long operation (return, early stop, exception) puts the cursor back.
#include <QCursor>
#include <QGuiApplication>

class WachtCursor {
public:
    WachtCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WachtCursor() { QGuiApplication::restoreOverrideCursor(); }
    WachtCursor(const WachtCursor&) = delete;
    WachtCursor& operator=(const WachtCursor&) = delete;
};
