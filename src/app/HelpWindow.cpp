#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

// The pages are compiled into the program from help.qrc. In a static library
// nothing else refers to them, so the linker would drop them unless their
// registration is called by name (outside any namespace, as the macro needs).
static void registerHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace quorvel {

namespace {

const QString kHelpRoot = QStringLiteral("qrc:/help/");

QUrl helpUrl(const QString& page)
{
    return QUrl(kHelpRoot + page);
}

QUrl withoutFragment(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment);
}

}  // namespace

const QVector<HelpTopic>& HelpWindow::topics()
{
    static const QVector<HelpTopic> list = {
        {20, QStringLiteral("Getting Started / Account Management"), QStringLiteral("topic-20.html")},
        {0, QStringLiteral("Backing Up and Recovering Your Data"), QStringLiteral("topic-20.html#backup")},
        {40, QStringLiteral("Accounts Page"), QStringLiteral("topic-40.html")},
        {50, QStringLiteral("Account Info. Page"), QStringLiteral("topic-50.html")},
        {60, QStringLiteral("Entries Page"), QStringLiteral("topic-60.html")},
        {80, QStringLiteral("Charts Page"), QStringLiteral("topic-80.html")},
        {0, QStringLiteral("Printing a Chart"), QStringLiteral("topic-printing.html")},
        {90, QStringLiteral("Custom Charts Page"), QStringLiteral("topic-90.html")},
        {0, QStringLiteral("Looking for Updates"), QStringLiteral("topic-updates.html")},
    };
    return list;
}

QUrl HelpWindow::urlForContext(int context)
{
    for (const HelpTopic& topic : topics()) {
        if (topic.context != 0 && topic.context == context)
            return helpUrl(topic.page);
    }
    return helpUrl(topics().front().page);
}

int HelpWindow::contextFor(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        bool ok = false;
        const int context = w->property("helpContext").toInt(&ok);
        if (ok && context > 0)
            return context;
    }
    return kGeneralContext;
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    registerHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quorvel Help"));
    // Its own font: as a child of the main window it would otherwise take the
    // main window's fixed-pitch font, which reads poorly in running text.
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    setFont(font);
    resize(900, 640);

    const auto toolButton = [this](const char* name, const char* text, QStyle::StandardPixmap icon,
                                   const char* toolTip) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(QString::fromLatin1(text));
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setToolTip(QString::fromLatin1(toolTip));
        return button;
    };
    m_back = toolButton("HelpBack", "Back", QStyle::SP_ArrowBack, "Back to the previous page");
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = toolButton("HelpForward", "Forward", QStyle::SP_ArrowForward, "Forward to the next page");
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    m_home = toolButton("HelpHome", "Getting Started", QStyle::SP_DirHomeIcon, "Go to the general help topic");

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    for (const HelpTopic& topic : topics()) {
        auto* item = new QListWidgetItem(topic.title, m_contents);
        item->setData(Qt::UserRole, helpUrl(topic.page));
        // An anchor within a page reads as a sub-entry of that page.
        if (topic.page.contains(QLatin1Char('#')))
            item->setText(QStringLiteral("    ") + topic.title);
    }

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    // A web address in a page belongs in the user's browser, not in the help.
    m_browser->setOpenExternalLinks(true);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({270, 630});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_home);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { showUrl(urlForContext(kGeneralContext)); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        selectContentsEntry(url);
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Quorvel Help")
                                       : QStringLiteral("Quorvel Help: ") + title);
    });
    connect(m_contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_browser->setSource(item->data(Qt::UserRole).toUrl());
    });
}

void HelpWindow::showTopic(int context)
{
    showUrl(urlForContext(context));
}

void HelpWindow::showUrl(const QUrl& url)
{
    if (m_browser->source() == url)
        m_browser->reload();  // the page is there; scroll back to where the link points
    else
        m_browser->setSource(url);
    bringToFront();
}

QUrl HelpWindow::currentUrl() const
{
    return m_browser->source();
}

void HelpWindow::selectContentsEntry(const QUrl& url)
{
    // The entry for exactly this place, else the entry of its page.
    int row = -1;
    for (int i = 0; i < m_contents->count() && row < 0; ++i) {
        if (m_contents->item(i)->data(Qt::UserRole).toUrl() == url)
            row = i;
    }
    for (int i = 0; i < m_contents->count() && row < 0; ++i) {
        const QUrl entry = m_contents->item(i)->data(Qt::UserRole).toUrl();
        if (!entry.hasFragment() && entry == withoutFragment(url))
            row = i;
    }
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentRow(row);
}

void HelpWindow::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

}  // namespace quorvel
