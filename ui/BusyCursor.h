#pragma once
// Application-wide cursors for the lifetime of a scope, failures included.

#include <QApplication>

class TScopedCursor {
public:
    explicit TScopedCursor(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
    ~TScopedCursor() { QApplication::restoreOverrideCursor(); }
    TScopedCursor(const TScopedCursor&) = delete;
    TScopedCursor& operator=(const TScopedCursor&) = delete;
};

class TBusyCursor : public TScopedCursor {
public:
    TBusyCursor() : TScopedCursor(Qt::WaitCursor) {}
};

// Inside a busy scope, for a message the user must answer.
class TNormalCursor : public TScopedCursor {
public:
    TNormalCursor() : TScopedCursor(Qt::ArrowCursor) {}
};
