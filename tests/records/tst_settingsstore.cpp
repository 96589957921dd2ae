// The settings store on disk: kinds, missing values, damaged files, a folder
// it may not write, and other processes writing or dying at the same time.
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void storeFileSitsInTheUsersFolder();
    void valueReadsBackAsItsOwnKindOnly_data();
    void valueReadsBackAsItsOwnKindOnly();
    void handWrittenValue_data();
    void handWrittenValue();
    void missingValuesReadAsNothingAndCreateNoFile();
    void writeKeepsTheOtherValues();
    void damagedFileKeepsWhatItCanRead_data();
    void damagedFileKeepsWhatItCanRead();
    void folderThatCannotExistFailsSilently();
    void readOnlyFolderStillReads();
    void twoProcessesWritingAtOnceKeepBothValues();
    void processKilledWhileWritingLosesNothing();

private:
    QString storeFile() const { return SettingsStore::fileName(); }
    void writeStoreFile(const QByteArray& bytes);
    QByteArray storeFileBytes() const;

    std::unique_ptr<QTemporaryDir> folder_;
};

void TestSettingsStore::init()
{
    // A fresh folder, so no test sees another's file or QSettings' memory of it.
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    SettingsStore::setBaseFolder(folder_->path());
}

void TestSettingsStore::writeStoreFile(const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(storeFile()).path()));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestSettingsStore::storeFileBytes() const
{
    QFile file(storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestSettingsStore::storeFileSitsInTheUsersFolder()
{
    QCOMPARE(storeFile(), folder_->filePath(QStringLiteral("Quadrel的扫雷/用户设置.conf")));
}

void TestSettingsStore::valueReadsBackAsItsOwnKindOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("level") << QStringLiteral("级别") << QVariant(10);
    QTest::newRow("negative") << QStringLiteral("雷数") << QVariant(-3);
    QTest::newRow("beyond 16 bits") << QStringLiteral("级别") << QVariant(65539);
    QTest::newRow("option on") << QStringLiteral("插旗错误") << QVariant(QStringLiteral("真"));
    QTest::newRow("option with blank") << QStringLiteral("标记") << QVariant(QStringLiteral("真 "));
    QTest::newRow("empty text") << QStringLiteral("标记") << QVariant(QString());
    QTest::newRow("record") << QStringLiteral("初级") << QVariant(QStringLiteral("999秒;佚名"));
    QTest::newRow("record with odd name") << QStringLiteral("中级")
                                          << QVariant(QStringLiteral("57秒; a;b \"c\" \\ %PATH%\n "));
}

void TestSettingsStore::valueReadsBackAsItsOwnKindOnly()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);

    const bool isNumber = value.typeId() == QMetaType::Int;
    QVERIFY(isNumber ? SettingsStore::storeNumber(name, value.toInt())
                     : SettingsStore::storeText(name, value.toString()));

    QCOMPARE(SettingsStore::readNumber(name), isNumber ? value.toInt() : 0);
    QCOMPARE(SettingsStore::readText(name), isNumber ? QString() : value.toString());
}

void TestSettingsStore::handWrittenValue_data()
{
    qputenv("TOLVY_STORE_PLAYER", "张三");

    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("level written as text") << QByteArray("级别 = \"2\"\n") << "级别" << 0 << "2";
    QTest::newRow("option written as number") << QByteArray("插旗错误 = 1\n") << "插旗错误" << 1 << "";
    QTest::newRow("expandable record") << QByteArray("中级 = expand \"57秒;%TOLVY_STORE_PLAYER%\"\n")
                                       << "中级" << 0 << "57秒;张三";
    QTest::newRow("unknown variable stays") << QByteArray("中级 = expand \"57秒;%TOLVY_STORE_NOBODY%\"\n")
                                            << "中级" << 0 << "57秒;%TOLVY_STORE_NOBODY%";
    QTest::newRow("same name twice, last wins") << QByteArray("级别 = 1\n级别 = 3\n") << "级别" << 3 << "";
}

void TestSettingsStore::handWrittenValue()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, text);

    writeStoreFile(file);

    QCOMPARE(SettingsStore::readNumber(name), number);
    QCOMPARE(SettingsStore::readText(name), text);
}

void TestSettingsStore::missingValuesReadAsNothingAndCreateNoFile()
{
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), 0);
    QCOMPARE(SettingsStore::readText(QStringLiteral("插旗错误")), QString());
    QVERIFY(!QFile::exists(storeFile()));

    QVERIFY(SettingsStore::storeNumber(QStringLiteral("级别"), 2));
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("横")), 0);
    QCOMPARE(SettingsStore::readText(QStringLiteral("初级")), QString());
}

void TestSettingsStore::writeKeepsTheOtherValues()
{
    writeStoreFile("级别 = 10\n横 = 20\n纵 = 10\n雷数 = 30\n插旗错误 = \"假\"\n初级 = \"12秒;李四\"\n");

    QVERIFY(SettingsStore::storeNumber(QStringLiteral("级别"), 1));
    QVERIFY(SettingsStore::storeText(QStringLiteral("标记"), QStringLiteral("真")));

    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), 1);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("横")), 20);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("纵")), 10);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("雷数")), 30);
    QCOMPARE(SettingsStore::readText(QStringLiteral("插旗错误")), QStringLiteral("假"));
    QCOMPARE(SettingsStore::readText(QStringLiteral("标记")), QStringLiteral("真"));
    QCOMPARE(SettingsStore::readText(QStringLiteral("初级")), QStringLiteral("12秒;李四"));
}

void TestSettingsStore::damagedFileKeepsWhatItCanRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("level");         // readable before and after the rewrite
    QTest::addColumn<QString>("record");
    QTest::addColumn<QByteArray>("damage"); // a line that must come through the rewrite unchanged

    QByteArray random(4096, '\0');
    QRandomGenerator generator(20240611);
    for (char& byte : random)
        byte = char(generator.bounded(256));
    QByteArray firstRandomLine = random.left(random.indexOf('\n'));
    if (firstRandomLine.endsWith('\r'))
        firstRandomLine.chop(1);

    QTest::newRow("empty") << QByteArray() << 0 << QString() << QByteArray();
    QTest::newRow("blank lines only") << QByteArray("\n\r\n  \n") << 0 << QString() << QByteArray();
    QTest::newRow("cut inside a text") << QByteArray("级别 = 3\n初级 = \"57秒;张") << 3 << QString()
                                       << QByteArray("初级 = \"57秒;张");
    QTest::newRow("cut inside a name") << QByteArray("初级 = \"57秒;张三\"\n级别 = 3\n插旗") << 3
                                       << QStringLiteral("57秒;张三") << QByteArray("插旗");
    QTest::newRow("cut inside a character") << QByteArray("级别 = 2\n初级 = \"57秒;\xe5\xbc") << 2 << QString()
                                            << QByteArray("初级 = \"57秒;\xe5\xbc");
    QTest::newRow("random bytes") << random << 0 << QString() << firstRandomLine;
    QTest::newRow("random bytes around values")
        << random + "\n级别 = 1\n" + random + "\n初级 = \"8秒;王五\"\n" << 1 << QStringLiteral("8秒;王五")
        << firstRandomLine;
    QTest::newRow("zero bytes") << QByteArray(300, '\0') + "\n级别 = 2\n" << 2 << QString()
                                << QByteArray(300, '\0');
    QTest::newRow("very long line") << QByteArray(1 << 20, 'x') + "\n级别 = 3\n" << 3 << QString()
                                    << QByteArray(1 << 20, 'x');
}

void TestSettingsStore::damagedFileKeepsWhatItCanRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, level);
    QFETCH(QString, record);
    QFETCH(QByteArray, damage);

    writeStoreFile(file);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), level);
    QCOMPARE(SettingsStore::readText(QStringLiteral("初级")), record);

    QVERIFY(SettingsStore::storeNumber(QStringLiteral("雷数"), 99));

    QCOMPARE(SettingsStore::readNumber(QStringLiteral("雷数")), 99);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), level);
    QCOMPARE(SettingsStore::readText(QStringLiteral("初级")), record);
    if (!damage.isEmpty())
        QVERIFY(storeFileBytes().contains(damage));
}

void TestSettingsStore::folderThatCannotExistFailsSilently()
{
    QFile plainFile(folder_->filePath(QStringLiteral("not-a-folder")));
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    SettingsStore::setBaseFolder(plainFile.fileName());

    QVERIFY(!SettingsStore::storeNumber(QStringLiteral("级别"), 3));
    QVERIFY(!SettingsStore::storeText(QStringLiteral("初级"), QStringLiteral("999秒;佚名")));
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), 0);
    QCOMPARE(SettingsStore::readText(QStringLiteral("初级")), QString());
}

void TestSettingsStore::readOnlyFolderStillReads()
{
    if (geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    const QByteArray original("级别 = 2\n初级 = \"12秒;李四\"\n");
    writeStoreFile(original);
    const QString storeFolder = QFileInfo(storeFile()).path();
    QVERIFY(QFile::setPermissions(storeFolder, QFile::ReadOwner | QFile::ExeOwner));

    const bool stored = SettingsStore::storeNumber(QStringLiteral("级别"), 3);
    const int level = SettingsStore::readNumber(QStringLiteral("横"));
    const QString record = SettingsStore::readText(QStringLiteral("初级"));
    const QByteArray after = storeFileBytes();
    QFile::setPermissions(storeFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!stored);
    QCOMPARE(level, 0);
    QCOMPARE(record, QStringLiteral("12秒;李四"));
    QCOMPARE(after, original);
}

void TestSettingsStore::twoProcessesWritingAtOnceKeepBothValues()
{
    constexpr int count = 25;
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(STORE_WRITER),
                {QStringLiteral("write"), folder_->path(), QStringLiteral("甲"), QString::number(count)});
    second.start(QStringLiteral(STORE_WRITER),
                 {QStringLiteral("write"), folder_->path(), QStringLiteral("乙"), QString::number(count)});
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    for (int i = 1; i <= count; ++i) {
        QCOMPARE(SettingsStore::readNumber(QStringLiteral("甲%1").arg(i)), i);
        QCOMPARE(SettingsStore::readNumber(QStringLiteral("乙%1").arg(i)), i);
    }
}

void TestSettingsStore::processKilledWhileWritingLosesNothing()
{
    QVERIFY(SettingsStore::storeNumber(QStringLiteral("级别"), 3));
    QVERIFY(SettingsStore::storeText(QStringLiteral("初级"), QStringLiteral("12秒;李四")));

    QProcess writer;
    writer.start(QStringLiteral(STORE_WRITER), {QStringLiteral("crash"), folder_->path()});
    QVERIFY(writer.waitForReadyRead(30000));
    QCOMPARE(writer.readAllStandardOutput().trimmed(), QByteArray("writing"));
    writer.kill();
    QVERIFY(writer.waitForFinished(30000));

    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), 3);
    // The dead writer's lock is seen as stale, so the next write goes through.
    QVERIFY(SettingsStore::storeNumber(QStringLiteral("横"), 20));
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("横")), 20);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), 3);
    QCOMPARE(SettingsStore::readText(QStringLiteral("初级")), QStringLiteral("12秒;李四"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
