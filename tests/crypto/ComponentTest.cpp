#include "crypto/Component.h"

#include <gtest/gtest.h>

namespace {

struct Tracked : zanfo::TComponent {
    Tracked(zanfo::TComponent* owner, int& alive) : TComponent(owner), alive_(alive) { ++alive_; }
    ~Tracked() override { --alive_; }
    int& alive_;
};

}  // namespace

TEST(Component, OwnerFreesWhatItOwnsAndAChildMayGoFirst)
{
    int alive = 0;
    {
        zanfo::TComponent window(nullptr);
        new Tracked(&window, alive);
        auto* early = new Tracked(&window, alive);
        new Tracked(early, alive);
        EXPECT_EQ(alive, 3);
        delete early;  // takes its own child with it and leaves the owner's list
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);
}
