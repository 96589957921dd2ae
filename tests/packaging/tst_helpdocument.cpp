// Where the program looks for its help page: the copy installed beside it,
// and the source tree's copy only for a program in the build tree, so that an
// installed program with its page missing is never rescued by a source tree
// that happens to lie on the same machine.
#include "helpdocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString sourcePage = QStringLiteral(TOLVY_HELP_SOURCE);

// An installation under prefix: the program's folder and, when asked, the page.
QString makeInstallation(const QString& prefix, bool withPage)
{
    const QString programDir = prefix + QStringLiteral("/" TOLVY_BINDIR);
    QDir().mkpath(programDir);
    if (withPage) {
        const QString pageDir = prefix + QStringLiteral("/" TOLVY_DATADIR "/tolvy-mines");
        QDir().mkpath(pageDir);
        QFile page(pageDir + QStringLiteral("/help.html"));
        if (page.open(QIODevice::WriteOnly))
            page.write("<html></html>\n");
    }
    return programDir;
}

} // namespace

class TestHelpDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pageFound_data();
    void pageFound();
};

void TestHelpDocument::initTestCase()
{
    // Otherwise the cases without an installed page would prove nothing.
    QVERIFY(QFile::exists(sourcePage));
}

void TestHelpDocument::pageFound_data()
{
    QTest::addColumn<bool>("inBuildTree");
    QTest::addColumn<bool>("pageInstalled");
    QTest::addColumn<QString>("expected");   // "installed", "source" or "none"

    QTest::newRow("installed program, page installed") << false << true << "installed";
    QTest::newRow("installed program, page missing") << false << false << "none";
    QTest::newRow("build tree, page installed beside it") << true << true << "installed";
    QTest::newRow("build tree, no page beside it") << true << false << "source";
}

void TestHelpDocument::pageFound()
{
    QFETCH(bool, inBuildTree);
    QFETCH(bool, pageInstalled);
    QFETCH(QString, expected);

    QTemporaryDir prefix(inBuildTree ? QStringLiteral(TOLVY_BUILD_DIR "/helpdocument-XXXXXX") : QString());
    QVERIFY(prefix.isValid());
    QVERIFY(inBuildTree == prefix.path().startsWith(QStringLiteral(TOLVY_BUILD_DIR "/")));
    const QString programDir = makeInstallation(prefix.path(), pageInstalled);

    const QString installedPage =
        QDir::cleanPath(prefix.path() + QStringLiteral("/" TOLVY_DATADIR "/tolvy-mines/help.html"));
    const QString found = HelpDocument::path(programDir);
    if (expected == QLatin1String("installed"))
        QCOMPARE(found, installedPage);
    else if (expected == QLatin1String("source"))
        QCOMPARE(found, sourcePage);
    else
        QCOMPARE(found, QString());

    QCOMPARE(HelpDocument::candidatePaths(programDir).first(), installedPage);
    QCOMPARE(HelpDocument::candidatePaths(programDir).contains(sourcePage), inBuildTree);
}

QTEST_GUILESS_MAIN(TestHelpDocument)
#include "tst_helpdocument.moc"
