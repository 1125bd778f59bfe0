#include "tellafriend.h"

#include "pages.h"

#include <utility>

namespace vorn {

QString namePlaceholder()
{
    return QStringLiteral("Your Name");
}

QString emailPlaceholder()
{
    return QStringLiteral("Your Email Address");
}

QString messagePlaceholder()
{
    return QStringLiteral("Your Message");
}

QString friendNamePlaceholder()
{
    return QStringLiteral("Friend's Name");
}

QString friendEmailPlaceholder()
{
    return QStringLiteral("Friend's Email Address");
}

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

ReferralValues trimmedValues(const ReferralValues &fields)
{
    return {trimBlanks(fields.name), trimBlanks(fields.email), trimBlanks(fields.message),
            trimBlanks(fields.friendName), trimBlanks(fields.friendEmail)};
}

QUrl referAFriendEndpoint()
{
    return QUrl(QStringLiteral("http://") + makerHost()
                    + QStringLiteral("/vornwell-refer-a-friend.php"),
                QUrl::StrictMode);
}

QUrl productHomePage()
{
    return QUrl(QStringLiteral("http://") + productHost() + QStringLiteral("/"), QUrl::StrictMode);
}

QUrl tellAFriendUrl(const ReferralValues &values)
{
    const std::pair<const char *, QString> items[] = {
        {"taf1", values.name},        {"taf2", values.email},
        {"taf3", values.message},     {"taf4", values.friendName},
        {"taf5", values.friendEmail}, {"taf6", productHomePage().toString(QUrl::FullyEncoded)},
    };
    // QUrlQuery would leave "+" (and ";") as they are, and the page's form decoding reads "+"
    // as a blank; encoding everything but the unreserved characters keeps every value intact.
    QString query;
    for (const auto &[key, value] : items) {
        if (!query.isEmpty())
            query += u'&';
        query += QLatin1String(key) + u'=' + QString::fromLatin1(QUrl::toPercentEncoding(value));
    }
    QUrl url = referAFriendEndpoint();
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

std::optional<QString> checkReferral(const ReferralValues &fields)
{
    const ReferralValues values = trimmedValues(fields);
    if (values.email == values.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    for (const QChar mark : {u'@', u'.'}) {
        if (!values.email.contains(mark) || !values.friendEmail.contains(mark))
            return QStringLiteral("Please Enter Proper Email Address");
    }
    const struct
    {
        const QString &value;
        QString placeholder;
        const char *message;
    } checks[] = {
        {values.name, namePlaceholder(), "Please Enter Your Name"},
        {values.email, emailPlaceholder(), "Please Enter Your Email"},
        {values.message, messagePlaceholder(), "Please Enter Your Message"},
        {values.friendName, friendNamePlaceholder(), "Please Enter Your Friend's Name"},
        {values.friendEmail, friendEmailPlaceholder(), "Please Enter Your Friend's Email"},
    };
    for (const auto &check : checks) {
        if (check.value.isEmpty() || check.value == check.placeholder)
            return QLatin1String(check.message);
    }
    return std::nullopt;
}

} // namespace vorn
