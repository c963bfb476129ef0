// The tagged record file operations: look-up, splitting, forward scans and the writers.

#include "records/recordfile.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Records;

class TestRecords : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write test file");
        return path;
    }

    QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void splitRecordLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no values") << "#TRD#" << 2 << QStringList{"", ""};
        QTest::newRow("three empty") << "#101#>>>" << 3 << QStringList{"", "", ""};
        QTest::newRow("rest joined") << "#FSE#>a>b>c" << 2 << QStringList{"a", "b>c"};
        QTest::newRow("exact") << "#FSE#>85>72.5>" << 3 << QStringList{"85", "72.5", ""};
        QTest::newRow("fewer than asked") << "#FSE#>1>2" << 4 << QStringList{"1", "2", "", ""};
        QTest::newRow("one value") << "#NME#>Title text" << 1 << QStringList{"Title text"};
        QTest::newRow("empty line") << "" << 3 << QStringList{"", "", ""};
        QTest::newRow("zero asked") << "#FSE#>1>2" << 0 << QStringList{};
    }

    void splitRecordLine()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(QStringList, expected);
        const Fields fields = SplitRecordLine(line, n, Cap50);
        QCOMPARE(fields.size(), Cap50 + 1);
        QCOMPARE(fields.mid(1, n), expected);
        for (int i = n + 1; i <= Cap50; ++i)
            QVERIFY(fields.at(i).isEmpty());
    }

    void splitIsClampedToCapacity()
    {
        QString line = QStringLiteral("#101#");
        for (int i = 1; i <= 100; ++i)
            line += QStringLiteral(">v%1").arg(i);
        const Fields fields = SplitRecordLine(line, 100, Cap80);
        QCOMPARE(fields.size(), Cap80 + 1);
        QCOMPARE(fields.at(79), QStringLiteral("v79"));
        QVERIFY(fields.at(80).startsWith(QStringLiteral("v80>v81")));
    }

    void lookUp_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("single value") << "TT1" << "6" << "#TT1#>6";
        QTest::newRow("first line wins") << "COD" << "P3" << "#COD#>P3";
        QTest::newRow("case ignored") << "cod" << "P3" << "#COD#>P3";
        QTest::newRow("absent") << "XYZ" << "" << "";
        QTest::newRow("no values") << "TRD" << "" << "#TRD#";
        QTest::newRow("marker inside line, fixed prefix") << "ABC" << ">value" << "x#ABC#>value";
    }

    void lookUp()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, line);
        const QString path = writeFile(QStringLiteral("lookup.txt"),
                                       "...\r\n#TT1#>6\r\n#COD#>P3\r\n#COD#>XX\r\n"
                                       "-----------------------\r\n#TRD#\r\n"
                                       "x#ABC#>value\r\n...\r\n");
        QCOMPARE(ReadRecordValue(path, key), value);
        QCOMPARE(ReadRecordLine(path, key), line);
    }

    void lfOnlyLinesAreRead()
    {
        const QString path = writeFile(QStringLiteral("lf.txt"), "#FSE#>1>2\n#SSE#>3\n");
        QCOMPARE(ReadRecordValue(path, QStringLiteral("FSE")), QStringLiteral("1>2"));
        QCOMPARE(ReadRecordFields(path, QStringLiteral("SSE"), 1, Cap10).at(1),
                 QStringLiteral("3"));
    }

    void missingFileGivesEmptyValues()
    {
        const QString path = m_dir.filePath(QStringLiteral("nothing.txt"));
        QCOMPARE(ReadRecordValue(path, QStringLiteral("NME")), QString());
        QCOMPARE(ReadRecordFields(path, QStringLiteral("FSE"), 30, Cap50).size(), Cap50 + 1);
        QCOMPARE(ReadPaperLines(path, 30).at(1), QString());
        QCOMPARE(CountRecordFields(path, {QStringLiteral("13001")}), QVector<int>{0});
        QVERIFY(ReadFieldsOfRecords(path, {QStringLiteral("13001")}).isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void readAllRecordFields()
    {
        const QString path = writeFile(QStringLiteral("all.txt"),
                                       "#101#>13001>13002>13003\r\n#102#>\r\n");
        QCOMPARE(ReadAllRecordFields(path, QStringLiteral("101")).mid(1),
                 QStringList({"13001", "13002", "13003"}));
        QCOMPARE(ReadAllRecordFields(path, QStringLiteral("102")).mid(1), QStringList{""});
        QCOMPARE(ReadAllRecordFields(path, QStringLiteral("103")).size(), 1);
    }

    void paperLinesScanForwardOnly()
    {
        QByteArray bytes = "...\r\n#101#>a\r\n#103#>c\r\n#102#>b\r\n...\r\n";
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const Fields lines = ReadPaperLines(&buffer, 3);
        QCOMPARE(lines.size(), Cap50 + 1);
        QCOMPARE(lines.at(1), QStringLiteral("#101#>a"));
        QCOMPARE(lines.at(2), QStringLiteral("#102#>b"));
        QCOMPARE(lines.at(3), QString());
    }

    void severalRecordsInOnePass()
    {
        const QString path = writeFile(QStringLiteral("answers.txt"),
                                       "...\r\n#13001#>from\r\n#13002#>;Skin;Moist skin> \r\n"
                                       "#13003#>1>2>3\r\n...\r\n");
        const QStringList keys{"13001", "13002", "13003"};
        QCOMPARE(CountRecordFields(path, keys), QVector<int>({1, 2, 3}));
        QCOMPARE(ReadFieldsOfRecords(path, keys),
                 QStringList({"from", ";Skin;Moist skin", " ", "1", "2", "3"}));
        // Keys out of file order: the scan does not return for the earlier record.
        QCOMPARE(CountRecordFields(path, {"13002", "13001"}), QVector<int>({2, 0}));
    }

    void rewriteDropsFramingAndKeepsEarlierChanges()
    {
        const QString path = writeFile(QStringLiteral("first.txt"),
                                       "...\r\n#101#>>\r\n#102#>\r\n#103#>>>\r\n...\r\n");
        Fields lines = ReadPaperLines(path, 3);
        QCOMPARE(RewriteRecordLine(lines, Fields{"", "x", "y"}, 1, "101", 3, 2, path), 0);
        QCOMPARE(RewriteRecordLine(lines, Fields{"", "z"}, 2, "102", 3, 1, path), 0);
        QCOMPARE(readBytes(path), QByteArray("#101#>x>y\r\n#102#>z\r\n#103#>>>\r\n"));
        QCOMPARE(ReadPaperLines(path, 3).at(3), QStringLiteral("#103#>>>"));
    }

    void writersRefuseUnstorableValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("separator") << "a>b";
        QTest::newRow("record mark") << "#FSE#";
        QTest::newRow("line break") << "a\nb";
        QTest::newRow("outside Latin-1") << QString::fromUtf8("\u20ac5");
        QTest::newRow("tab") << "a\tb";
        QTest::newRow("NUL") << QString(QChar(0)) + "5";
        QTest::newRow("C1 control") << QString(QChar(0x85));
    }

    void writersRefuseUnstorableValues()
    {
        QFETCH(QString, value);
        QVERIFY(!isStorableValue(value));
        const QByteArray before = "#101#>old\r\n";
        const QString path = writeFile(QStringLiteral("guard.txt"), before);
        Fields lines = ReadPaperLines(path, 1);
        QCOMPARE(RewriteRecordLine(lines, Fields{"", value}, 1, "101", 1, 1, path),
                 int(WriteBadValue));
        const QVector<Fields> six(6, Fields{"", value});
        QCOMPARE(WriteSixRecords(six, {"A", "B", "C", "D", "E", "F"}, 1, path),
                 int(WriteBadValue));
        QCOMPARE(readBytes(path), before);
    }

    void latin1AndMarksRoundTrip()
    {
        const QString path = m_dir.filePath(QStringLiteral("fresults.txt"));
        const QString tick(QChar(0xFC));
        const QString cross(QChar(0xFB));
        QVERIFY(isStorableValue(QString::fromUtf8("caf\u00e9")));
        Fields lines{QString(), QString()};
        QCOMPARE(RewriteRecordLine(lines, Fields{"", tick, cross}, 1, "101", 1, 2, path), 0);
        QCOMPARE(readBytes(path), QByteArray("#101#>\xFC>\xFB\r\n"));
        QCOMPARE(SplitRecordLine(ReadPaperLines(path, 1).at(1), 2, Cap80).mid(1, 2),
                 QStringList({tick, cross}));
    }

    void writeSixRecords()
    {
        const QString path = m_dir.filePath(QStringLiteral("marks.txt"));
        const QVector<Fields> values{{"", "85", ""}, {"", "", ""}, {"", "0:4:7", ""},
                                     {"", "08/12/2026", ""}, {"", "1", "0"}, {"", "0", "0"}};
        const QStringList keys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
        QCOMPARE(WriteSixRecords(values, keys, 2, path), 0);
        QCOMPARE(readBytes(path), QByteArray("#FSE#>85>\r\n#SSE#>>\r\n#LTM#>0:4:7>\r\n"
                                             "#CDD#>08/12/2026>\r\n#FST#>1>0\r\n#SST#>0>0\r\n"));
    }

    void recordLinesInOnePass_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("any order, first line wins, absent key")
            << QByteArray("#101#>a\r\n#103#>c\r\nnoise #102#>b\n#101#>later\r\n")
            << QStringList{"103", "101", "104", "102"}
            << QStringList{"#103#>c", "#101#>a", "", "noise #102#>b"};
        QTest::newRow("letter case ignored")
            << QByteArray("#fse#>1\r\n#Sse#>2\r\n") << QStringList{"FSE", "sSE"}
            << QStringList{"#fse#>1", "#Sse#>2"};
        QTest::newRow("markers side by side")
            << QByteArray("x#101##102#>v\r\n") << QStringList{"102", "101"}
            << QStringList{"x#101##102#>v", "x#101##102#>v"};
        QTest::newRow("a '#' of a value does not hide the marker")
            << QByteArray("#101#>a#b\r\n>#1#02#\r\n#102#>c\r\n") << QStringList{"102", "101"}
            << QStringList{"#102#>c", "#101#>a#b"};
        QTest::newRow("key holding '#', empty key, same key twice")
            << QByteArray("#1#2#>v\r\na##b\r\n") << QStringList{"1#2", "", "1#2"}
            << QStringList{"#1#2#>v", "a##b", "#1#2#>v"};
    }

    void recordLinesInOnePass()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, keys);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QTEST(ReadRecordLines(&buffer, keys), "lines");
    }

    void recordAfterAMillionEmptyLines()
    {
        const QString path = writeFile(QStringLiteral("lines.txt"),
                                       QByteArray(1 << 20, '\n') + "#TRD#>5\r\n");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(ReadRecordLine(path, QStringLiteral("TRD")), QStringLiteral("#TRD#>5"));
        QCOMPARE(ReadPaperLines(path, 35).at(1), QString());
        qInfo("two scans of 1M lines: %lld ms", timer.elapsed());
    }

    void faultyWriteKeepsThePreviousFile_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::newRow("file replaced") << true;
        QTest::newRow("new file") << false;
    }

    void faultyWriteKeepsThePreviousFile()
    {
        QFETCH(bool, existed);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("marks1P3.txt"));
        if (existed)
            QVERIFY(writeFileAtomically("#FSE#>90\r\n", path) == WriteOk);
        setWriteFaultForTesting(true);
        Fields lines{QString(), QString()};
        const int rewrite = RewriteRecordLine(lines, Fields{"", "1"}, 1, "101", 1, 1, path);
        const int six = WriteSixRecords(QVector<Fields>(6, Fields{"", "1"}),
                                        {"A", "B", "C", "D", "E", "F"}, 1, path);
        const int bytes = writeFileAtomically("x", path);
        setWriteFaultForTesting(false);
        QCOMPARE(rewrite, int(WriteFailed));
        QCOMPARE(six, int(WriteFailed));
        QCOMPARE(bytes, int(WriteFailed));
        QCOMPARE(QFile::exists(path), existed);
        if (existed)
            QCOMPARE(readBytes(path), QByteArray("#FSE#>90\r\n"));
        // No temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), existed ? 1 : 0);
        QCOMPARE(writeFileAtomically("y", path), int(WriteOk));
    }

    void writeToUnwritablePlaceFails()
    {
        Fields lines{QString(), QString()};
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/x.txt"));
        QVERIFY(RewriteRecordLine(lines, Fields{"", "a"}, 1, "101", 1, 1, path) != 0);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
