// Fuzz target: the custom field dialog's checks on three texts of any bytes
// (rows, columns and mines, split at line breaks). The dialog is never
// shown; its messages go to the message hook. Either exactly one message
// comes and nothing changes, or the field is accepted, and then it is one
// the game can play, made of the three numbers truncated.
#include "customfielddialog.h"
#include "fieldsize.h"
#include "game.h"
#include "messagehook.h"
#include "numbertext.h"
#include "quietview.h"

#include <QApplication>
#include <QLineEdit>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QStringList& texts)
{
    std::fprintf(stderr, "custom field: %s for \"%s\"\n", what, qPrintable(texts.join(QStringLiteral("\", \""))));
    std::abort();
}

QLineEdit* box(const CustomFieldDialog& dialog, const QString& name, const QStringList& texts)
{
    auto* edit = dialog.findChild<QLineEdit*>(name);
    if (!edit)
        fail("no edit box of that name", texts);
    return edit;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList texts = QString::fromUtf8(bytes).split(u'\n');
    while (texts.size() < 3)
        texts.append(QString());

    QuietView view;
    Game game(view);
    view.attach(&game);
    game.selectLevel(Levels::Intermediate);
    const FieldSize before{game.session().columns, game.session().rows, game.session().mines};

    int messages = 0;
    setMessageHook([&messages](const QString&, MessageStyle, const QString&) { ++messages; });
    CustomFieldDialog dialog(game.session(), view);
    box(dialog, QStringLiteral("编辑框1"), texts)->setText(texts[0]);
    box(dialog, QStringLiteral("编辑框2"), texts)->setText(texts[1]);
    box(dialog, QStringLiteral("编辑框3"), texts)->setText(texts[2]);
    dialog.tryAccept();
    setMessageHook({});

    const GameSession& session = game.session();
    const FieldSize after{session.columns, session.rows, session.mines};
    if (messages > 1)
        fail("more than one message", texts);
    if (messages == 1) {
        if (after != before || session.level != Levels::Intermediate || dialog.result() == QDialog::Accepted)
            fail("refused, yet the field changed", texts);
        return 0;
    }

    if (dialog.result() != QDialog::Accepted)
        fail("neither a message nor accepted", texts);
    if (!FieldLimits::isPlayable(after.columns, after.rows, after.mines) || session.level != Levels::Custom)
        fail("accepted a field outside the game's limits", texts);
    // What the boxes hold (a box may cut a long text), read as the game reads numbers.
    auto kept = [&](int i) {
        const QString text = box(dialog, QStringLiteral("编辑框%1").arg(i), texts)->text();
        return std::trunc(textToNumber(text.toStdString()));
    };
    if (after.rows != kept(1) || after.columns != kept(2) || after.mines != kept(3))
        fail("accepted other numbers than typed", texts);
    if (session.board.columns() != after.columns || session.board.rows() != after.rows || !view.isBoardEnabled())
        fail("accepted without a new game of that size", texts);
    return 0;
}
