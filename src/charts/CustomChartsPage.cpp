#include "charts/CustomChartsPage.h"

#include "app/FormVesk.h"
#include "app/GridLook.h"
#include "app/PageLabels.h"
#include "app/ShapeButton.h"
#include "charts/ChartsPage.h"
#include "charts/CustomChartsModel.h"
#include "common/Hint.h"
#include "common/WaitCursor.h"
#include "data/AccountStore.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

namespace quorvel {

namespace {

constexpr int kNameLength = 25;
constexpr int kTitleLength = 50;
constexpr int kCodeLength = 10;
const QColor kByCategoryColour(240, 202, 166);

// The stored letters of the type group, in the order of its items.
const QStringList kTypeLetters = {QStringLiteral("B"), QStringLiteral("L"), QStringLiteral("P"),
                                  QStringLiteral("S")};

QLabel* label(const QString& text, QWidget* parent, const QRect& geometry, const QFont* font = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (font)
        l->setFont(*font);
    l->setGeometry(geometry);
    return l;
}

// The page's shape buttons are fuchsia.
ShapeButton* shapeButton(const QString& objectName, ShapeButton::Shape shape, QWidget* parent, const QRect& geometry,
                         const QString& hint)
{
    return ShapeButton::create(parent, objectName, shape, ShapeButton::fuchsia(), geometry, hint);
}

// The picture on "Show Chart": three bars over a base line.
QIcon chartPicture()
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(Qt::black);
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
    const int heights[] = {10, 18, 14};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(3 + i * 7, 21 - heights[i], 5, heights[i]);
    }
    p.drawLine(1, 22, 23, 22);
    return QIcon(picture);
}

// Checks the button of `group` with the given id; none when the id is not one
// of its buttons (a stored value outside the group's items).
void checkButton(QButtonGroup* group, int id)
{
    QAbstractButton* button = group->button(id);
    if (button) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

}  // namespace

CustomChartsPage::CustomChartsPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page4"));
    // The window's font, set before the page is placed in the notebook: the
    // sizes below are measured in it.
    setFont(form.font());
    buildGridSide();
    buildEditor();
    m_panel->hide();  // shown by the first definition loaded
    setSaveEnabled(false);
}

void CustomChartsPage::buildGridSide()
{
    const QFont heading = timesFont(20, true);
    label(QStringLiteral("Create Your Own Chart"), this, QRect(8, 6, 300, 26), &heading)
        ->setObjectName(QStringLiteral("LblCustomHeading"));

    QFont bold = font();
    bold.setBold(true);
    label(QStringLiteral("Defined"), this, QRect(8, 42, 100, 18), &bold)->setObjectName(QStringLiteral("LblCustomDefined"));

    m_model = new CustomChartsModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGChartsC"));
    m_grid->setModel(m_model);
    setUpReadOnlyGrid(m_grid);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Column widths are given in characters of the grid's font.
    const int charWidth = m_grid->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    m_grid->setColumnWidth(CustomChartsModel::NameColumn, 25 * charWidth + 6);
    m_grid->setColumnWidth(CustomChartsModel::TypeColumn, 4 * charWidth + 6);
    const int gridWidth = m_grid->columnWidth(0) + m_grid->columnWidth(1)
                          + m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth();
    m_grid->setGeometry(8, 66, gridWidth, 400);
    setHint(m_grid, QStringLiteral("Predefined custom charts"));
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { onGridCurrentChanged(); });

    const int right = m_grid->geometry().right();
    m_add = shapeButton(QStringLiteral("BtnCustomAdd"), ShapeButton::Shape::Plus, this,
                        QRect(right - 62, 38, 25, 24), QStringLiteral("Add a new custom chart"));
    m_delete = shapeButton(QStringLiteral("BtnCustomDel"), ShapeButton::Shape::MinusBar, this,
                           QRect(right - 25, 46, 25, 8), QStringLiteral("Delete the highlighted chart"));
    connect(m_add, &QAbstractButton::clicked, this, [this] { BtnCustomAddClick(); });
    connect(m_delete, &QAbstractButton::clicked, this, [this] { BtnCustomDelClick(); });
}

void CustomChartsPage::buildEditor()
{
    const int left = m_grid->geometry().right() + 24;
    QFont bold = font();
    bold.setBold(true);
    label(QStringLiteral("Chart Definition"), this, QRect(left, 42, 200, 18), &bold)
        ->setObjectName(QStringLiteral("LblCustomDefinition"));

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("PnlCustomChart"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setGeometry(left, 66, 490, 330);

    label(QStringLiteral("Name"), m_panel, QRect(10, 12, 50, 20));
    m_name = new QLineEdit(m_panel);
    m_name->setObjectName(QStringLiteral("EFCuName"));
    m_name->setMaxLength(kNameLength);
    m_name->setGeometry(64, 10, 200, 22);
    setHint(m_name, QStringLiteral("Chart name"));
    connect(m_name, &QLineEdit::textChanged, this, [this] { CustomFieldChange(); });

    label(QStringLiteral("Title"), m_panel, QRect(10, 42, 50, 20));
    m_title = new QLineEdit(m_panel);
    m_title->setObjectName(QStringLiteral("EFCuTitle"));
    m_title->setMaxLength(kTitleLength);
    m_title->setGeometry(64, 40, 410, 22);
    setHint(m_title, QStringLiteral("Title for chart"));
    connect(m_title, &QLineEdit::textChanged, this, [this] { CustomFieldChange(); });

    m_save = shapeButton(QStringLiteral("BtnCustomSave"), ShapeButton::Shape::CheckMark, m_panel,
                         QRect(449, 8, 25, 24), QStringLiteral("Save your changes"));
    connect(m_save, &QAbstractButton::clicked, this, [this] { BtnCustomSaveClick(); });

    // The account picker: pick a code or type one.
    label(QStringLiteral("Accounts to Chart"), m_panel, QRect(10, 76, 160, 20));
    m_account = new QComboBox(m_panel);
    m_account->setObjectName(QStringLiteral("LUAcct"));
    m_account->setEditable(true);
    m_account->setInsertPolicy(QComboBox::NoInsert);
    m_account->lineEdit()->setMaxLength(kCodeLength);
    // Codes differ by case, so completing must not change what was typed.
    m_account->completer()->setCaseSensitivity(Qt::CaseSensitive);
    m_account->setGeometry(10, 98, 120, 24);
    setHint(m_account, QStringLiteral("Accounts to chart"));
    auto* addCode = shapeButton(QStringLiteral("BtnCuCodeAdd"), ShapeButton::Shape::Plus, m_panel,
                                QRect(136, 98, 25, 24), QStringLiteral("Add the account to the chart"));
    connect(addCode, &QAbstractButton::clicked, this, [this] { BtnCuCodeAddClick(); });

    auto* byCategory = new QFrame(m_panel);
    byCategory->setObjectName(QStringLiteral("PnlChartByCat"));
    byCategory->setFrameStyle(QFrame::Panel | QFrame::Raised);
    byCategory->setAutoFillBackground(true);
    QPalette palette = byCategory->palette();
    palette.setColor(QPalette::Window, kByCategoryColour);
    byCategory->setPalette(palette);
    byCategory->setGeometry(10, 134, 151, 64);
    auto* byCategoryHeading = label(QStringLiteral("By Category"), byCategory, QRect(2, 4, 147, 18));
    byCategoryHeading->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    auto* addCategory = shapeButton(QStringLiteral("BtnCuCodeAddCat"), ShapeButton::Shape::Plus, byCategory,
                                    QRect(32, 30, 25, 24),
                                    QStringLiteral("Add all accounts for same category to the chart"));
    auto* deleteCategory = shapeButton(QStringLiteral("BtnCuCodeDelCat"), ShapeButton::Shape::MinusBar, byCategory,
                                       QRect(94, 38, 25, 8), QStringLiteral("Delete all accounts for same category"));
    connect(addCategory, &QAbstractButton::clicked, this, [this] { BtnCuCodeAddCatClick(); });
    connect(deleteCategory, &QAbstractButton::clicked, this, [this] { BtnCuCodeDelCatClick(); });

    m_codeList = new QListWidget(m_panel);
    m_codeList->setObjectName(QStringLiteral("LBCuCode"));
    m_codeList->setGeometry(176, 76, 130, 240);
    setHint(m_codeList, QStringLiteral("Accounts selected"));
    auto* deleteCode = shapeButton(QStringLiteral("BtnCuCodeDel"), ShapeButton::Shape::MinusBar, m_panel,
                                   QRect(312, 84, 25, 8), QString());
    connect(deleteCode, &QAbstractButton::clicked, this, [this] { BtnCuCodeDelClick(); });

    setHint(radioGroup(QStringLiteral("RGCuType"), QStringLiteral("Type"),
                       {QStringLiteral("Bar"), QStringLiteral("Line"), QStringLiteral("Pie"), QStringLiteral("Stacked")},
                       m_type, QRect(354, 76, 120, 106)),
            QStringLiteral("Type of chart"));
    setHint(radioGroup(QStringLiteral("RGCuLegend"), QStringLiteral("Legend"),
                       {QStringLiteral("Hide"), QStringLiteral("Show")}, m_legend, QRect(354, 188, 120, 62)),
            QStringLiteral("Legend option"));
    setHint(radioGroup(QStringLiteral("RGCuGainLoss"), QStringLiteral("Gain/Loss"),
                       {QStringLiteral("No"), QStringLiteral("Yes")}, m_gainLoss, QRect(354, 256, 120, 62)),
            QStringLiteral("Gain/Loss chart?"));

    m_showChart = new QPushButton(chartPicture(), QStringLiteral("Show Chart"), m_panel);
    m_showChart->setObjectName(QStringLiteral("BtnCustomChart"));
    m_showChart->setIconSize(QSize(24, 24));
    m_showChart->setGeometry(10, 270, 151, 46);
    setHint(m_showChart, QStringLiteral("Shows the chart"));
    connect(m_showChart, &QAbstractButton::clicked, this, [this] { BtnCustomChartClick(); });
}

QGroupBox* CustomChartsPage::radioGroup(const QString& objectName, const QString& title, const QStringList& items,
                                        QButtonGroup*& group, const QRect& geometry)
{
    auto* box = new QGroupBox(title, m_panel);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), box);
        radio->setGeometry(10, 20 + i * 20, geometry.width() - 16, 20);
        group->addButton(radio, i);
    }
    // A click marks a change, even on the item already chosen.
    connect(group, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            [this] { CustomFieldChange(); });
    return box;
}

void CustomChartsPage::fitGrid(int height)
{
    m_grid->resize(m_grid->width(), qMax(m_grid->rowHeight(0) * 2, height - m_grid->y() - 10));
}

// --- rows and loading ---

void CustomChartsPage::readRows(qint64 keepId, int fallbackRow)
{
    m_repositioning = true;
    m_model->setDefinitions(CustomChartDefinitions(m_form.engine()).all());
    m_rowsRead = true;
    int row = m_model->rowOf(keepId);
    if (row < 0)
        row = qMin(qMax(fallbackRow, 0), m_model->rowCount() - 1);
    if (row >= 0) {
        m_grid->setCurrentIndex(m_model->index(row, CustomChartsModel::NameColumn));
        m_grid->scrollTo(m_model->index(row, CustomChartsModel::NameColumn));
    }
    m_repositioning = false;
}

int CustomChartsPage::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CustomChartsPage::rowChanged()
{
    try {
        if (!m_rowsRead)
            readRows(0, 0);  // the first load, at start-up
        refreshAccountCodes();
        if (m_model->rowCount() == 0)
            return;  // the editor keeps what it shows
        if (currentRow() < 0)
            readRows(0, 0);
        loadDefinition(m_model->definitionAt(currentRow()));
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void CustomChartsPage::loadDefinition(const data::ChartDef& def)
{
    m_panel->show();
    m_loading = true;
    m_loadedId = def.id;
    m_loaded = def;
    // A stored name or title may be longer than the user may type (a unique
    // name gets its number added): show it whole rather than cut it.
    m_name->setMaxLength(qMax(kNameLength, def.name.size()));
    m_name->setText(def.name);
    m_title->setMaxLength(qMax(kTitleLength, def.title.size()));
    m_title->setText(def.title);
    m_codes = CustomChartCodeList::fromMemo(def.codes);
    showCodes();
    checkButton(m_type, kTypeLetters.indexOf(def.type));
    checkButton(m_legend, def.legend ? 1 : 0);
    checkButton(m_gainLoss, def.gainLoss ? 1 : 0);
    m_loading = false;
    setSaveEnabled(false);
}

void CustomChartsPage::onGridCurrentChanged()
{
    if (m_repositioning)
        return;
    const int row = currentRow();
    if (row < 0)
        return;
    const qint64 target = m_model->definitionAt(row).id;
    try {
        // The row being left keeps its edited fields, as stored by any move.
        if (storePendingFields())
            readRows(target, row);
    } catch (const std::exception& e) {
        m_form.reportError(e);
        // Nothing was stored: stay on the row that holds the edits.
        m_repositioning = true;
        const int back = m_model->rowOf(m_loadedId);
        if (back >= 0)
            m_grid->setCurrentIndex(m_model->index(back, CustomChartsModel::NameColumn));
        m_repositioning = false;
        return;
    }
    rowChanged();
}

CustomChartFields CustomChartsPage::editedFields() const
{
    CustomChartFields fields;
    fields.name = m_name->text();
    fields.title = m_title->text();
    const int type = m_type->checkedId();
    // No item checked (an unknown stored letter) keeps the stored letter.
    fields.type = type >= 0 ? kTypeLetters.at(type) : m_loaded.type;
    fields.legend = m_legend->checkedId() == 1;
    fields.gainLoss = m_gainLoss->checkedId() == 1;
    return fields;
}

bool CustomChartsPage::storePendingFields()
{
    if (m_loadedId == 0)
        return false;
    const CustomChartFields fields = editedFields();
    if (fields == CustomChartFields::of(m_loaded))
        return false;
    CustomChartDefinitions definitions(m_form.engine());
    const std::optional<data::ChartDef> stored = definitions.store(m_loadedId, fields, m_loaded.name, std::nullopt);
    if (stored)
        m_loaded = *stored;
    return stored.has_value();
}

void CustomChartsPage::refreshAccountCodes()
{
    const QString typed = m_account->currentText();
    QStringList codes;
    for (const data::Account& account : data::AccountStore(m_form.engine()).allByCode())
        codes << account.code;
    QStringList shown;
    for (int i = 0; i < m_account->count(); ++i)
        shown << m_account->itemText(i);
    if (shown == codes)
        return;
    m_account->clear();
    m_account->addItems(codes);
    m_account->setCurrentIndex(-1);
    m_account->setEditText(typed);
}

void CustomChartsPage::showCodes(const QString& highlight)
{
    m_codeList->clear();
    m_codeList->addItems(m_codes.codes());
    m_codeList->setCurrentRow(-1);
    if (!highlight.isEmpty()) {
        const int row = m_codes.codes().indexOf(highlight);
        if (row >= 0)
            m_codeList->setCurrentRow(row);
    }
}

void CustomChartsPage::setSaveEnabled(bool enabled)
{
    m_save->setEnabled(enabled);  // the shape turns silver while disabled
}

void CustomChartsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_rowsRead) {
        try {
            refreshAccountCodes();
        } catch (const std::exception& e) {
            m_form.reportError(e);
        }
    }
}

void CustomChartsPage::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_panel->isVisible()) {
        if (m_save->isEnabled())
            m_save->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// --- handlers ---

void CustomChartsPage::CustomFieldChange()
{
    if (m_loading)
        return;
    setSaveEnabled(true);
}

void CustomChartsPage::BtnCustomAddClick()
{
    try {
        storePendingFields();  // the row being left keeps its edited fields
        const qint64 id = CustomChartDefinitions(m_form.engine()).addNew();
        readRows(id, 0);
    } catch (const std::exception& e) {
        m_form.reportError(e);
        return;
    }
    rowChanged();
}

void CustomChartsPage::BtnCustomDelClick()
{
    const int row = currentRow();
    if (m_model->rowCount() == 0 || row < 0)
        return;
    const data::ChartDef def = m_model->definitionAt(row);
    if (m_form.dialogs().confirm(this, QStringLiteral("Delete \"%1\"?").arg(def.name)) == Dialogs::Answer::Yes) {
        try {
            CustomChartDefinitions(m_form.engine()).remove(def.id);
            if (m_loadedId == def.id)
                m_loadedId = 0;  // its pending edits went with it
            readRows(0, row);
            if (m_model->rowCount() > 0)
                rowChanged();
        } catch (const std::exception& e) {
            m_form.reportError(e);
        }
    }
    if (m_model->rowCount() == 0)
        m_panel->hide();
}

void CustomChartsPage::BtnCuCodeAddClick()
{
    const QString code = m_account->currentText();
    if (!m_codes.add(code))
        return;  // empty, or listed already: nothing changes
    showCodes();
    CustomFieldChange();
}

void CustomChartsPage::BtnCuCodeDelClick()
{
    const QList<QListWidgetItem*> selected = m_codeList->selectedItems();
    if (m_codes.isEmpty() || selected.isEmpty())
        return;
    m_codes.removeAt(m_codeList->row(selected.first()));
    showCodes();
    CustomFieldChange();
}

void CustomChartsPage::BtnCuCodeAddCatClick()
{
    const QString chosen = m_account->currentText();
    if (chosen.isEmpty())
        return;
    try {
        CustomChartDefinitions definitions(m_form.engine());
        if (!data::AccountStore(m_form.engine()).exists(chosen))
            return;  // a typed code of no account has no category
        m_form.HideCharts();
        if (definitions.addCategoryOf(chosen, m_codes)) {
            showCodes();
            CustomFieldChange();
        }
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void CustomChartsPage::BtnCuCodeDelCatClick()
{
    const QString chosen = m_account->currentText();
    if (chosen.isEmpty() || m_codes.isEmpty())
        return;
    try {
        if (CustomChartDefinitions(m_form.engine()).removeCategoryOf(chosen, m_codes)) {
            showCodes();
            CustomFieldChange();
        }
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

bool CustomChartsPage::saveDefinition()
{
    if (m_loadedId == 0)
        return false;
    WaitCursor wait;
    try {
        CustomChartDefinitions definitions(m_form.engine());
        const std::optional<data::ChartDef> stored =
            definitions.store(m_loadedId, editedFields(), m_loaded.name, m_codes);
        if (stored) {
            // A new name may move the row in the grid; the editor stays on it
            // and shows what was stored (the name with its number, if any).
            readRows(stored->id, currentRow());
            loadDefinition(*stored);
        }
        return stored.has_value();
    } catch (const std::exception& e) {
        wait.restore();
        m_form.reportError(e);
        return false;
    }
}

void CustomChartsPage::BtnCustomSaveClick()
{
    saveDefinition();
}

void CustomChartsPage::BtnCustomChartClick()
{
    try {
        if (m_loadedId == 0 || m_model->rowCount() == 0 || m_codes.isEmpty()
            || data::AccountStore(m_form.engine()).count() == 0)
            return;
        m_form.HideCharts();
        if (m_save->isEnabled() && !saveDefinition())
            return;
        const std::optional<data::ChartDef> def = CustomChartDefinitions(m_form.engine()).byId(m_loadedId);
        if (!def)
            return;
        m_form.ChartKind = def->type == QLatin1String("P") ? QStringLiteral("WorkPie") : QStringLiteral("Work");
        m_form.chartsPage()->showChart(*def, m_codes.codes());
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void CustomChartsPage::refreshAfterAccountCascade()
{
    if (!m_rowsRead || m_model->rowCount() == 0) {
        rowChanged();
        return;
    }
    try {
        // Edits of the name, title and options survive the reread, as they
        // would any move; the code list is read back as the cascade left it.
        storePendingFields();
        const qint64 keep = currentRow() >= 0 ? m_model->definitionAt(currentRow()).id : 0;
        readRows(keep, currentRow());
    } catch (const std::exception& e) {
        m_form.reportError(e);
        return;
    }
    rowChanged();
}

}  // namespace quorvel
