// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"
#include "platform/LargePicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <stop_token>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray png(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

} // namespace

// What lies in Data in place of a picture never holds its reader.
class PictureFileTest : public QObject {
    Q_OBJECT
private slots:
    void onlyARegularFileIsReadAsAPicture_data();
    void onlyARegularFileIsReadAsAPicture();
    void readerAskedToStopGivesNoPicture();
};

void PictureFileTest::onlyARegularFileIsReadAsAPicture_data()
{
    QTest::addColumn<QString>("normal"); // what Sh.res is: "picture", "fifo", "link to fifo", "directory"
    QTest::addColumn<QString>("large");  // what Sh@2x.res is, or "" for nothing
    QTest::addColumn<QSize>("pixels");   // of the picture read; empty for none

    QTest::newRow("FIFO") << "fifo"
                          << "" << QSize();
    QTest::newRow("link to a FIFO") << "link to fifo"
                                    << "" << QSize();
    QTest::newRow("directory") << "directory"
                               << "" << QSize();
    QTest::newRow("FIFO as the large one: the normal one serves") << "picture"
                                                                  << "fifo" << QSize(10, 5);
    QTest::newRow("link to a FIFO as the large one") << "picture"
                                                     << "link to fifo" << QSize(10, 5);
}

void PictureFileTest::onlyARegularFileIsReadAsAPicture()
{
    QFETCH(QString, normal);
    QFETCH(QString, large);
    QFETCH(QSize, pixels);
    TestPlatform test(TestPlatform::DataContent::Empty);
    QStringList fifos;
    const auto place = [&](const QString& relative, const QString& kind, QSize size) {
        const QString path = test.dataPath(relative);
        if (kind == "picture") {
            test.writeData(relative, png(size));
        } else if (kind == "directory") {
            QVERIFY(QDir().mkpath(path));
        } else if (!kind.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            const QString fifo = kind == "fifo" ? path
                                                : test.dataPath(QStringLiteral("Prd/pipe-")
                                                                + QFileInfo(path).baseName());
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            if (fifo != path)
                QVERIFY(QFile::link(fifo, path));
            fifos << fifo;
        }
    };
    place(QStringLiteral("Prd/Sh.res"), normal, QSize(10, 5));
    place(QStringLiteral("Prd/Sh@2x.res"), large, QSize(20, 10));

    auto reading = std::async(std::launch::async, [&] {
        return largepicture::read(test.platform->data, QStringLiteral("Prd/Sh.res"), 2.0, QSize(10, 5));
    });
    using namespace std::chrono_literals;
    if (reading.wait_for(10s) != std::future_status::ready) {
        // Writers let each stuck open() return (a reader may open the file
        // more than once), so that the test fails instead of hanging.
        for (int round = 0; round < 100 && reading.wait_for(100ms) != std::future_status::ready; ++round) {
            for (const QString& fifo : std::as_const(fifos)) {
                const int writer = ::open(QFile::encodeName(fifo).constData(),
                                          O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (writer >= 0)
                    ::close(writer);
            }
        }
        QFAIL("the picture's reader waited on a FIFO");
    }
    const QImage image = reading.get();
    QCOMPARE(image.isNull() ? QSize() : image.size(), pixels);
}

void PictureFileTest::readerAskedToStopGivesNoPicture()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    test.writeData(QStringLiteral("Scr/Nch.res"), png(QSize(300, 200)));
    test.writeData(QStringLiteral("Scr/Nch@2x.res"), png(QSize(600, 400)));
    std::stop_source stop;
    QCOMPARE(
        largepicture::read(test.platform->data, QStringLiteral("Scr/Nch.res"), 2.0, QSize(), stop.get_token())
            .size(),
        QSize(600, 400));
    // Neither the large one nor, in its place, the normal one: no half picture either.
    stop.request_stop();
    QVERIFY(
        largepicture::read(test.platform->data, QStringLiteral("Scr/Nch.res"), 2.0, QSize(), stop.get_token())
            .isNull());
    QVERIFY(
        largepicture::read(test.platform->data, QStringLiteral("Scr/Nch.res"), 1.0, QSize(), stop.get_token())
            .isNull());
}

QTEST_MAIN(PictureFileTest)
#include "PictureFileTest.moc"
