// The CSV reader of list runs: every input read a byte per read, and whole from a file.

#include <QTemporaryFile>
#include <QTest>
#include <app/csvreader.h>
#include <cerrno>
#include <unistd.h>

using namespace vorn;
using namespace Qt::StringLiterals;
using Result = CsvReader::Result;
Q_DECLARE_METATYPE(vorn::CsvLimits)

namespace {

constexpr const char *ResultNames[] = {
    "Record",        "End",         "RecordTooLong", "TooManyFields",
    "UnclosedQuote", "InvalidUtf8", "NulByte",       "ReadError",
};

// Every result up to End or a fatal one: a record as "line:field|field", any other result as
// "Name@line". The last result must repeat.
QStringList ReadAll(CsvReader &reader, qsizetype size)
{
    QStringList seen;
    std::vector<std::string> fields;
    for (;;) {
        const Result result = reader.readRecord(fields);
        const std::uint64_t line = reader.line();
        if (result == Result::Record) {
            std::string text = std::to_string(line) + ':';
            for (const std::string &field : fields)
                text += field + '|';
            text.pop_back();
            seen << QString::fromStdString(text);
            continue;
        }
        seen << QString::fromLatin1(ResultNames[int(result)]) + u'@' + QString::number(line);
        if (result == Result::ReadError)
            seen << u"errno "_s + QString::number(reader.readErrno());
        if (result == Result::End && reader.bytesConsumed() != std::uint64_t(size))
            seen << u"consumed "_s + QString::number(reader.bytesConsumed());
        if (result == Result::RecordTooLong || result == Result::TooManyFields)
            continue;
        if (reader.readRecord(fields) != result || reader.line() != line)
            seen << u"not repeated"_s;
        return seen;
    }
}

void Row(const char *name, const QByteArray &input, const QStringList &expected,
         CsvLimits limits = {}, bool readFails = false)
{
    QTest::newRow(name) << input << expected << limits << readFails;
}

} // namespace

class TestCsvReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsRecordsOrSaysWhyNot_data();
    void readsRecordsOrSaysWhyNot();
};

void TestCsvReader::readsRecordsOrSaysWhyNot_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<CsvLimits>("limits");
    QTest::addColumn<bool>("readFails");

    const QByteArray huge = "\"" + QByteArray(3 << 20, 'x') + "\n\"\nnext\n";
    const CsvLimits eightBytes{.maxRecordBytes = 8}, threeFields{.maxFields = 3};

    Row("header and row", "first,middle,last,born\nAnn,,Lee,1990-01-02\n",
        {u"1:first|middle|last|born"_s, u"2:Ann||Lee|1990-01-02"_s, u"End@3"_s});
    Row("byte order mark", "\xEF\xBB\xBFx,y\nz\xEF\xBB\xBF\n",
        {u"1:x|y"_s, u"2:z\uFEFF"_s, u"End@3"_s});
    Row("CRLF", "a,b\r\nc\r\n", {u"1:a|b"_s, u"2:c"_s, u"End@3"_s});
    Row("lone CR", "a\rb\rc", {u"1:a"_s, u"2:b"_s, u"3:c"_s, u"End@3"_s});
    Row("empty lines of each break", "\n\r\na\n\r\r\nb\r\n\n", {u"3:a"_s, u"6:b"_s, u"End@8"_s});
    Row("quoted commas and quotes", "\"Lee, Ann\",\"say \"\"hi\"\"\",\"\",x,",
        {u"1:Lee, Ann|say \"hi\"||x|"_s, u"End@1"_s});
    Row("quoted line breaks", "\"a\r\nb\nc\rd\",e\nf\n",
        {u"1:a\r\nb\nc\rd|e"_s, u"5:f"_s, u"End@6"_s});
    Row("blank line is a record", " \n", {u"1: "_s, u"End@2"_s});
    Row("quote inside unquoted", "a,b\"c\"\",d", {u"1:a|b\"c\"\"|d"_s, u"End@1"_s});
    Row("text after closing quote", "\"ab\"c \"d\",e", {u"1:abc \"d\"|e"_s, u"End@1"_s});
    Row("UTF-8 of each length", "Zo\xC3\xAB,\xE6\x9D\x8E,\xF0\x9F\x98\x80,\xF4\x8F\xBF\xBF",
        {u"1:Zoë|李|😀|\U0010FFFF"_s, u"End@1"_s});
    Row("record at the limit", "12345678\n1234567\r\n",
        {u"1:12345678"_s, u"2:1234567"_s, u"End@3"_s}, eightBytes);
    Row("record past the limit", "abc\n123456789\nxyz",
        {u"1:abc"_s, u"RecordTooLong@2"_s, u"3:xyz"_s, u"End@3"_s}, eightBytes);
    Row("comma past the limit", "12345678,\n\"1\n2345678\",\nok",
        {u"RecordTooLong@1"_s, u"RecordTooLong@2"_s, u"4:ok"_s, u"End@4"_s}, eightBytes);
    Row("huge field", huge, {u"RecordTooLong@1"_s, u"3:next"_s, u"End@4"_s});
    Row("fields at the limit", "a,b,c\n,,", {u"1:a|b|c"_s, u"2:||"_s, u"End@2"_s}, threeFields);
    Row("fields past the limit", "a,b,c,d\n\"x,y\",z\n,,,\"\n\",\n1",
        {u"TooManyFields@1"_s, u"2:x,y|z"_s, u"TooManyFields@3"_s, u"5:1"_s, u"End@5"_s},
        threeFields);
    Row("unclosed quote", "a\n\"b\nc\",\"d\ne\n", {u"1:a"_s, u"UnclosedQuote@3"_s});
    Row("unclosed quote past the limit", "\"1234\n56789\n",
        {u"RecordTooLong@1"_s, u"UnclosedQuote@1"_s}, eightBytes);
    Row("overlong two bytes", "ok\nx\xC0\x80", {u"1:ok"_s, u"InvalidUtf8@2"_s});
    Row("overlong three bytes", "\xE0\x9F\xBF", {u"InvalidUtf8@1"_s});
    Row("overlong four bytes", "\xF0\x8F\xBF\xBF", {u"InvalidUtf8@1"_s});
    Row("surrogate", "\"\n\xED\xA0\x80\"", {u"InvalidUtf8@2"_s});
    Row("past U+10FFFF", "\xF4\x90\x80\x80", {u"InvalidUtf8@1"_s});
    Row("no lead byte beyond F4", "\xF5\x80\x80\x80", {u"InvalidUtf8@1"_s});
    Row("stray continuation", "a\x80", {u"InvalidUtf8@1"_s});
    Row("cut by a comma", "\xE2\x82,", {u"InvalidUtf8@1"_s});
    Row("cut by a line break", "\"\xC3\n\"", {u"InvalidUtf8@1"_s});
    Row("cut by the end", "ok\n\xF0\x9F\x98", {u"1:ok"_s, u"InvalidUtf8@2"_s});
    Row("NUL", "a\n\"b\n\0\""_ba, {u"1:a"_s, u"NulByte@3"_s});
    Row("read error", "a\nb", {u"1:a"_s, u"ReadError@2"_s, u"errno 5"_s}, {}, true);
}

void TestCsvReader::readsRecordsOrSaysWhyNot()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    QFETCH(CsvLimits, limits);
    QFETCH(bool, readFails);

    qsizetype at = 0;
    CsvReader bytewise(
        [&](char *buffer, std::size_t) -> std::ptrdiff_t {
            if (at < input.size()) {
                *buffer = input[at++];
                return 1;
            }
            errno = EIO;
            return readFails ? -1 : 0;
        },
        limits);
    const QStringList seen = ReadAll(bytewise, input.size());
    QVERIFY2(seen == expected, qPrintable(u"a byte a read: "_s + seen.join(u", ")));
    if (readFails)
        return;

    // A file gives the whole input in one read, up to the reader's buffer.
    QTemporaryFile file;
    QVERIFY(file.open() && file.write(input) == input.size() && file.flush());
    QCOMPARE(::lseek(file.handle(), 0, SEEK_SET), 0);
    CsvReader whole(fileDescriptorSource(file.handle()), limits);
    QCOMPARE(ReadAll(whole, input.size()), expected);
}

QTEST_GUILESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
