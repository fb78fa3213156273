// "Huidige Tijd" and "Verlopen tijd": their texts, and the boxes the menu shows.

#include <QAction>
#include <QDateTime>
#include <QLocale>
#include <QTest>
#include <QTimeZone>

#include "accessories/clock.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {
const QString boot_head = QStringLiteral("Tijd verlopen sinds het aanzetten van uw computer is:\n");
const QString start_head = QStringLiteral("Tijd verlopen sinds het starten van dit programma is:\n");
}  // namespace

class ClockTest : public QObject {
    Q_OBJECT
private slots:
    void elapsed_time_in_whole_minutes_and_seconds();
    void uptime_beyond_32_bits_still_counts();
    void current_time_in_the_locale_formats();
    void menu_shows_the_reports_right_after_start();
};

void ClockTest::elapsed_time_in_whole_minutes_and_seconds() {
    QCOMPARE(elapsed_time_text(7'384'000, 3'725'000),
             boot_head + QStringLiteral("123 min   4 sec\n\n") + start_head + QStringLiteral("62 min   5 sec\n"));
    // Fractions of a second are cut off, not rounded.
    QCOMPARE(elapsed_time_text(59'999, 999),
             boot_head + QStringLiteral("0 min   59 sec\n\n") + start_head + QStringLiteral("0 min   0 sec\n"));
}

void ClockTest::uptime_beyond_32_bits_still_counts() {
    // 30 days and 1.5 seconds: past what a signed 32-bit millisecond count holds.
    const std::int64_t thirty_days = 30LL * 24 * 3600 * 1000 + 1500;
    QCOMPARE(elapsed_time_text(thirty_days, thirty_days - 2'147'483'000),
             boot_head + QStringLiteral("43200 min   1 sec\n\n") + start_head + QStringLiteral("7408 min   38 sec\n"));
}

void ClockTest::current_time_in_the_locale_formats() {
    const QDateTime moment(QDate(2026, 3, 7), QTime(9, 5, 4), QTimeZone::utc());
    const QString dutch = current_time_text(moment, QLocale(QLocale::Dutch, QLocale::Netherlands));
    QVERIFY2(dutch.startsWith(QStringLiteral("\nHet is nu 09:05:04")), qPrintable(dutch));
    QVERIFY2(dutch.endsWith(QStringLiteral("\n\n\nDe datum is 07-03-2026\n")), qPrintable(dutch));
    const QString american = current_time_text(moment, QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(american.startsWith(QStringLiteral("\nHet is nu 9:05:04 AM")), qPrintable(american));
    QVERIFY2(american.endsWith(QStringLiteral("\n\n\nDe datum is 3/7/26\n")), qPrintable(american));
}

void ClockTest::menu_shows_the_reports_right_after_start() {
    Program program;
    program.form->Verlopentijd1->trigger();
    program.form->Tijd1->trigger();
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
    const QString elapsed = QString::fromStdString(program.boxes.shown[0].text);
    QVERIFY2(elapsed.startsWith(boot_head), qPrintable(elapsed));
    QVERIFY2(elapsed.endsWith(start_head + QStringLiteral("0 min   0 sec\n")), qPrintable(elapsed));
    QVERIFY(QString::fromStdString(program.boxes.shown[1].text).startsWith(QStringLiteral("\nHet is nu ")));
    for (const AnsweringBoxes::Shown& box : program.boxes.shown) QCOMPARE(box.kind, BoxKind::information);
}

QTEST_MAIN(ClockTest)
#include "clock_test.moc"
