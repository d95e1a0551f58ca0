#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QEventLoop;
class QLabel;
class QPushButton;

namespace gui {

// The information message box: modal, centred on the display, titled "Information", with the
// information icon, the text wrapped to half the display's width and one "OK" button that
// Enter, Esc, the button and the close box all press.
class MessageBox : public QWidget {
    Q_OBJECT

public:
    // Shows the text and returns once the box is dismissed.
    static void information(const QString& text);

    // Lets tests see each box once it is up; the observer may read it and dismiss it.
    using Observer = std::function<void(MessageBox&)>;
    static void setObserver(Observer observer);

    QString text() const;
    QString title() const { return "Information"; }
    QPushButton* okButton() const { return ok_; }
    void dismiss();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    MessageBox(QWidget* display, const QString& text);

    QLabel* icon_;
    QLabel* text_;
    QPushButton* ok_;
    QEventLoop* loop_ = nullptr;
};

} // namespace gui
