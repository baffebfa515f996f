#pragma once
// The floating notice panel of the update check (objectName "PnlSneakPeek").
// It sits over the main window, hidden until a check starts. While the check
// runs it shows the checking form; when an upgrade is offered it turns into
// the new-version form with a link to the product page and a close label.
//
// Labels (objectNames): LblPeekHdr, LblPeekShort, LblPeekLong, LblPeekURL
// (the link, hidden in the checking form) and LblPeekPnlClose ("X Close
// Window", top right, hidden in the checking form; clicking it hides the panel).
#include <QColor>
#include <QFrame>

class QLabel;

namespace quorvel {

class ClickLabel;

class UpdateNotice : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 361;
    static constexpr int kHeight = 169;
    static constexpr int kBevelWidth = 3;

    // Design colour, money green.
    static QColor designColor() { return QColor(192, 220, 192); }
    // The new-version form borrows the colour of the Custom Charts page's
    // "By Category" panel, so the offer stands out from the checking form.
    static QColor offerColor() { return QColor(240, 202, 166); }

    explicit UpdateNotice(QWidget* mainWindow);

    QColor color() const;

    // At 112,128 in the given colour with the checking texts; shown and raised.
    void showCheckingForm(const QColor& color);
    // At 8,8 in the offer colour: "Version {version}", with " released {date}"
    // when the date is not empty; the link and the close label shown.
    void showNewVersionForm(const QString& version, const QString& releaseDate);

signals:
    // The user clicked the link to the product page.
    void linkClicked();

protected:
    // A single border with a raised bevel three pixels wide inside it.
    void paintEvent(QPaintEvent* event) override;

private:
    void setColor(const QColor& color);

    QLabel* header_;
    QLabel* shortText_;
    QLabel* longText_;
    ClickLabel* link_;
    ClickLabel* close_;
};

}  // namespace quorvel
