#pragma once
#include <QWidget>

namespace quorvel {

class FormVesk;

class CustomChartsPage : public QWidget {
    Q_OBJECT
public:
    explicit CustomChartsPage(FormVesk& form, QWidget* parent = nullptr);

    // Loads the grid's current definition into the editor.
    void rowChanged();
    void fitGrid(int height);
    // "Show Chart" (also the redraw of a custom chart).
    void BtnCustomChartClick();
    // After an account cascade rewrote the definitions: reread them, stay on
    // the same definition and load it into the editor.
    void refreshAfterAccountCascade();

private:
    FormVesk& m_form;
};

}  // namespace quorvel
