#pragma once
// Reading an on/off pair in tests.
#include <gtest/gtest.h>

#include "forms/OnOffPair.h"

namespace testing_support {

// Which member of the pair is shown as chosen; the two never look alike.
inline bool ShowsOn(const forms::OnOffPair& pair) {
    EXPECT_NE(pair.on.backColor(), pair.off.backColor());
    return pair.on.backColor() == forms::SysColor::Highlight;
}

}  // namespace testing_support
