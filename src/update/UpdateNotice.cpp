#include "update/UpdateNotice.h"

#include "common/Hint.h"
#include "update/ClickLabel.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace quorvel {

namespace {

const char* const kCheckingHeader = "One moment please.";
const char* const kCheckingShort = "Checking website for updates ....";
const char* const kCheckingLong =
    "(If you have a firewall, please allow this program to check the Internet to see if a newer "
    "version of this program is available.)";
const char* const kOfferHeader = "New Version Available";
const char* const kOfferLong =
    "An upgrade for this program is available. Click the link below to go to the website for "
    "upgrade instructions.";
const char* const kLinkText = "Click here to go to website. (This program will be closed.)";
const char* const kLinkHint = "This will close the program and go to the webiste.";
const char* const kCloseText = "X Close Window";
const char* const kCloseHint = "Click on this to close this window";

const QPoint kCheckingPosition(112, 128);
const QPoint kOfferPosition(8, 8);

void makeBlue(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
}

ClickLabel* makeLink(QWidget* parent, const char* name, const char* text, const char* hint)
{
    auto* link = new ClickLabel(QString::fromLatin1(text), parent);
    link->setObjectName(QLatin1String(name));
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    makeBlue(link);
    link->setCursor(Qt::PointingHandCursor);
    setHint(link, QString::fromLatin1(hint));
    link->hide();
    return link;
}

}  // namespace

UpdateNotice::UpdateNotice(QWidget* mainWindow)
    : QFrame(mainWindow)
{
    setObjectName(QStringLiteral("PnlSneakPeek"));
    // The border and its bevel are painted by paintEvent; the frame only
    // keeps the labels clear of them.
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    QFont panelFont(QStringLiteral("Times New Roman"));
    panelFont.setPixelSize(12);
    setFont(panelFont);
    setFixedSize(kWidth, kHeight);

    header_ = new QLabel(QString::fromLatin1(kCheckingHeader), this);
    header_->setObjectName(QStringLiteral("LblPeekHdr"));
    QFont headerFont = panelFont;
    headerFont.setPixelSize(19);
    header_->setFont(headerFont);
    makeBlue(header_);
    header_->setGeometry(12, 10, 240, 26);

    shortText_ = new QLabel(QString::fromLatin1(kCheckingShort), this);
    shortText_->setObjectName(QStringLiteral("LblPeekShort"));
    QFont shortFont = panelFont;
    shortFont.setPixelSize(13);
    shortFont.setBold(true);
    shortText_->setFont(shortFont);
    shortText_->setGeometry(16, 42, 329, 20);

    longText_ = new QLabel(QString::fromLatin1(kCheckingLong), this);
    longText_->setObjectName(QStringLiteral("LblPeekLong"));
    longText_->setWordWrap(true);
    longText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    longText_->setGeometry(16, 68, 329, 49);

    link_ = makeLink(this, "LblPeekURL", kLinkText, kLinkHint);
    link_->setGeometry(16, 130, 329, 20);
    connect(link_, &ClickLabel::clicked, this, &UpdateNotice::linkClicked);

    close_ = makeLink(this, "LblPeekPnlClose", kCloseText, kCloseHint);
    close_->adjustSize();
    close_->move(kWidth - close_->width() - 8, 6);
    connect(close_, &ClickLabel::clicked, this, &QWidget::hide);

    setColor(designColor());
    hide();
}

QColor UpdateNotice::color() const
{
    return palette().color(QPalette::Window);
}

void UpdateNotice::setColor(const QColor& color)
{
    QPalette panelPalette = palette();
    panelPalette.setColor(QPalette::Window, color);
    setPalette(panelPalette);
}

void UpdateNotice::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The bevel's light and dark edges follow the panel's colour of the moment.
    const QPalette bevel(color());
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), bevel, false, kBevelWidth);
}

void UpdateNotice::showCheckingForm(const QColor& color)
{
    move(kCheckingPosition);
    setColor(color);
    header_->setText(QString::fromLatin1(kCheckingHeader));
    shortText_->setText(QString::fromLatin1(kCheckingShort));
    longText_->setText(QString::fromLatin1(kCheckingLong));
    link_->hide();
    close_->hide();
    show();
    raise();
}

void UpdateNotice::showNewVersionForm(const QString& version, const QString& releaseDate)
{
    move(kOfferPosition);
    setColor(offerColor());
    header_->setText(QString::fromLatin1(kOfferHeader));
    QString versionText = QStringLiteral("Version ") + version;
    if (!releaseDate.isEmpty())
        versionText += QStringLiteral(" released ") + releaseDate;
    shortText_->setText(versionText);
    longText_->setText(QString::fromLatin1(kOfferLong));
    link_->show();
    close_->show();
    show();
    raise();
}

}  // namespace quorvel
