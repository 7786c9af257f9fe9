# Precompiled headers for the targets with many files that include the
# toolkit's widgets or GoogleTest: each such file spends most of its compile
# reading those headers, which a precompiled header reads once per target.
# Only for targets of several files (the header itself costs a few files'
# compile). VANTORELLE_PRECOMPILE=OFF builds without, which also shows a file
# that forgot an include the precompiled header hid.
option(VANTORELLE_PRECOMPILE "Precompile the headers that many-file targets share" ON)

set(VANTORELLE_PCH_STANDARD <algorithm> <functional> <map> <memory> <string> <vector>)
set(VANTORELLE_PCH_WIDGETS
  <QApplication> <QCheckBox> <QComboBox> <QDir> <QEvent> <QFile> <QFileInfo> <QKeyEvent> <QLabel>
  <QLineEdit> <QListWidget> <QPainter> <QPointer> <QPushButton> <QRadioButton> <QString> <QTimer>
  <QWidget>)
set(VANTORELLE_PCH_TESTS <gtest/gtest.h>)
set(VANTORELLE_PCH_WIDGET_TESTS <QSignalSpy> <QTemporaryDir> <QTest>)

# vantorelle_precompile(target [WIDGETS] [TESTS])
function(vantorelle_precompile target)
  if(NOT VANTORELLE_PRECOMPILE)
    return()
  endif()
  cmake_parse_arguments(ARG "WIDGETS;TESTS" "" "" ${ARGN})
  set(headers ${VANTORELLE_PCH_STANDARD})
  if(ARG_WIDGETS)
    list(APPEND headers ${VANTORELLE_PCH_WIDGETS})
  endif()
  if(ARG_TESTS)
    list(APPEND headers ${VANTORELLE_PCH_TESTS})
  endif()
  if(ARG_WIDGETS AND ARG_TESTS)
    list(APPEND headers ${VANTORELLE_PCH_WIDGET_TESTS})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
