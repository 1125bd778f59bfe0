#include <QTest>
#include <QUrlQuery>
#include <web/pages.h>
#include <web/tellafriend.h>

using namespace vorn;
using namespace Qt::StringLiterals;

using Pairs = QList<std::pair<QString, QString>>;

namespace {

ReferralValues Values(const QString &name, const QString &email, const QString &message,
                      const QString &friendName, const QString &friendEmail)
{
    return {name, email, message, friendName, friendEmail};
}

// What a web server's form decoding (PHP's $_GET, for one) makes of a query: pairs split at
// "&" and at the first "=", "+" read as a blank, then percent-decoded as UTF-8.
Pairs FormDecoded(const QByteArray &query)
{
    Pairs pairs;
    for (const QByteArray &item : query.split('&')) {
        const qsizetype equals = item.indexOf('=');
        QByteArray key = item.left(equals);
        QByteArray value = equals < 0 ? QByteArray() : item.mid(equals + 1);
        key.replace('+', ' ');
        value.replace('+', ' ');
        pairs.append({QUrl::fromPercentEncoding(key), QUrl::fromPercentEncoding(value)});
    }
    return pairs;
}

} // namespace

class TestTellAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trimsBlanksOnly_data();
    void trimsBlanksOnly();
    void trimsEveryValueInItsPlace();
    void addressesAreThoseOfTheMakerAndTheProduct();
    void carriesTheValuesUnchangedToThePage_data();
    void carriesTheValuesUnchangedToThePage();
    void checksTheValuesInOrder_data();
    void checksTheValuesInOrder();
};

void TestTellAFriend::trimsBlanksOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << u"    "_s << QString();
    QTest::newRow("blanks around") << u"  Ann Lee  "_s << u"Ann Lee"_s;
    QTest::newRow("inner blanks stay") << u"a  b"_s << u"a  b"_s;
    QTest::newRow("tabs stay") << u"\tAnn\t"_s << u"\tAnn\t"_s;
    QTest::newRow("line breaks stay") << u"Your Message\r\n"_s << u"Your Message\r\n"_s;
    QTest::newRow("blanks outside a line break") << u" \r\n "_s << u"\r\n"_s;
    QTest::newRow("blanks inside a tab") << u"\t Ann \t"_s << u"\t Ann \t"_s;
    QTest::newRow("no-break space stays") << u"\u00a0Ann\u00a0"_s << u"\u00a0Ann\u00a0"_s;
}

void TestTellAFriend::trimsBlanksOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(trimBlanks(text), trimmed);
}

void TestTellAFriend::trimsEveryValueInItsPlace()
{
    const ReferralValues trimmed
        = trimmedValues(Values(u" n "_s, u" e "_s, u" m\r\n "_s, u" fn "_s, u" fe "_s));
    QCOMPARE(trimmed.name, u"n");
    QCOMPARE(trimmed.email, u"e");
    QCOMPARE(trimmed.message, u"m\r\n");
    QCOMPARE(trimmed.friendName, u"fn");
    QCOMPARE(trimmed.friendEmail, u"fe");
}

void TestTellAFriend::addressesAreThoseOfTheMakerAndTheProduct()
{
    QCOMPARE(referAFriendEndpoint().toString(),
             u"http://"_s + makerHost() + u"/vornwell-refer-a-friend.php"_s);
    QCOMPARE(productHomePage().toString(), u"http://"_s + productHost() + u"/"_s);
    QVERIFY(referAFriendEndpoint().isValid());
    QVERIFY(productHomePage().isValid());
}

void TestTellAFriend::carriesTheValuesUnchangedToThePage_data()
{
    QTest::addColumn<ReferralValues>("values");

    const QString message = u"Your Message\r\n"_s;
    QTest::newRow("plain") << Values(u"Ann"_s, u"ann@example.org"_s, message, u"Bob"_s,
                                     u"bob@example.org"_s);
    QTest::newRow("ampersand and equals")
        << Values(u"Tom & Jerry"_s, u"a=b@x.y"_s, u"a&taf6=evil"_s, u"=&="_s, u"&@.="_s);
    QTest::newRow("hash") << Values(u"No#1"_s, u"a@b.c#x"_s, u"#"_s, u"##"_s, u"f@g.h"_s);
    QTest::newRow("plus") << Values(u"C++ Fan"_s, u"me+tag@x.y"_s, u"+ +"_s, u"+"_s, u"a+b@c.d"_s);
    QTest::newRow("percent") << Values(u"100%"_s, u"a%40b.c@d"_s, u"%41%2B%"_s, u"%"_s,
                                       u"%zz@y.z"_s);
    QTest::newRow("blanks and line breaks")
        << Values(u"Ann  Lee"_s, u"a@b.c"_s, u"Hello\r\n\r\nSee you\r\n"_s, u"\tBob"_s, u"b@c.d"_s);
    QTest::newRow("accented letters")
        << Values(u"Ren\u00e9e"_s, u"r\u00e9@b.c"_s, u"\u00c7a va?"_s, u"Zo\u00eb"_s, u"z@b.c"_s);
    QTest::newRow("emoji and other scripts") << Values(
        u"\U0001F600 Ann"_s, u"a@b.c"_s, u"\u4f60\u597d \u041f\u0440\u0438\u0432\u0435\u0442"_s,
        u"\U0001F308"_s, u"b@c.d"_s);
    QTest::newRow("reserved characters")
        << Values(u"a/b?c:d@e"_s, u"[x]@y.z"_s, u"!$'()*,;"_s, u"~-._"_s, u"x@y.z"_s);
    QTest::newRow("megabyte message") << Values(
        u"Ann"_s, u"a@b.c"_s, u"&=#+% \u00e9\r\n"_s.repeated(1 << 17), u"Bob"_s, u"b@c.d"_s);
}

void TestTellAFriend::carriesTheValuesUnchangedToThePage()
{
    QFETCH(ReferralValues, values);
    const Pairs expected = {
        {u"taf1"_s, values.name},        {u"taf2"_s, values.email},
        {u"taf3"_s, values.message},     {u"taf4"_s, values.friendName},
        {u"taf5"_s, values.friendEmail}, {u"taf6"_s, u"http://"_s + productHost() + u"/"_s},
    };

    const QUrl url = tellAFriendUrl(values);
    QVERIFY(url.isValid());
    QCOMPARE(url.adjusted(QUrl::RemoveQuery), referAFriendEndpoint());

    // The address as it is handed to the browser, read back as a browser and a server would.
    const QByteArray sent = url.toEncoded();
    QVERIFY(sent.startsWith(QByteArray(referAFriendEndpoint().toEncoded() + "?taf1=")));
    const QUrl received = QUrl::fromEncoded(sent, QUrl::StrictMode);
    QVERIFY(received.isValid());
    QVERIFY(!received.hasFragment());
    QCOMPARE(FormDecoded(received.query(QUrl::FullyEncoded).toLatin1()), expected);
    QCOMPARE(QUrlQuery(received).queryItems(QUrl::FullyDecoded), expected);
}

void TestTellAFriend::checksTheValuesInOrder_data()
{
    QTest::addColumn<ReferralValues>("values");
    QTest::addColumn<QString>("message"); // empty: the request may be sent

    const QString name = u"Ann"_s;
    const QString email = u"ann@example.org"_s;
    const QString text = u"Your Message\r\n"_s;
    const QString friendName = u"Bob"_s;
    const QString friendEmail = u"bob@example.org"_s;
    const QString distinct = u"Please Enter Distinct Email Addresses"_s;
    const QString proper = u"Please Enter Proper Email Address"_s;
    auto addresses = [&](const char *row, const QString &a, const QString &b, const QString &m) {
        QTest::newRow(row) << Values(name, a, text, friendName, b) << m;
    };
    auto values = [&](const char *row, const ReferralValues &v, const char *m) {
        QTest::newRow(row) << v << QString::fromLatin1(m);
    };

    addresses("both addresses still placeholders", emailPlaceholder(), friendEmailPlaceholder(),
              proper);
    addresses("sender still placeholder", emailPlaceholder(), u"x@y.z"_s, proper);
    addresses("same address", u"a@b.c"_s, u"a@b.c"_s, distinct);
    addresses("same address once trimmed", u" a@b.c"_s, u"a@b.c  "_s, distinct);
    addresses("same improper address", u"ab"_s, u"ab"_s, distinct);
    addresses("both empty", QString(), u"  "_s, distinct);
    addresses("sender without @", u"ab.c"_s, u"x@y.z"_s, proper);
    addresses("friend without @", u"a@b.c"_s, u"xy.z"_s, proper);
    addresses("sender without dot", u"a@bc"_s, u"x@y.z"_s, proper);
    addresses("friend without dot", u"a@b.c"_s, u"x@yz"_s, proper);
    addresses("nothing but @ and dot", u"@."_s, u".@"_s, QString());
    addresses("addresses differing in letter case", u"A@B.C"_s, u"a@b.c"_s, QString());

    values("all placeholders but the addresses",
           Values(namePlaceholder(), email, messagePlaceholder(), friendNamePlaceholder(),
                  friendEmail),
           "Please Enter Your Name");
    values("name blanks only", Values(u"   "_s, email, text, friendName, friendEmail),
           "Please Enter Your Name");
    values("name placeholder between blanks",
           Values(u"  Your Name "_s, email, text, friendName, friendEmail),
           "Please Enter Your Name");
    values("message placeholder",
           Values(name, email, messagePlaceholder(), friendName, friendEmail),
           "Please Enter Your Message");
    values("message placeholder between blanks",
           Values(name, email, u" Your Message  "_s, friendName, friendEmail),
           "Please Enter Your Message");
    values("message empty", Values(name, email, QString(), friendName, friendEmail),
           "Please Enter Your Message");
    values("friend's name placeholder",
           Values(name, email, text, friendNamePlaceholder(), friendEmail),
           "Please Enter Your Friend's Name");
    values("friend's name blanks", Values(name, email, text, u" "_s, friendEmail),
           "Please Enter Your Friend's Name");
    values("later failures wait for the first",
           Values(name, email, QString(), QString(), friendEmail), "Please Enter Your Message");
    values("all given", Values(name, email, u"Hello"_s, friendName, friendEmail), "");
    values("placeholder and line break is a message",
           Values(name, email, text, friendName, friendEmail), "");
    values("placeholders in other letter case",
           Values(u"your name"_s, email, u"your message"_s, u"friend's name"_s, friendEmail), "");
    values("tabs are not blanks",
           Values(u"\t"_s, email, u"\r\n"_s, u"\tFriend's Name"_s, friendEmail), "");
}

void TestTellAFriend::checksTheValuesInOrder()
{
    QFETCH(ReferralValues, values);
    QFETCH(QString, message);
    QCOMPARE(checkReferral(values).value_or(QString()), message);
}

QTEST_GUILESS_MAIN(TestTellAFriend)
#include "tst_tellafriend.moc"
