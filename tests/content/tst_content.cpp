// Validates the committed content (catalogue, paper tables, blank results templates and the
// question pages) against the rules the program and the marking rely on. The files are read
// straight from the source tree, byte for byte, as the build embeds them.

#include "records/recordfile.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <numeric>

namespace {

const QString assetsDir = QStringLiteral(TEST_SOURCE_DIR "/../../assets");

// One record line of a tagged file: the key and the values after each '>'.
struct Record
{
    QString key;
    QStringList values;
    QString line;
};

struct TaggedFile
{
    QString error; // empty when the file keeps the format
    QList<Record> records;
    QStringList plainLines; // lines that are no record (the catalogue's separator)
};

// Strict reader: ASCII only, every line ended by CR LF, "..." first and last, records
// "#KEY#>v1>..." whose values hold no '#'.
TaggedFile readTagged(const QString &path)
{
    TaggedFile out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = QStringLiteral("cannot open");
        return out;
    }
    const QByteArray bytes = file.readAll();
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) > 126 || (c < 32 && c != '\r' && c != '\n')) {
            out.error = QStringLiteral("byte outside printable ASCII");
            return out;
        }
    }
    if (!bytes.endsWith("\r\n")) {
        out.error = QStringLiteral("last line not ended by CR LF");
        return out;
    }
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // empty text after the final line end
    for (const QByteArray &raw : lines) {
        if (!raw.endsWith('\r') || raw.count('\r') != 1) {
            out.error = QStringLiteral("line not ended by CR LF: ") + QString::fromLatin1(raw);
            return out;
        }
    }
    if (lines.size() < 2 || lines.first() != "...\r" || lines.last() != "...\r") {
        out.error = QStringLiteral("not framed by ... lines");
        return out;
    }
    static const QRegularExpression recordRe(QStringLiteral("^#([A-Za-z0-9]+)#((>[^>#]*)*)$"));
    for (int i = 1; i < lines.size() - 1; ++i) {
        const QString line = QString::fromLatin1(lines[i].chopped(1));
        const QRegularExpressionMatch m = recordRe.match(line);
        if (!m.hasMatch()) {
            if (line.startsWith(QLatin1Char('#'))) {
                out.error = QStringLiteral("malformed record: ") + line;
                return out;
            }
            out.plainLines << line;
            continue;
        }
        Record r;
        r.key = m.captured(1);
        r.line = line;
        const QString rest = m.captured(2);
        if (!rest.isEmpty())
            r.values = rest.mid(1).split(QLatin1Char('>'));
        out.records << r;
    }
    return out;
}

QString dataPath(int id)
{
    return assetsDir + QStringLiteral("/data/%1.txt").arg(id);
}

QString pagePath(int id)
{
    return assetsDir + QStringLiteral("/pages/%1.mht").arg(id);
}

// Sizes of the shipped subjects. Their question ids are the generator's: a question is
// there when its page is (pagesMatchTables).
struct SubjectShape
{
    int number;
    int papers;
    int questions;
    int blanks; // -1: not fixed
};

QList<SubjectShape> subjectShapes()
{
    return {
        {1, 30, 510, 950},
        {2, 35, 1070, -1},
        {3, 35, 647, -1},
    };
}

// ---- Rational numbers for recomputing answers -----------------------------------------------

struct Rational
{
    qint64 num = 0;
    qint64 den = 1;
    bool ok = true;
};

Rational makeRational(qint64 n, qint64 d)
{
    Rational r;
    if (d == 0) {
        r.ok = false;
        return r;
    }
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const qint64 g = std::gcd(n < 0 ? -n : n, d);
    r.num = g ? n / g : n;
    r.den = g ? d / g : d;
    return r;
}

Rational combine(const Rational &a, const Rational &b, QChar op)
{
    if (!a.ok || !b.ok)
        return Rational{0, 1, false};
    switch (op.unicode()) {
    case '+': return makeRational(a.num * b.den + b.num * a.den, a.den * b.den);
    case '-': return makeRational(a.num * b.den - b.num * a.den, a.den * b.den);
    case '*': return makeRational(a.num * b.num, a.den * b.den);
    case '/': return makeRational(a.num * b.den, a.den * b.num);
    case '\\': // quotient of a division with remainder (whole numbers only)
    case '%': { // its remainder
        if (a.den != 1 || b.den != 1 || b.num == 0)
            return Rational{0, 1, false};
        return makeRational(op == QLatin1Char('%') ? a.num % b.num : a.num / b.num, 1);
    }
    }
    return Rational{0, 1, false};
}

// Recursive-descent evaluator over + - * / \ % and brackets. Numbers are whole, decimal or
// mixed ("1 2/3"); "v3" is the page's third marked number and "e1" its first expression.
class Evaluator
{
public:
    Evaluator(const QString &text, const QList<Rational> &numbers,
              const QList<Rational> &expressions)
        : m_text(text), m_numbers(numbers), m_expressions(expressions)
    {
    }

    Rational run()
    {
        Rational r = sum();
        skipSpaces();
        if (m_pos != m_text.size())
            r.ok = false;
        return r;
    }

private:
    void skipSpaces()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    Rational sum()
    {
        Rational r = product();
        for (;;) {
            skipSpaces();
            if (m_pos >= m_text.size())
                return r;
            const QChar op = m_text[m_pos];
            if (op != QLatin1Char('+') && op != QLatin1Char('-'))
                return r;
            ++m_pos;
            r = combine(r, product(), op);
        }
    }

    Rational product()
    {
        Rational r = factor();
        for (;;) {
            skipSpaces();
            if (m_pos >= m_text.size())
                return r;
            const QChar op = m_text[m_pos];
            if (op != QLatin1Char('*') && op != QLatin1Char('/') && op != QLatin1Char('\\')
                && op != QLatin1Char('%'))
                return r;
            ++m_pos;
            r = combine(r, factor(), op);
        }
    }

    Rational factor()
    {
        skipSpaces();
        if (m_pos >= m_text.size())
            return Rational{0, 1, false};
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char('(')) {
            ++m_pos;
            Rational r = sum();
            skipSpaces();
            if (m_pos >= m_text.size() || m_text[m_pos] != QLatin1Char(')'))
                return Rational{0, 1, false};
            ++m_pos;
            return r;
        }
        if (c == QLatin1Char('v') || c == QLatin1Char('e')) {
            ++m_pos;
            const int index = readDigits().toInt() - 1;
            const QList<Rational> &list = c == QLatin1Char('v') ? m_numbers : m_expressions;
            if (index < 0 || index >= list.size())
                return Rational{0, 1, false};
            return list[index];
        }
        static const QRegularExpression mixedRe(QStringLiteral("\\G(\\d+) (\\d+)/(\\d+)"));
        const QRegularExpressionMatch mixed = mixedRe.match(m_text, m_pos);
        if (mixed.hasMatch()) {
            m_pos = mixed.capturedEnd();
            const qint64 d = mixed.captured(3).toLongLong();
            return makeRational(mixed.captured(1).toLongLong() * d
                                    + mixed.captured(2).toLongLong(), d);
        }
        static const QRegularExpression numberRe(QStringLiteral("\\G(\\d+)(\\.(\\d+))?"));
        const QRegularExpressionMatch number = numberRe.match(m_text, m_pos);
        if (!number.hasMatch())
            return Rational{0, 1, false};
        m_pos = number.capturedEnd();
        return decimal(number.captured(1), number.captured(3));
    }

    QString readDigits()
    {
        const int start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos].isDigit())
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

public:
    static Rational decimal(const QString &whole, const QString &fraction)
    {
        qint64 den = 1;
        for (int i = 0; i < fraction.size(); ++i)
            den *= 10;
        return makeRational(whole.toLongLong() * den + fraction.toLongLong(), den);
    }

private:
    QString m_text;
    QList<Rational> m_numbers;
    QList<Rational> m_expressions;
    int m_pos = 0;
};

Rational evaluate(const QString &text, const QList<Rational> &numbers = {},
                  const QList<Rational> &expressions = {})
{
    return Evaluator(text, numbers, expressions).run();
}

// ---- MHT pages ----------------------------------------------------------------------------

struct MhtPart
{
    QHash<QString, QString> headers; // lower-case names
    QByteArray body;                 // decoded
};

struct MhtPage
{
    QString error;
    QString html;
    QList<MhtPart> pictures;
};

QByteArray decodeQuotedPrintable(const QByteArray &in, bool *ok)
{
    QByteArray out;
    *ok = true;
    for (int i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c != '=') {
            out += c;
            continue;
        }
        if (in.mid(i + 1, 2) == "\r\n") {
            i += 2;
            continue;
        }
        bool hexOk = false;
        const int value = in.mid(i + 1, 2).toInt(&hexOk, 16);
        if (!hexOk || i + 2 >= in.size()) {
            *ok = false;
            return out;
        }
        out += char(value);
        i += 2;
    }
    return out;
}

MhtPart parsePart(const QByteArray &raw)
{
    MhtPart part;
    const int split = raw.indexOf("\r\n\r\n");
    const QByteArray head = split < 0 ? raw : raw.left(split);
    part.body = split < 0 ? QByteArray() : raw.mid(split + 4);
    for (const QByteArray &line : head.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            part.headers.insert(QString::fromLatin1(line.left(colon)).trimmed().toLower(),
                                QString::fromLatin1(line.mid(colon + 1)).trimmed());
    }
    return part;
}

MhtPage readMht(const QString &path)
{
    MhtPage page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        page.error = QStringLiteral("missing");
        return page;
    }
    const QByteArray bytes = file.readAll();
    const int headEnd = bytes.indexOf("\r\n\r\n");
    if (headEnd < 0 || !bytes.startsWith("MIME-Version: 1.0\r\n")) {
        page.error = QStringLiteral("no MIME header");
        return page;
    }
    const QString head = QString::fromLatin1(bytes.left(headEnd));
    static const QRegularExpression typeRe(QStringLiteral(
        "Content-Type: multipart/related; boundary=\"([^\"]+)\"; type=\"text/html\""));
    const QRegularExpressionMatch type = typeRe.match(head);
    if (!type.hasMatch()) {
        page.error = QStringLiteral("not multipart/related with a boundary");
        return page;
    }
    const QByteArray boundary = "--" + type.captured(1).toLatin1();
    const int endMark = bytes.indexOf(boundary + "--");
    if (endMark < 0) {
        page.error = QStringLiteral("no closing boundary");
        return page;
    }
    QList<QByteArray> chunks = bytes.left(endMark).split('\n');
    // Reassemble parts between boundary lines.
    QList<QByteArray> parts;
    QByteArray current;
    bool inPart = false;
    for (const QByteArray &line : chunks) {
        if (line == boundary + "\r") {
            if (inPart)
                parts << current;
            current.clear();
            inPart = true;
            continue;
        }
        if (inPart)
            current += line + '\n';
    }
    if (inPart)
        parts << current;
    if (parts.isEmpty()) {
        page.error = QStringLiteral("no parts");
        return page;
    }
    const MhtPart first = parsePart(parts.first());
    if (!first.headers.value(QStringLiteral("content-type")).startsWith(
            QStringLiteral("text/html"))
        || first.headers.value(QStringLiteral("content-transfer-encoding"))
               != QStringLiteral("quoted-printable")
        || first.headers.value(QStringLiteral("content-location")).isEmpty()) {
        page.error = QStringLiteral("first part is not a located quoted-printable HTML part");
        return page;
    }
    bool qpOk = false;
    page.html = QString::fromUtf8(decodeQuotedPrintable(first.body, &qpOk));
    if (!qpOk) {
        page.error = QStringLiteral("bad quoted-printable");
        return page;
    }
    for (int i = 1; i < parts.size(); ++i) {
        MhtPart part = parsePart(parts[i]);
        if (part.headers.value(QStringLiteral("content-transfer-encoding"))
            != QStringLiteral("base64")) {
            page.error = QStringLiteral("picture part not base64");
            return page;
        }
        part.body = QByteArray::fromBase64(part.body);
        page.pictures << part;
    }
    return page;
}

QString visibleText(QString html)
{
    static const QRegularExpression tagRe(QStringLiteral("<[^>]*>"));
    html.remove(tagRe);
    html.replace(QStringLiteral("&times;"), QStringLiteral("*"));
    html.replace(QStringLiteral("&divide;"), QStringLiteral("/"));
    html.replace(QStringLiteral("&minus;"), QStringLiteral("-"));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    html.replace(QStringLiteral("&#x27;"), QStringLiteral("'"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

// ---- Whole content, read once --------------------------------------------------------------

struct Question
{
    int id = 0;
    QString paper;
    QStringList keys;
    QStringList codes;
    QList<int> marks;
};

struct Subject
{
    int number = 0;
    QList<QPair<QString, QList<int>>> papers; // key, question ids
    QList<Question> questions;                // in table order
    QHash<int, int> indexOfId;
};

// The accepted wordings of blank b when it is answered with a whole sentence: the key of an "L"
// blank, or every alternative of an "M" blank whose alternatives are all sentences.
QStringList wholeSentences(const Question &q, int b)
{
    if (q.codes[b] == QLatin1String("L"))
        return {q.keys[b]};
    if (q.codes[b] != QLatin1String("M"))
        return {};
    const QStringList alternatives = q.keys[b].split(QLatin1Char(';')).mid(1);
    for (const QString &a : alternatives) {
        if (!a.endsWith(QLatin1Char('.')) || !a.contains(QLatin1Char(' ')))
            return {};
    }
    return alternatives;
}

QString rowLabel(int n)
{
    return QStringLiteral("(%1)").arg(QChar('a' + n - 1));
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileFormat_data();
    void fileFormat();
    void catalogue();
    void paperTables_data();
    void paperTables();
    void answerKeys_data();
    void answerKeys();
    void fixedPapers();
    void paperMarks();
    void templates_data();
    void templates();
    void pagesMatchTables();
    void pages_data();
    void pages();
    void longAnswers();
    void longAnswerPlaces_data();
    void longAnswerPlaces();
    void fifteenBlanks_data();
    void fifteenBlanks();
    void clozeWordBox();
    void evaluator_data();
    void evaluator();
    void arithmetic_data();
    void arithmetic();
    void programLookup();

private:
    QList<Subject> m_subjects;
    QList<SubjectShape> m_shapes;
};

void TestContent::initTestCase()
{
    m_shapes = subjectShapes();
    for (const SubjectShape &shape : m_shapes) {
        Subject s;
        s.number = shape.number;
        const TaggedFile t2 = readTagged(dataPath(30000 + 10 * shape.number + 2));
        QVERIFY2(t2.error.isEmpty(), qPrintable(t2.error));
        for (const Record &r : t2.records) {
            QList<int> ids;
            for (const QString &v : r.values)
                ids << v.toInt();
            s.papers << qMakePair(r.key, ids);
        }
        TaggedFile tables[3];
        for (int k = 3; k <= 5; ++k) {
            tables[k - 3] = readTagged(dataPath(30000 + 10 * shape.number + k));
            QVERIFY2(tables[k - 3].error.isEmpty(), qPrintable(tables[k - 3].error));
            QCOMPARE(tables[k - 3].records.size(), tables[0].records.size());
        }
        for (int i = 0; i < tables[0].records.size(); ++i) {
            Question q;
            q.id = tables[0].records[i].key.toInt();
            QCOMPARE(tables[1].records[i].key, tables[0].records[i].key);
            QCOMPARE(tables[2].records[i].key, tables[0].records[i].key);
            q.keys = tables[0].records[i].values;
            q.codes = tables[1].records[i].values;
            for (const QString &m : tables[2].records[i].values)
                q.marks << (m.toInt() > 0 && QString::number(m.toInt()) == m ? m.toInt() : 0);
            s.indexOfId.insert(q.id, s.questions.size());
            s.questions << q;
        }
        for (const auto &paper : s.papers) {
            for (int id : paper.second) {
                if (s.indexOfId.contains(id))
                    s.questions[s.indexOfId[id]].paper = paper.first;
            }
        }
        m_subjects << s;
    }
}

void TestContent::fileFormat_data()
{
    QTest::addColumn<int>("id");
    QList<int> ids{30000};
    for (int s = 1; s <= 3; ++s) {
        for (int k = 2; k <= 5; ++k)
            ids << 30000 + 10 * s + k;
        for (int j = 1; j <= 6; ++j)
            ids << 30100 + 10 * s + j;
    }
    for (int id : ids)
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestContent::fileFormat()
{
    QFETCH(int, id);
    const TaggedFile f = readTagged(dataPath(id));
    QVERIFY2(f.error.isEmpty(), qPrintable(f.error));
    QVERIFY(!f.records.isEmpty());
    if (id == 30000)
        QCOMPARE(f.plainLines, QStringList{QStringLiteral("-----------------------")});
    else
        QVERIFY(f.plainLines.isEmpty());
}

void TestContent::catalogue()
{
    const TaggedFile f = readTagged(dataPath(30000));
    QVERIFY2(f.error.isEmpty(), qPrintable(f.error));
    const QStringList expected{
        QStringLiteral("#NME#>Quorvel Primary Revision"),
        QStringLiteral("#COD#>P3"),
        QStringLiteral("#LAH#>English"),
        QStringLiteral("#LBH#>Mathematics"),
        QStringLiteral("#LCH#>Science"),
        QStringLiteral("#TT1#>6"),
        QStringLiteral("#TP1#>30"),
        QStringLiteral("#TN1#>Grammar>Vocabulary>Grammar Cloze>Vocabulary Cloze"
                       ">Comprehension MCQ>Mock Examination"),
        QStringLiteral("#TT2#>7"),
        QStringLiteral("#TP2#>35"),
        QStringLiteral("#TN2#>Addition and Subtraction within 10000>Multiplication and Division"
                       ">Length, Weight and Capacity>Time and Money>Fractions and Graphs"
                       ">Geometry, Area and Perimeter>Mock Examination"),
        QStringLiteral("#TT3#>7"),
        QStringLiteral("#TP3#>35"),
        QStringLiteral("#TN3#>Living and Non-living Things>Materials>Life Cycles"
                       ">Organs and Systems in Animals and Plants>Human Body Systems>Magnets"
                       ">Mock Examination"),
    };
    QStringList lines;
    for (const Record &r : f.records)
        lines << r.line;
    QCOMPARE(lines, expected);
    // The separator stands between the subject names and the per-subject records.
    QFile file(dataPath(30000));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> raw = file.readAll().split('\n');
    QCOMPARE(raw.value(6), QByteArray("-----------------------\r"));
}

void TestContent::paperTables_data()
{
    QTest::addColumn<int>("subject");
    for (int s = 1; s <= 3; ++s)
        QTest::newRow(qPrintable(QStringLiteral("subject %1").arg(s))) << s;
}

void TestContent::paperTables()
{
    QFETCH(int, subject);
    const SubjectShape &shape = m_shapes[subject - 1];
    const Subject &s = m_subjects[subject - 1];

    QCOMPARE(s.papers.size(), shape.papers);
    QList<int> idsInPaperOrder;
    int blanks = 0;
    for (int p = 0; p < s.papers.size(); ++p) {
        const QString key = s.papers[p].first;
        QCOMPARE(key, QString::number(101 + p));
        const QList<int> &ids = s.papers[p].second;
        QVERIFY2(ids.size() >= 3 && ids.size() <= 59, qPrintable(key));
        int paperBlanks = 0;
        for (int id : ids) {
            QVERIFY2(s.indexOfId.contains(id), qPrintable(QString::number(id)));
            paperBlanks += s.questions[s.indexOfId[id]].keys.size();
        }
        QVERIFY2(paperBlanks <= 70, qPrintable(key));
        blanks += paperBlanks;
        idsInPaperOrder += ids;
    }
    // Every id once, rising along paper order, and the answer tables in that same order.
    QList<int> expectedIds = idsInPaperOrder;
    std::sort(expectedIds.begin(), expectedIds.end());
    expectedIds.erase(std::unique(expectedIds.begin(), expectedIds.end()), expectedIds.end());
    QCOMPARE(idsInPaperOrder, expectedIds);
    QList<int> tableOrder;
    for (const Question &q : s.questions)
        tableOrder << q.id;
    QCOMPARE(tableOrder, expectedIds);
    QCOMPARE(s.questions.size(), shape.questions);
    if (shape.blanks >= 0)
        QCOMPARE(blanks, shape.blanks);

    for (const Question &q : s.questions) {
        const QByteArray id = QByteArray::number(q.id);
        QVERIFY2(q.keys.size() >= 1 && q.keys.size() <= 15, id.constData());
        QVERIFY2(q.codes.size() == q.keys.size(), id.constData());
        QVERIFY2(q.marks.size() == q.keys.size(), id.constData());
        for (int m : q.marks)
            QVERIFY2(m >= 1 && m <= 3, id.constData());
    }
}

void TestContent::answerKeys_data()
{
    paperTables_data();
}

void TestContent::answerKeys()
{
    QFETCH(int, subject);
    const Subject &s = m_subjects[subject - 1];
    static const QRegularExpression numberRe(QStringLiteral("^\\d+(\\.\\d+)?$"));
    static const QRegularExpression fractionRe(QStringLiteral("^(\\d+)/(\\d+)$"));
    static const QRegularExpression mixedRe(QStringLiteral("^(\\d+) (\\d+)/(\\d+)$"));
    int checked = 0;
    for (const Question &q : s.questions) {
        for (int b = 0; b < q.keys.size(); ++b) {
            const QString &key = q.keys[b];
            const QString &code = q.codes[b];
            const QString where = QStringLiteral("%1 blank %2 key '%3' code '%4'")
                                      .arg(q.id).arg(b + 1).arg(key, code);
            const QByteArray w = where.toLatin1();
            QVERIFY2(QStringLiteral("QNFXTLMG").contains(code) && code.size() == 1,
                     w.constData());
            if (code == QLatin1String("Q")) {
                QVERIFY2(key == "1" || key == "2" || key == "3" || key == "4", w.constData());
            } else if (code == QLatin1String("N")) {
                QVERIFY2(numberRe.match(key).hasMatch(), w.constData());
            } else if (code == QLatin1String("F")) {
                const QRegularExpressionMatch m = fractionRe.match(key);
                QVERIFY2(m.hasMatch(), w.constData());
                const int n = m.captured(1).toInt();
                const int d = m.captured(2).toInt();
                // A proper fraction in its simplest form, as the page asks.
                QVERIFY2(n > 0 && d > n && std::gcd(n, d) == 1, w.constData());
            } else if (code == QLatin1String("X")) {
                const QRegularExpressionMatch m = mixedRe.match(key);
                QVERIFY2(m.hasMatch(), w.constData());
                const int n = m.captured(2).toInt();
                const int d = m.captured(3).toInt();
                QVERIFY2(m.captured(1).toInt() > 0 && n > 0 && d > n && std::gcd(n, d) == 1,
                         w.constData());
            } else if (code == QLatin1String("M")
                       || (code == QLatin1String("G") && key != QLatin1String(" "))) {
                QVERIFY2(key.startsWith(QLatin1Char(';')), w.constData());
                const QStringList alternatives = key.mid(1).split(QLatin1Char(';'));
                QVERIFY2(alternatives.size() >= 2, w.constData());
                QSet<QString> seen;
                for (const QString &a : alternatives) {
                    QVERIFY2(!a.trimmed().isEmpty() && a == a.trimmed(), w.constData());
                    QVERIFY2(!seen.contains(a.toLower()), w.constData());
                    seen.insert(a.toLower());
                }
                if (code == QLatin1String("G")) {
                    int members = 1;
                    while (b + members < q.keys.size() && q.keys[b + members] == " "
                           && q.codes[b + members] == "G")
                        ++members;
                    QVERIFY2(members >= 2, w.constData());
                    QVERIFY2(members <= alternatives.size(), w.constData());
                }
            } else if (code == QLatin1String("G")) {
                // A further member follows another blank of its group in the same question.
                QVERIFY2(b > 0 && q.codes[b - 1] == QLatin1String("G"), w.constData());
            } else {
                QVERIFY2(!key.isEmpty() && key == key.trimmed(), w.constData());
                QVERIFY2(!key.contains(QLatin1Char(';')), w.constData());
            }
            // Only a group member is a lone space.
            QVERIFY2(key != QLatin1String(" ") || code == QLatin1String("G"), w.constData());
            ++checked;
        }
    }
    QVERIFY(checked >= s.questions.size());
}

void TestContent::fixedPapers()
{
    const Subject &english = m_subjects[0];
    QList<int> first30;
    for (int id = 13001; id <= 13030; ++id)
        first30 << id;
    QCOMPARE(english.papers[0].first, QStringLiteral("101"));
    QCOMPARE(english.papers[0].second, first30);
    for (int id : first30)
        QCOMPARE(english.questions[english.indexOfId[id]].keys.size(), 1);

    QCOMPARE(english.papers[20].first, QStringLiteral("121"));
    QCOMPARE(english.papers[20].second.size(), 3);
    int blanks = 0;
    for (int id : english.papers[20].second)
        blanks += english.questions[english.indexOfId[id]].keys.size();
    QCOMPARE(blanks, 15);

    const TaggedFile keys = readTagged(dataPath(30033));
    QVERIFY(!keys.records.isEmpty());
    QCOMPARE(keys.records.last().line,
             QStringLiteral("#19647#>;Copper;Gold;Iron> > >;Steel;Brass;Bronze> > "));
    const Question &last = m_subjects[2].questions.last();
    QCOMPARE(last.id, 19647);
    QCOMPARE(last.codes, QStringList(6, QStringLiteral("G")));
}

void TestContent::paperMarks()
{
    for (const Subject &s : m_subjects) {
        const int mockStart = s.papers.size() - 5;
        for (int p = 0; p < s.papers.size(); ++p) {
            int total = 0;
            for (int id : s.papers[p].second) {
                for (int m : s.questions[s.indexOfId[id]].marks)
                    total += m;
            }
            const QByteArray what = QStringLiteral("subject %1 paper %2 totals %3")
                                        .arg(s.number).arg(s.papers[p].first).arg(total)
                                        .toLatin1();
            if (s.number == 1 && p < mockStart)
                QVERIFY2(total == 30, what.constData());
            else if (s.number > 1 && p >= mockStart)
                QVERIFY2(total == 100, what.constData());
            else
                QVERIFY2(total > 0, what.constData());
        }
    }
}

void TestContent::templates_data()
{
    paperTables_data();
}

void TestContent::templates()
{
    QFETCH(int, subject);
    const Subject &s = m_subjects[subject - 1];
    const int count = s.papers.size();
    auto fileLines = [](int id) {
        QFile f(dataPath(id));
        if (!f.open(QIODevice::ReadOnly))
            return QStringList();
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    };
    QStringList marks{QStringLiteral("...")};
    for (const char *key : {"FSE", "SSE", "LTM", "CDD"})
        marks << QStringLiteral("#%1#").arg(QLatin1String(key)) + QString(count, '>');
    for (const char *key : {"FST", "SST"})
        marks << QStringLiteral("#%1#").arg(QLatin1String(key))
                     + QStringLiteral(">0").repeated(count);
    marks << QStringLiteral("...") << QString();
    QCOMPARE(fileLines(30101 + 10 * subject), marks);

    QStringList answers{QStringLiteral("...")};
    for (const auto &paper : s.papers) {
        int blanks = 0;
        for (int id : paper.second)
            blanks += s.questions[s.indexOfId[id]].keys.size();
        answers << QStringLiteral("#%1#").arg(paper.first) + QString(blanks, '>');
    }
    answers << QStringLiteral("...") << QString();
    for (int j = 2; j <= 5; ++j)
        QCOMPARE(fileLines(30100 + 10 * subject + j), answers);

    const QStringList trend{QStringLiteral("..."), QStringLiteral("#TRD#"),
                            QStringLiteral("..."), QString()};
    QCOMPARE(fileLines(30106 + 10 * subject), trend);
}

void TestContent::pagesMatchTables()
{
    QSet<QString> expected;
    for (const Subject &s : m_subjects) {
        for (const Question &q : s.questions)
            expected.insert(QStringLiteral("%1.mht").arg(q.id));
    }
    QCOMPARE(expected.size(), 2227);
    const QStringList files = QDir(assetsDir + QStringLiteral("/pages"))
                                  .entryList(QDir::Files | QDir::NoDotAndDotDot);
    QSet<QString> present(files.begin(), files.end());
    QCOMPARE(present.size(), files.size());
    const QSet<QString> extra = present - expected;
    const QSet<QString> missing = expected - present;
    QVERIFY2(extra.isEmpty(), qPrintable(QStringList(extra.values()).join(QLatin1Char(' '))));
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringList(missing.values()).join(QLatin1Char(' '))));
}

void TestContent::pages_data()
{
    paperTables_data();
}

void TestContent::pages()
{
    QFETCH(int, subject);
    const Subject &s = m_subjects[subject - 1];
    static const QRegularExpression srcRe(QStringLiteral("src=\"([^\"]*)\""));
    static const QRegularExpression blankRe(QStringLiteral("data-b=\"(\\d+)\""));
    static const QRegularExpression external(
        QStringLiteral("<script|<link|<iframe|<object|<embed|@import|url\\(|https?:|"
                       "href=|\\son[a-z]+="),
        QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QSet<QString>> bodiesOfPaper;
    for (const Question &q : s.questions) {
        const MhtPage page = readMht(pagePath(q.id));
        const QByteArray id = QByteArray::number(q.id);
        QVERIFY2(page.error.isEmpty(), (id + ": " + page.error.toLatin1()).constData());
        QVERIFY2(page.html.contains(QStringLiteral("<html")), id.constData());
        QVERIFY2(!page.html.contains(external), id.constData());

        // Each picture the HTML shows is a part of the page, and each part is shown.
        QSet<QString> located;
        for (const MhtPart &part : page.pictures) {
            const QString type = part.headers.value(QStringLiteral("content-type"));
            QVERIFY2(type.startsWith(QStringLiteral("image/")), id.constData());
            QVERIFY2(!part.body.isEmpty(), id.constData());
            if (type == QStringLiteral("image/svg+xml")) {
                QVERIFY2(part.body.startsWith("<svg"), id.constData());
                QVERIFY2(part.body.trimmed().endsWith("</svg>"), id.constData());
                QVERIFY2(!part.body.contains("<script") && !part.body.contains("href"),
                         id.constData());
            }
            located.insert(part.headers.value(QStringLiteral("content-location")));
        }
        QSet<QString> referenced;
        auto it = srcRe.globalMatch(page.html);
        while (it.hasNext())
            referenced.insert(it.next().captured(1));
        QCOMPARE(referenced, located);

        // The page shows one place per answer row, numbered in row order, labelled
        // (a), (b)... when there are two or more.
        QList<int> rowsShown;
        auto bit = blankRe.globalMatch(page.html);
        while (bit.hasNext())
            rowsShown << bit.next().captured(1).toInt();
        QList<int> rowsExpected(q.keys.size());
        std::iota(rowsExpected.begin(), rowsExpected.end(), 1);
        QVERIFY2(rowsShown == rowsExpected, id.constData());
        const QString text = visibleText(page.html);
        if (q.keys.size() > 1) {
            for (int n = 1; n <= q.keys.size(); ++n)
                QVERIFY2(text.contains(rowLabel(n)), id.constData());
        }
        QVERIFY2(!text.contains(rowLabel(q.keys.size() + 1)), id.constData());
        // A choice blank needs every option up to its key shown as (1)...(4).
        for (int b = 0; b < q.keys.size(); ++b) {
            if (q.codes[b] == QLatin1String("Q")) {
                for (int o = 1; o <= q.keys[b].toInt(); ++o)
                    QVERIFY2(text.contains(QStringLiteral("(%1)").arg(o)), id.constData());
            }
        }
        // Fractions and mixed numbers come with the typing rule.
        if (q.codes.contains(QStringLiteral("F")) || q.codes.contains(QStringLiteral("X")))
            QVERIFY2(page.html.contains(QStringLiteral("class=\"rule\"")), id.constData());

        // No question repeats within a paper.
        static const QRegularExpression bodyRe(QStringLiteral("<body>(.*)</body>"),
                                               QRegularExpression::DotMatchesEverythingOption);
        // Picture addresses carry the question id, so compare the pictures themselves.
        QString body = bodyRe.match(page.html).captured(1);
        for (const MhtPart &part : page.pictures)
            body.replace(part.headers.value(QStringLiteral("content-location")),
                         QString::fromUtf8(part.body));
        QVERIFY2(!body.isEmpty(), id.constData());
        QVERIFY2(!bodiesOfPaper[q.paper].contains(body), id.constData());
        bodiesOfPaper[q.paper].insert(body);
    }
}

void TestContent::longAnswers()
{
    // A whole-sentence answer is marked by its exact text once trimmed and lower-cased, so its
    // keys must be the sentences the page asks for, and the page must say how to write them. An
    // "L" key is the one right wording; where several are right, an "M" blank lists each.
    static const QString reminder = QStringLiteral(
        "Write the whole sentence in the answer box and end it with a full stop.");
    static const QRegularExpression beginRe(QStringLiteral("<b class=\"begin\">([^<]*)</b>"));
    int found = 0;
    for (const Subject &s : m_subjects) {
        for (const Question &q : s.questions) {
            for (int b = 0; b < q.codes.size(); ++b) {
                const QStringList keys = wholeSentences(q, b);
                if (keys.isEmpty())
                    continue;
                ++found;
                const QByteArray id = QByteArray::number(q.id);
                // Only row 1 of the answer sheet is shaped for a long answer.
                QVERIFY2(q.codes.size() == 1, id.constData());
                const MhtPage page = readMht(pagePath(q.id));
                QVERIFY2(page.error.isEmpty(), id.constData());
                const QString text = visibleText(page.html);
                QVERIFY2(text.contains(reminder), id.constData());
                const QRegularExpressionMatch begin = beginRe.match(page.html);
                for (const QString &key : keys) {
                    QVERIFY2(key.at(0).isUpper() && key.endsWith(QLatin1Char('.'))
                                 && key.count(QLatin1Char('.')) == 1
                                 && !key.contains(QStringLiteral("  ")),
                             qPrintable(id + ": " + key.toLatin1()));
                    // A comma or a short form is where another right wording would differ.
                    if (q.codes[b] == QLatin1String("L")) {
                        QVERIFY2(!key.contains(QLatin1Char(','))
                                     && !key.contains(QStringLiteral("n't")),
                                 qPrintable(id + ": " + key.toLatin1()));
                    }
                    QVERIFY2(!text.contains(key, Qt::CaseInsensitive), id.constData());
                    if (begin.hasMatch()) {
                        const QString start = visibleText(begin.captured(1));
                        QVERIFY2(!start.isEmpty() && key.startsWith(start)
                                     && QStringLiteral(" ,").contains(key.at(start.size())),
                                 qPrintable(id + ": " + start.toLatin1()));
                    }
                }
            }
        }
    }
    QVERIFY(found > 0);
}

void TestContent::longAnswerPlaces_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("firstPaper");
    QTest::addColumn<int>("lastPaper");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    // Every grammar paper and every mock ends with two whole-sentence answers ("L" or "M").
    QTest::newRow("English Grammar") << 1 << 101 << 105 << 2 << 2;
    QTest::newRow("English Vocabulary to Comprehension") << 1 << 106 << 125 << 0 << 0;
    QTest::newRow("English Mock Examination") << 1 << 126 << 130 << 2 << 2;
    QTest::newRow("Mathematics") << 2 << 101 << 135 << 0 << 0;
    QTest::newRow("Science") << 3 << 101 << 135 << 0 << 0;
}

void TestContent::longAnswerPlaces()
{
    QFETCH(int, subject);
    QFETCH(int, firstPaper);
    QFETCH(int, lastPaper);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    const Subject &s = m_subjects[subject - 1];
    QCOMPARE(s.papers.size(), m_shapes[subject - 1].papers);
    for (int key = firstPaper; key <= lastPaper; ++key) {
        const auto &paper = s.papers[key - 101];
        QCOMPARE(paper.first, QString::number(key));
        int count = 0;
        for (int id : paper.second) {
            const Question &q = s.questions[s.indexOfId[id]];
            for (int b = 0; b < q.codes.size(); ++b)
                count += wholeSentences(q, b).isEmpty() ? 0 : 1;
        }
        QVERIFY2(count >= minimum && count <= maximum,
                 qPrintable(QStringLiteral("paper %1 has %2").arg(key).arg(count)));
    }
}

void TestContent::fifteenBlanks_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("minimum");
    // The answer sheet's fifteen-row layout must be reachable from shipped papers.
    QTest::newRow("English") << 1 << 2;
    QTest::newRow("Mathematics") << 2 << 1;
}

void TestContent::fifteenBlanks()
{
    QFETCH(int, subject);
    QFETCH(int, minimum);
    const Subject &s = m_subjects[subject - 1];
    int found = 0;
    for (const Question &q : s.questions) {
        if (q.keys.size() != 15)
            continue;
        ++found;
        // Its page lists the fifteen places (a) to (o) in order, as the answer rows do.
        const QString text = visibleText(readMht(pagePath(q.id)).html);
        int from = 0;
        for (int n = 1; n <= 15; ++n) {
            from = text.indexOf(rowLabel(n), from);
            QVERIFY2(from >= 0, qPrintable(QStringLiteral("%1 %2").arg(q.id).arg(rowLabel(n))));
        }
    }
    QVERIFY2(found >= minimum, qPrintable(QString::number(found)));
}

void TestContent::clozeWordBox()
{
    // A passage whose words come from a box: every blank's answer is in the box, and no two
    // blanks share a word, since each word is to be used once.
    static const QRegularExpression boxRe(QStringLiteral("<div class=\"box\">(.*?)</div>"));
    int passages = 0;
    for (const Question &q : m_subjects[0].questions) {
        const MhtPage page = readMht(pagePath(q.id));
        const QRegularExpressionMatch box = boxRe.match(page.html);
        if (!box.hasMatch())
            continue;
        ++passages;
        const QByteArray id = QByteArray::number(q.id);
        const QStringList words = visibleText(box.captured(1)).split(QLatin1Char(' '),
                                                                     Qt::SkipEmptyParts);
        const QSet<QString> inBox(words.begin(), words.end());
        QSet<QString> used;
        for (const QString &key : q.keys) {
            const QString word = (key.startsWith(QLatin1Char(';')) ? key.mid(1).section(';', 0, 0)
                                                                   : key).toLower();
            QVERIFY2(inBox.contains(word), qPrintable(id + ": " + word.toLatin1()));
            QVERIFY2(!used.contains(word), qPrintable(id + ": " + word.toLatin1()));
            used.insert(word);
        }
        QVERIFY2(inBox.size() > q.keys.size(), id.constData());
    }
    QVERIFY(passages >= 20);
}

void TestContent::evaluator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("num");
    QTest::addColumn<qint64>("den");
    QTest::addColumn<bool>("ok");
    QTest::newRow("sum") << "3456 + 2789" << qint64(6245) << qint64(1) << true;
    QTest::newRow("precedence") << "2 + 3 * 4 - 6 / 3" << qint64(12) << qint64(1) << true;
    QTest::newRow("brackets") << "(2 + 3) * 4" << qint64(20) << qint64(1) << true;
    QTest::newRow("fractions") << "1/4 + 2/4" << qint64(3) << qint64(4) << true;
    QTest::newRow("mixed") << "1 2/3 + 1/3" << qint64(2) << qint64(1) << true;
    QTest::newRow("decimal money") << "10 - 4.35" << qint64(113) << qint64(20) << true;
    QTest::newRow("quotient") << "47 \\ 5" << qint64(9) << qint64(1) << true;
    QTest::newRow("remainder") << "47 % 5" << qint64(2) << qint64(1) << true;
    QTest::newRow("numbers") << "v2 - v1" << qint64(3) << qint64(1) << true;
    QTest::newRow("unknown number") << "v9" << qint64(0) << qint64(1) << false;
    QTest::newRow("division by zero") << "4 / 0" << qint64(0) << qint64(1) << false;
    QTest::newRow("trailing text") << "4 + 5 apples" << qint64(0) << qint64(1) << false;
}

void TestContent::evaluator()
{
    QFETCH(QString, text);
    QFETCH(qint64, num);
    QFETCH(qint64, den);
    QFETCH(bool, ok);
    const Rational r = evaluate(text, {makeRational(4, 1), makeRational(7, 1)});
    QCOMPARE(r.ok, ok);
    if (ok) {
        QCOMPARE(r.num, num);
        QCOMPARE(r.den, den);
    }
}

void TestContent::arithmetic_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("minimum");
    // Most Mathematics blanks are worked out from numbers on their page.
    QTest::newRow("Mathematics") << 2 << 600;
}

void TestContent::arithmetic()
{
    QFETCH(int, subject);
    QFETCH(int, minimum);
    const Subject &s = m_subjects[subject - 1];
    static const QRegularExpression numberRe(QStringLiteral("<b class=\"v\">([^<]*)</b>"));
    static const QRegularExpression exprRe(QStringLiteral("<span class=\"expr\">(.*?)</span>"));
    static const QRegularExpression calcRe(
        QStringLiteral("data-b=\"(\\d+)\" data-calc=\"([^\"]*)\".*?"
                       "<span class=\"line\">&nbsp;</span>([^<]*)"));
    int recomputed = 0;
    for (const Question &q : s.questions) {
        const MhtPage page = readMht(pagePath(q.id));
        QList<Rational> numbers;
        auto nit = numberRe.globalMatch(page.html);
        while (nit.hasNext()) {
            const QString shown = visibleText(nit.next().captured(1));
            numbers << evaluate(shown);
            QVERIFY2(numbers.last().ok, qPrintable(QString::number(q.id) + ' ' + shown));
        }
        QList<Rational> expressions;
        auto eit = exprRe.globalMatch(page.html);
        while (eit.hasNext()) {
            QString shown = visibleText(eit.next().captured(1));
            QVERIFY2(shown.endsWith(QLatin1Char('=')), qPrintable(shown));
            shown.chop(1);
            expressions << evaluate(shown, numbers);
        }
        auto cit = calcRe.globalMatch(page.html);
        while (cit.hasNext()) {
            const QRegularExpressionMatch m = cit.next();
            const int b = m.captured(1).toInt() - 1;
            const QString formula = m.captured(2);
            const QString where = QStringLiteral("%1 (%2): %3").arg(q.id).arg(b + 1)
                                      .arg(formula);
            QVERIFY2(b >= 0 && b < q.keys.size(), qPrintable(where));
            const Rational expected = evaluate(formula, numbers, expressions);
            QVERIFY2(expected.ok, qPrintable(where));
            const QString &code = q.codes[b];
            Rational key;
            if (code == QLatin1String("N")) {
                const QStringList parts = q.keys[b].split(QLatin1Char('.'));
                key = Evaluator::decimal(parts[0], parts.value(1));
            } else if (code == QLatin1String("F") || code == QLatin1String("X")) {
                key = evaluate(q.keys[b]);
            } else if (code == QLatin1String("M")) {
                // Every form the key accepts ("$5.50", "550 cents", "6/8", "2,450 ml", "r 7")
                // is the answer's own value, with a unit or a sign around it; the first one
                // stands for them below. "cents" is a hundredth of the answer unless the line
                // itself asks for cents; a square unit is typed "cm2".
                static const QRegularExpression formRe(QStringLiteral(
                    "^\\$?\\s*(?:r\\s*)?([\\d.][\\d,./ ]*?)\\s*"
                    "(?:(cents|c)|[^\\d./ ][^\\d]*2?)?$"));
                const bool inCents = m.captured(3).trimmed() == QLatin1String("cents");
                const QStringList forms = q.keys[b].split(QLatin1Char(';')).mid(1);
                QList<Rational> values;
                for (const QString &form : forms) {
                    const QRegularExpressionMatch m = formRe.match(form);
                    QString text = m.captured(1).remove(QLatin1Char(','));
                    if (text.startsWith(QLatin1Char('.')))
                        text.prepend(QLatin1Char('0'));
                    const qint64 per = m.captured(2).isEmpty() || inCents ? 1 : 100;
                    const Rational value = evaluate(text);
                    QVERIFY2(m.hasMatch() && value.ok
                                 && value.num * expected.den == expected.num * value.den * per,
                             qPrintable(where + QStringLiteral(" accepts ") + form));
                    values.append(value);
                }
                key = values.value(0);
            } else {
                QFAIL(qPrintable(where + QStringLiteral(" has code ") + code));
            }
            QVERIFY2(key.ok && key.num == expected.num && key.den == expected.den,
                     qPrintable(where + QStringLiteral(" key ") + q.keys[b]
                                + QStringLiteral(" but page gives %1/%2")
                                      .arg(expected.num).arg(expected.den)));
            ++recomputed;
        }
    }
    QVERIFY2(recomputed >= minimum, qPrintable(QString::number(recomputed)));
}

void TestContent::programLookup()
{
    // The program reads a paper with the record operations: paper 121 of English gives three
    // questions whose answers come back as one list of fifteen.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString table = dir.filePath(QStringLiteral("temptext.txt"));
    QVERIFY(QFile::copy(dataPath(30012), table));
    const Records::Fields ids = Records::ReadAllRecordFields(table, QStringLiteral("121"));
    QCOMPARE(ids.size(), 4);
    const QStringList keys = ids.mid(1);
    QVERIFY(QFile::remove(table));
    QVERIFY(QFile::copy(dataPath(30013), table));
    const QStringList answers = Records::ReadFieldsOfRecords(table, keys);
    const QVector<int> counts = Records::CountRecordFields(table, keys);
    QCOMPARE(answers.size(), 15);
    QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 15);
    const Subject &english = m_subjects[0];
    QStringList expected;
    for (const QString &key : keys)
        expected += english.questions[english.indexOfId[key.toInt()]].keys;
    QCOMPARE(answers, expected);
}

QTEST_APPLESS_MAIN(TestContent)
#include "tst_content.moc"
