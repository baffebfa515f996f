// The link buttons of the "Account Info." page and the page's tab order.
#include "accounts/AccountInfoPage.h"

#include "accounts/AccountLinks.h"
#include "app/FormVesk.h"
#include "app/ShapeButton.h"
#include "common/Hint.h"
#include "common/Launcher.h"
#include "data/AccountStore.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace quorvel {

namespace {

// The picture of the quote button: a small rising price line.
QIcon quoteIcon()
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawLine(3, 2, 3, 21);
    painter.drawLine(3, 21, 22, 21);
    painter.setPen(QPen(ShapeButton::green(), 2));
    const QPointF line[] = {{4, 18}, {9, 13}, {13, 15}, {21, 5}};
    painter.drawPolyline(line, 4);
    return QIcon(picture);
}

}  // namespace

void AccountInfoPage::buildLinks()
{
    QFont captionFont(QStringLiteral("Courier New"));  // the window's font
    captionFont.setPixelSize(12);
    const auto link = [&](const char* name, const char* caption, const char* hint, const QRect& geometry) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(captionFont);
        button->setGeometry(geometry);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        setHint(button, QString::fromLatin1(hint));
        return button;
    };
    m_email = link("BtnAcctInfoEMail", "EMail", "Press this to send an e-mail to the address indicated",
                   QRect(8, 278, 57, 17));
    m_website = link("BtnAcctInfoWebsite", "Website", "Press this to go to the website indicated",
                     QRect(8, 310, 57, 17));
    m_nasdaq = link("BtnAcctInfoNasdaq", "NASDAQ Online", "View NASDAQ online for this Market Symbol",
                    QRect(336, 400, 145, 41));
    m_nasdaq->setIcon(quoteIcon());
    m_nasdaq->setIconSize(QSize(24, 24));
    connect(m_email, &QPushButton::clicked, this, [this] { BtnAcctInfoEMailClick(); });
    connect(m_website, &QPushButton::clicked, this, [this] { BtnAcctInfoWebsiteClick(); });
    connect(m_nasdaq, &QPushButton::clicked, this, [this] { BtnAcctInfoNasdaqClick(); });

    // Tab order: the fields in their order, each link button before its
    // field, then the type, the quote button and the three shape buttons.
    QList<QWidget*> chain;
    for (const char* name : {"EFACode", "EFACategory", "EFAName", "EFACoName", "EFAAcctNo", "EFACoAddr1",
                             "EFACoAddr2", "EFACity", "EFAState", "EFApostal", "EFACountry", "EFAPhone",
                             "EFAFax", "EFAContact1"})
        chain << m_fields.value(QString::fromLatin1(name));
    chain << m_email << m_fields.value(QStringLiteral("EFAEMail")) << m_website
          << m_fields.value(QStringLiteral("EFAWebsite")) << m_fields.value(QStringLiteral("EFAOpenDate"))
          << m_fields.value(QStringLiteral("EFACloseDate")) << m_fields.value(QStringLiteral("EFATicker"));
    for (QAbstractButton* radio : m_type->buttons())
        chain << radio;
    chain << m_nasdaq << m_prev << m_next << m_post;
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void AccountInfoPage::BtnAcctInfoEMailClick()
{
    // The address as the page shows it, saved or not.
    const QString address = mailAddressFor(m_fields.value(QStringLiteral("EFAEMail"))->text());
    if (!LaunchProgram(m_form.launcher(), m_form.dialogs(), &m_form, address, QString(), m_form.ExeDir, 3))
        m_form.dialogs().error(&m_form, QStringLiteral("E-mail creation was not successful."));
}

void AccountInfoPage::BtnAcctInfoWebsiteClick()
{
    const QString address = m_fields.value(QStringLiteral("EFAWebsite"))->text();
    if (address.isEmpty())
        return;
    if (!LaunchProgram(m_form.launcher(), m_form.dialogs(), &m_form, address, QString(), m_form.ExeDir, 3))
        m_form.dialogs().error(&m_form, QStringLiteral("Link was not successful."));
}

void AccountInfoPage::BtnAcctInfoNasdaqClick()
{
    // The symbol and type as stored: edits not yet saved do not count.
    QString ticker;
    QString type;
    try {
        if (const auto account = data::AccountStore(m_form.engine()).find(m_form.CurrAcctCode)) {
            ticker = account->ticker;
            type = account->type;
        }
    } catch (const std::exception& e) {
        m_form.reportError(e);
        return;
    }
    const QString address = nasdaqAddressFor(ticker, type);
    if (!LaunchProgram(m_form.launcher(), m_form.dialogs(), &m_form, address, QString(), m_form.ExeDir, 3))
        m_form.dialogs().error(&m_form, QStringLiteral("Link was not successful."));
}

}  // namespace quorvel
