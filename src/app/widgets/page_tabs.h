// A tab widget whose tabs the user can only change when the window allows it.
#pragma once

#include <functional>

#include <QTabBar>
#include <QTabWidget>

namespace listrider::app {

/// A tab bar that asks before a click, a key or a mnemonic changes the tab. The program's own
/// setCurrentIndex is never asked.
class GuardedTabBar final : public QTabBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedTabBar)

public:
    explicit GuardedTabBar(QWidget* parent = nullptr);

    /// The question asked with the index the user chose; returning false keeps the current tab.
    void SetGuard(std::function<bool(int)> guard) { m_guard = std::move(guard); }

    /// Returns whether the user may go to the tab.
    bool Allows(int index) const;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::function<bool(int)> m_guard;
};

/// A QTabWidget with a GuardedTabBar; Ctrl+Tab and Ctrl+PgUp/PgDn ask the guard too.
class GuardedTabWidget final : public QTabWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedTabWidget)

public:
    explicit GuardedTabWidget(QWidget* parent = nullptr);

    GuardedTabBar* Bar() const { return m_bar; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    GuardedTabBar* m_bar;
};

} // namespace listrider::app
