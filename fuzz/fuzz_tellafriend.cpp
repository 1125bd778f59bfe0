// Whatever the five fields of the tell-a-friend form hold, the address sent carries exactly
// taf1 to taf6, in order, and reading its query back gives exactly the values held.
//
// Input layout (FuzzedDataProvider): name, email, message and friend's name as
// backslash-terminated strings ("\\" is a literal backslash); the rest is the friend's email.
// Each is decoded as UTF-8, as the form's text boxes would hold it.

#include "web/tellafriend.h"

#include <QUrlQuery>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

QString FromUtf8(const std::string &bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    vorn::ReferralValues values;
    values.name = FromUtf8(input.ConsumeRandomLengthString());
    values.email = FromUtf8(input.ConsumeRandomLengthString());
    values.message = FromUtf8(input.ConsumeRandomLengthString());
    values.friendName = FromUtf8(input.ConsumeRandomLengthString());
    values.friendEmail = FromUtf8(input.ConsumeRemainingBytesAsString());

    const QUrl url = vorn::tellAFriendUrl(values);
    Require(url.isValid());
    Require(url.adjusted(QUrl::RemoveQuery) == vorn::referAFriendEndpoint());

    const QString expected[] = {
        values.name,       values.email,       values.message,
        values.friendName, values.friendEmail, vorn::productHomePage().toString(),
    };
    const QUrlQuery query(url.query(QUrl::FullyEncoded));
    const auto items = query.queryItems(QUrl::FullyEncoded);
    Require(items.size() == 6);
    for (qsizetype i = 0; i < items.size(); ++i) {
        Require(items[i].first == QString(QStringLiteral("taf") + QString::number(i + 1)));
        Require(QUrl::fromPercentEncoding(items[i].second.toLatin1()) == expected[i]);
    }
    return 0;
}
