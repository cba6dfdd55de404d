// libFuzzer target: the player database, parsed from memory.
//
// Any input is either refused with a DataError naming the file, or read as a
// list of trimmed names without characters nobody can type. For ASCII input the
// oracle reads the lines by its own account of the format and must find the
// same names and origins, or the same refusal.

#include "FuzzSupport.h"

#include "data/DataError.h"
#include "data/PlayerDatabase.h"

#include <cstdint>

namespace {

const QString kPath = QStringLiteral("/x/data.txt");

// "<name>@<origin>" for each name, or "line <n>" for a name nobody can type.
QStringList expected(const QStringList &lines)
{
    // ASCII's white space that a line can hold: tab, vertical tab, form feed, space.
    static const QRegularExpression outerSpaces(QStringLiteral("^[\\t\\x0b\\x0c ]+|[\\t\\x0b\\x0c ]+$"));
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
    QStringList names;
    QString origin;
    for (int i = 1; i <= std::min<int>(static_cast<int>(lines.size()), 1000); ++i) {
        const QString &line = lines[i - 1];
        if (line.trimmed().isEmpty() || line.startsWith(QStringLiteral("//")))
            continue;
        if (line == QStringLiteral("<--END-->"))
            break;
        if (line.startsWith(u'<' + QString(24, u'-')))
            origin = line.mid(25, 99);
        else if (QString(line).remove(outerSpaces).contains(control))
            return {QStringLiteral("line %1").arg(i)};
        else
            names << QString(line).remove(outerSpaces) + u'@' + QString(origin).remove(outerSpaces);
    }
    return names;
}

// Whether the text holds a character of a kind nobody can type.
bool untypable(const QString &text)
{
    static const QList kKinds{QChar::Other_Control,      QChar::Other_Format,    QChar::Other_PrivateUse,
                              QChar::Other_NotAssigned,  QChar::Other_Surrogate, QChar::Separator_Line,
                              QChar::Separator_Paragraph};
    const QList<uint> points = text.toUcs4();
    return std::any_of(points.begin(), points.end(), [](uint c) { return kKinds.contains(QChar::category(c)); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool ascii = oracle::isAscii(bytes);
    const QStringList names = ascii ? expected(oracle::lines(bytes)) : QStringList();
    try {
        QStringList found;
        for (const auto &[name, origin] : parsePlayerDatabase(bytes, kPath)) {
            FUZZ_CHECK(!name.isEmpty() && !name.front().isSpace() && !name.back().isSpace());
            FUZZ_CHECK(!untypable(name));
            found << name + u'@' + origin;
        }
        FUZZ_CHECK(!ascii || found == names);
    } catch (const DataError &error) {
        const QString message = QString::fromUtf8(error.what());
        FUZZ_CHECK(message.startsWith(kPath + ": ") || message.startsWith(kPath + ", line "));
        FUZZ_CHECK(!ascii || (names.isEmpty() && message.endsWith("holds no player names; the game needs at least one"))
                   || (names.size() == 1 && message.startsWith(kPath + ", " + names[0] + u':')));
    }
    return 0;
}
