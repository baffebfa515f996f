#pragma once
// Modal message boxes of the program. Everything that asks or tells the user
// goes through this interface, so tests can script the answers.
#include <QString>

class QWidget;

namespace quorvel {

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };
    virtual ~Dialogs() = default;
    virtual void error(QWidget* parent, const QString& text) = 0;        // one OK button
    virtual void information(QWidget* parent, const QString& text) = 0;  // one OK button
    virtual Answer confirm(QWidget* parent, const QString& text) = 0;    // Yes, No, Cancel
};

// The real boxes (QMessageBox), titled with the application name.
class MessageBoxDialogs : public Dialogs {
public:
    void error(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;
};

}  // namespace quorvel
