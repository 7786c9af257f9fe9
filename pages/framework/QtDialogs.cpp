// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "CoreTexts.h"

namespace vantorelle {

namespace {

QMessageBox::StandardButton ButtonFor(Answer answer)
{
    switch (answer) {
    case Answer::OK: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Abort: return QMessageBox::Abort;
    case Answer::Retry: return QMessageBox::Retry;
    case Answer::Ignore: return QMessageBox::Ignore;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconFor(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::None: return QMessageBox::NoIcon;
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* DialogParent(const DialogOwner& owner)
{
    if (owner) {
        if (QWidget* page = owner())
            return page;
    }
    return QApplication::activeWindow();
}

QString DialogText(const std::string& text)
{
    QString shown = ShownText(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Answer QtDialogs::Show(const MessageBoxRequest& box)
{
    QMessageBox message(IconFor(box.icon), ShownText(box.title), DialogText(box.text),
                        QMessageBox::NoButton, DialogParent(owner));
    const std::vector<Answer> answers = AnswersOf(box.buttons);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        QPushButton* button = message.addButton(ButtonFor(answers[i]));
        if (static_cast<int>(i) == box.defaultButton)
            message.setDefaultButton(button);
    }
    const int pressed = message.exec();
    for (Answer answer : answers) {
        if (pressed == ButtonFor(answer))
            return answer;
    }
    // Closed by the window frame or Escape without a matching button: the
    // box's Cancel (or No) if it has one, else its only OK.
    for (Answer answer : {Answer::Cancel, Answer::No, Answer::Ignore}) {
        for (Answer offered : answers) {
            if (offered == answer)
                return answer;
        }
    }
    return answers.front();
}

std::optional<std::string> QtDialogs::Input(const InputBoxRequest& box)
{
    bool ok = false;
    const QString text = QInputDialog::getText(DialogParent(owner), ShownText(box.title),
                                               DialogText(box.prompt), QLineEdit::Normal,
                                               QString::fromStdString(box.defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return text.toStdString();
}

}  // namespace vantorelle
