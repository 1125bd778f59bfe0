#include "tellafriend.h"

#include "pages.h"

#include <utility>

namespace vorn {

QString NamePlaceholder()
{
    return QStringLiteral("Your Name");
}

QString EmailPlaceholder()
{
    return QStringLiteral("Your Email Address");
}

QString MessagePlaceholder()
{
    return QStringLiteral("Your Message");
}

QString FriendNamePlaceholder()
{
    return QStringLiteral("Friend's Name");
}

QString FriendEmailPlaceholder()
{
    return QStringLiteral("Friend's Email Address");
}

QString TrimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

ReferralValues TrimmedValues(const ReferralValues &fields)
{
    return {TrimBlanks(fields.name), TrimBlanks(fields.email), TrimBlanks(fields.message),
            TrimBlanks(fields.friendName), TrimBlanks(fields.friendEmail)};
}

QUrl ReferAFriendEndpoint()
{
    return QUrl(QStringLiteral("http://") + MakerHost()
                    + QStringLiteral("/vornwell-refer-a-friend.php"),
                QUrl::StrictMode);
}

QUrl ProductHomePage()
{
    return QUrl(QStringLiteral("http://") + ProductHost() + QStringLiteral("/"), QUrl::StrictMode);
}

QUrl TellAFriendUrl(const ReferralValues &values)
{
    const std::pair<const char *, QString> items[] = {
        {"taf1", values.name},        {"taf2", values.email},
        {"taf3", values.message},     {"taf4", values.friendName},
        {"taf5", values.friendEmail}, {"taf6", ProductHomePage().toString(QUrl::FullyEncoded)},
    };
    // QUrlQuery would leave "+" (and ";") as they are, and the page's form decoding reads "+"
    // as a blank; encoding everything but the unreserved characters keeps every value intact.
    QString query;
    for (const auto &[key, value] : items) {
        if (!query.isEmpty())
            query += u'&';
        query += QLatin1String(key) + u'=' + QString::fromLatin1(QUrl::toPercentEncoding(value));
    }
    QUrl url = ReferAFriendEndpoint();
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

void SendTellAFriend(const ReferralValues &values,
                     const std::function<void(const QString &message)> &showMessage,
                     const std::function<void(const QUrl &url)> &open)
{
    const struct
    {
        const QString &value;
        QString placeholder;
        const char *message;
    } checks[] = {
        {values.name, NamePlaceholder(), "Please Enter Your Name"},
        {values.email, EmailPlaceholder(), "Please Enter Your Email"},
        {values.message, MessagePlaceholder(), "Please Enter Your Message"},
        {values.friendName, FriendNamePlaceholder(), "Please Enter Your Friend's Name"},
        {values.friendEmail, FriendEmailPlaceholder(), "Please Enter Your Friend's Email"},
    };
    for (const auto &check : checks) {
        const QString value = TrimBlanks(check.value);
        if (value.isEmpty() || value == check.placeholder) {
            showMessage(QLatin1String(check.message));
            return;
        }
    }
    open(TellAFriendUrl(values));
}

} // namespace vorn
