// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The training-set page opened from the registry as the program opens it,
// with scripted message boxes and answered file dialogs, and the steps a
// student takes on it: clicks on buttons and cells, typing into cells.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include "AnsweringSaveDialog.h"
#include "CapturingPrinter.h"
#include "FindControl.h"
#include "ListClicks.h"
#include "MakeTrainingSet.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "QStringPrinter.h"
#include "Pages.h"
#include "Random.h"
#include "SameSet.h"
#include "ScriptedDialogs.h"
#include "SetGenerators.h"
#include "SetTable.h"
#include "SystemTexts.h"
#include "TrainingFile.h"

namespace vantorelle {

// What the training-file reader reads from path, as a set.
inline TrainingSet ReadBack(const QString& path)
{
    NetworkState read;
    const ReadResult result = ReadTrainingFile(read, path.toStdString());
    EXPECT_TRUE(result.ok) << result.message;
    return SetOf(read);
}

class MakeTrainingSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(1); },
                    {nullptr, nullptr, &saveDialog, &csvDialog});
    }

    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    void openPage()
    {
        page = qobject_cast<MakeTrainingSet*>(pages.open(PageNames::MakeTrainingSet));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
        page->activateWindow();
        view = control<QTableView>("SetView");
        view->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return view->hasFocus(); }, 120000));
    }

    template <typename T>
    T* control(const char* name)
    {
        return qt_testing::FindControl<T>(page, QString::fromLatin1(name));
    }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    // A click on a cell, as the mouse selects it.
    void clickCell(int row, int column, Qt::KeyboardModifiers keys = {})
    {
        const QRect cell = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, keys, cell.center());
    }
    // Types into a cell: a click on it, F2 for its editor, the text, Enter.
    void typeCell(int row, int column, const QString& text)
    {
        clickCell(row, column);
        QTest::keyClick(view, Qt::Key_F2);
        ASSERT_TRUE(QTest::qWaitFor([this] { return view->indexWidget(view->currentIndex()) != nullptr; }, 120000));
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, nullptr);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the editor's text once the event loop runs.
        ASSERT_TRUE(QTest::qWaitFor([this] { return view->indexWidget(view->currentIndex()) == nullptr; }, 120000));
    }
    void keys(int key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(view, static_cast<Qt::Key>(key), modifiers); }
    QString local(const char* cNumber) const { return QString::fromStdString(InLocaleForm(cNumber, SystemNumberLocale())); }
    QString path(const char* name) const { return QDir(folder.path()).filePath(QString::fromLatin1(name)); }
    const SetGrid& grid() { return page->table().grid(); }

    QTemporaryDir folder;
    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    testing::AnsweringSaveDialog saveDialog;
    testing::AnsweringOpenDialog csvDialog;
    CapturingPrinter printer;
    PageRegistry pages;
    MakeTrainingSet* page = nullptr;
    QTableView* view = nullptr;
};

}  // namespace vantorelle
