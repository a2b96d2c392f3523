// The least a window of this kind costs: a main window with a menu bar and
// one line of text in the game's Japanese font, leaving at its first paint.
#include <QApplication>
#include <QFont>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "first_paint_clock.h"

namespace {

class OneLine : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 128, 0));
        p.setFont(QFont("IPAexMincho", 20));
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, " QXぬえどり王");
        if (reported_) return;
        reported_ = true;
        reportFirstPaint();
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }

private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setFont(QFont("IPAexGothic", 10));
    QMainWindow window;
    window.setWindowTitle(" QXぬえどり王");
    for (const char* caption : {"対局", "局面", "戻", "進", "棋譜", "ｵﾌﾟｼｮﾝ", "その他"})
        window.menuBar()->addMenu(caption);
    window.setCentralWidget(new OneLine);  // the window owns it
    window.resize(627, 495);
    window.show();
    return QApplication::exec();
}
