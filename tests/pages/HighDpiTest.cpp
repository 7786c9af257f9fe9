// SPDX-License-Identifier: GPL-3.0-or-later
// Every page at twice the scale, as on a high-density screen: on each view of
// the page tour every caption, button and option text fits the control that
// shows it (word-wrapped labels by their height), and each page's heading is
// centred across the page, and no page opens scrolled. In another language
// no caption or button still shows an English text that language translates.
// Runs at any scale; ctest runs it at QT_SCALE_FACTOR=2, offscreen and on a
// virtual X screen, and in each language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "PageTour.h"
#include "ScrollPage.h"

namespace vantorelle {

namespace {

// A text with its access-key marks taken out, as drawn.
QString Drawn(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The English texts the window's language words differently, as patterns
// with their %1.. parts open: a control still showing one was built without
// tr() or its translation. None when the window is in English.
std::vector<QRegularExpression> UntranslatedEnglish()
{
    std::vector<QRegularExpression> english;
    const char* language = std::getenv("VANTORELLE_TEST_LANGUAGE");
    if (!language || !*language)
        return english;
    QFile ts(QStringLiteral(VANTORELLE_TRANSLATIONS "/vantorelle_%1.ts").arg(QString::fromLatin1(language)));
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << ts.fileName().toStdString();
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QXmlStreamReader xml(&ts);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = Drawn(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = Drawn(xml.readElementText(QXmlStreamReader::IncludeChildElements));
            QString words = source;
            if (translation != source && words.remove(placeholder).contains(word)) {
                QStringList pieces = source.split(placeholder);
                for (QString& piece : pieces)
                    piece = QRegularExpression::escape(piece);
                english.emplace_back(QStringLiteral("^") + pieces.join(QStringLiteral(".*")) + QStringLiteral("$"),
                                     QRegularExpression::DotMatchesEverythingOption);
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return english;
}

// "needs W x H, has W x H" when a text needs more room than it has, or nothing.
QString Overrun(const QSize& needed, const QSize& room)
{
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("needs %1 x %2, has %3 x %4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// Why a label's text does not fit, or nothing.
QString LabelOverrun(const QLabel* label)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
        return {};
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                      -label->margin());
    const QFontMetrics metrics(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(room, flags, Drawn(text));
    return Overrun(needed.size(), room.size());
}

// Why a button's text does not fit the part of it the style gives the text, or nothing.
QString ButtonOverrun(const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int indicator = 0;  // the check mark or dot beside an option's text, and its gap
    if (qobject_cast<const QRadioButton*>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<const QCheckBox*>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else {
        indicator = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 3;
    }
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const QFontMetrics metrics(button->font());
    // A caption may be set on two lines; each line must fit.
    const QSize text = metrics.size(0, Drawn(button->text()));
    const QSize needed(text.width() + indicator, text.height());
    return Overrun(needed, room.size());
}

// Why a group box's title does not fit the box (the box clips it), or nothing.
QString TitleOverrun(const QGroupBox* box)
{
    if (box->title().isEmpty())
        return {};
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QFontMetrics metrics(box->font());
    const QSize needed(metrics.horizontalAdvance(Drawn(box->title())), metrics.height());
    if (box->rect().contains(label) && needed.width() <= label.width() && needed.height() <= label.height())
        return {};
    return QStringLiteral("needs %1 x %2 in a title at %3,%4 %5 x %6 of a %7 x %8 box")
        .arg(needed.width())
        .arg(needed.height())
        .arg(label.x())
        .arg(label.y())
        .arg(label.width())
        .arg(label.height())
        .arg(box->width())
        .arg(box->height());
}

// The page's heading: its topmost label that spans most of the page's width
// and centres its text. Pages that have none (the graph) give nothing.
const QLabel* Heading(const ScrollPage* page)
{
    const QLabel* heading = nullptr;
    for (const QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->isVisible() || label->text().isEmpty() || label->y() > 60 ||
            !(label->alignment() & Qt::AlignHCenter) || label->width() < page->width() / 2)
            continue;
        if (!heading || label->y() < heading->y())
            heading = label;
    }
    return heading;
}

class HighDpiTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"and.net", "letters.net", "or.net", "xor.net", "beetles.csv"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_EXAMPLES "/") + name, folder.filePath(name)));
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    QTemporaryDir folder;
    QString previousFolder;
};

TEST_F(HighDpiTest, EveryTextFitsItsControlAndEveryHeadingIsCentred)
{
    std::vector<QString> views;
    const std::vector<QRegularExpression> english = UntranslatedEnglish();
    // A kept run's automatic name ("Run 3: Tarvik, rate 0.1, seed 1") is stored
    // with the run and renamed by the user; it is still made in English.
    static const QRegularExpression keptRunName(QStringLiteral("^Run [0-9]+: "));
    auto expectTranslated = [&](const QString& shot, const QWidget* control, const QString& text) {
        if (keptRunName.match(text).hasMatch())
            return;
        for (const QRegularExpression& pattern : english)
            EXPECT_FALSE(pattern.match(Drawn(text)).hasMatch())
                << shot.toStdString() << ": " << control->objectName().toStdString() << " still says \""
                << text.toStdString() << "\" (" << pattern.pattern().toStdString() << ")";
    };
    int measured = 0;  // texts measured, so that a tour seeing nothing cannot pass
    const TourResult tour = TakePageTour([&](const TourView& view) {
        views.push_back(view.shot);
        const ScrollPage* page = view.page;
        for (const QLabel* label : page->findChildren<QLabel*>()) {
            if (label->isVisible()) {
                ++measured;
                expectTranslated(view.shot, label, label->text());
                EXPECT_EQ(LabelOverrun(label).toStdString(), "") << view.shot.toStdString() << ": label "
                                                          << label->objectName().toStdString() << " \""
                                                          << label->text().toStdString() << "\"";
            }
        }
        for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            if (button->isVisible() && (qobject_cast<const QPushButton*>(button) ||
                                        qobject_cast<const QRadioButton*>(button) ||
                                        qobject_cast<const QCheckBox*>(button))) {
                ++measured;
                expectTranslated(view.shot, button, button->text());
                EXPECT_EQ(ButtonOverrun(button).toStdString(), "") << view.shot.toStdString() << ": button "
                                                            << button->objectName().toStdString() << " \""
                                                            << button->text().toStdString() << "\"";
            }
        }
        for (const QGroupBox* box : page->findChildren<QGroupBox*>()) {
            if (box->isVisible()) {
                ++measured;
                EXPECT_EQ(TitleOverrun(box).toStdString(), "") << view.shot.toStdString() << ": group box "
                                                               << box->objectName().toStdString();
            }
        }
        // The window opens at its design size: nothing is scrolled out of sight.
        EXPECT_FALSE(page->horFormScroll()->isVisible()) << view.shot.toStdString();
        EXPECT_FALSE(page->verFormScroll()->isVisible()) << view.shot.toStdString();
        if (const QLabel* heading = Heading(page)) {
            // The text's centre, where the label draws it, against the page's middle.
            const QFontMetrics metrics(heading->font());
            const int flags = int(heading->alignment()) | (heading->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect drawn = metrics.boundingRect(heading->contentsRect(), flags, heading->text());
            const int centre = heading->mapTo(page, drawn.center()).x();
            EXPECT_NEAR(centre, page->width() / 2, 3)
                << view.shot.toStdString() << ": heading " << heading->objectName().toStdString();
        }
    });
    EXPECT_TRUE(tour.finished) << tour.failure.toStdString();
    EXPECT_TRUE(tour.unexpectedBoxes.empty()) << tour.unexpectedBoxes.front().toStdString();
    EXPECT_GT(measured, 100);
    // Every page a user sees was looked at.
    for (const char* shot : {"load-file-page", "setup-page", "training-page", "weight-start-page",
                             "threshold-start-page", "testing-hub", "probe-page", "sse-graph-page",
                             "save-results-page", "generalization-page", "network-view-weights",
                             "network-view-error-curve", "network-view-xor-gaussian", "network-view-xor-step"})
        EXPECT_NE(std::find(views.begin(), views.end(), QString::fromLatin1(shot)), views.end()) << shot;
}

}  // namespace
}  // namespace vantorelle
