// The tell-a-friend request: five values from the support window's form, checked and sent as
// the query of the maker's refer-a-friend page, opened in the browser.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace vorn {

struct ReferralValues
{
    QString name; // taf1
    QString email; // taf2
    QString message; // taf3
    QString friendName; // taf4
    QString friendEmail; // taf5
};

// The placeholders of the five form fields.
QString NamePlaceholder();
QString EmailPlaceholder();
QString MessagePlaceholder();
QString FriendNamePlaceholder();
QString FriendEmailPlaceholder();

// Removes leading and trailing blanks (the space character only; tabs and line breaks stay).
QString TrimBlanks(const QString &text);

// The values as the form holds them, each trimmed of blanks.
ReferralValues TrimmedValues(const ReferralValues &fields);

// The refer-a-friend page and the product's home page ("http://<product host>/").
QUrl ReferAFriendEndpoint();
QUrl ProductHomePage();

// The address of the request: the endpoint with taf1 to taf6 in this order, each value
// percent-encoded as UTF-8 so that no character of a value can add or change a parameter.
QUrl TellAFriendUrl(const ReferralValues &values);

// Checks the five values in their order; the first that is empty or still its placeholder
// gives its message ("Please Enter Your Name", ...) and nothing is opened. Otherwise opens
// TellAFriendUrl(values) through open.
void SendTellAFriend(const ReferralValues &values,
                     const std::function<void(const QString &message)> &showMessage,
                     const std::function<void(const QUrl &url)> &open);

} // namespace vorn
