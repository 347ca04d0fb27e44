// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick: an empty Qt 6 Widgets window, shown the way the game shows
// its start window (maximised, up to a 4K screen's worth, filled with one
// colour). Every start and memory figure of the game is held against this
// program, measured in the same run.
//
// With "--frames SIDE" it also turns a square of SIDE x SIDE pixels in its
// middle the way the game turns its drum: a new picture every 50 ms, each a
// plain copy at the screen's pixels. What that costs is Qt's and the X
// server's floor for a drum frame.
#include "platform/SceneScale.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

class TurningSquare : public QWidget {
public:
    explicit TurningSquare(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            ++shown_;
            update();
        });
        timer_.start();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (QSizeF(size()) * ratio).toSize();
        if (frames_[0].size() != pixels) {
            for (size_t n = 0; n < frames_.size(); ++n) {
                frames_[n] = QImage(pixels, QImage::Format_RGB32);
                frames_[n].fill(QColor::fromHsv(int(n) * 30, 200, 220));
            }
        }
        QPainter painter(this);
        painter.scale(1 / ratio, 1 / ratio);
        painter.drawImage(QPoint(), frames_[shown_ % frames_.size()]);
    }

private:
    QTimer timer_;
    std::array<QImage, 12> frames_;
    size_t shown_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    // Bounded as the game bounds its windows on a screen beyond 4K, or the
    // yardstick alone would cost a gigabyte there.
    bool maximised = true;
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        const QRect area = scenescale::windowArea(available, screen->devicePixelRatio());
        window.setGeometry(area);
        maximised = area == available;
    }
    if (argc == 3 && std::strcmp(argv[1], "--frames") == 0) {
        auto* square = new TurningSquare(&window);
        square->resize(std::atoi(argv[2]), std::atoi(argv[2]));
        square->move((window.width() - square->width()) / 2, (window.height() - square->height()) / 2);
    }
    if (maximised)
        window.showMaximized();
    else
        window.show();
    return QApplication::exec();
}
