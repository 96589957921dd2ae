// Text layouts of games for the rules' tests.
#include "fieldfixture.h"

#include "game.h"
#include "numbertext.h"
#include "recordingview.h"

namespace {

CellCode codeOf(QChar c)
{
    switch (c.toLatin1()) {
    case '.': return Cell::Covered;
    case '*': return Cell::Mine;
    case 'f': return Cell::FlaggedSafe;
    case 'F': return Cell::FlaggedMine;
    case 'q': return Cell::MarkedSafe;
    case 'Q': return Cell::MarkedMine;
    case 'p': return Cell::PressedSafe;
    case 'P': return Cell::PressedMine;
    case 'X': return Cell::Exploded;
    case 'o': return Cell::Opened; // count filled in afterwards
    default:
        if (c >= QLatin1Char('0') && c <= QLatin1Char('8'))
            return CellCode(Cell::Opened + (c.toLatin1() - '0'));
        qFatal("fieldfixture: unknown cell character '%c'", c.toLatin1());
    }
    return Cell::Covered;
}

char characterOf(CellCode code)
{
    switch (code) {
    case Cell::Covered: return '.';
    case Cell::Mine: return '*';
    case Cell::FlaggedSafe: return 'f';
    case Cell::FlaggedMine: return 'F';
    case Cell::MarkedSafe: return 'q';
    case Cell::MarkedMine: return 'Q';
    case Cell::PressedSafe: return 'p';
    case Cell::PressedMine: return 'P';
    case Cell::Exploded: return 'X';
    default:
        if (code >= Cell::Opened && code <= Cell::OpenedMax)
            return char('0' + (code - Cell::Opened));
        return '?';
    }
}

int pictureOf(CellCode code)
{
    switch (code) {
    case Cell::Covered:
    case Cell::Mine: return Tile::Covered;
    case Cell::FlaggedSafe:
    case Cell::FlaggedMine: return Tile::Flag;
    case Cell::MarkedSafe:
    case Cell::MarkedMine: return RecordingView::QuestionMarkPicture;
    case Cell::PressedSafe:
    case Cell::PressedMine: return Tile::Empty;
    case Cell::Exploded: return RecordingView::ExplodedMinePicture;
    default: return code - Cell::Opened;
    }
}

char pictureCharacter(int picture)
{
    switch (picture) {
    case RecordingView::BackgroundPicture:
    case Tile::Covered: return '#';
    case Tile::Flag: return 'F';
    case Tile::WrongFlag: return 'x';
    case Tile::Mine: return '*';
    case RecordingView::QuestionMarkPicture: return '?';
    case RecordingView::ExplodedMinePicture: return '!';
    default:
        if (picture >= 0 && picture <= 8)
            return char('0' + picture);
        return '~';
    }
}

} // namespace

void layOutField(Game& game, RecordingView& view, const QStringList& rows, Level level)
{
    view.attach(&game);
    GameSession& session = game.session();
    session.level = level;
    session.columns = std::int16_t(rows.isEmpty() ? 0 : rows.first().size());
    session.rows = std::int16_t(rows.size());
    game.startNewGame();

    Board& board = session.board;
    int mines = 0;
    for (int r = 1; r <= session.rows; ++r) {
        const QString& line = rows.at(r - 1);
        if (line.size() != session.columns)
            qFatal("fieldfixture: rows of different lengths");
        for (int c = 1; c <= session.columns; ++c) {
            const CellCode code = codeOf(line.at(c - 1));
            board.set(c, r, code);
            if (Cell::isMine(code))
                ++mines;
        }
    }

    int opened = 0;
    int flags = 0;
    int correctFlags = 0;
    for (int r = 1; r <= session.rows; ++r) {
        for (int c = 1; c <= session.columns; ++c) {
            if (rows.at(r - 1).at(c - 1) == QLatin1Char('o')) {
                int count = 0;
                for (const CellOffset& offset : neighbourRing) {
                    const int nc = c + offset.column;
                    const int nr = r + offset.row;
                    if (board.contains(nc, nr) && Cell::countsAsMine(board.at(nc, nr)))
                        ++count;
                }
                board.set(c, r, CellCode(Cell::Opened + count));
            }
            const CellCode code = board.at(c, r);
            if (code >= Cell::Opened && code <= Cell::OpenedMax)
                ++opened;
            if (code == Cell::FlaggedMine || code == Cell::FlaggedSafe)
                ++flags;
            if (code == Cell::FlaggedMine)
                ++correctFlags;
            if (code != Cell::Covered)
                view.setPicture(c, r, pictureOf(code));
        }
    }

    session.mines = std::int16_t(mines);
    session.openedCount = std::int16_t(opened);
    session.correctFlags = std::int16_t(correctFlags);
    view.counterText = numberToText(mines - flags);
    view.clock = "1";
    view.clockRunning = true;
    view.clearLog();
}

QStringList boardText(const Game& game)
{
    const GameSession& session = game.session();
    QStringList rows;
    for (int r = 1; r <= session.board.rows(); ++r) {
        QString line;
        for (int c = 1; c <= session.board.columns(); ++c)
            line += QLatin1Char(characterOf(session.board.at(c, r)));
        rows << line;
    }
    return rows;
}

QStringList pictureText(const Game& game, const RecordingView& view)
{
    const GameSession& session = game.session();
    QStringList rows;
    for (int r = 1; r <= session.rows; ++r) {
        QString line;
        for (int c = 1; c <= session.columns; ++c)
            line += QLatin1Char(pictureCharacter(view.picture(c, r)));
        rows << line;
    }
    return rows;
}

QStringList callLog(const RecordingView& view)
{
    QStringList lines;
    for (const RecordingView::Call& call : view.calls())
        lines << QString::fromStdString(RecordingView::describe(call));
    return lines;
}

QStringList drawLog(const RecordingView& view)
{
    QStringList lines;
    for (const RecordingView::Call& call : view.calls()) {
        if (call.kind == RecordingView::Kind::DrawTile || call.kind == RecordingView::Kind::DrawQuestionMark
            || call.kind == RecordingView::Kind::DrawExplodedMine)
            lines << QString::fromStdString(RecordingView::describe(call));
    }
    return lines;
}

int countCells(const Game& game, CellCode code)
{
    const Board& board = game.session().board;
    int count = 0;
    for (int r = 1; r <= board.rows(); ++r) {
        for (int c = 1; c <= board.columns(); ++c)
            count += board.at(c, r) == code;
    }
    return count;
}

int countMineCells(const Game& game)
{
    const Board& board = game.session().board;
    int count = 0;
    for (int r = 1; r <= board.rows(); ++r) {
        for (int c = 1; c <= board.columns(); ++c)
            count += Cell::isMine(board.at(c, r));
    }
    return count;
}
