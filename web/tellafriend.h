// The tell-a-friend request: five values from the support window's form, checked and sent as
// the query of the maker's refer-a-friend page, opened in the browser.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

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
QString namePlaceholder();
QString emailPlaceholder();
QString messagePlaceholder();
QString friendNamePlaceholder();
QString friendEmailPlaceholder();

// Removes leading and trailing blanks (the space character only; tabs and line breaks stay).
QString trimBlanks(const QString &text);

// The values as the form holds them, each trimmed of blanks.
ReferralValues trimmedValues(const ReferralValues &fields);

// The refer-a-friend page and the product's home page ("http://<product host>/").
QUrl referAFriendEndpoint();
QUrl productHomePage();

// The address of the request: the endpoint with taf1 to taf6 in this order, each value
// percent-encoded as UTF-8 so that no character of a value can add or change a parameter.
QUrl tellAFriendUrl(const ReferralValues &values);

// The checks of the form on the values as the fields hold them, each trimmed of blanks, in
// order: the two addresses differ, both hold an "@", both hold a "."; then each of the five
// values, in the order of the request, is neither empty nor its placeholder. The message of
// the first check that fails, or nothing when the request may be sent.
std::optional<QString> checkReferral(const ReferralValues &fields);

} // namespace vorn
