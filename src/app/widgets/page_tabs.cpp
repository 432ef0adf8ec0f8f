#include "app/widgets/page_tabs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace listrider::app {

GuardedTabBar::GuardedTabBar(QWidget* parent)
    : QTabBar(parent)
{}

bool GuardedTabBar::Allows(int index) const
{
    return index < 0 || index == currentIndex() || !m_guard || m_guard(index);
}

bool GuardedTabBar::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        // A tab caption's mnemonic.
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        for (int i = 0; i < count(); ++i) {
            if (QKeySequence::mnemonic(tabText(i)) == shortcut->key()) {
                if (isTabEnabled(i) && Allows(i)) {
                    setCurrentIndex(i);
                }
                return true;
            }
        }
    }
    return QTabBar::event(event);
}

void GuardedTabBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !Allows(tabAt(event->position().toPoint()))) {
        event->accept();
        return;
    }
    QTabBar::mousePressEvent(event);
}

void GuardedTabBar::keyPressEvent(QKeyEvent* event)
{
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        target = currentIndex() - 1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        target = currentIndex() + 1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count() - 1;
        break;
    default:
        QTabBar::keyPressEvent(event);
        return;
    }
    if (target >= 0 && target < count() && Allows(target)) {
        setCurrentIndex(target);
    }
    event->accept();
}

void GuardedTabBar::wheelEvent(QWheelEvent* event)
{
    // Scrolling over the tabs never changes the page.
    event->accept();
}

GuardedTabWidget::GuardedTabWidget(QWidget* parent)
    : QTabWidget(parent)
    , m_bar(new GuardedTabBar(this))
{
    setTabBar(m_bar);
}

void GuardedTabWidget::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    int step = 0;
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)) {
        step = 1;
    } else if (ctrl && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)) {
        step = -1;
    }
    if (step == 0 || count() == 0) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    const int target = (currentIndex() + step + count()) % count();
    if (m_bar->isTabEnabled(target) && m_bar->Allows(target)) {
        m_bar->setCurrentIndex(target);
    }
    event->accept();
}

} // namespace listrider::app
