#include "accounts/AccountInfoPage.h"

#include "accounts/AccountFields.h"
#include "accounts/AccountLineEdits.h"
#include "accounts/RadioGroupFrame.h"
#include "app/FormVesk.h"
#include "app/PageLabels.h"
#include "app/ShapeButton.h"
#include "common/Hint.h"
#include "data/AccountStore.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace quorvel {

namespace {

constexpr int kFieldHeight = 21;

// Captions, like every control without a font of its own, use the window's
// Courier New 12 pixels (set here since styled group boxes do not hand it down).
QFont captionFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    return font;
}

QFont fieldFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    return font;
}

}  // namespace

AccountInfoPage::AccountInfoPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page2"));
    // A disabled field: grey text on the window colour.
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Window));
    p.setColor(QPalette::Disabled, QPalette::Text, Qt::gray);
    setPalette(p);
    buildControls();
    buildLinks();
    setPostEnabled(false);
    lockFields(true);  // nothing to edit until an account is shown
}

void AccountInfoPage::buildControls()
{
    makeHeading(this, QStringLiteral("Account Information"), 16, ShapeButton::green(), QPoint(8, 8));

    for (const AccountFieldDef& fieldDef : accountFieldDefs()) {
        QLineEdit* edit = nullptr;
        if (fieldDef.rule == AccountFieldDef::Rule::Date) {
            edit = new DateLineEdit(this);
        } else {
            edit = new QLineEdit(this);
            edit->setMaxLength(fieldDef.maxLength);
            if (fieldDef.rule == AccountFieldDef::Rule::UpperCase)
                edit->setValidator(new UpperCaseValidator(edit));
        }
        const QString name = QString::fromLatin1(fieldDef.name);
        edit->setObjectName(name);
        edit->setFont(fieldFont());
        edit->setGeometry(fieldDef.left, fieldDef.top, fieldDef.width, kFieldHeight);
        setHint(edit, QString::fromLatin1(fieldDef.hint));
        if (name == QLatin1String("EFACode")) {
            QPalette codePalette = edit->palette();
            codePalette.setColor(QPalette::Active, QPalette::Text, Qt::blue);
            codePalette.setColor(QPalette::Inactive, QPalette::Text, Qt::blue);
            edit->setPalette(codePalette);
        }
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!m_filling)
                AcctFieldChanged();
        });
        m_fields.insert(name, edit);

        if (fieldDef.label) {
            auto* label = new QLabel(QString::fromLatin1(fieldDef.label), this);
            label->setFont(captionFont());
            label->adjustSize();
            label->setGeometry(fieldDef.left - 4 - label->width(), fieldDef.top, label->width(), kFieldHeight);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setBuddy(edit);
        }
    }

    m_typeBox = new QGroupBox(QStringLiteral("Type"), this);
    m_typeBox->setObjectName(QStringLiteral("RGAType"));
    m_typeBox->setFont(captionFont());
    m_typeBox->setGeometry(208, 392, 113, 73);
    frameAsRadioGroup(m_typeBox);
    setHint(m_typeBox, QStringLiteral("Type of Vesk"));
    m_type = new QButtonGroup(this);
    int id = 0;
    for (const AccountTypeItem& item : accountTypeItems()) {
        auto* radio = new QRadioButton(QString::fromLatin1(item.caption), m_typeBox);
        radio->setObjectName(QStringLiteral("RGAType_") + QString::fromLatin1(item.letter));
        radio->setGeometry(8, 16 + 18 * id, 100, 17);
        radio->setFont(captionFont());  // a styled box does not hand its font down
        setHint(radio, QStringLiteral("Type of Vesk"));
        m_type->addButton(radio, id++);
    }
    connect(m_type, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && !m_filling)
            AcctFieldChanged();
    });

    const QColor green = ShapeButton::green();
    m_prev = ShapeButton::create(this, QStringLiteral("BtnAcctInfoPrev"), ShapeButton::Shape::TriangleLeft, green,
                                 QRect(160, 8, 25, 24), QStringLiteral("Browse to prior account"));
    m_next = ShapeButton::create(this, QStringLiteral("BtnAcctInfoNext"), ShapeButton::Shape::TriangleRight, green,
                                 QRect(190, 8, 25, 24), QStringLiteral("Browse to next account"));
    m_post = ShapeButton::create(this, QStringLiteral("BtnAcctInfoPost"), ShapeButton::Shape::CheckMark, green,
                                 QRect(248, 8, 25, 24), QStringLiteral("Save your changes"));
    connect(m_prev, &QAbstractButton::clicked, this, [this] { BtnAcctInfoPrevClick(m_prev); });
    connect(m_next, &QAbstractButton::clicked, this, [this] { BtnAcctInfoNextClick(m_next); });
    connect(m_post, &QAbstractButton::clicked, this, [this] { BtnAcctInfoPostClick(); });
}

void AccountInfoPage::AcctFieldChanged()
{
    // Only the user's own typing gets here (the page's filling is kept out),
    // so the edit is always recorded, whatever the list is doing.
    m_pending = true;
    setPostEnabled(true);
}

void AccountInfoPage::setPostEnabled(bool enabled)
{
    m_post->setEnabled(enabled);  // green while enabled, silver while not
}

bool AccountInfoPage::postEnabled() const
{
    return m_post->isEnabled();
}

QString AccountInfoPage::restingCode() const
{
    return m_stored ? m_stored->code : QString();
}

void AccountInfoPage::showAccount(const QString& code)
{
    if (code.isEmpty()) {
        // No current account: nothing on the page may change an account.
        m_hasCurrent = false;
        fillFields(std::nullopt);
        lockFields(true);
    } else if (const auto account = data::AccountStore(m_form.engine()).find(code)) {
        m_stored = account;
        m_hasCurrent = true;
        fillFields(account);
        lockFields(false);
    }
    m_pending = false;
    setPostEnabled(false);
}

void AccountInfoPage::fillFields(const std::optional<data::Account>& account)
{
    m_filling = true;
    for (const AccountFieldDef& fieldDef : accountFieldDefs()) {
        QLineEdit* edit = m_fields.value(QString::fromLatin1(fieldDef.name));
        if (fieldDef.date) {
            static_cast<DateLineEdit*>(edit)->setDate(account ? (*account).*fieldDef.date : QDate());
        } else {
            edit->setText(account ? (*account).*fieldDef.text : QString());
            edit->setCursorPosition(0);
        }
    }
    // No item checked for an empty (or unknown) type.
    m_type->setExclusive(false);
    const auto& items = accountTypeItems();
    for (int i = 0; i < items.size(); ++i)
        m_type->button(i)->setChecked(account && account->type == QLatin1String(items.at(i).letter));
    m_type->setExclusive(true);
    m_filling = false;
}

void AccountInfoPage::lockFields(bool locked)
{
    for (QLineEdit* edit : qAsConst(m_fields))
        edit->setEnabled(!locked);
    m_typeBox->setEnabled(!locked);
    for (QWidget* w : {static_cast<QWidget*>(m_email), static_cast<QWidget*>(m_website),
                       static_cast<QWidget*>(m_nasdaq)}) {
        if (w)
            w->setEnabled(!locked);
    }
}

QString AccountInfoPage::typeShown() const
{
    const int id = m_type->checkedId();
    if (id < 0)
        return m_stored ? m_stored->type : QString();  // none checked: as stored
    return QString::fromLatin1(accountTypeItems().at(id).letter);
}

data::Account AccountInfoPage::editedRecord() const
{
    data::Account account = m_stored.value_or(data::Account());
    for (const AccountFieldDef& fieldDef : accountFieldDefs()) {
        QLineEdit* edit = m_fields.value(QString::fromLatin1(fieldDef.name));
        if (fieldDef.date)
            account.*fieldDef.date = static_cast<DateLineEdit*>(edit)->date();
        else
            account.*fieldDef.text = edit->text();
    }
    // The code is the key: blanks around it would make a second "same" code.
    account.code = account.code.trimmed();
    account.type = typeShown();
    return account;
}

}  // namespace quorvel
