// A second copy of the program, as far as the settings store is concerned:
//   storewriter write <folder> <prefix> <count>   stores <prefix>1..<prefix><count> = 1..count
//   storewriter crash <folder>                    starts a write and hangs in it until killed
#include "settingsstore.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    SettingsStore::setBaseFolder(args[2]);

    if (args[1] == QStringLiteral("write") && args.size() == 5) {
        const int count = args[4].toInt();
        for (int i = 1; i <= count; ++i) {
            if (!SettingsStore::storeNumber(args[3] + QString::number(i), i))
                return 1;
        }
        return 0;
    }

    if (args[1] == QStringLiteral("crash")) {
        // What a write looks like from outside when its process dies half-way.
        QLockFile lock(SettingsStore::fileName() + QStringLiteral(".lock"));
        QSaveFile file(SettingsStore::fileName());
        if (!lock.lock() || !file.open(QIODevice::WriteOnly))
            return 1;
        file.write("级别 = 1\n横 = ");
        file.flush();
        std::puts("writing");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    return 2;
}
