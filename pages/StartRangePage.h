// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the weight and threshold start pages share: a maximum and a minimum
// box, each with a slider, three sign options and two buttons, writing one
// range and one sign rule of the network state. Each page brings its own
// form, its settings and its messages.
//
// Closing the page from its title bar is a cancel: the range and the sign
// go back to what they were when the page opened, unless another page (the
// set-up page's default option) has changed them since this page last did.

#include <QString>
#include <array>
#include <string>

#include "NumberFormat.h"
#include "ScrollPage.h"
#include "StartRanges.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace vantorelle {

class Dialogs;

class StartRangePage : public ScrollPage {
    Q_OBJECT

public:
    // The settings the page writes.
    struct Settings {
        double& min;
        double& max;
        StartSign& sign;
    };
    struct Controls {
        QLineEdit* maxBox;
        QSlider* maxSlider;
        QLineEdit* minBox;
        QSlider* minSlider;
        std::array<QRadioButton*, 3> signs;  // Both, Pos, Neg
        QPushButton* useButton;
        QPushButton* exitButton;
    };

    StartRangePage(DesignSize design, Settings settings, Dialogs& dialogs, QWidget* parent);

protected:
    // The common load step; call it after setupUi. The kind brings the
    // range check's messages and the default the page falls back to.
    void setUp(const Controls& controls, const StartRangeKind& kind);
    void closeEvent(QCloseEvent* event) override;

private:
    void useSettings();
    void useDefaults();
    void placeSliders();
    // The number in a box, or nothing after telling the user it is not one.
    enum class Bound { Maximum, Minimum };
    std::optional<double> boxNumber(QLineEdit* box, Bound bound);

    Settings settings;
    Dialogs& dialogs;
    Controls controls{};
    const StartRangeKind* kind = nullptr;
    NumberLocale locale;
    // What a title-bar close puts back.
    double openedMin;
    double openedMax;
    StartSign openedSign;
    // What this page last wrote (or found), to tell whether another page
    // has changed the settings meanwhile.
    double lastMin;
    double lastMax;
    StartSign lastSign;
    void rememberWritten();
    bool decided = false;  // closed by one of its buttons
};

}  // namespace vantorelle
