#pragma once
// The About window: product name, version, the maker's web address and a
// footer line, on a borderless window that any click closes, except a click
// on the web address, which opens the maker's site and leaves it open.
//
// Help > About: FormAbout about(this, launcher, dialogs, ExeDir); about.exec();
#include <QDialog>
#include <QLocale>
#include <QString>

class QLabel;
class QMouseEvent;
class QPixmap;

namespace quorvel {

class Dialogs;
class Launcher;

class FormAbout : public QDialog {
    Q_OBJECT
public:
    // The maker's web site, shown by LblURL and handed to the desktop as it stands.
    static const QString kMakerWebAddress;
    // The footer line naming the product and its maker.
    static const QString kFooterLine;

    // `locale` gives the decimal separator of the version ("2.00", "2,00").
    FormAbout(QWidget* parent, Launcher& launcher, Dialogs& dialogs, QString exeDir,
              QLocale locale = QLocale::system());

    // Closes the window; the click of every element but LblURL.
    void CloseIt();
    // Opens the maker's web site; the window stays open.
    void LblURLClick();

    // The background picture: a soft gradient, drawn here rather than shipped.
    static QPixmap backgroundPicture(const QSize& size);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Launcher& m_launcher;
    Dialogs& m_dialogs;
    QString m_exeDir;
    QLabel* m_url = nullptr;
};

}  // namespace quorvel
