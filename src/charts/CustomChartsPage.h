#pragma once
// The "Custom Charts" page: the grid of chart definitions and the editor of
// the current one (name, title, accounts, type, legend, gain/loss), with
// "Show Chart" to draw it. The name, title and the three radio groups belong
// to the grid's current row: moving to another row stores them as they
// stand. The account list is stored only by Save.
#include "charts/CustomChartCodeList.h"
#include "charts/CustomChartDefinitions.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace quorvel {

class FormVesk;
class ShapeButton;
class CustomChartsModel;

class CustomChartsPage : public QWidget {
    Q_OBJECT
public:
    explicit CustomChartsPage(FormVesk& form, QWidget* parent = nullptr);

    // Loads the grid's current definition into the editor (DBGChartsCRowChanged).
    void rowChanged();
    // The grid reaches down to 10 pixels above the page's bottom.
    void fitGrid(int height);
    // "Show Chart" (also the redraw of a custom chart).
    void BtnCustomChartClick();
    // After an account cascade rewrote the definitions: reread them, stay on
    // the same definition and load it into the editor.
    void refreshAfterAccountCascade();

    // Marks the edited definition as changed (Save enabled, fuchsia).
    void CustomFieldChange();
    void BtnCustomAddClick();
    void BtnCustomDelClick();
    void BtnCuCodeAddClick();
    void BtnCuCodeDelClick();
    void BtnCuCodeAddCatClick();
    void BtnCuCodeDelCatClick();
    void BtnCustomSaveClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Enter presses the Save button, the page's default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildGridSide();
    void buildEditor();
    QGroupBox* radioGroup(const QString& objectName, const QString& title, const QStringList& items,
                          QButtonGroup*& group, const QRect& geometry);

    // Rereads every definition; the grid's current row becomes the one with
    // keepId, or else fallbackRow (clamped to the rows there are). Loads nothing.
    void readRows(qint64 keepId, int fallbackRow);
    int currentRow() const;
    void onGridCurrentChanged();
    // Stores the bound fields of the loaded definition when they differ from
    // what was loaded; the code list stays as stored. True when it stored.
    bool storePendingFields();
    bool saveDefinition();
    void loadDefinition(const data::ChartDef& def);
    void refreshAccountCodes();
    void showCodes(const QString& highlight = QString());
    CustomChartFields editedFields() const;
    void setSaveEnabled(bool enabled);

    FormVesk& m_form;
    CustomChartsModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    ShapeButton* m_add = nullptr;
    ShapeButton* m_delete = nullptr;
    QFrame* m_panel = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_title = nullptr;
    QComboBox* m_account = nullptr;
    QListWidget* m_codeList = nullptr;
    QButtonGroup* m_type = nullptr;
    QButtonGroup* m_legend = nullptr;
    QButtonGroup* m_gainLoss = nullptr;
    ShapeButton* m_save = nullptr;
    QPushButton* m_showChart = nullptr;

    // The definition the editor shows, as loaded or last saved.
    qint64 m_loadedId = 0;
    data::ChartDef m_loaded;
    CustomChartCodeList m_codes;  // the edited list
    bool m_rowsRead = false;
    bool m_loading = false;       // the editor is being filled, not edited
    bool m_repositioning = false; // the program moves the grid, not the user
};

}  // namespace quorvel
