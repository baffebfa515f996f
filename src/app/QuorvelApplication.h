#pragma once
#include <QApplication>

namespace quorvel {

class FormVesk;

// The application object. An error that an operation did not catch (the data
// store failing, say) ends in one error box over the main window instead of
// ending the program.
class QuorvelApplication : public QApplication {
public:
    QuorvelApplication(int& argc, char** argv);
    void setMainWindow(FormVesk* window) { m_window = window; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    FormVesk* m_window = nullptr;
};

}  // namespace quorvel
