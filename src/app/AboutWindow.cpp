#include "app/AboutWindow.h"

#include "app/FormVesk.h"
#include "app/PageLabels.h"
#include "common/Dialogs.h"
#include "common/Hint.h"
#include "common/Launcher.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>
#include <utility>

namespace quorvel {

const QString FormAbout::kMakerWebAddress = QStringLiteral("www.quorvel.example");
const QString FormAbout::kFooterLine =
    QString::fromUtf8("Quorvel \u2014 record keeping for retirement accounts. Made by Quorvel Software.");

namespace {

const QColor kMoneyGreen(192, 220, 192);

// The window's captions are designed in MS Sans Serif. Fontconfig has no
// alias for it and would hand out a wider face (the web address would no
// longer fit its label), so Arial stands in, which fontconfig maps to the
// metric-compatible Liberation Sans.
QFont sansSerif(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                 const QPoint& at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->move(at);
    label->adjustSize();
    return label;
}

void paintBlue(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
}

QFrame* addBevel(QWidget* parent, const char* name, int top, QFrame::Shadow shadow)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QLatin1String(name));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(shadow);
    bevel->setGeometry(8, top, 380, 2);
    return bevel;
}

}  // namespace

QPixmap FormAbout::backgroundPicture(const QSize& size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient wash(0, 0, 0, size.height());
    wash.setColorAt(0.0, QColor(253, 254, 250));
    wash.setColorAt(0.55, QColor(240, 247, 236));
    wash.setColorAt(1.0, QColor(214, 233, 210));
    painter.fillRect(picture.rect(), wash);

    // A faint rising curve in the middle band, between the version and the web
    // lines, where no text stands on it.
    QPainterPath rise;
    const qreal w = size.width();
    rise.moveTo(0, 176);
    rise.cubicTo(w * 0.35, 172, w * 0.55, 150, w, 118);
    rise.lineTo(w, 182);
    rise.lineTo(0, 182);
    rise.closeSubpath();
    QLinearGradient riseFill(0, 118, 0, 182);
    riseFill.setColorAt(0.0, QColor(192, 220, 192, 150));
    riseFill.setColorAt(1.0, QColor(192, 220, 192, 40));
    painter.fillPath(rise, riseFill);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(96, 140, 96));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

FormAbout::FormAbout(QWidget* parent, Launcher& launcher, Dialogs& dialogs, QString exeDir, QLocale locale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_launcher(launcher),
      m_dialogs(dialogs),
      m_exeDir(std::move(exeDir))
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About Quorvel"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(397, 266);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(253, 254, 250));
    setPalette(palette);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(0, 1, 396, 265);
    image->setPixmap(backgroundPicture(image->size()));

    auto* title = new QLabel(QStringLiteral("Quorvel"), this);
    title->setObjectName(QStringLiteral("fcLabel1"));
    title->setFont(timesFont(27, true));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 23, 396, 26);
    auto* shadow = new QGraphicsDropShadowEffect(title);
    shadow->setColor(kMoneyGreen);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(2);
    title->setGraphicsEffect(shadow);

    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("SBClose"));
    close->setText(QStringLiteral("X"));
    close->setAutoRaise(true);
    close->setFont(sansSerif(11, true));
    close->setCursor(Qt::PointingHandCursor);
    close->setGeometry(374, 0, 23, 22);
    setHint(close, QStringLiteral("Close about"));
    connect(close, &QToolButton::clicked, this, &FormAbout::CloseIt);

    addBevel(this, "Bevel1", 56, QFrame::Raised);
    addBevel(this, "Bevel2", 112, QFrame::Sunken);
    addBevel(this, "Bevel3", 184, QFrame::Sunken);

    const QFont big = sansSerif(16, true);
    addLabel(this, "Label4", QStringLiteral("Version"), big, {12, 80});
    QLabel* version = addLabel(this, "LblVersion", locale.toString(FormVesk::ProgramVersion, 'f', 2), big, {80, 80});
    paintBlue(version);

    addLabel(this, "Label3", QStringLiteral("Web"), big, {8, 192});
    QFont link = big;
    link.setUnderline(true);
    m_url = new QLabel(kMakerWebAddress, this);
    m_url->setObjectName(QStringLiteral("LblURL"));
    m_url->setFont(link);
    m_url->setGeometry(64, 192, 169, 25);
    m_url->setCursor(Qt::PointingHandCursor);
    paintBlue(m_url);
    m_url->installEventFilter(this);

    auto* footer = new QLabel(kFooterLine, this);
    footer->setObjectName(QStringLiteral("LblFooter"));
    footer->setFont(sansSerif(11, true));
    footer->setAlignment(Qt::AlignCenter);
    footer->setWordWrap(true);
    footer->setGeometry(8, 224, 385, 41);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

void FormAbout::CloseIt()
{
    close();
}

void FormAbout::LblURLClick()
{
    LaunchProgram(m_launcher, m_dialogs, this, kMakerWebAddress, QString(), m_exeDir, kShowMaximized);
}

// Labels, the picture and the bevels leave mouse clicks to the window, so a
// click on any of them (or on the window's own edge) arrives here.
void FormAbout::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QDialog::mousePressEvent(event);
}

void FormAbout::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        CloseIt();
    else
        QDialog::mouseReleaseEvent(event);
}

// The web address keeps its clicks to itself: they open the site and must
// not reach the window, which would close.
bool FormAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_url && (event->type() == QEvent::MouseButtonPress
                             || event->type() == QEvent::MouseButtonRelease
                             || event->type() == QEvent::MouseButtonDblClick)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (event->type() == QEvent::MouseButtonRelease && m_url->rect().contains(mouse->pos()))
            LblURLClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quorvel
