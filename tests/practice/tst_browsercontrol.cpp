// The embedded browser: page files only, the guard's notifications, printing.

#include "pdfprinthook.h"

#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "ui/practice/browsercontrol.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class TestBrowserControl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writePage(int id)
    {
        const QString path = m_dir.filePath(QStringLiteral("temppaper%1.mht").arg(id));
        if (ExtractResource(id, QStringLiteral("Custom"), path) != 0)
            return QString();
        return path;
    }

    // Shows the page and waits until it takes input and reports it.
    bool showPage(BrowserControl &browser, const QString &path)
    {
        QSignalSpy loaded(&browser, &BrowserControl::pageLoaded);
        browser.Navigate2(path);
        if (!loaded.wait(30000) || !loaded.first().first().toBool())
            return false;
        QSignalSpy keys(&browser, &BrowserControl::documentKeyDown);
        for (int i = 0; i < 100 && keys.isEmpty(); ++i) {
            QTest::keyClick(browser.inputWidget(), Qt::Key_Shift);
            QTest::qWait(100);
        }
        return !keys.isEmpty();
    }

private slots:
    // A page of our own: one link over the whole page to a second page file. Plain HTML,
    // since the engine itself follows no link out of an MHT document.
    QString writeLinkPage(const QString &target)
    {
        const QString path = m_dir.filePath(QStringLiteral("link.html"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write("<html><body style=\"margin:0\"><a href=\""
                   + QUrl::fromLocalFile(target).toEncoded()
                   + "\" style=\"display:block;width:600px;height:400px\">next</a>"
                     "</body></html>");
        return path;
    }

    void initTestCase()
    {
        ProgramFolder::setPath(m_dir.path());
    }

    void keyDownReported_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<int>("code");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << true << 67;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << true << 88;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << true << 86;
        QTest::newRow("plain C") << int(Qt::Key_C) << int(Qt::NoModifier) << false << 67;
    }

    void keyDownReported()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, ctrl);
        QFETCH(int, code);
        BrowserControl browser;
        browser.resize(600, 400);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QVERIFY(showPage(browser, writePage(13001)));
        QSignalSpy keys(&browser, &BrowserControl::documentKeyDown);
        QTest::keyClick(browser.inputWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Ctrl goes down first and is reported on its own (17); wait for the letter.
        QTRY_VERIFY_WITH_TIMEOUT(!keys.isEmpty() && keys.last().at(1).toInt() != 17, 10000);
        const QList<QVariant> last = keys.last();
        QCOMPARE(last.at(0).toBool(), ctrl);
        QCOMPARE(last.at(1).toInt(), code);
    }

    void mouseDownReported()
    {
        BrowserControl browser;
        browser.resize(600, 400);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QVERIFY(showPage(browser, writePage(13001)));
        QSignalSpy buttons(&browser, &BrowserControl::documentMouseDown);
        QTest::mouseClick(browser.inputWidget(), Qt::RightButton, {}, QPoint(100, 100));
        QTRY_COMPARE_WITH_TIMEOUT(buttons.size(), 1, 10000);
        QCOMPARE(buttons.last().at(0).toInt(), 2);
        QTest::mouseClick(browser.inputWidget(), Qt::LeftButton, {}, QPoint(100, 100));
        QTRY_COMPARE_WITH_TIMEOUT(buttons.size(), 2, 10000);
        QCOMPARE(buttons.last().at(0).toInt(), 1);
    }

    void linksAreNotFollowed()
    {
        BrowserControl browser;
        browser.resize(600, 400);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        const QString other = writePage(13002);
        QVERIFY(showPage(browser, writeLinkPage(other)));
        QSignalSpy loaded(&browser, &BrowserControl::pageLoaded);
        QSignalSpy buttons(&browser, &BrowserControl::documentMouseDown);
        QTest::mouseClick(browser.inputWidget(), Qt::LeftButton, {}, QPoint(200, 200));
        QTRY_COMPARE_WITH_TIMEOUT(buttons.size(), 1, 10000);
        QTest::qWait(1500);
        for (const QList<QVariant> &load : qAsConst(loaded))
            QVERIFY(!load.first().toBool());
        QCOMPARE(browser.pagePath(), m_dir.filePath(QStringLiteral("link.html")));
    }

    void printsThePageAfterTheDialog()
    {
        BrowserControl browser;
        browser.resize(600, 400);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QVERIFY(showPage(browser, writePage(13001)));
        const QString pdf = m_dir.filePath(QStringLiteral("question.pdf"));
        PdfPrintHook hook(pdf);
        QSignalSpy finished(&browser, &BrowserControl::printFinished);
        QVERIFY(browser.printWithDialog(&browser));
        QVERIFY(finished.wait(30000));
        QCOMPARE(hook.owner, &browser);
        QVERIFY(finished.first().first().toBool());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4) == "%PDF");
    }

    void cancelledDialogPrintsNothing()
    {
        BrowserControl browser;
        browser.resize(600, 400);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QVERIFY(showPage(browser, writePage(13001)));
        BrowserControl::setPrintDialogHook([](QPrinter *, QWidget *) { return false; });
        QSignalSpy finished(&browser, &BrowserControl::printFinished);
        QVERIFY(!browser.printWithDialog(&browser));
        BrowserControl::setPrintDialogHook({});
        QTest::qWait(500);
        QCOMPARE(finished.size(), 0);
    }

    // A prepared page is shown without a load of its own, its guard already running; a page
    // that could not be prepared (its file was not there yet) is loaded when it is asked for.
    void preparedPageShownAtOnce_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("prepared") << true;
        QTest::newRow("could not be prepared") << false;
    }

    void preparedPageShownAtOnce()
    {
        QFETCH(bool, fileThere);
        BrowserControl browser;
        browser.resize(600, 400);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QVERIFY(showPage(browser, writePage(13001)));
        const QString next = m_dir.filePath(QStringLiteral("temppaper13002.mht"));
        QFile::remove(next);
        if (fileThere)
            QCOMPARE(writePage(13002), next);
        QSignalSpy prepared(&browser, &BrowserControl::pagePrepared);
        browser.prepare({next});
        QVERIFY(prepared.wait(30000));
        QCOMPARE(prepared.first().at(0).toString(), next);
        QCOMPARE(prepared.first().at(1).toBool(), fileThere);
        QCOMPARE(browser.holdsPage(next), fileThere);
        if (!fileThere)
            QCOMPARE(writePage(13002), next);

        const QWidget *before = browser.inputWidget();
        QSignalSpy loaded(&browser, &BrowserControl::pageLoaded);
        QSignalSpy keys(&browser, &BrowserControl::documentKeyDown);
        browser.Navigate2(next);
        QCOMPARE(browser.inputWidget() != before, fileThere);
        QVERIFY(loaded.wait(30000));
        QVERIFY(loaded.first().first().toBool());
        if (fileThere) {
            QTest::keyClick(browser.inputWidget(), Qt::Key_X, Qt::ControlModifier);
            QTRY_VERIFY_WITH_TIMEOUT(!keys.isEmpty() && keys.last().at(1).toInt() == 88, 10000);
        }
        QCOMPARE(browser.pagePath(), next);
    }

    // The next control starts while the first is open (the engine and its renderer are
    // running): it reports one load, its own page, and each control gets only the reports of
    // its own page.
    void nextControlShowsItsOwnPage()
    {
        BrowserControl first;
        first.resize(600, 400);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QVERIFY(showPage(first, writePage(13001)));

        BrowserControl second;
        second.resize(600, 400);
        QSignalSpy loaded(&second, &BrowserControl::pageLoaded);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QSignalSpy firstKeys(&first, &BrowserControl::documentKeyDown);
        QVERIFY(showPage(second, writePage(13002)));
        QCOMPARE(loaded.size(), 1);
        QVERIFY(loaded.first().first().toBool());
        QCOMPARE(firstKeys.size(), 0);

        QSignalSpy secondKeys(&second, &BrowserControl::documentKeyDown);
        QTest::keyClick(first.inputWidget(), Qt::Key_A);
        QTRY_COMPARE_WITH_TIMEOUT(firstKeys.size(), 1, 10000);
        QCOMPARE(firstKeys.first().at(1).toInt(), 65);
        QTest::qWait(300);
        QCOMPARE(secondKeys.size(), 0);
    }
};

int main(int argc, char **argv)
{
    BrowserControl::prepareApplication();
    QApplication app(argc, argv);
    TestBrowserControl test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browsercontrol.moc"
