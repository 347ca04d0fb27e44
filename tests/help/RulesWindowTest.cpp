// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "help/RulesWindow.h"
#include "platform/EventLabel.h"
#include "platform/TextFit.h"
#include "platform/WindowNames.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

QString plainRules()
{
    return QTextDocumentFragment::fromHtml(RulesWindow::rulesText()).toPlainText();
}

} // namespace

class RulesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void rulesSayWhatANewcomerNeeds_data();
    void rulesSayWhatANewcomerNeeds();
    void rulesUseTheTablesWordsOnly_data();
    void rulesUseTheTablesWordsOnly();
    void wholeTextFitsTheWindowReadably();
};

void RulesWindowTest::rulesSayWhatANewcomerNeeds_data()
{
    QTest::addColumn<QString>("said");
    QTest::newRow("the finisher wins whatever the points") << QStringLiteral(
        "кто откроет последнюю букву слова или скажет слово целиком, — сколько бы очков ни было");
    QTest::newRow("Latin layout") << QStringLiteral("латинской раскладке");
    QTest::newRow("say-word box follows the layout rule") << QStringLiteral("в окне «Назовите слово:» тоже");
    QTest::newRow("spin key") << QStringLiteral("«Кручу барабан» (Пробел)");
    QTest::newRow("say-word key") << QStringLiteral("«Скажу слово» (Enter)");
    QTest::newRow("box keys") << QStringLiteral("клавишей 1 или 2, стрелкой ← или →");
    QTest::newRow("cell keys") << QStringLiteral("1 … 9, 0 (десятая), − (одиннадцатая)");
    QTest::newRow("sound key") << QStringLiteral("M — звук");
    QTest::newRow("Esc asks") << QStringLiteral("Esc спрашивает «Закончить игру?»");
    QTest::newRow("the final") << QStringLiteral("«Финал»");
    QTest::newRow("no winner") << QStringLiteral("«Нет победителя!»");
    QTest::newRow("F1") << QStringLiteral("F1 — эти правила");
}

void RulesWindowTest::rulesSayWhatANewcomerNeeds()
{
    QFETCH(QString, said);
    QVERIFY2(plainRules().contains(said), qPrintable(said));
}

void RulesWindowTest::rulesUseTheTablesWordsOnly_data()
{
    QTest::addColumn<QString>("word");
    // A stage is a "тройка" or the "Финал"; "тур" appears nowhere on the table.
    QTest::newRow("тур") << QStringLiteral("тур");
    QTest::newRow("тура") << QStringLiteral("тура");
    QTest::newRow("туре") << QStringLiteral("туре");
}

void RulesWindowTest::rulesUseTheTablesWordsOnly()
{
    QFETCH(QString, word);
    const QRegularExpression whole(QStringLiteral("(?<!\\w)%1(?!\\w)").arg(word),
                                   QRegularExpression::CaseInsensitiveOption
                                       | QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY(!whole.match(plainRules()).hasMatch());
}

void RulesWindowTest::wholeTextFitsTheWindowReadably()
{
    TestPlatform test;
    test.defineWindows();
    auto* rules = qobject_cast<RulesWindow*>(test.platform->windows.show(windownames::rules));
    QVERIFY(rules);
    EventLabel* text = rules->text();
    QVERIFY(text->font().pointSizeF() >= textfit::readablePoints);
    QVERIFY(text->heightForWidth(text->width()) <= text->height());
    QVERIFY(rules->geometry().width() <= 800 && rules->geometry().height() <= 600);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(rules);
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Правила игры"));
    TestPlatform::flushUnloads();
}

QTEST_MAIN(RulesWindowTest)
#include "RulesWindowTest.moc"
