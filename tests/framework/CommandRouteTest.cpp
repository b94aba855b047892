#include "CCmdTarget.h"
#include "CCmdUI.h"
#include "CommandRoute.h"

#include <QAction>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kCopy = 100;
constexpr int kPaste = 101;
constexpr int kWindowFirst = 200;
constexpr int kWindowLast = 203;

std::vector<std::string> calls;

// A view-like target: handles Copy, decides Paste's enabling without
// handling it, and lets Copy's enabling go on when told to.
class ViewTarget : public CCmdTarget {
public:
    bool canCopy = true;
    bool deferCopy = false;

protected:
    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map(CCmdTarget::GetMessageMap(), {
            MapCommand(kCopy, &ViewTarget::OnCopy),
            MapUpdate(kCopy, &ViewTarget::OnUpdateCopy),
            MapUpdate(kPaste, &ViewTarget::OnUpdatePaste),
        });
        return &map;
    }
    void OnCopy() { calls.push_back("view copy"); }
    void OnUpdateCopy(CCmdUI *cmdUI)
    {
        if (deferCopy)
            cmdUI->ContinueRouting();
        else
            cmdUI->Enable(canCopy);
    }
    void OnUpdatePaste(CCmdUI *cmdUI) { cmdUI->Enable(false); }
};

// A derived target whose map extends its base's.
class FrameTarget : public CCmdTarget {
protected:
    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map(CCmdTarget::GetMessageMap(), {
            MapCommandRange(kWindowFirst, kWindowLast, &FrameTarget::OnWindow),
        });
        return &map;
    }
    void OnWindow(int id) { calls.push_back("frame window " + std::to_string(id)); }
};

class MainFrameTarget : public FrameTarget {
protected:
    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map(FrameTarget::GetMessageMap(), {
            MapCommand(kCopy, &MainFrameTarget::OnCopy),
            MapCommand(kPaste, &MainFrameTarget::OnPaste),
        });
        return &map;
    }
    void OnCopy() { calls.push_back("main copy"); }
    void OnPaste() { calls.push_back("main paste"); }
};

class CommandRouteTest : public ::testing::Test {
protected:
    void SetUp() override { calls.clear(); }

    ViewTarget view;
    MainFrameTarget mainFrame;
};

TEST_F(CommandRouteTest, TheFirstTargetWithAHandlerCarriesTheCommandOut)
{
    const CommandRoute route({&view, nullptr, &mainFrame});
    EXPECT_TRUE(route.Execute(kCopy));
    EXPECT_EQ(calls, std::vector<std::string>{"view copy"});

    calls.clear();
    const CommandRoute withoutView({nullptr, &mainFrame});
    EXPECT_TRUE(withoutView.Execute(kCopy));
    EXPECT_EQ(calls, std::vector<std::string>{"main copy"});
}

TEST_F(CommandRouteTest, ACommandNoTargetHandlesIsDisabledAndDoesNothing)
{
    const CommandRoute route({&view, &mainFrame});
    EXPECT_FALSE(route.IsEnabled(999));
    EXPECT_FALSE(route.Execute(999));
    EXPECT_TRUE(calls.empty());
}

TEST_F(CommandRouteTest, AnUpdateHandlerThatDisablesStopsTheCommandEvenWhereALaterTargetHandlesIt)
{
    const CommandRoute route({&view, &mainFrame});
    EXPECT_FALSE(route.IsEnabled(kPaste));
    EXPECT_FALSE(route.Execute(kPaste));

    view.canCopy = false;
    EXPECT_FALSE(route.IsEnabled(kCopy));
    EXPECT_FALSE(route.Execute(kCopy));
    EXPECT_TRUE(calls.empty());
}

TEST_F(CommandRouteTest, ContinueRoutingLetsTheNextTargetDecide)
{
    view.deferCopy = true;
    const CommandRoute route({&view, &mainFrame});
    // No later update handler: a command handler anywhere enables it.
    EXPECT_TRUE(route.IsEnabled(kCopy));
    const CommandRoute viewOnly({&view});
    EXPECT_TRUE(viewOnly.IsEnabled(kCopy));
}

TEST_F(CommandRouteTest, RangeHandlersOfABaseMapReceiveTheChosenId)
{
    const CommandRoute route({&mainFrame});
    for (int id = kWindowFirst; id <= kWindowLast; ++id)
        EXPECT_TRUE(route.Execute(id));
    EXPECT_FALSE(route.Execute(kWindowLast + 1));
    EXPECT_EQ(calls, (std::vector<std::string>{"frame window 200", "frame window 201", "frame window 202",
                                                "frame window 203"}));
}

TEST_F(CommandRouteTest, UpdateSetsTheItemsActionAndRemembersTheAnswer)
{
    QAction action;
    action.setEnabled(false);
    CCmdUI cmdUI(kCopy, &action);
    CommandRoute({&view}).Update(cmdUI);
    EXPECT_TRUE(action.isEnabled());
    EXPECT_TRUE(cmdUI.IsEnabled());

    CCmdUI unhandled(999, &action);
    CommandRoute({&view}).Update(unhandled);
    EXPECT_FALSE(action.isEnabled());
}

} // namespace
