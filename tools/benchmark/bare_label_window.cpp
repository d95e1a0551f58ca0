// The yardstick of the start-up benchmark: a bare Qt window that paints one Times New Roman
// label, reporting its first paint like the program does.

#include "tools/benchmark/FirstPaint.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class LabelWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QFont font("Times New Roman");
        font.setPixelSize(64);
        painter.setFont(font);
        painter.setPen(Qt::red);
        painter.drawText(QPoint(280, 200), "Наречие");
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstPaintReporter reporter("yardstick");
    application.installEventFilter(&reporter);
    LabelWindow window;
    window.setObjectName("yardstick");
    window.resize(1024, 768);
    window.show();
    return application.exec();
}
