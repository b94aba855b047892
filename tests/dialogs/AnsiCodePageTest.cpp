#include "AnsiCodePage.h"

#include <gtest/gtest.h>

TEST(AnsiCodePage, EveryByteComesBackUnchanged)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = AnsiToUnicode(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(UnicodeToAnsi(text), all);
}

TEST(AnsiCodePage, BytesShowAsTheCharactersOfTheWesternPage)
{
    struct Case {
        unsigned char byte;
        char16_t character;
    };
    const Case cases[] = {
        {'A', u'A'},         {0x00, u'\u0000'},   {0x80, u'\u20AC'}, {0x81, u'\u0081'},
        {0x8D, u'\u008D'},   {0x92, u'\u2019'},   {0x96, u'\u2013'}, {0x9F, u'\u0178'},
        {0xA0, u'\u00A0'},   {0xE9, u'\u00E9'},   {0xFF, u'\u00FF'},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        const QByteArray byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(AnsiToUnicode(byte), QString(QChar(c.character)));
        EXPECT_EQ(UnicodeToAnsi(QString(QChar(c.character))), byte);
    }
}

TEST(AnsiCodePage, CharactersOutsideThePageBecomeOneQuestionMarkEach)
{
    // U+0080 belongs to no byte: 0x80 is the euro sign.
    EXPECT_EQ(UnicodeToAnsi(QString::fromUtf8("a\u0080b")), "a?b");
    EXPECT_EQ(UnicodeToAnsi(QString::fromUtf8("\u6587\u4EF6")), "??");
    EXPECT_EQ(UnicodeToAnsi(QString::fromUtf8("x\U0001F600y")), "x?y");
}
