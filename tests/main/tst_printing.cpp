// Printing the results table through a real print system: a private CUPS server on the
// loopback address with two PDF printers (cups-pdf), whose output is read back as text.

#include "ui/main/printlines.h"
#include "ui/main/reportprinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(20000) && process.exitCode() == 0;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_server;

    QString lpadmin() const { return QStandardPaths::findExecutable(QStringLiteral("lpadmin"), {"/usr/sbin", "/usr/bin"}); }

    bool addPdfPrinter(const QString &name)
    {
        return run(lpadmin(), {"-h", m_server, "-p", name, "-E", "-v", "cups-pdf:/", "-P",
                               "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"});
    }

    // The document the server received for its latest job, kept in its spool folder. Its
    // text is read there: the printer's PostScript round trip keeps the look of the page
    // but not the text a PDF reader can extract.
    QString spooledText()
    {
        QDir spool(m_dir.path() + QStringLiteral("/spool"));
        const QStringList jobs = spool.entryList({QStringLiteral("d*")}, QDir::Files, QDir::Time);
        if (jobs.isEmpty())
            return QString();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {"-layout", spool.filePath(jobs.first()), "-"});
        text.waitForFinished(20000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    // True once the cups-pdf printer has made the PDF of the job with that title, in the
    // PDF folder of the user who printed.
    bool printedPdf(const QString &title)
    {
        const QStringList folders{QDir::homePath() + QStringLiteral("/PDF"),
                                  QStringLiteral("/root/PDF"),
                                  QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
        for (int wait = 0; wait < 600; ++wait) {
            for (const QString &folder : folders) {
                // The backend may add to the title when it names the file.
                const QFileInfoList pdfs = QDir(folder).entryInfoList(
                    {title + QStringLiteral("*.pdf")}, QDir::Files);
                for (const QFileInfo &pdf : pdfs) {
                    if (pdf.size() == 0)
                        continue;
                    QFile::remove(pdf.filePath());
                    return true;
                }
            }
            QTest::qWait(100);
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString root = m_dir.path();
        // Filters run as the print system's own user and must reach these folders.
        for (const QString &sub : {"conf", "spool", "cache", "state", "tmp", "log"})
            QVERIFY(QDir(root).mkpath(sub));
        for (const QString &sub : {"spool", "cache", "state", "tmp"})
            QVERIFY(run("chmod", {"1777", root + "/" + sub}));
        QVERIFY(run("chmod", {"755", root, root + "/conf", root + "/log"}));
        const int port = freePort();
        m_server = QStringLiteral("127.0.0.1:%1").arg(port);
        QFile conf(root + "/conf/cupsd.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("Listen 127.0.0.1:%1\nLogLevel warn\nWebInterface No\n"
                                  "Browsing No\nDefaultAuthType None\nPreserveJobFiles Yes\n"
                                  "<Location />\n Order allow,deny\n Allow from 127.0.0.1\n</Location>\n"
                                  "<Location /admin>\n Order allow,deny\n Allow from 127.0.0.1\n</Location>\n")
                       .arg(port).toUtf8());
        conf.close();
        QFile files(root + "/conf/cups-files.conf");
        QVERIFY(files.open(QIODevice::WriteOnly));
        files.write(QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                   "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                   "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n")
                        .arg(root).toUtf8());
        files.close();
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin"});
        QVERIFY2(!cupsd.isEmpty(), "cupsd is missing: scripts/setup.sh installs it");
        m_cupsd.start(cupsd, {"-f", "-c", root + "/conf/cupsd.conf", "-s",
                              root + "/conf/cups-files.conf"});
        QVERIFY(m_cupsd.waitForStarted());
        qputenv("CUPS_SERVER", m_server.toLatin1());
        // Client settings (the user's default printer) go to this folder, not the machine's.
        qputenv("CUPS_SERVERROOT", (root + "/conf").toLatin1());
        bool up = false;
        for (int i = 0; i < 100 && !up; ++i) {
            QTest::qWait(100);
            up = run(QStringLiteral("lpstat"), {"-h", m_server, "-r"});
        }
        QVERIFY2(up, "the private print server did not start");
        QVERIFY(addPdfPrinter(QStringLiteral("QuorvelPdf")));
        QVERIFY(addPdfPrinter(QStringLiteral("QuorvelOther")));
        QVERIFY(run(lpadmin(), {"-h", m_server, "-d", "QuorvelPdf"}));
    }

    void cleanupTestCase()
    {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(5000);
    }

    void setupMakesChosenPrinterDefault()
    {
        QVERIFY(ReportPrinter::setDefaultPrinter(QStringLiteral("QuorvelOther")));
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("QuorvelOther"));
        QVERIFY(ReportPrinter::setDefaultPrinter(QStringLiteral("QuorvelPdf")));
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("QuorvelPdf"));
        QVERIFY(!ReportPrinter::setDefaultPrinter(QStringLiteral("NoSuchPrinter")));
    }

    void printsReportOnDefaultPrinter()
    {
        const QStringList names{"Grammar", "Vocabulary", "Grammar Cloze", "Vocabulary Cloze",
                                "Comprehension MCQ", "Mock Examination"};
        QStringList fse(30), ltm(30), cdd(30), sse(30);
        fse[0] = "85";
        ltm[0] = "0:12:5";
        cdd[0] = "08/12/2026";
        fse[6] = "72.5";
        sse[6] = "90";
        const QList<QStringList> lines = PrintLines::reportLines(
            QStringLiteral("Quorvel Primary Revision"), 6, names, fse, ltm, cdd, sse);
        const QString title = QStringLiteral("QuorvelReport%1").arg(QCoreApplication::applicationPid());
        QCOMPARE(ReportPrinter::printOnDefault(lines, title), ReportPrinter::Printed);
        QVERIFY2(printedPdf(title), "the printer made no PDF");
        const QString text = spooledText();
        QVERIFY2(!text.isEmpty(), "the server kept no document");
        QVERIFY2(text.contains(QStringLiteral("Quorvel Primary Revision")), qPrintable(text.left(800)));
        for (const QString &name : names)
            QVERIFY2(text.contains(name), qPrintable(name));
        QCOMPARE(text.count(QStringLiteral("First take")), 6);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("Paper \\d"))), 30);
        // The paper with only a first take: score, time and date, and "%" alone after it.
        const QRegularExpression paper1(
            QStringLiteral("Paper 1\\s+85%\\s+0:12:5\\s+08/12/2026\\s+%"));
        QVERIFY2(paper1.match(text).hasMatch(), qPrintable(text.left(1500)));
        QVERIFY(QRegularExpression(QStringLiteral("Paper 2\\s+72.5%\\s+90%")).match(text).hasMatch());
    }

    void noPrinterPrintsNothing()
    {
        QVERIFY(run(lpadmin(), {"-h", m_server, "-x", "QuorvelPdf"}));
        QVERIFY(run(lpadmin(), {"-h", m_server, "-x", "QuorvelOther"}));
        QCOMPARE(ReportPrinter::printOnDefault({{" ", "x"}}, QStringLiteral("QuorvelNothing")),
                 ReportPrinter::NoPrinter);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printing.moc"
