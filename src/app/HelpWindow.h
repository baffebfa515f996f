#pragma once
// The help book: HTML pages shipped in the program's resources (help.qrc,
// under :/help), one page per help context, shown in a window of its own.
//
// How the main window uses it: FormVesk owns one HelpWindow, created on first
// use with the main window as parent (so it closes with the program) but
// shown as a separate, non-modal window that the user can keep open beside
// the pages. Help > Help, Backup Files and Recover Data call showTopic(20);
// F1 calls showTopic() with the help context of the page that has the focus
// (the "helpContext" property of the page or notebook, see contextFor()).
// showTopic() brings the window to the front each time.
#include <QUrl>
#include <QVector>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;

namespace quorvel {

struct HelpTopic {
    int context;    // the help context that opens it; 0 for entries reached from the contents only
    QString title;  // the page's title, also the text in the contents list
    QString page;   // file name under :/help, with an optional "#anchor"
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGeneralContext = 20;

    explicit HelpWindow(QWidget* parent = nullptr);

    // Every topic, in the order of the contents list.
    static const QVector<HelpTopic>& topics();
    // Page of a help context; a context without a page of its own gives the
    // general topic, so a control with a wrong context still opens help.
    static QUrl urlForContext(int context);
    // Help context of a widget: the "helpContext" property of the widget or
    // of its nearest ancestor that has one; the general topic when none has.
    static int contextFor(const QWidget* widget);

    // Opens the page of `context` and shows the window in front.
    void showTopic(int context);
    // Opens any page of the book (a help URL, for example with an anchor).
    void showUrl(const QUrl& url);

    QUrl currentUrl() const;
    QTextBrowser* browser() const { return m_browser; }

private:
    void selectContentsEntry(const QUrl& url);
    void bringToFront();

    QListWidget* m_contents = nullptr;
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_home = nullptr;
};

}  // namespace quorvel
