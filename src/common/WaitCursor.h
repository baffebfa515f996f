#pragma once
// The wait cursor over the whole program for as long as an operation runs;
// restore() takes it down early, before a message box, so that the user is
// not shown a busy cursor over a question.
#include <QApplication>

namespace quorvel {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void restore()
    {
        if (m_on) {
            QApplication::restoreOverrideCursor();
            m_on = false;
        }
    }

private:
    bool m_on = true;
};

}  // namespace quorvel
