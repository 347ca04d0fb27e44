// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Cp1251.h"
#include "platform/DataDir.h"
#include "platform/DisplayMode.h"
#include "platform/ProgramVersion.h"
#include "platform/RandomSource.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <iconv.h>

namespace {

int iconvOpens = 0;

} // namespace

// Counts the converters the code page opens; the real iconv does the work.
extern "C" iconv_t iconv_open(const char* to, const char* from)
{
    ++iconvOpens;
    using Open = iconv_t (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
    return real(to, from);
}

namespace {

class RecordingDisplay final : public DisplayModeService {
public:
    bool request(const DisplayModeRequest& mode) override
    {
        requests.append(mode);
        return granted.contains(mode);
    }
    void restore() override {}
    QList<DisplayModeRequest> requests;
    QList<DisplayModeRequest> granted;
};

const DisplayModeRequest large{1024, 768};
const DisplayModeRequest small{800, 600};

} // namespace

class PlatformCoreTest : public QObject {
    Q_OBJECT
private slots:
    void twipsRoundToTheNearestPixel_data();
    void twipsRoundToTheNearestPixel();

    void everyCyrillicLetterSurvivesTheCodePage();
    void charactersOutsideTheCodePageAreRefused();
    void codePageAgreesWithIconvWithoutAConverterPerCharacter();

    void dataIsBesideTheExecutableWhateverTheWorkingDirectory();

    void displayModeIsRequestedOnlyOnASmallScreen_data();
    void displayModeIsRequestedOnlyOnASmallScreen();
    void displayModeFallsBackToTheSmallerModeWhenTheFirstIsRefused();

    void drawCoversOneToNEvenly();

    void versionCaptionWritesTheMinorInTwoDigits_data();
    void versionCaptionWritesTheMinorInTwoDigits();
};

void PlatformCoreTest::twipsRoundToTheNearestPixel_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("pixels");
    QTest::newRow("whole pixels") << 4680 << 312;
    QTest::newRow("two thirds round up") << 5125 << 342;
    QTest::newRow("one third rounds down") << 5570 << 371;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("negative") << -120 << -8;
}

void PlatformCoreTest::twipsRoundToTheNearestPixel()
{
    QFETCH(int, value);
    QFETCH(int, pixels);
    QCOMPARE(twips(value), pixels);
}

void PlatformCoreTest::everyCyrillicLetterSurvivesTheCodePage()
{
    QString text = QStringLiteral("ЁёІі№ ");
    for (char16_t c = u'А'; c <= u'я'; ++c)
        text += QChar(c);
    const auto bytes = cp1251::encode(text);
    QVERIFY(bytes.has_value());
    QCOMPARE(bytes->size(), text.size());
    QCOMPARE(static_cast<unsigned char>(bytes->at(text.indexOf(u'А'))), 192);
    QCOMPARE(static_cast<unsigned char>(bytes->at(text.indexOf(u'Я'))), 223);
    QCOMPARE(cp1251::decode(*bytes), text);
}

void PlatformCoreTest::charactersOutsideTheCodePageAreRefused()
{
    QVERIFY(!cp1251::canHold(QChar(u'€' + 1)));
    QVERIFY(!cp1251::canHold(QChar(0x4E2D))); // a Chinese character
    QVERIFY(!cp1251::encode(QStringLiteral("Аня 😀")).has_value());
    QVERIFY(cp1251::canHold(QChar(u'Ё')));
    QVERIFY(cp1251::canHold(QChar(u'-')));
}

void PlatformCoreTest::codePageAgreesWithIconvWithoutAConverterPerCharacter()
{
    // One converter for the whole check: every UTF-16 unit that iconv turns
    // into a single Windows-1251 byte must be held, and no other.
    iconv_t reference = iconv_open("WINDOWS-1251", "UTF-16LE");
    QVERIFY(reference != reinterpret_cast<iconv_t>(-1));
    cp1251::canHold(QChar(u'А'));
    const int opensBefore = iconvOpens;
    QString all;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const char16_t code = static_cast<char16_t>(unit);
        char in[2] = {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)};
        char out[4] = {};
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = 2;
        size_t outLeft = sizeof out;
        iconv(reference, nullptr, nullptr, nullptr, nullptr);
        const bool held = iconv(reference, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)
                          && sizeof out - outLeft == 1;
        QCOMPARE(cp1251::canHold(QChar(code)), held);
        if (held) {
            all += QChar(code);
            QCOMPARE(cp1251::encode(QString(QChar(code)))->at(0), out[0]);
        }
    }
    iconv_close(reference);
    QCOMPARE(all.size(), 255); // 0x98 alone has no character
    QCOMPARE(cp1251::decode(*cp1251::encode(all)), all);
    QCOMPARE(iconvOpens, opensBefore);
}

// A game started from another directory (a desktop launcher, a terminal
// elsewhere) must still find its pictures, topics and records.
void PlatformCoreTest::dataIsBesideTheExecutableWhateverTheWorkingDirectory()
{
    // A Data in the working directory is the one a relative path would find.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir(elsewhere.path()).mkpath(QStringLiteral("Data/Scr")));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const DataDir data = DataDir::forProgram();
    const QString picture = data.path(QStringLiteral("Scr/Osn.res"));
    QDir::setCurrent(before);

    // This test program has neither Data nor an installed game beside it.
    const QDir executableDir(QCoreApplication::applicationDirPath());
    QVERIFY(QDir::isAbsolutePath(picture));
    QCOMPARE(picture, executableDir.filePath(QStringLiteral("Data/Scr/Osn.res")));
}

void PlatformCoreTest::displayModeIsRequestedOnlyOnASmallScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("switched");
    QTest::newRow("exactly 1024 x 768") << QSize(1024, 768) << false;
    QTest::newRow("full HD") << QSize(1920, 1080) << false;
    QTest::newRow("1280 x 720, too low") << QSize(1280, 720) << true;
    QTest::newRow("1000 x 900, too narrow") << QSize(1000, 900) << true;
    QTest::newRow("800 x 600") << QSize(800, 600) << true;
}

void PlatformCoreTest::displayModeIsRequestedOnlyOnASmallScreen()
{
    QFETCH(QSize, screen);
    QFETCH(bool, switched);
    RecordingDisplay display;
    display.granted = {large};
    displaymode::switchIfSmall(screen, display);
    QCOMPARE(display.requests, switched ? QList<DisplayModeRequest>{large} : QList<DisplayModeRequest>{});
}

void PlatformCoreTest::displayModeFallsBackToTheSmallerModeWhenTheFirstIsRefused()
{
    RecordingDisplay display;
    display.granted = {small};
    QCOMPARE(displaymode::switchIfSmall(QSize(640, 480), display), small);
    QCOMPARE(display.requests, (QList<DisplayModeRequest>{large, small}));

    RecordingDisplay refusing;
    QCOMPARE(displaymode::switchIfSmall(QSize(640, 480), refusing), DisplayModeRequest{});
    QCOMPARE(refusing.requests.size(), 2);
}

void PlatformCoreTest::drawCoversOneToNEvenly()
{
    SeededRandom random(7);
    std::array<int, 5> counts{};
    for (int i = 0; i < 50000; ++i) {
        const int value = random.draw(4);
        QVERIFY(value >= 1 && value <= 4);
        ++counts.at(value);
    }
    for (int value = 1; value <= 4; ++value)
        QVERIFY2(counts.at(value) > 11500 && counts.at(value) < 13500,
                 qPrintable(QString::number(counts.at(value))));
}

void PlatformCoreTest::versionCaptionWritesTheMinorInTwoDigits_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first release") << "1.0"
                                   << "v1.00";
    QTest::newRow("one-digit minor") << "1.5"
                                     << "v1.05";
    QTest::newRow("two-digit minor") << "2.10"
                                     << "v2.10";
    QTest::newRow("major alone") << "3"
                                 << "v3.00";
    QTest::newRow("patch level not shown") << "1.2.3"
                                           << "v1.02";
}

void PlatformCoreTest::versionCaptionWritesTheMinorInTwoDigits()
{
    QFETCH(QString, number);
    QFETCH(QString, caption);
    QCOMPARE(programversion::caption(number), caption);
}

QTEST_GUILESS_MAIN(PlatformCoreTest)
#include "PlatformCoreTest.moc"
