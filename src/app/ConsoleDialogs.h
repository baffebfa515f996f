#pragma once
#include "common/Dialogs.h"

namespace quorvel {

// Message boxes for a run without a display: the text goes to standard error
// and a question is answered No, so nothing waits for a click that cannot come.
class ConsoleDialogs : public Dialogs {
public:
    void error(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;
};

}  // namespace quorvel
