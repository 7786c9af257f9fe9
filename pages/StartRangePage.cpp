// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartRangePage.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <cmath>

#include "Dialogs.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "SystemTexts.h"

namespace vantorelle {

StartRangePage::StartRangePage(DesignSize design, Settings settings, Dialogs& dialogs, QWidget* parent)
    : ScrollPage(design, parent),
      settings(settings),
      dialogs(dialogs),
      locale(SystemNumberLocale()),
      openedMin(settings.min),
      openedMax(settings.max),
      openedSign(settings.sign),
      lastMin(settings.min),
      lastMax(settings.max),
      lastSign(settings.sign)
{
}

void StartRangePage::rememberWritten()
{
    lastMin = settings.min;
    lastMax = settings.max;
    lastSign = settings.sign;
}

void StartRangePage::setUp(const Controls& c, const StartRangeKind& k)
{
    controls = c;
    kind = &k;

    for (QLineEdit* box : {c.maxBox, c.minBox}) {
        PageFonts::set(box, PageFonts::box());
        // The form's texts are written the C way; show them as the system writes numbers.
        box->setText(QString::fromStdString(InLocaleForm(box->text().toStdString(), locale)));
    }
    for (QRadioButton* option : c.signs)
        PageFonts::set(option, PageFonts::caption());
    PageFonts::set(c.useButton, PageFonts::button());
    PageFonts::set(c.exitButton, PageFonts::exitButton());

    // The load step: the sign is "Both" at once, the sliders follow the boxes.
    settings.sign = StartSign::Both;
    rememberWritten();
    c.signs[0]->setChecked(true);
    placeSliders();

    for (QSlider* slider : {c.maxSlider, c.minSlider}) {
        QLineEdit* box = slider == c.maxSlider ? c.maxBox : c.minBox;
        connect(slider, &QSlider::valueChanged, this, [this, box](int value) {
            box->setText(QString::fromStdString(FormatGeneral(static_cast<double>(value) / 100.0, locale)));
        });
    }
    const StartSign signs[3] = {StartSign::Both, StartSign::Pos, StartSign::Neg};
    for (int i = 0; i < 3; ++i) {
        const StartSign sign = signs[i];
        connect(c.signs[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, sign] {
                    settings.sign = sign;
                    rememberWritten();
                });
    }
    connect(c.useButton, &QPushButton::clicked, this, &StartRangePage::useSettings);
    connect(c.exitButton, &QPushButton::clicked, this, &StartRangePage::useDefaults);
    // Escape cancels, as the window frame's close does: the range and sign in
    // force when the page opened stay ("Use Default Settings" would replace them).
    closeOnEscape([this] { close(); });
}

void StartRangePage::placeSliders()
{
    // Each slider from its box times 100, rounded halves to even; without
    // moving the boxes, whose texts stay as they are.
    for (QSlider* slider : {controls.maxSlider, controls.minSlider}) {
        QLineEdit* box = slider == controls.maxSlider ? controls.maxBox : controls.minBox;
        const auto value = ParseBoxNumber(box->text().toStdString(), locale);
        if (!value)
            continue;
        const auto whole = RoundToWhole(*value * 100.0);
        if (!whole)
            continue;
        const QSignalBlocker quiet(slider);
        slider->setValue(static_cast<int>(*whole));
    }
}

std::optional<double> StartRangePage::boxNumber(QLineEdit* box, Bound bound)
{
    if (auto value = ParseBoxNumber(box->text().toStdString(), locale))
        return value;
    const bool weight = std::string_view(kind->what) == WeightRange.what;
    const bool maximum = bound == Bound::Maximum;
    const QString mustBe = weight ? (maximum ? tr("The maximum weight must be a number, such as %1.")
                                             : tr("The minimum weight must be a number, such as %1."))
                                  : (maximum ? tr("The maximum threshold must be a number, such as %1.")
                                             : tr("The minimum threshold must be a number, such as %1."));
    MessageBoxRequest message;
    message.title = ProgramTitle;
    message.icon = BoxIcon::Exclamation;
    message.text = (mustBe.arg(QString::fromStdString(FormatGeneral(0.25, locale))) + QLatin1Char('\r') +
                    tr("\"%1\" is not a number. Nothing has been changed.").arg(box->text()))
                       .toStdString();
    dialogs.Show(message);
    box->setFocus();
    box->selectAll();
    return std::nullopt;
}

void StartRangePage::useSettings()
{
    // Both boxes must hold numbers before either setting changes.
    const auto max = boxNumber(controls.maxBox, Bound::Maximum);
    if (!max)
        return;
    const auto min = boxNumber(controls.minBox, Bound::Minimum);
    if (!min)
        return;
    settings.min = *min;
    settings.max = *max;
    rememberWritten();

    switch (CheckStartRange(settings.min, settings.max)) {
    case StartRangeFault::None:
        decided = true;
        close();
        return;
    case StartRangeFault::NegativeMinimum: {
        MessageBoxRequest message;
        message.title = ProgramTitle;
        message.text = kind->negativeMinMessage;
        dialogs.Show(message);
        settings.min = std::fabs(settings.min);
        rememberWritten();
        controls.minBox->setText(QString::fromStdString(FormatGeneral(settings.min, locale)));
        return;
    }
    case StartRangeFault::MinimumAboveMaximum: {
        MessageBoxRequest message;
        message.title = ProgramTitle;
        message.text = std::string(kind->minAboveMaxMessage) + "\r" + StartRangeResetLine(*kind, locale);
        message.icon = BoxIcon::Critical;
        message.buttons = BoxButtons::OKCancel;
        dialogs.Show(message);  // either answer goes on the same way
        settings.min = 0;
        settings.max = kind->defaultMax;
        rememberWritten();
        controls.maxBox->setText(QString::fromStdString(FormatGeneral(kind->defaultMax, locale)));
        controls.minBox->setText(QStringLiteral("0"));
        placeSliders();
        return;
    }
    }
}

void StartRangePage::useDefaults()
{
    settings.min = 0;
    settings.max = kind->defaultMax;
    settings.sign = StartSign::Both;
    decided = true;
    close();
}

void StartRangePage::closeEvent(QCloseEvent* event)
{
    const bool changedElsewhere =
        settings.min != lastMin || settings.max != lastMax || settings.sign != lastSign;
    if (!decided && !changedElsewhere) {
        settings.min = openedMin;
        settings.max = openedMax;
        settings.sign = openedSign;
    }
    ScrollPage::closeEvent(event);
}

}  // namespace vantorelle
