// A menu bar that wraps its menu titles onto further rows when the window
// is too narrow for one, so that every menu stays visible with its full
// title. Each row is an ordinary menu bar.
#pragma once

#include <QList>
#include <QWidget>

#include <memory>

class QMenu;
class QMenuBar;
class QVBoxLayout;

class WrappingMenuBar : public QWidget {
    Q_OBJECT

public:
    explicit WrappingMenuBar(QWidget* parent = nullptr);
    ~WrappingMenuBar() override;

    void addMenu(QMenu* menu);

    // Rows for this width; fixes the height to match.
    void arrange(int width);
    const QList<QMenuBar*>& rows() const { return rows_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QList<QMenu*>> split(int width) const;
    QSize titlesSizeHint(const QList<QMenu*>& menus) const;
    int titlesWidth(const QList<QMenu*>& menus) const;
    int rowHeight() const;
    QMenuBar* rowOf(QMenu* menu) const;

    QVBoxLayout* layout_;
    QList<QMenu*> menus_;
    QList<QMenuBar*> rows_;
    QList<QList<QMenu*>> arrangement_;
    mutable std::unique_ptr<QMenuBar> probe_;
};
