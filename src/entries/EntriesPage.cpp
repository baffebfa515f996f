#include "entries/EntriesPage.h"

#include "accounts/AccountInfoPage.h"
#include "app/FormVesk.h"
#include "app/PageLabels.h"
#include "app/ShapeButton.h"
#include "charts/ChartsPage.h"
#include "common/Hint.h"
#include "common/Rounding.h"
#include "data/AccountStore.h"
#include "data/EntryStore.h"
#include "entries/EntryCalendar.h"
#include "entries/EntryGrid.h"
#include "entries/EntryGridModel.h"
#include "entries/EntryRules.h"
#include "entries/NumberField.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace quorvel {

namespace {

const QColor kPanelColour(240, 251, 255);
const QColor kBlue(0, 0, 255);

// Holds the page's "the program is filling the controls" mark for a scope.
class Loading {
public:
    explicit Loading(int& counter) : m_counter(counter) { ++m_counter; }
    ~Loading() { --m_counter; }
    Loading(const Loading&) = delete;
    Loading& operator=(const Loading&) = delete;

private:
    int& m_counter;
};

// The picture of the chart button: a small line chart.
QIcon chartIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(2, 1, 2, 14);
    painter.drawLine(2, 14, 15, 14);
    painter.setPen(QPen(QColor(255, 0, 255), 2));
    painter.drawPolyline(QPolygon({{3, 11}, {6, 7}, {9, 9}, {14, 3}}));
    return QIcon(pixmap);
}

QLabel* panelLabel(const QString& text, int x, int y, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A read-only display in the panel: no border, the panel's background, blue text.
QLineEdit* panelDisplay(const QString& name, QWidget* parent)
{
    auto* display = new QLineEdit(parent);
    display->setObjectName(name);
    display->setReadOnly(true);
    display->setFrame(false);
    display->setFocusPolicy(Qt::NoFocus);
    // A style sheet, since the notebook's style sheet overrides palettes.
    display->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(%1, %2, %3); color: rgb(0, 0, 255);"
                                          " border: none; }")
                               .arg(kPanelColour.red())
                               .arg(kPanelColour.green())
                               .arg(kPanelColour.blue()));
    display->setFont(parent->font());  // a style sheet drops the inherited font
    return display;
}

}  // namespace

EntriesPage::EntriesPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page3"));
    // The window's font, set here as well: the notebook's style sheet keeps
    // its pages from inheriting it.
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    setFont(font);
    buildHeader();
    buildGrid();
    buildPanel();

    m_chart = new QPushButton(chartIcon(), QStringLiteral("Show Chart for this Account"), this);
    m_chart->setObjectName(QStringLiteral("BtnEntriesChart"));
    m_chart->setGeometry(472, 381, 257, 25);
    m_chart->setCursor(Qt::PointingHandCursor);
    setHint(m_chart, QStringLiteral("Shows a line chart for this account"));
    connect(m_chart, &QPushButton::clicked, this, [this] { BtnEntriesChartClick(); });

    buildTabOrder();
    clearPanel();
    m_panel->hide();
}

void EntriesPage::buildHeader()
{
    m_accountName = new QLabel(this);
    m_accountName->setObjectName(QStringLiteral("OvcDbSimpleField2"));
    m_accountName->setGeometry(8, 8, 417, 17);
    QFont nameFont(QStringLiteral("Courier New"));
    nameFont.setPixelSize(12);
    nameFont.setBold(true);
    m_accountName->setFont(nameFont);
    QPalette namePalette = m_accountName->palette();
    namePalette.setColor(QPalette::WindowText, kBlue);
    m_accountName->setPalette(namePalette);
    m_accountName->setFocusPolicy(Qt::NoFocus);
    setHint(m_accountName, QStringLiteral("Name of account"));

    const QColor blue = ShapeButton::blue();
    m_add = ShapeButton::create(this, QStringLiteral("BtnDetailAdd"), ShapeButton::Shape::Plus, blue,
                                QRect(8, 32, 25, 24), QStringLiteral("Add a new detail entry"));
    m_delete = ShapeButton::create(this, QStringLiteral("BtnDetailDel"), ShapeButton::Shape::MinusBar, blue,
                                   QRect(48, 38, 25, 12), QStringLiteral("Delete the highlighted entry"));
    m_previous = ShapeButton::create(this, QStringLiteral("BtnEntriesPrev"), ShapeButton::Shape::TriangleLeft, blue,
                                     QRect(88, 32, 25, 24), QStringLiteral("Browse to prior account"));
    m_next = ShapeButton::create(this, QStringLiteral("BtnEntriesNext"), ShapeButton::Shape::TriangleRight, blue,
                                 QRect(118, 32, 25, 24), QStringLiteral("Browse to next account"));
    connect(m_add, &QAbstractButton::clicked, this, [this] { BtnDetailAddClick(); });
    connect(m_delete, &QAbstractButton::clicked, this, [this] { BtnDetailDelClick(); });
    connect(m_previous, &QAbstractButton::clicked, this, [this] { browse(false, m_previous); });
    connect(m_next, &QAbstractButton::clicked, this, [this] { browse(true, m_next); });

    m_incrementBox = new QGroupBox(QStringLiteral("Increase Calendar on New Adds by ..."), this);
    m_incrementBox->setObjectName(QStringLiteral("RGEntriesIncrBy"));
    m_incrementBox->setGeometry(176, 22, 421, 33);
    m_incrementBox->setStyleSheet(QStringLiteral(
        "QGroupBox#RGEntriesIncrBy { border: 1px solid gray; margin-top: 6px; }"
        "QGroupBox#RGEntriesIncrBy::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    setHint(m_incrementBox, QStringLiteral("Increment entries by this"));
    auto* row = new QHBoxLayout(m_incrementBox);
    row->setContentsMargins(8, 8, 4, 1);
    row->setSpacing(4);
    m_increment = new QButtonGroup(this);
    const char* const items[] = {"One Day", "One Month", "One Quarter", "One Year"};
    for (int i = 0; i < 4; ++i) {
        auto* item = new QRadioButton(QString::fromLatin1(items[i]), m_incrementBox);
        item->setObjectName(QStringLiteral("RGEntriesIncrBy%1").arg(i));
        setHint(item, QStringLiteral("Increment entries by this"));
        m_increment->addButton(item, i);
        row->addWidget(item, 1);
    }
    // A style sheet drops the inherited font; the group keeps the page's.
    m_incrementBox->setFont(font());
    for (QAbstractButton* item : m_increment->buttons())
        item->setFont(font());
}

void EntriesPage::buildGrid()
{
    m_model = new entries::EntryGridModel(this);
    m_grid = new entries::EntryGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGDetail"));
    m_grid->setEntryModel(m_model);
    m_grid->setGeometry(8, 56, 457, 417);
    setHint(m_grid, QStringLiteral("Entry history"));

    QHeaderView* titles = m_grid->horizontalHeader();
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: rgb(0, 0, 255); color: white;"
        " font-family: 'Courier New'; font-size: 12px; padding-left: 3px;"
        " border: none; border-right: 1px solid silver; border-bottom: 1px solid silver; }"));
    QHeaderView* rows = m_grid->verticalHeader();
    rows->setSectionsClickable(false);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    rows->setMinimumWidth(12);
    rows->setMaximumWidth(12);
    m_grid->fitColumns();

    // The user's moves in the grid store the pending changes first; a refused
    // store keeps the row.
    m_grid->mayLeaveRow = [this] { return storePendingEntry(); };
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                onGridCurrentChanged(current.isValid() ? current.row() : -1,
                                     previous.isValid() ? previous.row() : -1);
            });
}

void EntriesPage::buildPanel()
{
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("PnlDetail"));
    m_panel->setGeometry(472, 56, 305, 321);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setLineWidth(2);
    m_panel->setAutoFillBackground(true);
    QPalette panelPalette = m_panel->palette();
    panelPalette.setColor(QPalette::Window, kPanelColour);
    m_panel->setPalette(panelPalette);

    makeHeading(m_panel, QStringLiteral("Entry Details"), 16, kBlue, QPoint(8, 8));

    m_post = ShapeButton::create(m_panel, QStringLiteral("BtnDetailPost"), ShapeButton::Shape::CheckMark,
                                 ShapeButton::blue(), QRect(248, 8, 25, 24), QStringLiteral("Save your changes"));
    connect(m_post, &QAbstractButton::clicked, this, [this] { BtnDetailPostClick(); });
    // The panel's default button: Enter presses it while it can take the
    // focus. The shortcuts belong to the button, so they only answer while it
    // is enabled and shown (its panel and page visible).
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(QKeySequence(key), m_post, nullptr, nullptr, Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, [this] {
            if (m_post->isEnabled() && m_post->isVisible())
                m_post->click();
        });
    }

    panelLabel(QStringLiteral("Date"), 8, 38, m_panel);
    m_dateDisplay = panelDisplay(QStringLiteral("EFADDate"), m_panel);
    m_dateDisplay->setGeometry(60, 38, 89, 17);

    m_calendar = new entries::EntryCalendar(m_panel);
    m_calendar->setObjectName(QStringLiteral("CalADDate"));
    m_calendar->setGeometry(60, 56, 200, 140);
    setHint(m_calendar, QStringLiteral("Date of entry"));
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_loading)
            CalADDateChange();
    });

    const auto numberField = [this](const char* name, const entries::NumberShape& shape, int y, const char* hint) {
        auto* field = new entries::NumberField(shape, m_panel);
        field->setObjectName(QString::fromLatin1(name));
        field->setGeometry(60, y, 121, 21);
        setHint(field, QString::fromLatin1(hint));
        return field;
    };
    panelLabel(QStringLiteral("Fee"), 8, 211, m_panel);
    m_fee = numberField("EFADFee", entries::kMoneyShape, 208, "Fee assessed");
    panelLabel(QStringLiteral("Price"), 8, 235, m_panel);
    m_price = numberField("EFADPrice", entries::kQuantityShape, 232, "Price per share");
    panelLabel(QStringLiteral("(per share)"), 187, 235, m_panel);
    panelLabel(QStringLiteral("Shares"), 8, 259, m_panel);
    m_shares = numberField("EFADShares", entries::kQuantityShape, 256, "Shares");
    connect(m_fee, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            DetailFieldChanged();
    });
    for (entries::NumberField* field : {m_price, m_shares}) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!m_loading)
                DetailCalcValue();
        });
    }

    panelLabel(QStringLiteral("Value"), 8, 296, m_panel);
    m_value = panelDisplay(QStringLiteral("EFValue"), m_panel);
    m_value->setGeometry(60, 296, 121, 15);
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    setPostEnabled(false);
}

void EntriesPage::buildTabOrder()
{
    QWidget* order[] = {m_grid, m_calendar, m_fee, m_price, m_shares, m_post, m_add, m_delete, m_previous, m_next};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    QWidget* last = m_next;
    for (QAbstractButton* item : m_increment->buttons()) {
        setTabOrder(last, item);
        last = item;
    }
    setTabOrder(last, m_chart);
}

void EntriesPage::setIncrement(int index)
{
    if (QAbstractButton* item = m_increment->button(index))
        item->setChecked(true);
}

EntryIncrement EntriesPage::increment() const
{
    const int id = m_increment->checkedId();
    return id >= 0 && id <= 3 ? EntryIncrement(id) : EntryIncrement::OneQuarter;
}

void EntriesPage::fitGrid(int height)
{
    const int top = m_grid->y();
    m_grid->resize(m_grid->width(), std::max(60, height - top - 10));
}

void EntriesPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showAccountName();  // the name may have been edited on "Account Info." meanwhile
}

void EntriesPage::showAccountName()
{
    QString name;
    if (!m_code.isEmpty() && m_form.Connected) {
        try {
            if (const auto account = data::AccountStore(m_form.engine()).find(m_code))
                name = account->name;
        } catch (const std::exception& e) {
            m_form.reportError(e);
        }
    }
    m_accountName->setText(name);
}

// --- loading and the current entry ---

void EntriesPage::loadEntriesOf(const QString& code)
{
    ++m_loads;
    m_code = code;
    // Whatever was pending belonged to the entry the caller has just left:
    // storePendingChanges() ran before this.
    setPostEnabled(false);
    showAccountName();
    reloadEntries(QDate());
}

void EntriesPage::reloadEntries(const QDate& current)
{
    QVector<data::Entry> rows;
    if (!m_code.isEmpty()) {
        try {
            rows = data::EntryStore(m_form.engine()).entriesOf(m_code);
        } catch (const std::exception& e) {
            m_form.reportError(e);
        }
    }
    {
        Loading loading(m_loading);
        m_model->setEntries(rows);
    }
    m_panel->setVisible(!rows.isEmpty());
    if (rows.isEmpty()) {
        m_hasCurrent = false;
        m_form.CurrEntryDate = QDate();
        clearPanel();
        setPostEnabled(false);
        return;
    }
    const int row = m_model->rowOfDate(current);
    makeCurrent(row >= 0 ? row : rows.size() - 1);
}

void EntriesPage::makeCurrent(int row)
{
    {
        Loading loading(m_loading);
        m_grid->setCurrentRow(row);
    }
    DBGDetailRowChanged(row);
}

void EntriesPage::onGridCurrentChanged(int row, int previous)
{
    if (m_loading || row < 0)
        return;
    // A move that did not pass the grid's guard (the program's or the view's
    // own): the pending changes are stored first all the same.
    if (m_pending && m_hasCurrent && m_model->entryAt(row).date != m_current.date) {
        const QDate target = m_model->entryAt(row).date;
        if (!storePendingEntry()) {
            const int stay = m_model->rowOfDate(m_current.date);
            Loading loading(m_loading);
            m_grid->setCurrentRow(stay >= 0 ? stay : previous);
            return;
        }
        const int moved = m_model->rowOfDate(target);
        if (moved >= 0)
            makeCurrent(moved);
        return;
    }
    DBGDetailRowChanged(row);
}

void EntriesPage::DBGDetailRowChanged(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_model->setMarkedRow(row);
    m_current = m_model->entryAt(row);
    m_hasCurrent = true;
    m_form.CurrEntryDate = m_current.date;
    showEntry(m_current);
    setPostEnabled(false);
}

void EntriesPage::showEntry(const data::Entry& entry)
{
    Loading loading(m_loading);
    const QLocale locale;
    m_calendar->setSelectedDate(entry.date);
    m_dateDisplay->setText(formatUsDate(entry.date));
    m_fee->setText(entries::feeFieldText(entry.feeTenThousandths, locale));
    m_price->setValue(entry.price);
    m_shares->setValue(entry.shares);
    m_loadedFee = m_fee->text();
    m_loadedPrice = m_price->text();
    m_loadedShares = m_shares->text();
    m_value->setText(entries::groupedNumber(holdingValue(entry.price, entry.shares), 2, locale));
}

void EntriesPage::clearPanel()
{
    Loading loading(m_loading);
    m_dateDisplay->clear();
    m_fee->clear();
    m_price->clear();
    m_shares->clear();
    m_loadedFee.clear();
    m_loadedPrice.clear();
    m_loadedShares.clear();
    m_value->setText(entries::groupedNumber(0, 2, QLocale()));
}

void EntriesPage::setPostEnabled(bool enabled)
{
    m_pending = enabled;
    m_post->setEnabled(enabled);  // blue while enabled, silver while disabled
}

void EntriesPage::accountCodeChanged(const QString& oldCode, const QString& newCode)
{
    if (m_code != oldCode || oldCode == newCode)
        return;
    m_code = newCode;
    m_current.code = newCode;
    QVector<data::Entry> rows = m_model->entries();
    for (data::Entry& entry : rows)
        entry.code = newCode;
    const int row = m_grid->currentRow();
    Loading loading(m_loading);
    m_model->setEntries(rows);
    m_grid->setCurrentRow(row);
    m_model->setMarkedRow(row);
    showAccountName();
}

// --- changes of the current entry ---

void EntriesPage::DetailCalcValue()
{
    const auto price = m_price->text() == m_loadedPrice ? std::optional<double>(m_current.price) : m_price->value();
    const auto shares =
        m_shares->text() == m_loadedShares ? std::optional<double>(m_current.shares) : m_shares->value();
    // Text that is not (yet) a number has no value to show.
    m_value->setText(price && shares ? entries::groupedNumber(holdingValue(*price, *shares), 2, QLocale())
                                     : QString());
    DetailFieldChanged();
}

void EntriesPage::DetailFieldChanged()
{
    if (m_hasCurrent)
        setPostEnabled(true);
}

void EntriesPage::CalADDateChange()
{
    m_dateDisplay->setText(formatUsDate(m_calendar->selectedDate()));
    DetailFieldChanged();
}

bool EntriesPage::storePendingEntry()
{
    return storePending(OnDateTaken::KeepPending);
}

void EntriesPage::storePendingChanges()
{
    storePending(OnDateTaken::StoreOtherChanges);
}

bool EntriesPage::storePending(OnDateTaken onDateTaken)
{
    if (!m_pending || !m_hasCurrent)
        return true;
    const bool keep = onDateTaken == OnDateTaken::KeepPending;
    data::Entry entry = m_current;
    const QLocale locale;

    // A number field whose text the user has not touched keeps the stored value.
    QVector<QLineEdit*> bad;
    if (m_fee->text() != m_loadedFee) {
        const QString text = m_fee->text().trimmed();
        const auto fee = text.isEmpty() ? std::optional<qint64>(0) : entries::parseFeeTenThousandths(text, locale);
        if (fee)
            entry.feeTenThousandths = *fee;
        else
            bad.push_back(m_fee);
    }
    if (m_price->text() != m_loadedPrice) {
        if (const auto price = m_price->value())
            entry.price = *price;
        else
            bad.push_back(m_price);
    }
    if (m_shares->text() != m_loadedShares) {
        if (const auto shares = m_shares->value())
            entry.shares = *shares;
        else
            bad.push_back(m_shares);
    }
    if (!bad.isEmpty()) {
        // The field lets no such text be typed; what the program itself put
        // there is never stored as a made-up number.
        m_form.dialogs().error(this, entries::notANumberMessage(bad.first()->text()));
        if (keep) {
            bad.first()->setFocus();
            return false;
        }
    }

    try {
        data::EntryStore store(m_form.engine());
        if (!store.exists(m_code, m_current.date)) {
            // The entry is gone (deleted with its account): nothing to store.
            setPostEnabled(false);
            return true;
        }
        const QDate picked = m_calendar->selectedDate();
        entry.date = picked.isValid() ? picked : m_current.date;
        if (entry.date != m_current.date && store.exists(m_code, entry.date)) {
            m_form.dialogs().error(this, entries::dateTakenMessage(entry.date));
            if (keep) {
                m_calendar->setFocus();
                return false;
            }
            entry.date = m_current.date;  // the other changes still count
        }
        store.update(m_current.date, entry);
    } catch (const std::exception& e) {
        m_form.reportError(e);
        return false;
    }
    setPostEnabled(false);
    m_form.CurrEntryDate = entry.date;
    reloadEntries(entry.date);
    // The stored price or shares may be the account's latest: values follow.
    m_form.CalcValue();
    return true;
}

// --- the buttons ---

void EntriesPage::BtnDetailAddClick()
{
    if (m_form.CurrAcctCode.isEmpty())
        return;
    // Pending changes of the current entry go first; when their date is
    // taken nothing else happens, so the user can pick another date.
    if (!storePendingEntry()) {
        m_form.showPage(QStringLiteral("Entries"));
        return;
    }
    m_form.accountInfoPage()->BtnAcctInfoPostClick();  // whatever its outcome, the entry is added
    m_form.showPage(QStringLiteral("Entries"));
    const QString code = m_form.CurrAcctCode;
    if (code.isEmpty())
        return;
    data::Entry entry;
    try {
        data::EntryStore store(m_form.engine());
        entry = entries::newEntryFor(store, code, increment(), m_form.TodayDate);
        store.insert(entry);
    } catch (const std::exception& e) {
        m_form.reportError(e);
        return;
    }
    if (m_code != code) {
        m_code = code;
        showAccountName();
    }
    reloadEntries(entry.date);
    m_panel->show();
    m_price->setFocus();
    m_price->selectAll();
}

void EntriesPage::BtnDetailPostClick()
{
    if (!m_hasCurrent || m_model->rowCount() == 0)
        return;
    m_form.showPage(QStringLiteral("Entries"));
    if (m_post->isEnabled())
        m_post->setFocus();  // the field being edited hands over its text
    if (!m_pending)
        return;
    if (storePending(OnDateTaken::KeepPending))
        m_add->setFocus();
}

void EntriesPage::BtnDetailDelClick()
{
    if (!m_hasCurrent || m_code.isEmpty())
        return;
    const QString code = m_code;
    const QDate date = m_current.date;
    try {
        if (data::EntryStore(m_form.engine()).count(code) == 0)
            return;
    } catch (const std::exception& e) {
        m_form.reportError(e);
        return;
    }
    if (m_form.dialogs().confirm(this, entries::deleteEntryQuestion(date)) != Dialogs::Answer::Yes)
        return;
    try {
        data::EntryStore(m_form.engine()).remove(code, date);
    } catch (const std::exception& e) {
        m_form.reportError(e);
        return;
    }
    setPostEnabled(false);  // the pending changes went with the entry
    m_hasCurrent = false;
    m_form.CalcValue();
    const int loadsBefore = m_loads;
    m_form.DBGAcctsRowChanged();
    // The current-account processing reloads the entries; should it not have
    // (no listed account current), the grid must still drop the deleted row.
    if (m_loads == loadsBefore)
        loadEntriesOf(code);
}

void EntriesPage::BtnEntriesChartClick()
{
    if (m_post->isEnabled()) {
        BtnDetailPostClick();
        // A refused save keeps the changes pending and the focus on the
        // calendar; the chart waits until the date has been put right.
        if (m_pending)
            return;
    }
    QDate first, last;
    const QString code = m_form.CurrAcctCode;
    if (!code.isEmpty()) {
        try {
            data::EntryStore store(m_form.engine());
            if (const auto entry = store.first(code))
                first = entry->date;
            if (const auto entry = store.latest(code))
                last = entry->date;
        } catch (const std::exception& e) {
            m_form.reportError(e);
            return;
        }
    }
    // Only the store is read: the highlighted entry stays highlighted.
    m_form.chartsPage()->showChartForAccount(first, last);
}

void EntriesPage::browse(bool next, QAbstractButton* pressed)
{
    // The entry's pending changes go first: a refused date keeps this
    // account, its entry and the changes, so the user can pick another day.
    if (!storePendingEntry())
        return;
    AccountInfoPage* info = m_form.accountInfoPage();
    if (next)
        info->BtnAcctInfoNextClick(pressed);
    else
        info->BtnAcctInfoPrevClick(pressed);
}

}  // namespace quorvel
