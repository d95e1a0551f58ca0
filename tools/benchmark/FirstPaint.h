#pragma once

#include <QObject>
#include <QString>

// Reports, once, the moment a widget named `target` (or one inside it) first paints: prints
// "first_paint_ns=<steady clock> peak_rss_kb=<n>" on standard output and ends the process.
class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QString target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString target_;
};
