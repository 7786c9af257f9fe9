// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the save page and the network view, which their pages set
// from the one list of page fonts: every caption, check box and button keeps
// its family, size and style.

#include <QFont>

#include "HubFixture.h"
#include "PageNames.h"

namespace vantorelle {
namespace {

struct Look {
    const char* control;
    const char* family;
    double points;
    bool bold;
    bool italic;
    bool underline;
};

class PageFontsTest : public HubFixture {
protected:
    void expectLooks(ScrollPage* page, std::initializer_list<Look> looks)
    {
        for (const Look& look : looks) {
            SCOPED_TRACE(look.control);
            QWidget* control = HubFixture::control<QWidget>(page, look.control);
            ASSERT_NE(control, nullptr);
            const QFont font = control->font();
            EXPECT_EQ(font.family(), QString::fromLatin1(look.family));
            EXPECT_DOUBLE_EQ(font.pointSizeF(), look.points);
            EXPECT_EQ(font.bold(), look.bold);
            EXPECT_EQ(font.italic(), look.italic);
            EXPECT_EQ(font.underline(), look.underline);
        }
    }
};

TEST_F(PageFontsTest, SavePage)
{
    trainByHand();
    ScrollPage* page = open(PageNames::SaveResults.c_str());
    ASSERT_NE(page, nullptr);
    expectLooks(page, {{"Label1", "Arial", 20.25, true, true, false},
                       {"Label2", "MS Sans Serif", 12, true, false, false},
                       {"PropertyLabel", "MS Sans Serif", 12, true, false, false},
                       {"File1", "MS Sans Serif", 8.25, false, false, false},
                       {"DirButton", "MS Sans Serif", 8.25, true, false, false},
                       {"Check1_0", "Arial", 9, true, false, false},
                       {"Check1_6", "Arial", 9, true, false, false},
                       {"FileLabel", "Arial", 12, true, false, true},
                       {"FileNameLabel", "Arial", 10.5, true, true, false},
                       {"Label3", "Arial", 8.25, false, true, false},
                       {"SaveFile", "Arial", 12, true, false, false},
                       {"Command2", "Arial", 12, true, true, false}});
}

TEST_F(PageFontsTest, NetworkView)
{
    trainByHand();
    ScrollPage* page = open(PageNames::NetworkView.c_str());
    ASSERT_NE(page, nullptr);
    expectLooks(page, {{"TitleLabel", "Arial", 20.25, true, true, false},
                       {"FileLabel", "Arial", 10.5, false, false, false},
                       {"WidthLabel", "Arial", 9, true, false, false},
                       {"ContrastCheck", "Arial", 9, true, false, false},
                       {"OutputLabel", "Arial", 9, true, false, false},
                       {"LogScaleCheck", "Arial", 9, true, false, false},
                       {"PrintView", "Arial", 12, true, false, false},
                       {"SavePicture", "Arial", 12, true, false, false},
                       {"CloseView", "Arial", 12, true, true, false}});
}

}  // namespace
}  // namespace vantorelle
