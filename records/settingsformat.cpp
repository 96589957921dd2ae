// The settings file format:
//
//     级别 = 10
//     插旗错误 = "真"
//     初级 = "999秒;佚名"
//     某值 = expand "%HOME%/记录"
//
// A bare whole number is a 32-bit number, a text stands in double quotes with
// \\ \" \n \r \t and \uXXXX escapes, and "expand" marks a text whose %NAME%
// references are filled in when it is read. Names that could be misread are
// written in double quotes too. Lines starting with # are comments.
#include "settingsformat.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr char header[] =
    "# Tolvy扫雷 settings. One value a line: NAME = VALUE, where VALUE is a whole number,\n"
    "# a \"text\" in double quotes, or expand \"text\" whose %NAME% parts come from the environment.\n";

constexpr QStringView expandWord = u"expand";

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

void skipBlanks(QStringView line, qsizetype& pos)
{
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A text in double quotes starting at pos; pos ends behind the closing quote.
std::optional<QString> readQuoted(QStringView line, qsizetype& pos)
{
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        switch (line[pos].unicode()) {
        case u'\\': text += u'\\'; break;
        case u'"': text += u'"'; break;
        case u'n': text += u'\n'; break;
        case u'r': text += u'\r'; break;
        case u't': text += u'\t'; break;
        case u'u': {
            if (pos + 4 >= line.size())
                return std::nullopt;
            const QStringView digits = line.sliced(pos + 1, 4);
            if (!std::all_of(digits.begin(), digits.end(), isHexDigit))
                return std::nullopt;
            text += QChar(char16_t(digits.toUInt(nullptr, 16)));
            pos += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// A whole number that fits 32 bits, and nothing else.
std::optional<int> readNumber(QStringView text)
{
    qsizetype digitsFrom = !text.isEmpty() && (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    const QStringView digits = text.sliced(digitsFrom);
    if (digits.isEmpty() || digits.size() > 20
        || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

struct Entry {
    QString name;
    QVariant value;
};

std::optional<Entry> parseLine(QStringView line)
{
    qsizetype pos = 0;
    skipBlanks(line, pos);
    QString name;
    if (pos < line.size() && line[pos] == u'"') {
        const std::optional<QString> quoted = readQuoted(line, pos);
        if (!quoted)
            return std::nullopt;
        name = *quoted;
        skipBlanks(line, pos);
        if (pos >= line.size() || line[pos] != u'=')
            return std::nullopt;
        ++pos;
    } else {
        const qsizetype equals = line.indexOf(u'=', pos);
        if (equals < 0)
            return std::nullopt;
        name = line.sliced(pos, equals - pos).trimmed().toString();
        pos = equals + 1;
    }
    if (name.isEmpty())
        return std::nullopt;

    skipBlanks(line, pos);
    QVariant value;
    bool expandable = false;
    if (line.sliced(pos).startsWith(expandWord)) {
        expandable = true;
        pos += expandWord.size();
        skipBlanks(line, pos);
    }
    if (pos < line.size() && line[pos] == u'"') {
        const std::optional<QString> text = readQuoted(line, pos);
        if (!text)
            return std::nullopt;
        skipBlanks(line, pos);
        if (pos != line.size())
            return std::nullopt;
        value = expandable ? QVariant::fromValue(ExpandableText{*text}) : QVariant(*text);
    } else {
        if (expandable)
            return std::nullopt;
        const std::optional<int> number = readNumber(line.sliced(pos).trimmed());
        if (!number)
            return std::nullopt;
        value = *number;
    }
    return Entry{name, value};
}

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u'"': out += u"\\\""; break;
        case u'\n': out += u"\\n"; break;
        case u'\r': out += u"\\r"; break;
        case u'\t': out += u"\\t"; break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

// Names go out bare where the reader takes them back unchanged, else quoted.
QString nameText(const QString& name)
{
    const bool bare = !name.isEmpty() && name.front() != u'"' && name.front() != u'#'
        && !name.front().isSpace() && !name.back().isSpace() && !name.contains(u'=')
        && std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    return bare ? name : quoted(name);
}

QString valueText(const QVariant& value)
{
    if (value.typeId() == QMetaType::Int)
        return QString::number(value.toInt());
    if (value.typeId() == qMetaTypeId<ExpandableText>())
        return expandWord.toString() + u' ' + quoted(value.value<ExpandableText>().text);
    return quoted(value.toString());
}

// Unreadable lines keep their order behind the values; the key cannot be typed as a name.
QString unreadableKey(int lineNumber)
{
    return QStringLiteral("\x01line %1").arg(lineNumber, 8, 10, QLatin1Char('0'));
}

} // namespace

namespace SettingsFormat {

bool read(QIODevice& device, QSettings::SettingsMap& map)
{
    QByteArray data = device.readAll();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);

    const QList<QByteArray> lines = data.split('\n');
    for (int number = 0; number < lines.size(); ++number) {
        QByteArray line = lines[number];
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;

        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder(line);
        const std::optional<Entry> entry = decoder.hasError() ? std::nullopt : parseLine(text);
        if (entry)
            map.insert(entry->name, entry->value);
        else
            map.insert(unreadableKey(number), QVariant::fromValue(UnreadableLine{line}));
    }
    return true;
}

bool write(QIODevice& device, const QSettings::SettingsMap& map)
{
    QByteArray out = header;
    QByteArray kept;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.value().typeId() == qMetaTypeId<UnreadableLine>())
            kept += it.value().value<UnreadableLine>().bytes + '\n';
        else
            out += (nameText(it.key()) + QStringLiteral(" = ") + valueText(it.value())).toUtf8() + '\n';
    }
    out += kept;
    return device.write(out) == out.size();
}

QString expandEnvironment(const QString& text)
{
    QString out;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = text.indexOf(u'%', pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            out += QStringView(text).sliced(pos);
            return out;
        }
        const QString name = text.sliced(open + 1, close - open - 1);
        const QByteArray variable = name.toUtf8();
        if (!name.isEmpty() && !name.contains(u'=') && qEnvironmentVariableIsSet(variable.constData())) {
            out += QStringView(text).sliced(pos, open - pos);
            out += qEnvironmentVariable(variable.constData());
            pos = close + 1;
        } else {
            // Kept as written; its closing % may open the next reference.
            out += QStringView(text).sliced(pos, close - pos);
            pos = close;
        }
    }
}

} // namespace SettingsFormat
