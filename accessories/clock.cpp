#include "accessories/clock.h"

#include <QDateTime>
#include <QLocale>

namespace taalspoor {

namespace {

// Some locales put a narrow or thin space in their time format; the boxes show ISO
// 8859-1 text, which has only the plain one.
QString with_plain_spaces(QString text) {
    for (QChar& c : text)
        if (c.isSpace() && c.unicode() > 0xFF) c = QLatin1Char(' ');
    return text;
}

QString minutes_and_seconds(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    return QStringLiteral("%1 min   %2 sec").arg(seconds / 60).arg(seconds % 60);
}

}  // namespace

QString current_time_text(const QDateTime& now, const QLocale& locale) {
    return with_plain_spaces(QStringLiteral("\nHet is nu %1\n\n\nDe datum is %2\n")
                                 .arg(locale.toString(now.time(), QLocale::LongFormat),
                                      locale.toString(now.date(), QLocale::ShortFormat)));
}

QString elapsed_time_text(std::int64_t since_boot_ms, std::int64_t since_start_ms) {
    return QStringLiteral("Tijd verlopen sinds het aanzetten van uw computer is:\n%1\n\n"
                          "Tijd verlopen sinds het starten van dit programma is:\n%2\n")
        .arg(minutes_and_seconds(since_boot_ms), minutes_and_seconds(since_start_ms));
}

}  // namespace taalspoor
