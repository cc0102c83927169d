#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include "widgets/italian_language.h"

namespace ordavex {
namespace {

// The test command runs under the C language; the program must not follow it.
TEST(ItalianLanguage, QtWritesDatesSizesAndNumbersInItalianWhateverTheSystemsLanguage) {
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    SpeakItalian();
    const QLocale locale;
    EXPECT_EQ(locale.name(), "it_IT");
    EXPECT_EQ(locale.toString(QDate(2026, 12, 8), QLocale::LongFormat), QString::fromUtf8("martedì 8 dicembre 2026"));
    EXPECT_EQ(locale.toString(QDate(2026, 12, 8), "d MMM yyyy"), "8 dic 2026");
    EXPECT_EQ(locale.toString(QDate(2026, 12, 8), QLocale::ShortFormat), "08/12/26");
    EXPECT_EQ(locale.formattedDataSize(658), "658 byte");
    EXPECT_EQ(locale.formattedDataSize(682000), "666,02 KiB");
    EXPECT_EQ(locale.toString(1234567.5, 'f', 1), "1.234.567,5");
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace ordavex
