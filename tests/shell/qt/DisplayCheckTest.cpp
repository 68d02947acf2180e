#include "scene/I3DEngine.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/Px_formmdi.h"
#include "shell/qt/ShellFixture.h"
#include "support/qt/EventLoop.h"

#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(DisplayCheck, OnlyAHighColourSurfaceIsAccepted) {
    for (const int bits : {0, 8, 15, 24, 32}) {
        EXPECT_FALSE(DisplayDepthAccepted(bits)) << bits;
    }
    EXPECT_TRUE(DisplayDepthAccepted(16));
}

using DisplayCheckOnThisDesktop = ShellTest;

// The game draws into its own 16-bit surface and paints that into the
// window, so the desktop's depth does not matter: CTest runs this on a 16-bit
// and on a 24-bit screen with 32 bits per pixel.
TEST_F(DisplayCheckOnThisDesktop, TheTitleOpensWhateverTheDesktopDepth) {
    OpenWindow().show();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window->TitleOpen(); }, 5000))
        << "desktop depth " << window->screen()->depth();
    EXPECT_TRUE(seam->messages.empty());
    EXPECT_EQ(window->Proxy().App().DungOperator().Engine().SurfaceColorDepth(), 16);
}

} // namespace
