// SPDX-License-Identifier: GPL-3.0-or-later
// Every page the program names can be opened by that name, and is the page
// the name says: a name in the list without a definition behind it (or the
// other way round) would open nothing where a user expects a page.

#include <set>

#include "HubFixture.h"
#include "PageNames.h"

namespace vantorelle {
namespace {

class PageNamesTest : public HubFixture {};

TEST_F(PageNamesTest, EveryNamedPageOpensAsItself)
{
    net.FreshStart = true;
    trainByHand();
    std::set<QString> seen;
    for (PageName name : PageNames::All) {
        SCOPED_TRACE(name.c_str());
        EXPECT_TRUE(seen.insert(name.toString()).second) << "named twice";
        ASSERT_TRUE(pages.isDefined(name));
        ScrollPage* page = open(name.c_str());
        ASSERT_NE(page, nullptr);
        // Each page's form carries the page's own name.
        EXPECT_EQ(page->objectName(), name.toString());
        EXPECT_EQ(pages.find(name), page);
        page->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return pages.find(name) == nullptr; }));
    }
}

}  // namespace
}  // namespace vantorelle
