// The main window's shell: start-up on a new workspace, the page rules, the menu switches.
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/app_context.h"
#include "app/app_fixture.h"
#include "app/pages/page.h"

using namespace Qt::StringLiterals;
using namespace listrider;
using namespace listrider::apptest;

class ShellTest : public QObject
{
    Q_OBJECT

private slots:

    void StartsOnANewWorkspaceWithTheWelcomeQuestion()
    {
        TestWorkspace workspace;
        ScriptedBoxes boxes;
        boxes.Answer(false);
        StartedWindow window = StartWindow(workspace.Path(), boxes);
        QVERIFY(window.window != nullptr);

        QCOMPARE(window->windowTitle(), u"Listrider 1.32"_s);
        QVERIFY(window->minimumWidth() >= 780 && window->minimumHeight() >= 655);
        QCOMPARE(boxes.Shown().size(), 1);
        QVERIFY(boxes.Shown().front().startsWith(u"Welcome to Listrider of Korvane!\r\n\r\n"_s));
        QCOMPARE(window->LoadingStages(),
                 (QStringList{u"Loading custom sites columns..."_s,
                              u"Loading custom site filters..."_s,
                              u"Loading site database..."_s,
                              u"Loading sites..."_s,
                              u"Loading passwords base..."_s,
                              u"Loading fast categories..."_s,
                              u"Checking integrity of the sites index..."_s,
                              u"Checking integrity of the site database..."_s}));

        auto* tabs = window->findChild<QTabWidget*>(u"PageControl1"_s);
        QVERIFY(tabs != nullptr);
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) {
            captions.append(tabs->tabText(i));
        }
        QCOMPARE(captions,
                 (QStringList{u"Product"_s,
                              u"Product Information"_s,
                              u"Accounts"_s,
                              u"Category"_s,
                              u"Sites"_s,
                              u"Submit"_s}));
        QCOMPARE(window->CurrentPage()->Id(), app::PageId::Product);
    }

    void LeavingTheProductPageNeedsAProduct()
    {
        TestWorkspace workspace;
        workspace.Write(u"Prefs.ini"_s, "<Quick_Tips>N</Quick_Tips>\r\n");
        ScriptedBoxes boxes;
        StartedWindow window = StartWindow(workspace.Path(), boxes);
        QVERIFY(window.window != nullptr);
        QVERIFY(boxes.Shown().isEmpty());

        // A click on another tab keeps the page while no product is selected.
        auto* tabs = window->findChild<QTabWidget*>(u"PageControl1"_s);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QCOMPARE(window->CurrentPage()->Id(), app::PageId::Product);
        QCOMPARE(tabs->currentIndex(), 0);

        // Nor can the page change while a run holds the window.
        window->Context().state.runInProgress = true;
        QVERIFY(!window->RequestPage(app::PageId::Sites));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void QuickTipsIsSavedAsAPreference()
    {
        TestWorkspace workspace;
        workspace.Write(u"Prefs.ini"_s, "<Quick_Tips>Y</Quick_Tips>\r\n");
        ScriptedBoxes boxes;
        StartedWindow window = StartWindow(workspace.Path(), boxes);
        QVERIFY(window.window != nullptr);
        auto* quickTips = window->findChild<QAction*>(u"QuickTips1"_s);
        QVERIFY(quickTips->isChecked());
        quickTips->trigger();
        QVERIFY(workspace.Read(u"Prefs.ini"_s)->contains("<Quick_Tips>N</Quick_Tips>"));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
