// Start-up and shut-down: the level, the custom field and the options taken
// from the store and written back.
#include "recordingview.h"
#include "settingsstore.h"
#include "startupsteps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>


namespace {

struct Stored {
    QString name;
    QVariant value;
};

QString describe(const std::optional<MenuOptions>& options)
{
    if (!options)
        return QStringLiteral("menu defaults");
    return QStringLiteral("judge flags %1, marks %2").arg(options->judgeFlags).arg(options->marks);
}

} // namespace

Q_DECLARE_METATYPE(Stored)

class TestStartupSteps : public QObject {
    Q_OBJECT

private slots:
    void init();
    void restoresTheStoredLevel_data();
    void restoresTheStoredLevel();
    void firstRunWritesNothing();
    void savesLevelSizeAndOptions_data();
    void savesLevelSizeAndOptions();
    void customSizeStaysStoredAfterAFixedLevel();
    void optionsGoRoundTheStore_data();
    void optionsGoRoundTheStore();

private:
    void store(const QList<Stored>& values);

    std::unique_ptr<QTemporaryDir> folder_;
};

void TestStartupSteps::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    SettingsStore::setBaseFolder(folder_->path());
}

void TestStartupSteps::store(const QList<Stored>& values)
{
    for (const Stored& stored : values) {
        if (stored.value.typeId() == QMetaType::Int)
            QVERIFY(SettingsStore::storeNumber(stored.name, stored.value.toInt()));
        else
            QVERIFY(SettingsStore::storeText(stored.name, stored.value.toString()));
    }
}

void TestStartupSteps::restoresTheStoredLevel_data()
{
    QTest::addColumn<QList<Stored>>("stored");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("options");

    const QString on = QStringLiteral("真");
    const QString off = QStringLiteral("假");
    const QString level = QStringLiteral("级别");
    const QString judge = QStringLiteral("插旗错误");
    const QString marks = QStringLiteral("标记");
    const QStringList intermediate{"checks 2", "layout 16x16/40"};
    const QStringList expert{"checks 3", "layout 30x16/99"};

    QTest::newRow("first run") << QList<Stored>{} << intermediate << 2 << "menu defaults";
    QTest::newRow("options without a level are not read")
        << QList<Stored>{{judge, off}, {marks, on}} << intermediate << 2 << "menu defaults";
    QTest::newRow("beginner") << QList<Stored>{{level, 1}, {judge, on}, {marks, off}}
                              << QStringList{"checks 1", "layout 8x8/10"} << 1 << "judge flags 1, marks 0";
    QTest::newRow("intermediate") << QList<Stored>{{level, 2}, {judge, on}, {marks, on}} << intermediate << 2
                                  << "judge flags 1, marks 1";
    QTest::newRow("expert, options turned round") << QList<Stored>{{level, 3}, {judge, off}, {marks, on}} << expert
                                                  << 3 << "judge flags 0, marks 1";
    QTest::newRow("unknown level 7 plays expert") << QList<Stored>{{level, 7}} << expert << 3
                                                  << "judge flags 0, marks 0";
    QTest::newRow("negative level plays expert") << QList<Stored>{{level, -1}} << expert << 3
                                                 << "judge flags 0, marks 0";
    QTest::newRow("65539 is level 3 in 16 bits") << QList<Stored>{{level, 65539}} << expert << 3
                                                 << "judge flags 0, marks 0";
    QTest::newRow("65537 is level 1 in 16 bits") << QList<Stored>{{level, 65537}}
                                                 << QStringList{"checks 1", "layout 8x8/10"} << 1
                                                 << "judge flags 0, marks 0";
    QTest::newRow("65536 is stored, not a first run") << QList<Stored>{{level, 65536}} << expert << 3
                                                      << "judge flags 0, marks 0";
    QTest::newRow("level stored as text is a first run") << QList<Stored>{{level, QStringLiteral("2")}}
                                                         << intermediate << 2 << "menu defaults";
    QTest::newRow("option with a trailing blank is off")
        << QList<Stored>{{level, 2}, {judge, QStringLiteral("真 ")}, {marks, QStringLiteral("true")}}
        << intermediate << 2 << "judge flags 0, marks 0";
    QTest::newRow("option stored as number is off") << QList<Stored>{{level, 2}, {judge, 1}} << intermediate << 2
                                                    << "judge flags 0, marks 0";

    const QString columns = QStringLiteral("横");
    const QString rows = QStringLiteral("纵");
    const QString mines = QStringLiteral("雷数");
    QTest::newRow("custom field") << QList<Stored>{{level, 10}, {columns, 20}, {rows, 10}, {mines, 30}, {marks, on}}
                                  << QStringList{"checks 10", "layout 20x10/30"} << 10 << "judge flags 0, marks 1";
    QTest::newRow("custom field at its limits")
        << QList<Stored>{{level, 10}, {columns, 30}, {rows, 8}, {mines, 203}}
        << QStringList{"checks 10", "layout 30x8/203"} << 10 << "judge flags 0, marks 0";
    QTest::newRow("custom level in the low 16 bits")
        << QList<Stored>{{level, 65546}, {columns, 65536 + 9}, {rows, 9}, {mines, 10}}
        << QStringList{"checks 10", "layout 9x9/10"} << 10 << "judge flags 0, marks 0";

    QTest::newRow("custom mines in the low 16 bits")
        << QList<Stored>{{level, 10}, {columns, 20}, {rows, 10}, {mines, 65536 + 30}}
        << QStringList{"checks 10", "layout 20x10/30"} << 10 << "judge flags 0, marks 0";

    // Sizes the game cannot lay out or fill start the intermediate level.
    const struct {
        const char* name;
        QList<Stored> size;
    } unplayable[] = {
        {"custom field without size", {}},
        {"custom too narrow", {{columns, 7}, {rows, 10}, {mines, 10}}},
        {"custom too wide", {{columns, 31}, {rows, 10}, {mines, 10}}},
        {"custom too tall", {{columns, 20}, {rows, 17}, {mines, 10}}},
        {"custom without mines", {{columns, 20}, {rows, 10}, {mines, 0}}},
        {"custom with negative mines", {{columns, 20}, {rows, 10}, {mines, -5}}},
        {"custom with more mines than placement holds", {{columns, 20}, {rows, 10}, {mines, 172}}},
        {"custom with size stored as text", {{columns, QStringLiteral("20")}, {rows, 10}, {mines, 30}}},
    };
    for (const auto& row : unplayable) {
        QTest::newRow(row.name) << QList<Stored>{{level, 10}} + row.size << intermediate << 2
                                << "judge flags 0, marks 0";
    }
}

void TestStartupSteps::restoresTheStoredLevel()
{
    QFETCH(QList<Stored>, stored);
    QFETCH(QStringList, calls);
    QFETCH(int, level);
    QFETCH(QString, options);

    store(stored);
    RecordingView view;
    Game game(view);
    view.session = &game.session();

    const std::optional<MenuOptions> restored = restoreSettings(game, view);

    QCOMPARE(view.calls, calls);
    QCOMPARE(int(game.session().level), level);
    QCOMPARE(describe(restored), options);
}

void TestStartupSteps::firstRunWritesNothing()
{
    RecordingView view;
    Game game(view);

    QVERIFY(!restoreSettings(game, view));

    QVERIFY(!QFile::exists(SettingsStore::fileName()));
}

void TestStartupSteps::savesLevelSizeAndOptions_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("judgeFlags");
    QTest::addColumn<bool>("marks");
    QTest::addColumn<int>("columns"); // stored size, 0 when not written

    QTest::newRow("beginner, defaults") << 1 << true << false << 0;
    QTest::newRow("expert, options turned round") << 3 << false << true << 0;
    QTest::newRow("custom field") << 10 << true << true << 20;
}

void TestStartupSteps::savesLevelSizeAndOptions()
{
    QFETCH(int, level);
    QFETCH(bool, judgeFlags);
    QFETCH(bool, marks);
    QFETCH(int, columns);

    GameSession session;
    session.level = Level(level);
    session.columns = 20;
    session.rows = 10;
    session.mines = 30;

    saveSettings(session, MenuOptions{judgeFlags, marks});

    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), level);
    QCOMPARE(SettingsStore::readText(QStringLiteral("插旗错误")), judgeFlags ? QStringLiteral("真") : QStringLiteral("假"));
    QCOMPARE(SettingsStore::readText(QStringLiteral("标记")), marks ? QStringLiteral("真") : QStringLiteral("假"));
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("横")), columns);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("纵")), columns ? 10 : 0);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("雷数")), columns ? 30 : 0);
}

void TestStartupSteps::customSizeStaysStoredAfterAFixedLevel()
{
    GameSession session;
    session.level = Levels::Custom;
    session.columns = 20;
    session.rows = 10;
    session.mines = 30;
    saveSettings(session, MenuOptions{});

    session.level = Levels::Expert;
    session.columns = 30;
    session.rows = 16;
    session.mines = 99;
    saveSettings(session, MenuOptions{});

    QCOMPARE(SettingsStore::readNumber(QStringLiteral("级别")), 3);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("横")), 20);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("纵")), 10);
    QCOMPARE(SettingsStore::readNumber(QStringLiteral("雷数")), 30);
}

void TestStartupSteps::optionsGoRoundTheStore_data()
{
    QTest::addColumn<bool>("judgeFlags");
    QTest::addColumn<bool>("marks");
    for (bool judgeFlags : {false, true}) {
        for (bool marks : {false, true})
            QTest::addRow("judge flags %d, marks %d", judgeFlags, marks) << judgeFlags << marks;
    }
}

void TestStartupSteps::optionsGoRoundTheStore()
{
    QFETCH(bool, judgeFlags);
    QFETCH(bool, marks);

    GameSession session;
    session.level = Levels::Custom;
    session.columns = 9;
    session.rows = 12;
    session.mines = 88;
    saveSettings(session, MenuOptions{judgeFlags, marks});

    RecordingView view;
    Game game(view);
    view.session = &game.session();
    const std::optional<MenuOptions> restored = restoreSettings(game, view);

    QVERIFY(restored);
    QCOMPARE(restored->judgeFlags, judgeFlags);
    QCOMPARE(restored->marks, marks);
    QCOMPARE(view.calls, (QStringList{"checks 10", "layout 9x12/88"}));
}

QTEST_GUILESS_MAIN(TestStartupSteps)
#include "tst_startupsteps.moc"
