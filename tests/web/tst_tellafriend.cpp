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
    QCOMPARE(TrimBlanks(text), trimmed);
}

void TestTellAFriend::trimsEveryValueInItsPlace()
{
    const ReferralValues trimmed
        = TrimmedValues(Values(u" n "_s, u" e "_s, u" m\r\n "_s, u" fn "_s, u" fe "_s));
    QCOMPARE(trimmed.name, u"n");
    QCOMPARE(trimmed.email, u"e");
    QCOMPARE(trimmed.message, u"m\r\n");
    QCOMPARE(trimmed.friendName, u"fn");
    QCOMPARE(trimmed.friendEmail, u"fe");
}

void TestTellAFriend::addressesAreThoseOfTheMakerAndTheProduct()
{
    QCOMPARE(ReferAFriendEndpoint().toString(),
             u"http://"_s + MakerHost() + u"/vornwell-refer-a-friend.php"_s);
    QCOMPARE(ProductHomePage().toString(), u"http://"_s + ProductHost() + u"/"_s);
    QVERIFY(ReferAFriendEndpoint().isValid());
    QVERIFY(ProductHomePage().isValid());
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
        {u"taf5"_s, values.friendEmail}, {u"taf6"_s, u"http://"_s + ProductHost() + u"/"_s},
    };

    const QUrl url = TellAFriendUrl(values);
    QVERIFY(url.isValid());
    QCOMPARE(url.adjusted(QUrl::RemoveQuery), ReferAFriendEndpoint());

    // The address as it is handed to the browser, read back as a browser and a server would.
    const QByteArray sent = url.toEncoded();
    QVERIFY(sent.startsWith(QByteArray(ReferAFriendEndpoint().toEncoded() + "?taf1=")));
    const QUrl received = QUrl::fromEncoded(sent, QUrl::StrictMode);
    QVERIFY(received.isValid());
    QVERIFY(!received.hasFragment());
    QCOMPARE(FormDecoded(received.query(QUrl::FullyEncoded).toLatin1()), expected);
    QCOMPARE(QUrlQuery(received).queryItems(QUrl::FullyDecoded), expected);
}

void TestTellAFriend::checksTheValuesInOrder_data()
{
    QTest::addColumn<ReferralValues>("values");
    QTest::addColumn<QString>("message"); // empty: the request is opened

    const QString name = u"Ann"_s;
    const QString email = u"ann@example.org"_s;
    const QString text = u"Your Message\r\n"_s;
    const QString friendName = u"Bob"_s;
    const QString friendEmail = u"bob@example.org"_s;

    QTest::newRow("all placeholders")
        << Values(NamePlaceholder(), EmailPlaceholder(), MessagePlaceholder(),
                  FriendNamePlaceholder(), FriendEmailPlaceholder())
        << u"Please Enter Your Name"_s;
    QTest::newRow("all empty") << Values({}, {}, {}, {}, {}) << u"Please Enter Your Name"_s;
    QTest::newRow("name blanks only")
        << Values(u"   "_s, email, text, friendName, friendEmail) << u"Please Enter Your Name"_s;
    QTest::newRow("name placeholder between blanks")
        << Values(u"  Your Name "_s, email, text, friendName, friendEmail)
        << u"Please Enter Your Name"_s;
    QTest::newRow("email placeholder")
        << Values(name, EmailPlaceholder(), text, friendName, friendEmail)
        << u"Please Enter Your Email"_s;
    QTest::newRow("email empty") << Values(name, QString(), text, friendName, friendEmail)
                                 << u"Please Enter Your Email"_s;
    QTest::newRow("message placeholder")
        << Values(name, email, MessagePlaceholder(), friendName, friendEmail)
        << u"Please Enter Your Message"_s;
    QTest::newRow("message placeholder between blanks")
        << Values(name, email, u" Your Message  "_s, friendName, friendEmail)
        << u"Please Enter Your Message"_s;
    QTest::newRow("message empty") << Values(name, email, QString(), friendName, friendEmail)
                                   << u"Please Enter Your Message"_s;
    QTest::newRow("friend's name placeholder")
        << Values(name, email, text, FriendNamePlaceholder(), friendEmail)
        << u"Please Enter Your Friend's Name"_s;
    QTest::newRow("friend's name blanks")
        << Values(name, email, text, u" "_s, friendEmail) << u"Please Enter Your Friend's Name"_s;
    QTest::newRow("friend's email placeholder")
        << Values(name, email, text, friendName, FriendEmailPlaceholder())
        << u"Please Enter Your Friend's Email"_s;
    QTest::newRow("friend's email empty") << Values(name, email, text, friendName, QString())
                                          << u"Please Enter Your Friend's Email"_s;
    QTest::newRow("later failures wait for the first")
        << Values(name, QString(), QString(), QString(), QString()) << u"Please Enter Your Email"_s;

    QTest::newRow("all given") << Values(name, email, u"Hello"_s, friendName, friendEmail)
                               << QString();
    QTest::newRow("placeholder and line break is a message")
        << Values(name, email, text, friendName, friendEmail) << QString();
    QTest::newRow("placeholders in other letter case")
        << Values(u"your name"_s, u"YOUR EMAIL ADDRESS"_s, u"your message"_s, u"friend's name"_s,
                  u"friend's email address"_s)
        << QString();
    QTest::newRow("tabs are not blanks")
        << Values(u"\t"_s, u"\t"_s, u"\r\n"_s, u"\tFriend's Name"_s, u"\t"_s) << QString();
}

void TestTellAFriend::checksTheValuesInOrder()
{
    QFETCH(ReferralValues, values);
    QFETCH(QString, message);

    QStringList messages;
    QList<QUrl> opened;
    SendTellAFriend(
        values, [&](const QString &text) { messages << text; },
        [&](const QUrl &url) { opened << url; });

    if (message.isEmpty()) {
        QCOMPARE(messages, QStringList());
        QCOMPARE(opened, QList<QUrl>{TellAFriendUrl(values)});
    } else {
        QCOMPARE(messages, QStringList{message});
        QCOMPARE(opened, QList<QUrl>());
    }
}

QTEST_GUILESS_MAIN(TestTellAFriend)
#include "tst_tellafriend.moc"
