// The settings file format: each kind of value written and read back, hand-
// written lines, lines it cannot read, and %NAME% expansion.
#include "settingsformat.h"

#include <QBuffer>
#include <QTest>

namespace {

QByteArray written(const QSettings::SettingsMap& map)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!SettingsFormat::write(buffer, map))
        return QByteArray();
    return buffer.data();
}

QSettings::SettingsMap readBack(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    const bool ok = SettingsFormat::read(buffer, map);
    Q_ASSERT(ok); // the reader never gives up on a file
    return map;
}

// The values only, without the lines kept for rewriting.
QSettings::SettingsMap values(const QSettings::SettingsMap& map)
{
    QSettings::SettingsMap result;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.value().typeId() != qMetaTypeId<UnreadableLine>())
            result.insert(it.key(), it.value());
    }
    return result;
}

QList<QByteArray> unreadableLines(const QSettings::SettingsMap& map)
{
    QList<QByteArray> lines;
    for (const QVariant& value : map) {
        if (value.typeId() == qMetaTypeId<UnreadableLine>())
            lines << value.value<UnreadableLine>().bytes;
    }
    return lines;
}

QString describe(const QVariant& value)
{
    if (!value.isValid())
        return QStringLiteral("nothing");
    if (value.typeId() == QMetaType::Int)
        return QStringLiteral("number %1").arg(value.toInt());
    if (value.typeId() == QMetaType::QString)
        return QStringLiteral("text [%1]").arg(value.toString());
    if (value.typeId() == qMetaTypeId<ExpandableText>())
        return QStringLiteral("expandable [%1]").arg(value.value<ExpandableText>().text);
    return QStringLiteral("other");
}

} // namespace

class TestSettingsFormat : public QObject {
    Q_OBJECT

private slots:
    void valueSurvivesWriteAndRead_data();
    void valueSurvivesWriteAndRead();
    void handWrittenLine_data();
    void handWrittenLine();
    void fileIsPlainReadableText();
    void commentsBlankLinesAndByteOrderMarkAreSkipped();
    void unreadableLinesAreWrittenBackUnchanged();
    void expandsEnvironmentReferences_data();
    void expandsEnvironmentReferences();
};

void TestSettingsFormat::valueSurvivesWriteAndRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("zero") << QStringLiteral("级别") << QVariant(0);
    QTest::newRow("negative") << QStringLiteral("雷数") << QVariant(-40);
    QTest::newRow("smallest 32-bit") << QStringLiteral("横") << QVariant(std::numeric_limits<int>::min());
    QTest::newRow("largest 32-bit") << QStringLiteral("纵") << QVariant(std::numeric_limits<int>::max());
    QTest::newRow("empty text") << QStringLiteral("标记") << QVariant(QString());
    QTest::newRow("text of digits stays text") << QStringLiteral("级别") << QVariant(QStringLiteral("2"));
    QTest::newRow("trailing blank") << QStringLiteral("标记") << QVariant(QStringLiteral("真 "));
    QTest::newRow("leading blanks and tab") << QStringLiteral("初级") << QVariant(QStringLiteral("  \t999秒;佚名"));
    QTest::newRow("line breaks") << QStringLiteral("中级") << QVariant(QStringLiteral("57秒;第一行\r\n第二行\n"));
    QTest::newRow("quotes and backslashes") << QStringLiteral("高级")
                                            << QVariant(QStringLiteral("\"a\\b\" \\u0041 \\"));
    QTest::newRow("control characters") << QStringLiteral("高级") << QVariant(QString::fromUtf16(u"\u0001\u001f\u007f\u0000x"));
    QTest::newRow("looks like a comment or a number") << QStringLiteral("初级") << QVariant(QStringLiteral("# 12 = 3"));
    QTest::newRow("beyond the basic plane") << QStringLiteral("初级") << QVariant(QString::fromUtf16(u"57秒;\U0001F600"));
    QTest::newRow("expandable text") << QStringLiteral("路径")
                                     << QVariant::fromValue(ExpandableText{QStringLiteral("%HOME%/记录 \"x\"")});
    QTest::newRow("name with equals sign") << QStringLiteral("a = b") << QVariant(1);
    QTest::newRow("name with blanks around") << QStringLiteral(" 级别 ") << QVariant(2);
    QTest::newRow("name like a comment") << QStringLiteral("#级别") << QVariant(3);
    QTest::newRow("name starting with a quote") << QStringLiteral("\"级别") << QVariant(4);
    QTest::newRow("name with a line break") << QStringLiteral("级\n别") << QVariant(5);
}

void TestSettingsFormat::valueSurvivesWriteAndRead()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);

    const QSettings::SettingsMap map = readBack(written({{name, value}, {QStringLiteral("其他"), 7}}));

    QCOMPARE(map.size(), 2);
    QCOMPARE(describe(map.value(name)), describe(value));
    QCOMPARE(map.value(QStringLiteral("其他")), QVariant(7));
}

void TestSettingsFormat::handWrittenLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // as describe() gives it; "unreadable" when skipped

    const QString level = QStringLiteral("级别");
    const QString marks = QStringLiteral("标记");
    const QString unreadable = QStringLiteral("unreadable");
    QTest::newRow("no blanks") << QByteArray("级别=3") << level << "number 3";
    QTest::newRow("many blanks and tabs") << QByteArray(" \t级别 \t=  -7 \t") << level << "number -7";
    QTest::newRow("plus sign") << QByteArray("级别 = +5") << level << "number 5";
    QTest::newRow("leading zeros") << QByteArray("级别 = 0010") << level << "number 10";
    QTest::newRow("line ending CR LF") << QByteArray("级别 = 4\r") << level << "number 4";
    QTest::newRow("beyond 32 bits") << QByteArray("级别 = 2147483648") << level << unreadable;
    QTest::newRow("far beyond 64 bits") << QByteArray("级别 = 99999999999999999999999") << level << unreadable;
    QTest::newRow("fraction") << QByteArray("级别 = 3.5") << level << unreadable;
    QTest::newRow("exponent") << QByteArray("级别 = 3e2") << level << unreadable;
    QTest::newRow("letters after number") << QByteArray("级别 = 3x") << level << unreadable;
    QTest::newRow("full-width digits") << QByteArray("级别 = ３") << level << unreadable;
    QTest::newRow("no value") << QByteArray("级别 =") << level << unreadable;
    QTest::newRow("no equals sign") << QByteArray("级别 3") << level << unreadable;
    QTest::newRow("no name") << QByteArray(" = 3") << level << unreadable;
    QTest::newRow("text") << QByteArray("标记 = \"真\"") << marks << "text [真]";
    QTest::newRow("text with equals sign") << QByteArray("标记=\"a=b\"") << marks << "text [a=b]";
    QTest::newRow("unicode escape") << QByteArray("标记 = \"\\u771f\"") << marks << "text [真]";
    QTest::newRow("bare word") << QByteArray("标记 = 真") << marks << unreadable;
    QTest::newRow("text then more") << QByteArray("标记 = \"真\" x") << marks << unreadable;
    QTest::newRow("text without closing quote") << QByteArray("标记 = \"真") << marks << unreadable;
    QTest::newRow("unknown escape") << QByteArray("标记 = \"\\q\"") << marks << unreadable;
    QTest::newRow("short unicode escape") << QByteArray("标记 = \"\\u77\"") << marks << unreadable;
    QTest::newRow("bad unicode escape") << QByteArray("标记 = \"\\u77g1\"") << marks << unreadable;
    QTest::newRow("expandable") << QByteArray("标记 = expand \"%HOME%\"") << marks << "expandable [%HOME%]";
    QTest::newRow("expandable without blank") << QByteArray("标记 = expand\"x\"") << marks << "expandable [x]";
    QTest::newRow("expandable number") << QByteArray("标记 = expand 5") << marks << unreadable;
    QTest::newRow("quoted name") << QByteArray("\"标记 \" = 1") << QStringLiteral("标记 ") << "number 1";
    QTest::newRow("quoted name without equals") << QByteArray("\"标记\" 1") << marks << unreadable;
    QTest::newRow("not UTF-8") << QByteArray("\xb1\xea\xbc\xc7 = 1") << marks << unreadable;
}

void TestSettingsFormat::handWrittenLine()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    const QSettings::SettingsMap map = readBack("其他 = 1\n" + line + "\n另一个 = \"2\"\n");

    QCOMPARE(map.value(QStringLiteral("其他")), QVariant(1));
    QCOMPARE(map.value(QStringLiteral("另一个")), QVariant(QStringLiteral("2")));
    if (expected == QStringLiteral("unreadable")) {
        QCOMPARE(values(map).size(), 2);
        QCOMPARE(unreadableLines(map), QList<QByteArray>{line});
    } else {
        QCOMPARE(describe(map.value(name)), expected);
        QVERIFY(unreadableLines(map).isEmpty());
    }
}

void TestSettingsFormat::fileIsPlainReadableText()
{
    const QByteArray file = written({{QStringLiteral("级别"), 10},
                                     {QStringLiteral("横"), 20},
                                     {QStringLiteral("插旗错误"), QStringLiteral("真")},
                                     {QStringLiteral("初级"), QStringLiteral("999秒;佚名")}});

    QList<QByteArray> lines = file.split('\n');
    QVERIFY(lines.first().startsWith("# "));
    lines.removeIf([](const QByteArray& line) { return line.startsWith('#') || line.isEmpty(); });
    std::sort(lines.begin(), lines.end());
    QList<QByteArray> expected{"级别 = 10", "横 = 20", "插旗错误 = \"真\"", "初级 = \"999秒;佚名\""};
    std::sort(expected.begin(), expected.end());
    QCOMPARE(lines, expected);
}

void TestSettingsFormat::commentsBlankLinesAndByteOrderMarkAreSkipped()
{
    const QSettings::SettingsMap map =
        readBack("\xEF\xBB\xBF# a comment = 1\n\n   \n\t# 级别 = 2\r\n级别 = 3\n  \n");

    QCOMPARE(map, (QSettings::SettingsMap{{QStringLiteral("级别"), 3}}));
}

void TestSettingsFormat::unreadableLinesAreWrittenBackUnchanged()
{
    QByteArray noise(64, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 97 + 13) % 256 == '\n' ? 'x' : (i * 97 + 13) % 256);
    const QByteArray original = "级别 = 1x\n"
                                "横 = 20\n"
                                + noise + "\n"
                                "插旗错误 = \"真\"\n"
                                "初级 = \"57秒;半截";

    const QSettings::SettingsMap first = readBack(original);
    const QByteArray rewritten = written(first);
    const QSettings::SettingsMap second = readBack(rewritten);

    QCOMPARE(values(first), (QSettings::SettingsMap{{QStringLiteral("横"), 20},
                                                    {QStringLiteral("插旗错误"), QStringLiteral("真")}}));
    const QList<QByteArray> kept{"级别 = 1x", noise, "初级 = \"57秒;半截"};
    QCOMPARE(unreadableLines(first), kept);
    for (const QByteArray& line : kept)
        QVERIFY(rewritten.contains(line + '\n'));
    QCOMPARE(values(second), values(first));
    QCOMPARE(unreadableLines(second), kept);
}

void TestSettingsFormat::expandsEnvironmentReferences_data()
{
    qputenv("TOLVY_TEST_A", "alpha");
    qputenv("TOLVY_TEST_EMPTY", "");
    qunsetenv("TOLVY_TEST_UNSET");
    qputenv("TOLVY_TEST_CJK", "张三");

    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << "%TOLVY_TEST_A%" << "alpha";
    QTest::newRow("inside") << "57秒;x%TOLVY_TEST_A%y" << "57秒;xalphay";
    QTest::newRow("twice") << "%TOLVY_TEST_A%%TOLVY_TEST_A%" << "alphaalpha";
    QTest::newRow("non-ASCII value") << "57秒;%TOLVY_TEST_CJK%" << "57秒;张三";
    QTest::newRow("set but empty") << "[%TOLVY_TEST_EMPTY%]" << "[]";
    QTest::newRow("unknown stays") << "57秒;%TOLVY_TEST_UNSET%" << "57秒;%TOLVY_TEST_UNSET%";
    QTest::newRow("unknown then known") << "%TOLVY_TEST_UNSET%TOLVY_TEST_A%" << "%TOLVY_TEST_UNSETalpha";
    QTest::newRow("no closing percent") << "50%TOLVY_TEST_A" << "50%TOLVY_TEST_A";
    QTest::newRow("double percent") << "100%%" << "100%%";
    QTest::newRow("no references") << "999秒;佚名" << "999秒;佚名";
}

void TestSettingsFormat::expandsEnvironmentReferences()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(SettingsFormat::expandEnvironment(text), expected);
}

QTEST_GUILESS_MAIN(TestSettingsFormat)
#include "tst_settingsformat.moc"
